#include "FieldBox.h"
#include "Hlav.h"
#include "PageParts.h"
#include "SpinButton.h"

#include <QGridLayout>
#include <QVBoxLayout>
#include <string>

namespace ign {
namespace {

// Throttle rows from top to bottom; the tenth row stands for full throttle.
constexpr const char* kThrottleHeadings[kMapSize] = {"0%",  "10%", "20%", "30%", "40%",
                                                     "50%", "60%", "70%", "80%", "100%"};

}  // namespace

QWidget* TFormHlav::BuildInjection1Page() {
    QWidget* page = MakePage(this, "TabSheet2");
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(4, 4, 4, 4);

    // Speed points across the top, the map below them, a live spin button under each column.
    QGroupBox* map = MakeGroup(page, "GroupBoxMap", "");
    auto* grid = new QGridLayout(map);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(2);
    grid->addWidget(MakeLabel(map, "[rpm]"), 0, 0, Qt::AlignRight | Qt::AlignVCenter);
    for (int column = 0; column < kMapSize; ++column) {
        const std::string rpm = "EditRpmJet" + std::to_string(column + 1);
        grid->addWidget(MakeField(rpm.c_str()), 0, column + 1);
    }
    for (int row = 0; row < kMapSize; ++row) {
        grid->addWidget(MakeLabel(map, kThrottleHeadings[row]), row + 1, 0,
                        Qt::AlignRight | Qt::AlignVCenter);
        for (int column = 0; column < kMapSize; ++column) {
            const std::string cell = "Edit" + std::to_string(50 + 10 * row + column);
            grid->addWidget(MakeField(cell.c_str()), row + 1, column + 1);
        }
    }
    for (int column = 0; column < kMapSize; ++column) {
        auto* spin = new SpinButton(map);
        spin->setObjectName(QStringLiteral("CSpinButton%1").arg(column + 1));
        grid->addWidget(spin, kMapSize + 1, column + 1, Qt::AlignHCenter);
    }
    grid->setRowMinimumHeight(0, 0);
    grid->setRowStretch(kMapSize + 2, 1);
    outer->addWidget(map, 1);
    return page;
}

}  // namespace ign
