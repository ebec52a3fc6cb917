#pragma once

class QAction;
class QMenu;
class QMainWindow;

namespace ign {

// The menu items of the window, one member each.
struct WindowActions {
    QAction* New = nullptr;
    QAction* Open = nullptr;
    QAction* Save = nullptr;
    QAction* Print = nullptr;
    QAction* Exit = nullptr;
    QAction* Com1 = nullptr;
    QAction* Com2 = nullptr;
    QAction* Read = nullptr;
    QAction* Verify = nullptr;
    QAction* Program = nullptr;
    QAction* CurveMinus = nullptr;
    QAction* CurvePlus = nullptr;
    QAction* JetMinus = nullptr;
    QAction* JetPlus = nullptr;
    QAction* English = nullptr;
    QAction* Czech = nullptr;
    QAction* German = nullptr;
    QAction* Contens = nullptr;
    QAction* About = nullptr;
    // The designed menus that later features append items to, after a separator;
    // File's go before Exit (AddToFileMenu).
    QMenu* File = nullptr;
    QMenu* Com = nullptr;
    QMenu* Tools = nullptr;
    // The menus of what came later, after Tools: each feature appends its items.
    QMenu* Edit = nullptr;
    QMenu* View = nullptr;
    // The separator between File's later items and Exit, once there are any.
    QAction* FileLaterEnd = nullptr;
};

// The menu bar as designed, with every item made and its shortcut, status
// text and check mark set; the window keeps the items.
WindowActions BuildMenuBar(QMainWindow& window);

// An item of a later feature into the File menu: after the designed items up
// to Print and the items added before it, with a separator of their own
// before Exit, which stays the menu's last item.
void AddToFileMenu(WindowActions& actions, QAction* item);

}  // namespace ign
