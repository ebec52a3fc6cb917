#include "maps/OperatingPointOverlay.h"

#include "MapGeometry.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <utility>

namespace ign {
namespace {

// A trail fades in a few visible steps, all dots at once on a common beat:
// between the beats only the marker and the newest dot are drawn again, and
// an engine that holds still costs no drawing at all.
constexpr int kFadeSteps = 5;
constexpr int kDotRadius = 2;
constexpr int kMarkerRadius = 6;
constexpr int kOutline = 3;       // the nearest cell's frame on the map, on and outside its border
constexpr int kCurveOutline = 1;  // a curve's row: a thin frame, the marker line says the rest
constexpr int kTextBorder = 3;    // a cell's text keeps this far from its edges, unless told otherwise
constexpr int kGatherMs = 150;    // samples drawn together

std::int64_t SteadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

QRect Around(QPoint centre, int radius) {
    return {centre.x() - radius - 1, centre.y() - radius - 1, 2 * radius + 3, 2 * radius + 3};
}

// Between two whole positions of a fractional one, in pixels.
int Between(double position, int last, const std::function<int(int)>& at) {
    const double clamped = std::clamp(position, 0.0, double(last));
    const int low = static_cast<int>(std::floor(clamped));
    const int high = std::min(low + 1, last);
    return static_cast<int>(std::lround(at(low) + (at(high) - at(low)) * (clamped - low)));
}

}  // namespace

QRegion OperatingPointOverlay::Scene::area() const {
    QRegion region;
    for (const Dot& dot : trail) region += Around(dot.centre, kDotRadius);
    if (marker) {
        region += QRect(marker->x() - reach.width() - 2, marker->y() - 2, 2 * reach.width() + 5, 5);
        region += QRect(marker->x() - 2, marker->y() - reach.height() - 2, 5, 2 * reach.height() + 5);
    }
    if (!markerLine.isNull())
        region += markerLine.adjusted(-kMarkerRadius, -kMarkerRadius, kMarkerRadius, kMarkerRadius);
    if (!outline.isNull()) {
        const int inside = kOutline + 1;
        region += QRegion(outline).subtracted(QRegion(outline.adjusted(inside, inside, -inside, -inside)));
    }
    if (!labelRect.isNull()) region += labelRect;
    if (!tagRect.isNull()) region += tagRect;
    return region;
}

OperatingPointOverlay::OperatingPointOverlay(QWidget& host, int rows, int columns, CellRect cellRect,
                                             Placement placement)
    : QWidget(&host),
      rows_(rows),
      columns_(columns),
      cellRect_(std::move(cellRect)),
      textRect_([this](int row, int column) {
          return cellRect_(row, column).adjusted(kTextBorder, kTextBorder, -kTextBorder, -kTextBorder);
      }),
      placement_(std::move(placement)),
      clock_(SteadyMs) {
    setObjectName(QStringLiteral("OperatingPoint"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(host.rect());
    host.installEventFilter(this);
    raise();
    hide_ = new QTimer(this);
    hide_->setSingleShot(true);
    connect(hide_, &QTimer::timeout, this, &OperatingPointOverlay::HideWhenDue);
    restage_ = new QTimer(this);
    restage_->setSingleShot(true);
    restage_->setInterval(kGatherMs);
    connect(restage_, &QTimer::timeout, this, &OperatingPointOverlay::refresh);
}

void OperatingPointOverlay::setOperatingPoint(double rpm, double throttlePercent) {
    trail_.add({clock_(), rpm, throttlePercent});
    // Out of sight nothing is drawn; showing the overlay draws what the samples show then.
    if (!isVisible()) return;
    if (!hide_->isActive()) hide_->start(static_cast<int>(OperatingTrail::kHideAfterMs) + 10);
    // The speed and the opening come in frames of their own, close together:
    // one drawing shows both.
    if (!restage_->isActive()) restage_->start();
}

void OperatingPointOverlay::HideWhenDue() {
    // Looked at once a second rather than restarted by every frame.
    const std::int64_t now = clock_();
    if (const auto current = trail_.current(now)) {
        hide_->start(static_cast<int>(OperatingTrail::kHideAfterMs - (now - current->timeMs)) + 10);
        return;
    }
    refresh();
}

void OperatingPointOverlay::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Restage();
    if (!shown_.outline.isNull()) hide_->start(static_cast<int>(OperatingTrail::kHideAfterMs) + 10);
}

void OperatingPointOverlay::clearOperatingPoint() {
    trail_.clear();
    hide_->stop();
    restage_->stop();
    Restage();
}

void OperatingPointOverlay::setPlacement(Placement placement) {
    placement_ = std::move(placement);
    Restage();
}

void OperatingPointOverlay::setTrailMs(std::int64_t trailMs) {
    trail_.setTrailMs(trailMs);
    Restage();
}

void OperatingPointOverlay::setMarkerStyle(const QColor& colour, const QString& tag) {
    markerColour_ = colour;
    tag_ = tag;
    shown_ = Compose();
    update();
}

void OperatingPointOverlay::setTextRect(CellRect textRect) {
    textRect_ = std::move(textRect);
    update();
}

void OperatingPointOverlay::setClock(Clock clock) { clock_ = std::move(clock); }

QRegion OperatingPointOverlay::Gaps() const {
    QRegion gaps(rect());
    for (int row = 0; row < rows_; ++row)
        for (int column = 0; column < columns_; ++column) gaps -= cellRect_(row, column);
    return gaps;
}

QRegion OperatingPointOverlay::Free() const {
    QRegion free(rect());
    for (int row = 0; row < rows_; ++row)
        for (int column = 0; column < columns_; ++column) free -= textRect_(row, column);
    return free;
}

void OperatingPointOverlay::refresh() { Restage(); }

std::optional<QPoint> OperatingPointOverlay::markerCentre() const {
    if (shown_.marker) return shown_.marker;
    if (!shown_.markerLine.isNull()) return shown_.markerLine.center();
    return std::nullopt;
}

std::optional<QPoint> OperatingPointOverlay::outlinedCell() const {
    if (shown_.outline.isNull()) return std::nullopt;
    return shown_.cell;
}

QPoint OperatingPointOverlay::PixelOf(const Place& place) const {
    const int y = Between(place.row, rows_ - 1, [&](int row) { return cellRect_(row, 0).center().y(); });
    if (place.column < 0) return {cellRect_(0, 0).left(), y};
    const int x =
        Between(place.column, columns_ - 1, [&](int column) { return cellRect_(0, column).center().x(); });
    return {x, y};
}

OperatingPointOverlay::Scene OperatingPointOverlay::Compose() const {
    Scene scene;
    const std::int64_t now = clock_();
    const auto current = trail_.current(now);
    if (!current || !placement_) return scene;
    const Place place = placement_(current->rpm, current->throttlePercent);
    const QPoint at = PixelOf(place);
    const int row = std::clamp(NearestIndex(place.row), 0, rows_ - 1);
    if (place.column < 0) {
        const QRect span = cellRect_(row, 0).united(cellRect_(row, columns_ - 1));
        scene.cell = {-1, row};
        scene.outline = span.adjusted(-2, -2, 2, 2);
        scene.markerLine = QRect(span.left() - kOutline, at.y() - 1, span.width() + 2 * kOutline, 3);
    } else {
        const int column = std::clamp(NearestIndex(place.column), 0, columns_ - 1);
        scene.cell = {column, row};
        // Half on the cell's border, half outside it: the text within stays clear.
        const QRect cell = cellRect_(row, column);
        scene.outline = cell.adjusted(-kOutline + 1, -kOutline + 1, kOutline - 1, kOutline - 1);
        scene.marker = at;
        // Across the cells next to it, so that it shows in the gaps on every side.
        scene.reach = QSize(cell.width() * 3 / 2, cell.height() * 3 / 2);
        const std::int64_t beatMs = std::max<std::int64_t>(trail_.trailMs() / kFadeSteps, 1);
        const std::int64_t beat = now / beatMs;
        for (const OperatingSample& sample : trail_.trail(beat * beatMs)) {
            const int fade =
                static_cast<int>(std::clamp<std::int64_t>(beat - sample.timeMs / beatMs, 0, kFadeSteps - 1));
            const Dot dot{PixelOf(placement_(sample.rpm, sample.throttlePercent)), fade};
            // Samples on one spot draw as one: the newest, the least faded.
            std::erase_if(scene.trail, [&](const Dot& d) { return d.centre == dot.centre; });
            if (dot.centre != at) scene.trail.push_back(dot);
        }
    }
    if (scene.marker && !tag_.isEmpty()) {
        const QFontMetrics metrics = fontMetrics();
        const QSize size(metrics.horizontalAdvance(tag_) + 6, metrics.height());
        // In the corner, as a legend, where it covers no cell's digits.
        scene.tagRect = QRect(QPoint(rect().left() + 4, 0), size);
    }
    scene.label = place.label;
    if (!scene.label.isEmpty()) {
        const QFontMetrics metrics = fontMetrics();
        const int width = metrics.horizontalAdvance(scene.label) + 6;
        scene.labelRect = QRect(rect().right() - width - 4, 0, width, metrics.height());
    }
    return scene;
}

void OperatingPointOverlay::Restage() {
    Scene next = Compose();
    if (next == shown_) return;
    update(shown_.area() + next.area());
    shown_ = std::move(next);
}

bool OperatingPointOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest)) {
        setGeometry(parentWidget()->rect());
        raise();
        shown_ = Compose();
        update();
    }
    return QWidget::eventFilter(watched, event);
}

void OperatingPointOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const Scene& s = shown_;
    // No part of the marker over the text of any cell.
    painter.setClipRegion(Free());
    if (!s.outline.isNull()) {
        painter.setBrush(Qt::NoBrush);
        const int width = s.marker ? kOutline : kCurveOutline;
        painter.setPen(QPen(markerColour_, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(QRectF(s.outline).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Dot& dot : s.trail) {
        const int alpha = 220 - dot.fade * (180 / kFadeSteps);
        painter.setPen(QPen(QColor(255, 255, 255, alpha), 1));
        painter.setBrush(QColor(0, 0, 0, alpha));
        painter.drawEllipse(dot.centre, kDotRadius, kDotRadius);
    }
    if (!s.markerLine.isNull()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        // Through the gaps only, clear of the fields' arrows too.
        painter.setClipRegion(Gaps());
        painter.drawRect(s.markerLine);
        painter.setClipRegion(Free());
        const QPoint tip(s.markerLine.left(), s.markerLine.center().y());
        const QPoint triangle[] = {tip, tip + QPoint(-kMarkerRadius, -kMarkerRadius),
                                   tip + QPoint(-kMarkerRadius, kMarkerRadius)};
        painter.drawPolygon(triangle, 3);
    }
    if (s.marker) {
        // A cross through the point, seen in the gaps and on the borders around it.
        const QPoint at = *s.marker;
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(markerColour_, 2));
        painter.drawLine(at - QPoint(s.reach.width(), 0), at + QPoint(s.reach.width(), 0));
        painter.drawLine(at - QPoint(0, s.reach.height()), at + QPoint(0, s.reach.height()));
    }
    painter.setClipping(false);
    if (!s.tagRect.isNull()) {
        painter.setPen(markerColour_);
        painter.setBrush(Qt::white);
        painter.drawRect(s.tagRect.adjusted(0, 0, -1, -1));
        painter.drawText(s.tagRect, Qt::AlignCenter, tag_);
    }
    if (!s.labelRect.isNull()) {
        painter.setPen(Qt::black);
        painter.setBrush(Qt::white);
        painter.drawRect(s.labelRect.adjusted(0, 0, -1, -1));
        painter.drawText(s.labelRect, Qt::AlignCenter, s.label);
    }
}

}  // namespace ign
