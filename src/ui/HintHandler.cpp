#include "HintHandler.h"

#include <QEvent>
#include <QMainWindow>
#include <QMetaObject>
#include <QStatusBar>
#include <QWidget>

namespace ign {

HintHandler::HintHandler(QMainWindow& window) : QObject(&window), window_(window) {}

QString HintHandler::HintOf(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (!w->statusTip().isEmpty()) return w->statusTip();
        if (w->isWindow()) break;
    }
    return {};
}

bool HintHandler::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::Enter && type != QEvent::Leave) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != &window_) return false;
    // Qt sends its own status tip (or an empty one) while it handles the event;
    // deciding afterwards lets the innermost widget under the mouse win: leaving
    // a control hands the status line back to its container, entering one takes it.
    QWidget* target = type == QEvent::Enter ? widget : widget->parentWidget();
    QMetaObject::invokeMethod(
        this, [this, guarded = QPointer<QWidget>(target)] { ShowHintOf(guarded.data()); },
        Qt::QueuedConnection);
    return false;
}

void HintHandler::ShowHintOf(QWidget* widget) {
    if (widget == nullptr || widget->window() != &window_) return;
    const QString hint = HintOf(widget);
    if (hint.isEmpty())
        window_.statusBar()->clearMessage();
    else
        window_.statusBar()->showMessage(hint);
}

}  // namespace ign
