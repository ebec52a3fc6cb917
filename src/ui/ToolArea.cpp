#include "Hint.h"
#include "Hlav.h"
#include "ToolIcons.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <tuple>

namespace ign {
namespace {

QToolButton* ImageButton(QWidget* parent, const char* name, const QIcon& icon, const char* hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(icon);
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    SetHint(*button, hint, Tooltip::Yes);
    return button;
}

QPushButton* TextButton(QWidget* parent, const char* name, const char* caption, const char* hint) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    SetHint(*button, hint, Tooltip::Yes);
    return button;
}

// A caption-titled group with a "-" and a "+" button in a larger font.
QGroupBox* PlusMinusGroup(QWidget* parent, const char* name, const char* title, const char* minusName,
                          const char* minusHint, const char* plusName, const char* plusHint) {
    auto* group = new QGroupBox(QString::fromUtf8(title), parent);
    group->setObjectName(QString::fromLatin1(name));
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(8, 2, 8, 4);
    row->setSpacing(12);
    for (auto [buttonName, caption, hint] :
         {std::tuple{minusName, "-", minusHint}, {plusName, "+", plusHint}}) {
        QPushButton* button = TextButton(group, buttonName, caption, hint);
        QFont big = button->font();
        big.setPointSize(14);
        button->setFont(big);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        const int side = button->fontMetrics().height() + 4;
        button->setFixedSize(side + 6, side);
        row->addWidget(button);
    }
    return group;
}

}  // namespace

QWidget* TFormHlav::BuildToolArea() {
    auto* area = new QWidget(this);
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);

    auto* tools = new QGroupBox(area);
    tools->setObjectName(QStringLiteral("GroupBoxTools"));
    auto* toolRow = new QHBoxLayout(tools);
    toolRow->setContentsMargins(8, 4, 8, 4);
    toolRow->setSpacing(12);
    toolRow->addWidget(ImageButton(tools, "SpeedButtonNew", NewIcon(), "New|Set default parametrs"));
    toolRow->addWidget(ImageButton(tools, "SpeedButton5", OpenIcon(), "Open|Open file with parametrs"));
    toolRow->addWidget(ImageButton(tools, "SpeedButton7", SaveIcon(), "Save|Save parametrs to file"));
    toolRow->addWidget(ImageButton(tools, "SpeedButtonPrint", PrintIcon(), "Print|Print parametrs"));
    toolRow->addSpacing(48);
    QPushButton* read = TextButton(tools, "Button1", "&Read", "Read|Reading parametrs from ignition");
    QPushButton* verify =
        TextButton(tools, "BitBtn2", "&Verify", "Verify|Compare set parametrs  with parametrs of ignition");
    QPushButton* program =
        TextButton(tools, "BitBtn1", "&Program", "Programing|Programing  set parametrs to ignition");
    toolRow->addWidget(read);
    toolRow->addWidget(verify);
    toolRow->addWidget(program);
    setTabOrder(read, verify);
    setTabOrder(verify, program);
    row->addWidget(tools);

    row->addWidget(PlusMinusGroup(area, "GroupBoxZapal", "Ignition", "BitBtnIgnMinus",
                                  "Curve A minus|Take off 1 degree of curve A", "BitBtnIgnPlus",
                                  "Curve A plus|Add 1 degree of curve A"));
    row->addWidget(PlusMinusGroup(area, "GroupBoxJet", "Injection ", "BitBtnJetMinus",
                                  "Injection minus 1 percent", "BitBtnJetPlus", "Injection plus 1 percent"));
    row->addStretch(1);
    return area;
}

}  // namespace ign
