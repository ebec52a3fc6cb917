#include "window/ToolArea.h"

#include "window/Hint.h"
#include "window/ToolIcons.h"

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
QGroupBox* PlusMinusGroup(QWidget* parent, const char* name, const char* title, QAbstractButton*& minus,
                          const char* minusName, const char* minusHint, QAbstractButton*& plus,
                          const char* plusName, const char* plusHint) {
    auto* group = new QGroupBox(QString::fromUtf8(title), parent);
    group->setObjectName(QString::fromLatin1(name));
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(8, 2, 8, 4);
    row->setSpacing(12);
    for (auto [button, buttonName, caption, hint] :
         {std::tuple{&minus, minusName, "-", minusHint}, {&plus, plusName, "+", plusHint}}) {
        QPushButton* made = TextButton(group, buttonName, caption, hint);
        QFont big = made->font();
        big.setPointSize(14);
        made->setFont(big);
        made->setFocusPolicy(Qt::NoFocus);
        made->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        const int side = made->fontMetrics().height() + 4;
        made->setFixedSize(side + 6, side);
        row->addWidget(made);
        *button = made;
    }
    return group;
}

}  // namespace

ToolArea::ToolArea(QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);

    auto* tools = new QGroupBox(this);
    tools->setObjectName(QStringLiteral("GroupBoxTools"));
    auto* toolRow = new QHBoxLayout(tools);
    toolRow->setContentsMargins(8, 4, 8, 4);
    toolRow->setSpacing(12);
    newButton = ImageButton(tools, "SpeedButtonNew", NewIcon(), "New|Set default parametrs");
    openButton = ImageButton(tools, "SpeedButton5", OpenIcon(), "Open|Open file with parametrs");
    saveButton = ImageButton(tools, "SpeedButton7", SaveIcon(), "Save|Save parametrs to file");
    printButton = ImageButton(tools, "SpeedButtonPrint", PrintIcon(), "Print|Print parametrs");
    for (QAbstractButton* button : {newButton, openButton, saveButton, printButton})
        toolRow->addWidget(button);
    toolRow->addSpacing(48);
    readButton = TextButton(tools, "Button1", "&Read", "Read|Reading parametrs from ignition");
    verifyButton =
        TextButton(tools, "BitBtn2", "&Verify", "Verify|Compare set parametrs  with parametrs of ignition");
    programButton =
        TextButton(tools, "BitBtn1", "&Program", "Programing|Programing  set parametrs to ignition");
    for (QAbstractButton* button : {readButton, verifyButton, programButton}) toolRow->addWidget(button);
    setTabOrder(readButton, verifyButton);
    setTabOrder(verifyButton, programButton);
    row->addWidget(tools);

    row->addWidget(PlusMinusGroup(this, "GroupBoxZapal", "Ignition", curveMinusButton, "BitBtnIgnMinus",
                                  "Curve A minus|Take off 1 degree of curve A", curvePlusButton,
                                  "BitBtnIgnPlus", "Curve A plus|Add 1 degree of curve A"));
    row->addWidget(PlusMinusGroup(this, "GroupBoxJet", "Injection ", jetMinusButton, "BitBtnJetMinus",
                                  "Injection minus 1 percent", jetPlusButton, "BitBtnJetPlus",
                                  "Injection plus 1 percent"));
    row->addStretch(1);
}

}  // namespace ign
