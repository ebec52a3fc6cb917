// How big the window is: as big as it takes to show every control without
// scrolling, never bigger than the screen's room, and able to shrink far
// below that, with the client area scrolling.
#include "Hlav.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QWindow>

namespace ign {
namespace {

// Small enough for any laptop beside other windows; the menu bar still fits.
constexpr QSize kSmallestSize{400, 300};

}  // namespace

QSize TFormHlav::ClientContentSize() const {
    // A control changed before the window was first shown does not tell its
    // container's layout, so the layouts may still hold stale sizes.
    QWidget* content = Child<QScrollArea>("ClientArea")->widget();
    for (QLayout* layout : content->findChildren<QLayout*>()) layout->invalidate();
    return content->minimumSizeHint();
}

QSize TFormHlav::SizeShowingEverything() const {
    const QSize content = ClientContentSize();
    return {content.width(),
            menuBar()->sizeHint().height() + content.height() + statusBar()->sizeHint().height()};
}

void TFormHlav::FitToScreen() {
    // The screen that holds the window's top-left corner, where the settings put it.
    QScreen* screen = QGuiApplication::screenAt(geometry().topLeft());
    if (screen == nullptr) screen = this->screen();
    QSize room = screen->availableGeometry().size();
    if (const QWindow* handle = windowHandle()) {
        const QMargins frame = handle->frameMargins();
        room -= QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    }
    setMinimumSize(kSmallestSize.boundedTo(room));

    // Where the screen is too narrow, the horizontal scroll bar takes room
    // from the height, and the other way round; where the screen has that
    // room, the window takes it rather than scroll both ways.
    QSize wanted = SizeShowingEverything();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const bool narrow = wanted.width() > room.width();
    const bool low = wanted.height() > room.height() || (narrow && wanted.height() + bar > room.height());
    if (narrow) wanted.rheight() += bar;
    if (low) wanted.rwidth() += bar;
    resize(wanted.boundedTo(room));
}

}  // namespace ign
