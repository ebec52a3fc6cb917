#include "maps/CurveChart.h"

#include "EditorBindings.h"
#include "FieldTyping.h"
#include "ParameterSet.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <utility>

namespace ign {
namespace {

constexpr double kGrabRadius = 8;
constexpr int kMargin = 6;
constexpr int kSwatch = 10;

}  // namespace

CurveChart::CurveChart(Lines lines, Spans spans, QWidget* parent)
    : QWidget(parent), lines_(std::move(lines)), spans_(std::move(spans)) {
    setMinimumSize(260, 170);
    setMouseTracking(false);
}

void CurveChart::Show(const ParameterSet& set) {
    const Span span = spans_(set);
    yMin_ = span.min;
    yMax_ = span.max > span.min ? span.max : span.min + 1;
    drawn_.clear();
    xMin_ = 1e300;
    xMax_ = -1e300;
    for (Line& line : lines_(set)) {
        Drawn d{std::move(line), {}};
        const auto bytes = BytesOf(set, d.line.param);
        const Conversion conversion = Info(d.line.param).conversion;
        for (std::size_t i = 0; i < d.line.x.size(); ++i) {
            d.y.push_back(ToUser(conversion, bytes[static_cast<std::size_t>(d.line.firstPoint) + i]));
            xMin_ = std::min(xMin_, d.line.x[i]);
            xMax_ = std::max(xMax_, d.line.x[i]);
        }
        drawn_.push_back(std::move(d));
    }
    if (!(xMax_ > xMin_)) {
        xMin_ = 0;
        xMax_ = 1;
    }
    if (!grab_) update();
}

void CurveChart::SetLive(std::optional<double> x) {
    if (x == live_) return;
    live_ = x;
    update();
}

std::vector<QRectF> CurveChart::LegendBoxes(double& height) const {
    const int textWidth = fontMetrics().horizontalAdvance(QStringLiteral("20000"));
    const double left = textWidth + kMargin, right = width() - kMargin;
    const double rowHeight = fontMetrics().height();
    std::vector<QRectF> boxes;
    double x = left, y = kMargin;
    for (const Drawn& d : drawn_) {
        const double w = kSwatch + 4 + fontMetrics().horizontalAdvance(d.line.name) + 12;
        if (x > left && x + w > right) {
            x = left;
            y += rowHeight;
        }
        boxes.emplace_back(x, y, w, rowHeight);
        x += w;
    }
    height = boxes.empty() ? 0 : y + rowHeight - kMargin;
    return boxes;
}

QRectF CurveChart::Plot() const {
    const int textWidth = fontMetrics().horizontalAdvance(QStringLiteral("20000"));
    const int textHeight = fontMetrics().height();
    double legend = 0;
    LegendBoxes(legend);
    return QRectF(rect()).adjusted(textWidth + kMargin, kMargin + legend + (legend > 0 ? 2 : 0), -kMargin,
                                   -textHeight - kMargin);
}

QStringList CurveChart::LegendNames() const {
    QStringList names;
    for (const Drawn& d : drawn_) names << d.line.name;
    return names;
}

QString CurveChart::DragText() const {
    if (!grab_) return {};
    const Line& line = drawn_[grab_->line].line;
    const int point = line.firstPoint + static_cast<int>(grab_->index);
    const std::optional<Byte> byte = DraggedFieldByte(line.param, point, grab_->y);
    const EditorField* field = FindEditorField(line.param, point);
    if (!byte || field == nullptr) return {};
    return QString::number(FieldFromByte(*field, *byte));
}

QPointF CurveChart::ToPixel(double x, double y) const {
    const QRectF plot = Plot();
    return {plot.left() + (x - xMin_) / (xMax_ - xMin_) * plot.width(),
            plot.bottom() - (y - yMin_) / (yMax_ - yMin_) * plot.height()};
}

double CurveChart::ValueAt(double pixelY) const {
    const QRectF plot = Plot();
    return yMin_ + (plot.bottom() - pixelY) / plot.height() * (yMax_ - yMin_);
}

QPointF CurveChart::PointAt(std::size_t line, std::size_t index) const {
    const Drawn& d = drawn_.at(line);
    const double y = grab_ && grab_->line == line && grab_->index == index ? grab_->y : d.y.at(index);
    return ToPixel(d.line.x.at(index), y);
}

void CurveChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plot = Plot();
    const QPalette& colours = palette();
    painter.fillRect(plot, colours.color(QPalette::Base));
    painter.setPen(colours.color(QPalette::Mid));
    painter.drawRect(plot);
    // The ends of both axes.
    painter.setPen(colours.color(QPalette::WindowText));
    const QRectF left(0, plot.top() - 2, plot.left() - 3, fontMetrics().height());
    painter.drawText(left, Qt::AlignRight | Qt::AlignTop, QString::number(yMax_));
    painter.drawText(left.translated(0, plot.height() - fontMetrics().height() + 4),
                     Qt::AlignRight | Qt::AlignBottom, QString::number(yMin_));
    const QRectF below(plot.left(), plot.bottom() + 2, plot.width(), fontMetrics().height());
    painter.drawText(below, Qt::AlignLeft, QString::number(xMin_));
    painter.drawText(below, Qt::AlignRight, QString::number(xMax_));

