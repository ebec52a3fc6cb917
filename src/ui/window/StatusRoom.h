#pragma once

#include <QObject>
#include <QPointer>

class QStatusBar;

namespace ign {

class ConnectionField;
class UnitMatchField;

// The fields at the right of the status line give way to the hint at its
// left: where their whole texts would take more than half the line, they
// show short forms with the whole texts as tooltips.
class StatusRoom : public QObject {
    Q_OBJECT

public:
    StatusRoom(QStatusBar& line, UnitMatchField& unit, ConnectionField& connection);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Share();

    QStatusBar& line_;
    // The line's children, like this object: while the line is being taken
    // down, one may be gone before the others.
    QPointer<UnitMatchField> unit_;
    QPointer<ConnectionField> connection_;
};

}  // namespace ign
