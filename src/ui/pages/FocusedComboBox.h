#pragma once

#include <QComboBox>

class QWheelEvent;

namespace ign {

// A drop-down list that the mouse wheel changes only while the list has the
// keyboard focus; a wheel turned over it on the way elsewhere scrolls the window.
class FocusedComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit FocusedComboBox(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};

}  // namespace ign
