#include "port/ConnectionField.h"

namespace ign {

ConnectionField::ConnectionField(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("LabelConnection"));
    setContentsMargins(4, 0, 4, 0);
    hide();
}

void ConnectionField::Show(const std::string& text) {
    const QString shown = QString::fromStdString(text);
    // Asked every tick: only a change reaches the screen.
    if (shown == text_) return;
    text_ = shown;
    ShowText();
    setVisible(!shown.isEmpty());
}

void ConnectionField::SetCompact(int width) {
    if (width == compactWidth_) return;
    compactWidth_ = width;
    ShowText();
}

int ConnectionField::FullWidth() const {
    if (text_.isEmpty()) return 0;
    const QMargins margins = contentsMargins();
    return fontMetrics().horizontalAdvance(text_) + margins.left() + margins.right();
}

void ConnectionField::ShowText() {
    const bool cut = compactWidth_ >= 0 && FullWidth() > compactWidth_;
    const QMargins margins = contentsMargins();
    setText(cut ? fontMetrics().elidedText(text_, Qt::ElideRight,
                                           compactWidth_ - margins.left() - margins.right())
                : text_);
    setToolTip(cut ? text_ : QString());
}

}  // namespace ign
