#include "pages/Injection2Page.h"

#include "pages/FieldBox.h"
#include "pages/PageParts.h"
#include "window/EditorBinding.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>
#include <string>

namespace ign {
namespace {

// One row of ten fields under the fixed speed headings, with its unit at the end.
void AddSpeedRow(QGroupBox* group, EditorBinding& editors, int firstEdit, const char* unit) {
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(3);
    grid->addWidget(MakeLabel(group, "[rpm]"), 0, 0);
    for (int point = 0; point < 10; ++point) {
        grid->addWidget(MakeLabel(group, kSpeedHeadings[point]), 0, point + 1, Qt::AlignHCenter);
        const std::string name = "Edit" + std::to_string(firstEdit + point);
        grid->addWidget(editors.MakeField(name.c_str(), group), 1, point + 1);
    }
    grid->addWidget(MakeLabel(group, unit), 1, 0);
}

}  // namespace

Injection2Page::Injection2Page(EditorBinding& editors, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet3"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);

    QGroupBox* position = MakeGroup(this, "GroupBox12", "Position of Injection");
    AddSpeedRow(position, editors, 170, "[°]");
    outer->addWidget(position);

    QGroupBox* choice = MakeGroup(this, "RadioGroupPoloha", "Position of:");
    auto* row = new QHBoxLayout(choice);
    constexpr const char* kItems[] = {"Beginning", "Centre", "End"};
    std::array<QRadioButton*, 3> items{};
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i] = new QRadioButton(QString::fromUtf8(kItems[i]), choice);
        items[i]->setObjectName(QStringLiteral("RadioGroupPolohaItem%1").arg(i));
        row->addWidget(items[i]);
    }
    row->addStretch(1);
    editors.Bind(choice, items);
    outer->addWidget(choice);

    QGroupBox* cylinders = MakeGroup(this, "GroupBoxKor23", "Corrections of Cylinder 2 and 3");
    AddSpeedRow(cylinders, editors, 150, "[%]");
    outer->addWidget(cylinders);
    outer->addStretch(1);
}

}  // namespace ign
