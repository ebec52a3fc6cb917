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
    // At most `width` pixels, the text cut short with its whole as the
    // tooltip; a negative width: the whole text.
    void SetCompact(int width);
    // The width the whole text takes; 0 while hidden.
    int FullWidth() const;

private:
    void ShowText();

    QString text_;
    int compactWidth_ = -1;
};

}  // namespace ign
