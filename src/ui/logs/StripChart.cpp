#include "logs/StripChart.h"

#include "ChartReduction.h"
#include "TimeAxis.h"
#include "logs/ChannelCaptions.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace ign {
namespace {

constexpr std::array<QRgb, 8> kLaneColours{0x1f77b4, 0xd62728, 0x2ca02c, 0x9467bd,
                                           0xff7f0e, 0x17becf, 0x8c564b, 0xe377c2};
constexpr int kAxisHeight = 18;
// Markers stand out from every lane's colour and from the cursor's black.
constexpr QRgb kMarkerColour = 0xe6007e;

QString Number(double v) {
    if (std::isnan(v)) return {};
    // Beyond any reading a unit gives, and beyond what converts to an integer.
    if (std::abs(v) >= 1e15) return QString::number(v, 'g', 6);
    const double rounded = std::round(v);
    if (std::abs(v - rounded) < 1e-6) return QString::number(static_cast<long long>(rounded));
    return QString::number(v, 'f', std::abs(v * 10 - std::round(v * 10)) < 1e-6 ? 1 : 2);
}

// Seconds below a minute ("42 s"), minutes and seconds above ("3:07"), and
// with decimals the part of a second too ("42.35 s", "3:07.35").
QString TimeText(double s, int decimals) {
    const QString sign = s < 0 ? QStringLiteral("-") : QString();
    s = std::abs(s);
    if (decimals > 0) {
        const double scale = std::pow(10.0, decimals);
        s = std::round(s * scale) / scale;
    }
    if (s < 60 || s >= 1e15)
        return sign + (decimals > 0 ? QString::number(s, 'f', decimals) : Number(s)) + QStringLiteral(" s");
    const auto whole = static_cast<long long>(std::floor(s));
    QString seconds = QStringLiteral("%1").arg(whole % 60, 2, 10, QLatin1Char('0'));
    if (decimals > 0) seconds += QString::number(s - std::floor(s), 'f', decimals).mid(1);
    return sign + QStringLiteral("%1:%2").arg(whole / 60).arg(seconds);
}

}  // namespace

QString ColumnValueText(const LogData& data, int column, std::size_t row) {
    if (column < 0 || static_cast<std::size_t>(column) >= data.columns.size()) return {};
    const auto& values = data.columns[static_cast<std::size_t>(column)].values;
    return row < values.size() ? Number(values[row]) : QString();
}

