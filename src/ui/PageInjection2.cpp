#include "FieldBox.h"
#include "Hlav.h"
#include "PageParts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>
#include <functional>
#include <string>

namespace ign {
namespace {

// One row of ten fields under the fixed speed headings, with its unit at the end.
void AddSpeedRow(QGroupBox* group, const std::function<FieldBox*(int)>& field, const char* unit) {
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(3);
    grid->addWidget(MakeLabel(group, "[rpm]"), 0, 0);
    for (int point = 0; point < 10; ++point) {
        grid->addWidget(MakeLabel(group, kSpeedHeadings[point]), 0, point + 1, Qt::AlignHCenter);
        grid->addWidget(field(point), 1, point + 1);
    }
    grid->addWidget(MakeLabel(group, unit), 1, 0);
}

}  // namespace

QWidget* TFormHlav::BuildInjection2Page() {
    QWidget* page = MakePage(this, "TabSheet3");
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(4, 4, 4, 4);

    QGroupBox* position = MakeGroup(page, "GroupBox12", "Position of Injection");
    AddSpeedRow(
        position, [this](int point) { return MakeField(("Edit" + std::to_string(170 + point)).c_str()); },
        "[°]");
    outer->addWidget(position);

    QGroupBox* choice = MakeGroup(page, "RadioGroupPoloha", "Position of:");
    auto* items = new QHBoxLayout(choice);
    constexpr const char* kItems[] = {"Beginning", "Centre", "End"};
    for (int i = 0; i < 3; ++i) {
        auto* item = new QRadioButton(QString::fromUtf8(kItems[i]), choice);
        item->setObjectName(QStringLiteral("RadioGroupPolohaItem%1").arg(i));
        items->addWidget(item);
    }
    items->addStretch(1);
    outer->addWidget(choice);

    QGroupBox* cylinders = MakeGroup(page, "GroupBoxKor23", "Corrections of Cylinder 2 and 3");
    AddSpeedRow(
        cylinders, [this](int point) { return MakeField(("Edit" + std::to_string(150 + point)).c_str()); },
        "[%]");
    outer->addWidget(cylinders);
    outer->addStretch(1);
    return page;
}

}  // namespace ign
