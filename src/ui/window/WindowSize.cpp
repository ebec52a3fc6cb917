// How big the window is: as big as it takes to show every control without
// scrolling, but never reaching past the screen's available area from where
// it stands, and able to shrink far below that, with the client area scrolling.
#include "WindowPlacement.h"
#include "window/Hlav.h"
#include "window/ProgressArea.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QWindow>
#include <cmath>

namespace ign {
namespace {

// Small enough for any laptop beside other windows; the menu bar still fits.
constexpr QSize kSmallestSize{400, 300};
constexpr QSize kFloorSize{240, 180};

// The available area of a screen, in whole pixels of the screen itself: at a
// fractional scale the area's far edges are rounded and may lie a pixel past
// the screen's, and so may a window that reaches them.
QRect WholeArea(const QScreen& screen) {
    QRect available = screen.availableGeometry();
    const qreal ratio = screen.devicePixelRatio();
    if (ratio != std::floor(ratio)) available.adjust(0, 0, -1, -1);
    return available;
}

}  // namespace

QSize TFormHlav::ClientContentSize() const {
    // A control changed before the window was first shown does not tell its
    // container's layout, so the layouts may still hold stale sizes.
    QWidget* content = client_->widget();
    for (QLayout* layout : content->findChildren<QLayout*>()) layout->invalidate();
    return content->minimumSizeHint();
}

QSize TFormHlav::SizeShowingEverything() const {
    const QSize content = ClientContentSize();
    const QSize progress = progress_->minimumSizeHint();
    return {std::max(content.width(), progress.width()), menuBar()->sizeHint().height() + content.height() +
                                                             progress.height() +
                                                             statusBar()->sizeHint().height()};
}

void TFormHlav::FitToScreen() {
    // The screen that holds the window's top-left corner, where the settings put it.
    QScreen* screen = QGuiApplication::screenAt(geometry().topLeft());
    if (screen == nullptr) screen = this->screen();
    QSize frame(0, 0);
    if (const QWindow* handle = windowHandle()) {
        const QMargins margins = handle->frameMargins();
        frame = QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
    }
    bool takesTheArea = false;
    if (firstStart_) {
        // Nothing placed it: it opens whole where it fits, else on the whole available area.
        const QRect whole = WholeArea(*screen);
        const QSize full = SizeShowingEverything();
        const Area placed =
            FirstStartPlacement({whole.x(), whole.y(), whole.width(), whole.height()}, full.width(),
                                full.height(), frame.width(), frame.height(), x(), y());
        move(placed.left, placed.top);
        takesTheArea = QSize(placed.width, placed.height) != full;
    }
    const QRect available = firstStart_ ? WholeArea(*screen) : screen->availableGeometry();
    // The room from where the window stands to the far edges of the screen's
    // available area, so that the status line and the right-hand controls
    // stay on it. Where a position near an edge leaves less room than the
    // window's usual smallest size, the smallest size gives way, down to a
    // floor below which the window would be of no use.
    const QPoint corner = frameGeometry().topLeft();
    const QSize onScreen = (available.size() - frame).expandedTo(QSize(1, 1));
    const QSize fromCorner =
        QSize(available.right() + 1 - corner.x(), available.bottom() + 1 - corner.y()) - frame;
    const QSize smallest = kSmallestSize.boundedTo(fromCorner.expandedTo(kFloorSize)).boundedTo(onScreen);
    const QSize room = onScreen.boundedTo(fromCorner).expandedTo(smallest);
    setMinimumSize(smallest);

    // Where the screen is too narrow, the horizontal scroll bar takes room
    // from the height, and the other way round; where the screen has that
    // room, the window takes it rather than scroll both ways.
    QSize wanted = SizeShowingEverything();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const bool narrow = wanted.width() > room.width();
    const bool low = wanted.height() > room.height() || (narrow && wanted.height() + bar > room.height());
    if (narrow) wanted.rheight() += bar;
    if (low) wanted.rwidth() += bar;
    resize(takesTheArea ? room : wanted.boundedTo(room));
}

}  // namespace ign