StripChart::StripChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StripChart"));
    setMinimumSize(400, 160);
    setMouseTracking(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StripChart::setData(const LogData* log) {
    data_ = log;
    update();
}

void StripChart::setColumns(std::vector<int> columns) {
    columns_ = std::move(columns);
    update();
}

void StripChart::setRange(double t0, double t1) {
    // Zooming out or panning without end stays among the times a log can hold.
    constexpr double kFar = 4 * kMaxLogTimeS;
    if (!std::isfinite(t0) || !std::isfinite(t1)) return;
    t0 = std::clamp(t0, -kFar, kFar);
    t1 = std::clamp(t1, -kFar, kFar);
    if (!(t1 > t0)) t1 = t0 + 1;
    t0_ = t0;
    t1_ = t1;
    update();
}

void StripChart::setOverlay(const LogData* log, double offsetS) {
    overlay_ = log;
    overlayOffsetS_ = std::isfinite(offsetS) ? offsetS : 0;
    if (log == nullptr) secondCursor_.reset();
    update();
}

void StripChart::setSecondCursorTime(std::optional<double> timeS) {
    secondCursor_ = timeS;
    update();
}

void StripChart::setInteractive(bool interactive) {
    interactive_ = interactive;
    setFocusPolicy(interactive ? Qt::StrongFocus : Qt::NoFocus);
}

void StripChart::setLanguage(std::uint8_t code) {
    language_ = code;
    update();
}

void StripChart::setTimeAxis(TimeAxis axis) {
    axis_ = std::move(axis);
    update();
}

// Where the axis reads a round 0: the recording's start, or midnight by the clock.
double StripChart::axisZero() const {
    if (!axis_.clockAtZeroMs) return axis_.originS;
    constexpr std::int64_t kDayMs = 24 * 3600 * 1000;
    return -static_cast<double>(*axis_.clockAtZeroMs % kDayMs) / 1000;
}

QString StripChart::timeText(double timeS, int decimals) const {
    if (axis_.clockAtZeroMs) {
        const QDateTime at =
            QDateTime::fromMSecsSinceEpoch(*axis_.clockAtZeroMs + std::llround(timeS * 1000));
        return at.toString(decimals > 0 ? QStringLiteral("HH:mm:ss.zzz") : QStringLiteral("HH:mm:ss"));
    }
    return TimeText(timeS - axis_.originS, decimals);
}

void StripChart::setCursorTime(std::optional<double> timeS) {
    cursor_ = timeS;
    update();
}

double StripChart::timeAt(double x) const {
    const double w = std::max(1, width() - kLabelWidth);
    return t0_ + (x - kLabelWidth) / w * (t1_ - t0_);
}

double StripChart::xAt(double timeS) const {
    const double w = std::max(1, width() - kLabelWidth);
    return kLabelWidth + (timeS - t0_) / (t1_ - t0_) * w;
}

void StripChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    const int lanes = static_cast<int>(columns_.size());
    const int plotHeight = height() - kAxisHeight;
    if (data_ != nullptr && lanes > 0) {
        for (int i = 0; i < lanes; ++i) {
            const QRect lane(0, plotHeight * i / lanes, width(),
                             plotHeight * (i + 1) / lanes - plotHeight * i / lanes);
            drawLane(p, lane, columns_[static_cast<std::size_t>(i)], i);
        }
    }
    // The time axis under the lanes.
    p.setPen(palette().text().color());
    p.drawLine(kLabelWidth, plotHeight, width(), plotHeight);
    for (const double t : TimeAxisTicks(t0_, t1_, width() - kLabelWidth, axisZero())) {
        const int x = static_cast<int>(std::lround(xAt(t)));
        p.drawLine(x, plotHeight, x, plotHeight + 4);
        p.drawText(QRect(x - 45, plotHeight + 3, 90, kAxisHeight - 3), Qt::AlignHCenter | Qt::AlignTop,
                   timeText(t));
    }
    // What the numbers count, under the lanes' captions, clear of a number at the axis's start.
    const int captionWidth =
        kLabelWidth - 8 - fontMetrics().horizontalAdvance(QStringLiteral("00:00:00")) / 2;
    p.fillRect(QRect(0, plotHeight + 1, captionWidth + 4, kAxisHeight - 1), palette().base());
    p.drawText(QRect(4, plotHeight + 3, captionWidth, kAxisHeight - 3), Qt::AlignLeft | Qt::AlignTop,
               fontMetrics().elidedText(axis_.caption, Qt::ElideRight, captionWidth));
    if (data_ != nullptr) drawMarkers(p, plotHeight);
    if (overlay_ != nullptr && secondCursor_ && *secondCursor_ >= t0_ && *secondCursor_ <= t1_) {
        const double x = xAt(*secondCursor_);
        p.setPen(QPen(QColor(0, 0, 0, 110), 1, Qt::DotLine));
        p.drawLine(QPointF(x, 0), QPointF(x, plotHeight));
    }
    if (cursor_ && *cursor_ >= t0_ && *cursor_ <= t1_) {
        const double x = xAt(*cursor_);
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        p.drawLine(QPointF(x, 0), QPointF(x, plotHeight));
    }
}

