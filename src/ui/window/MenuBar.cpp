#include "window/WindowActions.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <array>

namespace ign {
namespace {

// A null name is a separator line.
struct MenuItem {
    QAction* WindowActions::*member;
    const char* name;
    const char* caption;
    Qt::Key shortcut;  // Qt::Key_unknown: none
    Qt::KeyboardModifiers modifiers;
    const char* status;
    bool checkable;
};

struct MenuDesign {
    const char* name;
    const char* title;
    const char* status;
    std::initializer_list<MenuItem> items;
};

constexpr Qt::Key kNone = Qt::Key_unknown;
constexpr MenuItem kSeparator{nullptr, nullptr, nullptr, kNone, Qt::NoModifier, nullptr, false};

const std::array<MenuDesign, 6>& Menus() {
    static const std::array<MenuDesign, 6> menus{{
        {"MenuFile",
         "&File",
         "",
         {
             {&WindowActions::New, "MenuNew", "&New", Qt::Key_N, Qt::ControlModifier, "Set default parametrs",
              false},
             kSeparator,
             {&WindowActions::Open, "MenuOpen", "&Open", Qt::Key_F3, Qt::NoModifier,
              "Open file with parametrs", false},
             kSeparator,
             {&WindowActions::Save, "MenuSave", "&Save", Qt::Key_F2, Qt::NoModifier, "Save parametrs to file",
              false},
             kSeparator,
             {&WindowActions::Print, "MenuPrint", "&Print...", Qt::Key_P, Qt::ControlModifier,
              "Print parametrs", false},
             kSeparator,
             {&WindowActions::Exit, "MenuExit", "E&xit", kNone, Qt::NoModifier, "End of program", false},
         }},
        {"MenuCom",
         "&Com",
         "Set number of com",
         {
             {&WindowActions::Com1, "MenuCom1", "Com &1", kNone, Qt::NoModifier, "Set com 1", true},
             {&WindowActions::Com2, "MenuCom2", "Com &2", kNone, Qt::NoModifier, "Set com 2", true},
         }},
        {"MenuDevice",
         "&Device",
         "",
         {
             {&WindowActions::Read, "MenuRead", "&Read", Qt::Key_F7, Qt::NoModifier,
              "Reading parametrs from ignition", false},
             {&WindowActions::Verify, "MenuVerify", "&Verify", Qt::Key_F8, Qt::NoModifier,
              "Compare set parametrs  with parametrs of ignition", false},
             {&WindowActions::Program, "MenuProgram", "&Program", Qt::Key_F9, Qt::NoModifier,
              "Programing  set parametrs to ignition", false},
         }},
        {"MenuTools",
         "&Tools",
         "",
         {
             {&WindowActions::CurveMinus, "CurveMinus", "Curve A-", Qt::Key_F4, Qt::NoModifier,
              "Take off 1 degree of curve A", false},
             {&WindowActions::CurvePlus, "CurvePlus", "Curve A+", Qt::Key_F5, Qt::NoModifier,
              "Add 1 degree of curve A", false},
             {&WindowActions::JetMinus, "JetMinus", "Jet -", Qt::Key_F11, Qt::NoModifier, "", false},
             {&WindowActions::JetPlus, "JetPlus", "Jet +", Qt::Key_F12, Qt::NoModifier, "", false},
         }},
        {"MenuLanguage",
         "&Language",
         "Set English or Czech",
         {
             {&WindowActions::English, "MenuEnglish", "English", kNone, Qt::NoModifier, "Set Englich menu",
              true},
             {&WindowActions::Czech, "MenuCzech", "&Czech", kNone, Qt::NoModifier, "Set Czech menu", true},
             {&WindowActions::German, "MenuGerman", "&German", kNone, Qt::NoModifier, "Deutche Menü", true},
         }},
        {"MenuHelp",
         "&Help",
         "Not available jet",
         {
             {&WindowActions::Contens, "MenuContens", "&Contens", Qt::Key_F1, Qt::NoModifier, "", false},
             {&WindowActions::About, "MenuAbout", "&About...", kNone, Qt::NoModifier, "", false},
         }},
    }};
    return menus;
}

// A menu of the features that came later; the language tables beside the
// designed ones give its title in each language.
QMenu* AddLaterMenu(QMenuBar& bar, QMainWindow& window, const char* name, const char* title) {
    auto* menu = new QMenu(QString::fromUtf8(title), &window);
    menu->setObjectName(QString::fromLatin1(name));
    bar.addMenu(menu);
    return menu;
}

}  // namespace

WindowActions BuildMenuBar(QMainWindow& window) {
    WindowActions actions;
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    for (const MenuDesign& design : Menus()) {
        auto* menu = new QMenu(QString::fromUtf8(design.title), &window);
        menu->setObjectName(QString::fromLatin1(design.name));
        // The menu bar entry is the menu's own action; its status text shows while it is highlighted.
        menu->menuAction()->setStatusTip(QString::fromUtf8(design.status));
        for (const MenuItem& item : design.items) {
            if (item.name == nullptr) {
                menu->addSeparator();
                continue;
            }
            auto* action = new QAction(QString::fromUtf8(item.caption), &window);
            action->setObjectName(QString::fromLatin1(item.name));
            if (item.shortcut != kNone) action->setShortcut(QKeySequence(item.modifiers | item.shortcut));
            action->setStatusTip(QString::fromUtf8(item.status));
            action->setCheckable(item.checkable);
            menu->addAction(action);
            actions.*item.member = action;
        }
        bar->addMenu(menu);
        if (qstrcmp(design.name, "MenuFile") == 0) actions.File = menu;
        if (qstrcmp(design.name, "MenuCom") == 0) actions.Com = menu;
        if (qstrcmp(design.name, "MenuTools") == 0) {
            actions.Tools = menu;
            actions.Edit = AddLaterMenu(*bar, window, "MenuEdit", "&Edit");
            actions.View = AddLaterMenu(*bar, window, "MenuView", "V&iew");
        }
    }
    // F10 opens the menu bar, as in the other programs of the desktops this one runs on.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), &window);
    menuKey->setObjectName(QStringLiteral("MenuBarKey"));
    QObject::connect(menuKey, &QShortcut::activated, bar, [bar] {
        if (!bar->actions().isEmpty()) bar->setActiveAction(bar->actions().front());
    });
    // The marks the window is designed with; start-up sets them from the settings.
    actions.Com1->setChecked(true);
    actions.English->setChecked(true);
    return actions;
}

void AddToFileMenu(WindowActions& actions, QAction* item) {
    if (actions.FileLaterEnd == nullptr) {
        actions.FileLaterEnd = new QAction(actions.File);
        actions.FileLaterEnd->setSeparator(true);
        actions.File->insertAction(actions.Exit, actions.FileLaterEnd);
    }
    actions.File->insertAction(actions.FileLaterEnd, item);
}

}  // namespace ign
