#include "window/AccessKeys.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

namespace ign {

void GiveMenuBarTheAccessKeys(QMainWindow& window) {
    QSet<QKeySequence> menuKeys;
    for (const QAction* action : window.menuBar()->actions()) {
        const QKeySequence key = QKeySequence::mnemonic(action->text());
        if (!key.isEmpty()) menuKeys.insert(key);
    }
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        // setText() gives the button its access key back; take it off again where it clashes.
        const QKeySequence key = QKeySequence::mnemonic(button->text());
        if (!key.isEmpty() && menuKeys.contains(key)) button->setShortcut(QKeySequence());
    }
}

}  // namespace ign
