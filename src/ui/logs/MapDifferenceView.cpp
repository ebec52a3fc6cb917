#include "logs/MapDifferenceView.h"

#include "Conversion.h"
#include "HeatColour.h"

#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace ign {
namespace {

constexpr int kHeadWidth = 44;   // the throttle headings on the left
constexpr int kHeadHeight = 20;  // the speed headings on top
constexpr int kMinCell = 30;
constexpr std::array<const char*, kMapSize> kThrottles{"0%",  "10%", "20%", "30%", "40%",
                                                       "50%", "60%", "70%", "80%", "100%"};

QColor ToQColor(Rgb rgb) { return {rgb.r, rgb.g, rgb.b}; }

QString Signed(int value) {
    // The minus sign proper, as wide as the plus sign beside it.
    return value > 0 ? QStringLiteral("+%1").arg(value) : QStringLiteral("\u2212%1").arg(-value);
}

}  // namespace

MapDifferenceView::MapDifferenceView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CompareMap"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void MapDifferenceView::Show(const InjectionBlock& first, std::span<const Difference> differences) {
    cells_.fill(std::nullopt);
    speedDiffers_.fill(false);
    for (int column = 0; column < kMapSize; ++column)
        speeds_[static_cast<std::size_t>(column)] =
            ToUser(Info(Param::RPM_JET).conversion, first.RPM_JET[static_cast<std::size_t>(column)]);
    for (const Difference& d : differences) {
        if (d.param == Param::JET) cells_[static_cast<std::size_t>(d.point)] = d.valueAfter - d.valueBefore;
        if (d.param == Param::RPM_JET) speedDiffers_[static_cast<std::size_t>(d.point)] = true;
    }
    update();
}

void MapDifferenceView::Select(std::optional<int> point) {
    selected_ = point;
    update();
}

QSize MapDifferenceView::sizeHint() const {
    const QSize least = minimumSizeHint();
    return {least.width() + kMapSize * 8, least.height() + kMapSize * 8};
}

// Room for the widest speed heading in every column, whatever the font.
QSize MapDifferenceView::minimumSizeHint() const {
    const int cell = std::max(kMinCell, fontMetrics().horizontalAdvance(QLocale().toString(88888)) + 6);
    return {kHeadWidth + kMapSize * cell, kHeadHeight + kMapSize * (fontMetrics().height() + 6)};
}

QRect MapDifferenceView::CellRect(int row, int column) const {
    const int width = (this->width() - kHeadWidth) / kMapSize;
    const int height = (this->height() - kHeadHeight) / kMapSize;
    return {kHeadWidth + column * width, kHeadHeight + row * height, width, height};
}

void MapDifferenceView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.window());
    const QColor plain = colours.color(QPalette::Base);
    const QColor grid = colours.color(QPalette::Mid);
    for (int column = 0; column < kMapSize; ++column) {
        QRect head = CellRect(0, column);
        head.setTop(0);
        head.setHeight(kHeadHeight);
        QFont font = painter.font();
        font.setBold(speedDiffers_[static_cast<std::size_t>(column)]);
        painter.setFont(font);
        painter.setPen(colours.color(QPalette::WindowText));
        painter.drawText(head, Qt::AlignCenter,
                         QLocale().toString(speeds_[static_cast<std::size_t>(column)]));
    }
    QFont font = painter.font();
    font.setBold(false);
    painter.setFont(font);
    for (int row = 0; row < kMapSize; ++row) {
        const QRect first = CellRect(row, 0);
        painter.setPen(colours.color(QPalette::WindowText));
        painter.drawText(QRect(0, first.top(), kHeadWidth - 4, first.height()),
                         Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromLatin1(kThrottles[static_cast<std::size_t>(row)]));
        for (int column = 0; column < kMapSize; ++column) {
            const QRect cell = CellRect(row, column);
            const auto& difference = cells_[static_cast<std::size_t>(row * kMapSize + column)];
            if (difference) {
                const Rgb background = HeatColour(kHeatNeutral + *difference);
                painter.fillRect(cell, ToQColor(background));
                painter.setPen(ToQColor(TextColourOn(background)));
                painter.drawText(cell, Qt::AlignCenter, Signed(*difference));
            } else {
                painter.fillRect(cell, plain);
            }
            painter.setPen(grid);
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
        }
    }
    if (selected_) {
        const QRect cell = CellRect(*selected_ / kMapSize, *selected_ % kMapSize);
        painter.setPen(QPen(colours.color(QPalette::Highlight), 2));
        painter.drawRect(cell.adjusted(1, 1, -2, -2));
    }
}

void MapDifferenceView::mousePressEvent(QMouseEvent* event) {
    for (int row = 0; row < kMapSize; ++row)
        for (int column = 0; column < kMapSize; ++column)
            if (CellRect(row, column).contains(event->position().toPoint())) {
                emit cellClicked(row * kMapSize + column);
                return;
            }
    QWidget::mousePressEvent(event);
}

}  // namespace ign
