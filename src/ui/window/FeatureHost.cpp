#include "window/FeatureHost.h"

#include <QAction>
#include <QMenu>

namespace ign {

void MenuSection::Add(QAction* item) {
    if (separate_ && !menu_->isEmpty()) {
        auto* separator = new QAction(menu_);
        separator->setSeparator(true);
        menu_->insertAction(before_, separator);
    }
    separate_ = false;
    menu_->insertAction(before_, item);
}

}  // namespace ign
