#include "ConnectionField.h"

namespace ign {

ConnectionField::ConnectionField(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("LabelConnection"));
    setContentsMargins(4, 0, 4, 0);
    hide();
}

void ConnectionField::Show(const std::string& text) {
    const QString shown = QString::fromStdString(text);
    // Asked every tick: only a change reaches the screen.
    if (shown == this->text()) return;
    setText(shown);
    setVisible(!shown.isEmpty());
}

}  // namespace ign
