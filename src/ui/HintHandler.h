#pragma once

#include <QObject>
#include <QPointer>

class QMainWindow;
class QWidget;

namespace ign {

// Keeps the status line showing the hint of whatever the mouse rests on: the
// control's own status text or, where it has none, that of the nearest
// enclosing control that has one. Menu items report theirs through Qt's status
// tip events, which the main window already shows. Installed application-wide.
class HintHandler : public QObject {
    Q_OBJECT

public:
    explicit HintHandler(QMainWindow& window);

    bool eventFilter(QObject* watched, QEvent* event) override;

    // The status text that resting on `widget` shows.
    static QString HintOf(const QWidget* widget);

private:
    void ShowHintOf(QWidget* widget);

    QMainWindow& window_;
};

}  // namespace ign
