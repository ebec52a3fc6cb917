#include "pages/SpinButton.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace ign {
namespace {

QToolButton* MakeHalf(QWidget* parent, Qt::ArrowType arrow, const char* name) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(SpinButton::kRepeatDelayMs);
    button->setAutoRepeatInterval(SpinButton::kRepeatIntervalMs);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
}

}  // namespace

SpinButton::SpinButton(QWidget* parent)
    : QWidget(parent), up_(MakeHalf(this, Qt::UpArrow, "Up")), down_(MakeHalf(this, Qt::DownArrow, "Down")) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    // A half acts the moment it is pressed, then again at every auto-repeat
    // (Qt emits pressed() for each repeat too, and nothing more on release).
    connect(up_, &QToolButton::pressed, this, &SpinButton::upClicked);
    connect(down_, &QToolButton::pressed, this, &SpinButton::downClicked);
}

}  // namespace ign
