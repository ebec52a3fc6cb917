#pragma once

#include <QLabel>

#include <string>

namespace ign {

// The status line's field at the right that says how the port stands:
// nothing while all is well, "Disconnected" and the like while it is not.
// The status line's first panel stays the hints'.
class ConnectionField : public QLabel {
    Q_OBJECT

public:
    explicit ConnectionField(QWidget* parent);
    // The text of the moment (UTF-8); an empty one hides the field.
    void Show(const std::string& text);
};

}  // namespace ign
