#include "window/HintHandler.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QWidget>

namespace ign {

HintHandler::HintHandler(QMainWindow& window) : QObject(&window), window_(window) {
    showSoon_.setSingleShot(true);
    showSoon_.setInterval(0);
    connect(&showSoon_, &QTimer::timeout, this, &HintHandler::Show);
}

QString HintHandler::HintOf(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (!w->statusTip().isEmpty()) return w->statusTip();
        if (w->isWindow()) break;
    }
    return {};
}

bool HintHandler::IsOurMenu(const QObject* object) const {
    const auto* menu = qobject_cast<const QMenu*>(object);
    return menu != nullptr && menu->parentWidget() != nullptr && menu->parentWidget()->window() == &window_;
}

QString HintHandler::CurrentHint() const {
    // The innermost highlight wins: an item of the open menu, else the menu's
    // title in the bar; a title without a status text shows none.
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()); IsOurMenu(menu)) {
        if (const QAction* item = menu->activeAction()) return item->statusTip();
    }
    if (const QAction* title = window_.menuBar()->activeAction()) return title->statusTip();
    return HintOf(underPointer_.data());
}

bool HintHandler::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::StatusTip && type != QEvent::Enter && type != QEvent::Leave && type != QEvent::Show &&
        type != QEvent::Hide)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) return false;
    const bool ours = widget->window() == &window_;
    switch (type) {
        case QEvent::StatusTip:
            // Qt's menus and controls announce what they highlight; the text
            // itself is decided here, so the announcement goes no further.
            if (!ours && !IsOurMenu(widget)) return false;
            showSoon_.start();
            return true;
        case QEvent::Enter:
            if (!ours) return false;
            underPointer_ = widget;
            break;
        case QEvent::Leave:
            // Leaving a control hands the pointer back to its container; an
            // Enter that follows (a sibling, a child) takes it again.
            if (!ours) return false;
            underPointer_ = widget->isWindow() ? nullptr : widget->parentWidget();
            break;
        case QEvent::Show:
        case QEvent::Hide:
            if (!IsOurMenu(widget)) return false;
            break;
        default:
            return false;
    }
    showSoon_.start();
    return false;
}

void HintHandler::Show() {
    const QString hint = CurrentHint();
    QStatusBar* line = window_.statusBar();
    if (line->currentMessage() == hint) return;
    if (hint.isEmpty())
        line->clearMessage();
    else
        line->showMessage(hint);
}

}  // namespace ign
