#include "pages/Injection1Page.h"

#include "pages/FieldBox.h"
#include "pages/PageParts.h"
#include "pages/SpinButton.h"
#include "window/EditorBinding.h"

#include <QGridLayout>
#include <QVBoxLayout>
#include <string>

namespace ign {
namespace {

// Throttle rows from top to bottom; the tenth row stands for full throttle.
constexpr const char* kThrottleHeadings[kMapSize] = {"0%",  "10%", "20%", "30%", "40%",
                                                     "50%", "60%", "70%", "80%", "100%"};

}  // namespace

Injection1Page::Injection1Page(EditorBinding& editors, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet2"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);

    // Speed points across the top, the map below them, a live spin button under each column.
    QGroupBox* map = MakeGroup(this, "GroupBoxMap", "");
    auto* grid = new QGridLayout(map);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(2);
    grid->addWidget(MakeLabel(map, "[rpm]"), 0, 0, Qt::AlignRight | Qt::AlignVCenter);
    for (int column = 0; column < kMapSize; ++column) {
        const std::string rpm = "EditRpmJet" + std::to_string(column + 1);
        grid->addWidget(editors.MakeField(rpm.c_str(), map), 0, column + 1);
    }
    for (int row = 0; row < kMapSize; ++row) {
        grid->addWidget(MakeLabel(map, kThrottleHeadings[row]), row + 1, 0,
                        Qt::AlignRight | Qt::AlignVCenter);
        for (int column = 0; column < kMapSize; ++column) {
            const std::string cell = "Edit" + std::to_string(50 + 10 * row + column);
            grid->addWidget(editors.MakeField(cell.c_str(), map), row + 1, column + 1);
        }
    }
    for (int column = 0; column < kMapSize; ++column) {
        auto* spin = new SpinButton(map);
        spin->setObjectName(QStringLiteral("CSpinButton%1").arg(column + 1));
        grid->addWidget(spin, kMapSize + 1, column + 1, Qt::AlignHCenter);
        connect(spin, &SpinButton::upClicked, this, [this, column] { emit columnUp(column + 1); });
        connect(spin, &SpinButton::downClicked, this, [this, column] { emit columnDown(column + 1); });
    }
    grid->setRowMinimumHeight(0, 0);
    grid->setRowStretch(kMapSize + 2, 1);
    outer->addWidget(map, 1);
}

}  // namespace ign