    for (std::size_t l = 0; l < drawn_.size(); ++l) {
        const Drawn& d = drawn_[l];
        QPainterPath path;
        for (std::size_t i = 0; i < d.y.size(); ++i) {
            const QPointF p = PointAt(l, i);
            if (i == 0)
                path.moveTo(p);
            else
                path.lineTo(p);
        }
        painter.setPen(QPen(d.line.colour, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        painter.setBrush(d.line.colour);
        for (std::size_t i = 0; i < d.y.size(); ++i) painter.drawEllipse(PointAt(l, i), 3, 3);
    }
    double legendHeight = 0;
    const std::vector<QRectF> boxes = LegendBoxes(legendHeight);
    for (std::size_t l = 0; l < boxes.size(); ++l) {
        const QRectF& box = boxes[l];
        painter.fillRect(QRectF(box.left(), box.center().y() - kSwatch / 2.0, kSwatch, kSwatch),
                         drawn_[l].line.colour);
        painter.setPen(colours.color(QPalette::WindowText));
        painter.drawText(box.adjusted(kSwatch + 4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         drawn_[l].line.name);
    }
    if (const QString value = DragText(); !value.isEmpty()) {
        // What the field will hold, beside the point under the pointer.
        const QPointF at = PointAt(grab_->line, grab_->index);
        const QSizeF size(fontMetrics().horizontalAdvance(value) + 8, fontMetrics().height() + 2);
        QRectF label(at + QPointF(8, -size.height() - 4), size);
        if (label.right() > plot.right()) label.moveRight(at.x() - 8);
        if (label.top() < plot.top()) label.moveTop(at.y() + 4);
        painter.setPen(colours.color(QPalette::WindowText));
        painter.setBrush(colours.color(QPalette::ToolTipBase));
        painter.drawRect(label);
        painter.drawText(label, Qt::AlignCenter, value);
    }
    if (live_ && *live_ >= xMin_ && *live_ <= xMax_) {
        const double x = ToPixel(*live_, 0).x();
        painter.setPen(QPen(Qt::black, 2));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
}

void CurveChart::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    double best = kGrabRadius + 1e-9;  // the first line drawn wins a tie
    for (std::size_t l = 0; l < drawn_.size(); ++l)
        for (std::size_t i = 0; i < drawn_[l].y.size(); ++i) {
            const QPointF d = PointAt(l, i) - at;
            const double distance = std::hypot(d.x(), d.y());
            if (distance < best) {
                best = distance;
                grab_ = Grab{l, i, drawn_[l].y[i]};
            }
        }
}

void CurveChart::mouseMoveEvent(QMouseEvent* event) {
    if (!grab_) return;
    grab_->y = std::clamp(ValueAt(event->position().y()), yMin_, yMax_);
    update();
}

void CurveChart::mouseReleaseEvent(QMouseEvent* event) {
    if (!grab_) return;
    mouseMoveEvent(event);
    const Grab grab = *grab_;
    grab_.reset();
    const Drawn& d = drawn_[grab.line];
    // One change for the whole drag, when it ends; the document's step refreshes the drawing.
    emit pointDragged(d.line.param, d.line.firstPoint + static_cast<int>(grab.index), grab.y);
    update();
}

}  // namespace ign
