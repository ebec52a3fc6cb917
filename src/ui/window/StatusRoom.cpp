#include "window/StatusRoom.h"

#include "history/UnitMatchField.h"
#include "port/ConnectionField.h"

#include <QEvent>
#include <QStatusBar>
#include <algorithm>

namespace ign {

StatusRoom::StatusRoom(QStatusBar& line, UnitMatchField& unit, ConnectionField& connection)
    : QObject(&line), line_(line), unit_(&unit), connection_(&connection) {
    // A new width of the line, and any field's new text (which asks the line for a new layout).
    line_.installEventFilter(this);
    Share();
}

bool StatusRoom::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &line_ && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest))
        Share();
    return QObject::eventFilter(watched, event);
}

void StatusRoom::Share() {
    if (unit_.isNull() || connection_.isNull()) return;
    // Judged by the whole texts, so that a field's short form never makes room for its long one again.
    const int room = line_.width() / 2;
    const bool compact = unit_->FullWidth() + connection_->FullWidth() > room;
    unit_->SetCompact(compact);
    connection_->SetCompact(compact ? std::max(room - unit_->sizeHint().width(), line_.width() / 5) : -1);
}

}  // namespace ign