// The lane's curves: the channel, and under it the second log's channel of the
// same name, on its own clock; the scale they share.
StripChart::LaneScale StripChart::drawCurves(QPainter& p, const QRect& lane, const LogData::Column& c,
                                             const QColor& colour) {
    const std::size_t n = std::min(data_->timeS.size(), c.values.size());
    const std::span<const double> x(data_->timeS.data(), n);
    const std::span<const float> y(c.values.data(), n);
    const std::vector<std::size_t> points =
        ReduceToColumns(x, y, t0_, t1_, std::max(1, width() - kLabelWidth));
    // The second log's channel of the same name, on its own clock.
    const int pairedColumn = overlay_ != nullptr ? overlay_->columnIndex(c.name) : -1;
    const LogData::Column* paired =
        pairedColumn >= 0 ? &overlay_->columns[static_cast<std::size_t>(pairedColumn)] : nullptr;
    const std::size_t m = paired != nullptr ? std::min(overlay_->timeS.size(), paired->values.size()) : 0;
    const std::span<const double> x2(m > 0 ? overlay_->timeS.data() : nullptr, m);
    const std::span<const float> y2(m > 0 ? paired->values.data() : nullptr, m);
    const std::vector<std::size_t> points2 =
        m > 0 ? ReduceToColumns(x2, y2, t0_ - overlayOffsetS_, t1_ - overlayOffsetS_,
                                std::max(1, width() - kLabelWidth))
              : std::vector<std::size_t>{};
    // The lane's scale spans what both show, so each channel fills its own
    // lane and the two logs read against one scale.
    float lo = 0, hi = 0;
    bool any = false;
    const auto take = [&](float v) {
        if (std::isnan(v)) return;
        lo = any ? std::min(lo, v) : v;
        hi = any ? std::max(hi, v) : v;
        any = true;
    };
    for (std::size_t i : points) take(y[i]);
    for (std::size_t i : points2) take(y2[i]);
    if (hi - lo < 1e-6F) {
        lo -= 1;
        hi += 1;
    }
    const QRectF plot(kLabelWidth, lane.top() + 3, width() - kLabelWidth, lane.height() - 6);
    const auto yAt = [&](float v) { return plot.bottom() - (v - lo) / (hi - lo) * plot.height(); };
    const auto pathOf = [&](std::span<const double> xs, std::span<const float> ys,
                            const std::vector<std::size_t>& at, double shift) {
        QPainterPath path;
        for (std::size_t k = 0; k < at.size(); ++k) {
            const QPointF point(xAt(xs[at[k]] + shift), yAt(ys[at[k]]));
            if (k == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
        return path;
    };
    p.save();
    p.setClipRect(plot.adjusted(0, -2, 0, 2));
    p.setRenderHint(QPainter::Antialiasing, false);
    if (!points2.empty()) {
        QColor faint = colour;
        faint.setAlpha(90);
        p.setPen(QPen(faint, 2));
        p.drawPath(pathOf(x2, y2, points2, overlayOffsetS_));
    }
    p.setPen(QPen(colour, 1));
    p.drawPath(pathOf(x, y, points, 0));
    p.restore();
    return {lo, hi, any};
}

void StripChart::drawLane(QPainter& p, const QRect& lane, int column, int index) {
    if (column < 0 || static_cast<std::size_t>(column) >= data_->columns.size()) return;
    const LogData::Column& c = data_->columns[static_cast<std::size_t>(column)];
    const QColor colour(kLaneColours[static_cast<std::size_t>(index) % kLaneColours.size()]);
    p.setPen(palette().mid().color());
    p.drawLine(0, lane.bottom(), width(), lane.bottom());

    const auto [lo, hi, any] = drawCurves(p, lane, c, colour);

    const std::size_t n = std::min(data_->timeS.size(), c.values.size());
    const int pairedColumn = overlay_ != nullptr ? overlay_->columnIndex(c.name) : -1;
    const LogData::Column* paired =
        pairedColumn >= 0 ? &overlay_->columns[static_cast<std::size_t>(pairedColumn)] : nullptr;
    const std::size_t m = paired != nullptr ? std::min(overlay_->timeS.size(), paired->values.size()) : 0;
    // Name and value: at the cursor, or the last in view.
    std::size_t row = n;
    const double at = cursor_.value_or(t1_);
    if (n > 0 && at >= data_->timeS.front()) row = std::min(data_->rowAt(at), n - 1);
    const QString value = row < n ? ColumnValueText(*data_, column, row) : QString();
    p.setPen(colour);
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    const QRect text(4, lane.top() + 2, kLabelWidth - 8, lane.height() - 4);
    const ChannelCaption name = CaptionOf(c, language_);
    // The caption gives way to the scale's top number beside it; the unit goes
    // first, as the value under it carries it too.
    const int room = text.width() - (any ? QFontMetrics(font()).horizontalAdvance(Number(hi)) + 6 : 0);
    const QFontMetrics boldMetrics(bold);
    const QString caption =
        boldMetrics.horizontalAdvance(name.withUnit()) <= room ? name.withUnit() : name.caption;
    p.drawText(text, Qt::AlignLeft | Qt::AlignTop, boldMetrics.elidedText(caption, Qt::ElideRight, room));
    const QString shown =
        value.isEmpty() ? QStringLiteral("-") : (value + QLatin1Char(' ') + name.unit).trimmed();
    p.drawText(text, Qt::AlignLeft | Qt::AlignBottom, shown);
    if (paired != nullptr && m > 0) {
        // The second log's value at the same moment, fainter, right of the
        // first's and clear of the scale's bottom number.
        const double at2 = at - overlayOffsetS_;
        const QString second =
            at2 >= overlay_->timeS.front()
                ? ColumnValueText(*overlay_, pairedColumn, std::min(overlay_->rowAt(at2), m - 1))
                : QString();
        QColor faint = colour;
        faint.setAlpha(150);
        p.setPen(faint);
        const QString secondShown =
            second.isEmpty() ? QStringLiteral("-") : (second + QLatin1Char(' ') + name.unit).trimmed();
        // On a line of its own over the first's where the lane is tall enough, else beside it.
        QRect beside = text.adjusted(0, 0, 0, -boldMetrics.height());
        if (lane.height() < 3 * boldMetrics.height() + 4) {
            const bool scaleShown = any && lane.height() > 2 * fontMetrics().height();
            const int bottomNumber = scaleShown ? fontMetrics().horizontalAdvance(Number(lo)) + 6 : 0;
            beside = text.adjusted(boldMetrics.horizontalAdvance(shown) + 8, 0, -bottomNumber, 0);
        }
        if (beside.width() > 0)
            p.drawText(beside, Qt::AlignLeft | Qt::AlignBottom,
                       boldMetrics.elidedText(secondShown, Qt::ElideRight, beside.width()));
        p.setPen(colour);
    }
    p.setFont(font());
    p.setPen(palette().mid().color());
    if (any && lane.height() > 2 * fontMetrics().height()) {
        p.drawText(text, Qt::AlignRight | Qt::AlignTop, Number(hi));
        p.drawText(text, Qt::AlignRight | Qt::AlignBottom, Number(lo));
    }
}

void StripChart::drawMarkers(QPainter& p, int plotHeight) {
    const QColor colour(kMarkerColour);
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    const QFontMetrics metrics(bold);
    for (const LogData::Marker& marker : data_->markers) {
        if (marker.timeS < t0_ || marker.timeS > t1_) continue;
        const int x = static_cast<int>(std::lround(xAt(marker.timeS)));
        p.setPen(QPen(colour, 1));
        p.drawLine(x, 0, x, plotHeight);
        const QString number = QString::number(marker.number);
        const QRect box(x + 2, 1, metrics.horizontalAdvance(number) + 6, metrics.height());
        p.fillRect(box, colour);
        p.setPen(Qt::white);
        p.drawText(box, Qt::AlignCenter, number);
    }
    p.setFont(font());
}

void StripChart::moveCursorTo(double x) {
    const double t = std::clamp(timeAt(x), t0_, t1_);
    cursor_ = t;
    update();
    emit cursorMoved(t);
}

// To the row before or after the cursor's; the range follows a cursor that leaves it.
void StripChart::stepCursor(int rows) {
    if (data_ == nullptr || data_->rows() == 0) return;
    const std::vector<double>& times = data_->timeS;
    const double at = cursor_.value_or(t0_);
    std::size_t row = std::min(data_->rowAt(at), times.size() - 1);
    if (rows > 0 && times[row] <= at) row = std::min(row + 1, times.size() - 1);
    if (rows < 0 && times[row] >= at && row > 0) --row;
    const double t = times[row];
    const double span = t1_ - t0_;
    if (t < t0_ || t > t1_) {
        setRange(t < t0_ ? t : t - span, t < t0_ ? t + span : t);
        emit rangeChanged(t0_, t1_);
    }
    cursor_ = t;
    update();
    emit cursorMoved(t);
}

void StripChart::keyPressEvent(QKeyEvent* event) {
    if (interactive_ && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
        stepCursor(event->key() == Qt::Key_Left ? -1 : 1);
        return;
    }
    QWidget::keyPressEvent(event);
}

void StripChart::mousePressEvent(QMouseEvent* event) {
    if (!interactive_ || event->button() != Qt::LeftButton) return;
    pressedAt_ = event->position().toPoint();
    pressedWithShift_ = (event->modifiers() & Qt::ShiftModifier) != 0;
    pressedT0_ = t0_;
    dragged_ = false;
}

void StripChart::mouseMoveEvent(QMouseEvent* event) {
    if (!interactive_ || !pressedAt_) return;
    const int dx = event->position().toPoint().x() - pressedAt_->x();
    if (!dragged_ && std::abs(dx) < 4) return;
    // A drag pans; the cursor stays at its time.
    dragged_ = true;
    const double span = t1_ - t0_;
    const double shift = -dx / std::max(1.0, double(width() - kLabelWidth)) * span;
    setRange(pressedT0_ + shift, pressedT0_ + shift + span);
    emit rangeChanged(t0_, t1_);
}

void StripChart::mouseReleaseEvent(QMouseEvent* event) {
    if (!interactive_ || !pressedAt_) return;
    if (!dragged_ && pressedWithShift_ && overlay_ != nullptr) {
        const double t = std::clamp(timeAt(event->position().x()), t0_, t1_);
        secondCursor_ = t;
        update();
        emit secondCursorMoved(t);
    } else if (!dragged_) {
        moveCursorTo(event->position().x());
    }
    pressedAt_.reset();
}

void StripChart::wheelEvent(QWheelEvent* event) {
    if (!interactive_) return;
    const double factor = event->angleDelta().y() > 0 ? 0.8 : 1.25;
    const double about = timeAt(event->position().x());
    const double span = std::max(0.05, (t1_ - t0_) * factor);
    const double share = (about - t0_) / (t1_ - t0_);
    setRange(about - share * span, about - share * span + span);
    emit rangeChanged(t0_, t1_);
}

}  // namespace ign
