#include "logs/CellMap.h"

#include "HeatColour.h"

#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <vector>

namespace ign {
namespace {

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

// White for no time to a full green for the longest.
Rgb TimeColour(double share) {
    const auto fade = [share](int full) {
        return static_cast<std::uint8_t>(std::lround(255 - share * (255 - full)));
    };
    return {fade(60), fade(160), fade(60)};
}

// The font, or a smaller one down to 5 points, in which every line of the text
// fits the room: two logs' cells hold three lines where one log's hold two.
QFont FittedFont(const QFont& font, const QString& text, QSizeF room) {
    QFont fitted = font;
    for (double points = font.pointSizeF(); points > 5; points -= 0.5) {
        fitted.setPointSizeF(points);
        const QSize needed = QFontMetrics(fitted).size(0, text);
        if (needed.width() <= room.width() && needed.height() <= room.height()) break;
    }
    return fitted;
}

}  // namespace

CellMap::CellMap(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CellMap"));
    setMinimumSize(420, 220);
}

void CellMap::setTable(std::optional<CellStatistics> table, const std::array<double, kMapSize>& speedAxis) {
    table_ = std::move(table);
    speedAxis_ = speedAxis;
    update();
}

void CellMap::setFigure(Figure figure) {
    figure_ = figure;
    update();
}

void CellMap::setMarker(std::optional<MapPoint> point) {
    marker_ = point;
    update();
}

void CellMap::setComparison(std::optional<LogComparison> comparison) {
    comparison_ = std::move(comparison);
    update();
}

QString CellMap::cellText(int row, int column) const {
    if (comparison_ && figure_ == Figure::Lambda) {
        const CellComparison& c = comparison_->cell(row, column);
        QStringList lines;
        const auto mv = [](const std::optional<double>& v) {
            return v ? QString::number(std::lround(*v)) : QStringLiteral("-");
        };
        if (c.differenceMv)
            lines << QStringLiteral("%1%2")
                         .arg(*c.differenceMv > 0 ? QStringLiteral("+") : QString())
                         .arg(std::lround(*c.differenceMv));
        if (c.beforeMv || c.afterMv) lines << mv(c.beforeMv) + QStringLiteral(">") + mv(c.afterMv);
        if (c.mapChanged()) lines << QStringLiteral("m:%1>%2").arg(*c.mapBefore).arg(*c.mapAfter);
        return lines.join(QLatin1Char('\n'));
    }
    if (!table_) return {};
    const std::optional<CellFigures> f = table_->figures(row, column);
    // Too little to judge the cell by, but the tuner sees the engine was there.
    if (!f) {
        const int samples = table_->cell(row, column).samples;
        return samples > 0 ? QStringLiteral("(%1)").arg(samples) : QString();
    }
    if (figure_ == Figure::Time) return QString::number(f->timeS, 'f', 1) + QStringLiteral(" s");
    return QStringLiteral("%1\n%2%")
        .arg(std::lround(f->meanLambdaMv()))
        .arg(std::lround(f->richShare() * 100));
}

CellMap::CellLook CellMap::Look(int r, int c, double longest) const {
    const int rich = table_ ? table_->settings().richAboveMv : 450;
    Rgb background = kWhite;
    CellFigures figures;
    bool strong = false;
    if (table_) {
        if (const std::optional<CellFigures> f = table_->figures(r, c)) {
            figures = *f;
            strong = true;
        }
    }
    const CellComparison* compared =
        comparison_ && figure_ == Figure::Lambda ? &comparison_->cell(r, c) : nullptr;
    if (compared != nullptr) {
        strong = compared->differenceMv.has_value();
        // Richer after the change red, leaner blue; 100 mV either way is the scale's far end.
        if (strong) {
            const double d = std::clamp(*compared->differenceMv, -100.0, 100.0);
            background = HeatColour(static_cast<int>(
                std::lround(kHeatNeutral +
                            d / 100 * (d > 0 ? kHeatRichEnd - kHeatNeutral : kHeatNeutral - kHeatLeanEnd))));
        }
    } else if (strong && figure_ == Figure::Lambda) {
        // Richer than the threshold red, leaner blue, as the map's own scale colours them.
        background = HeatColour(static_cast<int>(std::lround(100 + (figures.meanLambdaMv() - rich) / 4)));
    } else if (strong && longest > 0) {
        // Time in green, so that it never reads as a leaner or richer cell.
        background = TimeColour(figures.timeS / longest);
    }
    return {background, strong};
}

void CellMap::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const int headW = 40;
    const int headH = fontMetrics().height() + 4;
    const double cw = (width() - headW) / double(kMapSize);
    const double ch = (height() - headH) / double(kMapSize);
    double longest = 0;
    if (table_)
        for (int r = 0; r < kMapSize; ++r)
            for (int c = 0; c < kMapSize; ++c)
                if (auto f = table_->figures(r, c)) longest = std::max(longest, f->timeS);

    QFont small = font();
    small.setPointSizeF(std::max(6.0, font().pointSizeF() * 0.85));
    p.setPen(palette().text().color());
    for (int c = 0; c < kMapSize; ++c)
        p.drawText(QRectF(headW + c * cw, 0, cw, headH), Qt::AlignCenter,
                   QString::number(std::lround(speedAxis_[static_cast<std::size_t>(c)])));
    for (int r = 0; r < kMapSize; ++r)
        p.drawText(QRectF(0, headH + r * ch, headW - 4, ch), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(kMapThrottleAxis[static_cast<std::size_t>(r)]) + QLatin1Char('%'));
    p.setFont(small);
    struct CellText {
        QRectF cell;
        QString text;
        QColor colour;
    };
    std::vector<CellText> texts;
    texts.reserve(kMapSize * kMapSize);
    for (int r = 0; r < kMapSize; ++r) {
        for (int c = 0; c < kMapSize; ++c) {
            const QRectF cell(headW + c * cw, headH + r * ch, cw, ch);
            const CellLook look = Look(r, c, longest);
            const Rgb background = look.background;
            const bool strong = look.strong;
            const CellComparison* compared =
                comparison_ && figure_ == Figure::Lambda ? &comparison_->cell(r, c) : nullptr;
            p.fillRect(cell, ToQColor(background));
            p.setPen(palette().mid().color());
            p.drawRect(cell);
            if (compared != nullptr && compared->mapChanged()) {
                // The cells the change touched, whatever the logs say of them.
                p.setPen(QPen(Qt::black, 2));
                p.drawRect(cell.adjusted(1.5, 1.5, -1.5, -1.5));
            }
            const QString text = cellText(r, c);
            texts.push_back({cell, text,
                             strong ? ToQColor(TextColourOn(background))
                                    : palette().color(QPalette::Disabled, QPalette::Text)});
        }
    }
    if (marker_) {
        const QPointF at(headW + (marker_->column + 0.5) * cw, headH + (marker_->row + 0.5) * ch);
        // A ring under the figures: wherever the moment lies, the cell's digits stay on top.
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 200, 0), 3));
        p.drawEllipse(at, 7, 7);
        p.setPen(QPen(QColor(0, 0, 0, 140), 1));
        p.drawEllipse(at, 9, 9);
        p.restore();
    }
    for (const CellText& t : texts) {
        p.setPen(t.colour);
        p.setFont(FittedFont(small, t.text, t.cell.size() - QSizeF(2, 2)));
        p.drawText(t.cell, Qt::AlignCenter, t.text);
    }
}

}  // namespace ign
