#include "window/ToolIcons.h"

#include <QDirIterator>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <functional>

namespace ign {
namespace {

using Drawing = std::function<void(QPainter&)>;

// Every image is drawn on a 16 x 16 grid and rendered at the sizes a screen may
// ask for, so a scaled window never shows a blurred bitmap.
QIcon Render(const Drawing& draw) {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPen Outline() { return QPen(QColor(40, 40, 40), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

}  // namespace

QIcon NewIcon() {
    return Render([](QPainter& p) {
        // A blank sheet with a folded corner.
        const QPolygonF sheet{{3.5, 1.5}, {10.0, 1.5}, {13.5, 5.0}, {13.5, 14.5}, {3.5, 14.5}};
        p.setPen(Outline());
        p.setBrush(Qt::white);
        p.drawPolygon(sheet);
        p.setBrush(QColor(210, 210, 210));
        p.drawPolygon(QPolygonF{{10.0, 1.5}, {10.0, 5.0}, {13.5, 5.0}});
    });
}

QIcon OpenIcon() {
    return Render([](QPainter& p) {
        // A folder, its front flap open.
        p.setPen(Outline());
        p.setBrush(QColor(214, 170, 60));
        p.drawPolygon(QPolygonF{{1.5, 3.5}, {6.0, 3.5}, {7.5, 5.0}, {13.5, 5.0}, {13.5, 13.5}, {1.5, 13.5}});
        p.setBrush(QColor(248, 214, 110));
        p.drawPolygon(QPolygonF{{1.5, 13.5}, {4.0, 7.5}, {15.0, 7.5}, {13.5, 13.5}});
    });
}

QIcon SaveIcon() {
    return Render([](QPainter& p) {
        // A diskette: body, shutter and label.
        p.setPen(Outline());
        p.setBrush(QColor(60, 90, 170));
        p.drawPolygon(QPolygonF{{1.5, 1.5}, {12.5, 1.5}, {14.5, 3.5}, {14.5, 14.5}, {1.5, 14.5}});
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(4.5, 1.5, 7.0, 4.5));
        p.setBrush(QColor(60, 90, 170));
        p.drawRect(QRectF(8.5, 2.5, 2.0, 2.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 8.5, 9.0, 6.0));
    });
}

QIcon PrintIcon() {
    return Render([](QPainter& p) {
        // A printer with a sheet coming out at the top.
        p.setPen(Outline());
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7.0, 6.0));
        p.setBrush(QColor(170, 170, 170));
        p.drawRoundedRect(QRectF(1.5, 6.5, 13.0, 6.0), 1.0, 1.0);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 10.5, 7.0, 4.0));
        p.setPen(QPen(QColor(40, 160, 40), 1.2));
        p.drawPoint(QPointF(12.5, 8.5));
    });
}

QIcon WindowIcon() {
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), {QStringLiteral("*.png")});
    while (sizes.hasNext()) icon.addFile(sizes.next());
    return icon;
}

}  // namespace ign
