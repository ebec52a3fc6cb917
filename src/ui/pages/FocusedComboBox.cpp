#include "pages/FocusedComboBox.h"

#include <QWheelEvent>

namespace ign {

FocusedComboBox::FocusedComboBox(QWidget* parent) : QComboBox(parent) {
    // Qt's default lets the wheel give the list the focus, and then the wheel.
    setFocusPolicy(Qt::StrongFocus);
}

void FocusedComboBox::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

}  // namespace ign
