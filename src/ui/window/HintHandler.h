#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class QMainWindow;
class QWidget;

namespace ign {

// The only writer of the status line. It shows the hint of whatever is
// highlighted, however it got there: while a menu title or a menu item is
// highlighted (by mouse or by keyboard), that item's status text; otherwise
// the status text of the control under the mouse or, where it has none, of
// the nearest enclosing control that has one. Qt's own status tip events,
// which arrive in an order that depends on where the pointer came from, only
// tell it to look again. Installed application-wide.
class HintHandler : public QObject {
    Q_OBJECT

public:
    explicit HintHandler(QMainWindow& window);

    bool eventFilter(QObject* watched, QEvent* event) override;

    // The status text that resting on `widget` shows.
    static QString HintOf(const QWidget* widget);
    // The status text the window should show now.
    QString CurrentHint() const;

private:
    bool IsOurMenu(const QObject* object) const;
    void Show();

    QMainWindow& window_;
    QPointer<QWidget> underPointer_;
    // Enter, leave and highlight events come in bursts; the line is written
    // once the burst is over, from the state it left.
    QTimer showSoon_;
};

}  // namespace ign
