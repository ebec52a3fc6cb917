#include "report/SheetPainter.h"

#include "AtomicFile.h"
#include "ParameterFile.h"
#include "report/SheetTexts.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <algorithm>

namespace ign {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kPointsPerMm = 72.0 / kMmPerInch;
// Below this a text is elided rather than made smaller still.
constexpr double kSmallestPointSize = 4.5;

QColor ColourOf(Rgb rgb) { return {rgb.r, rgb.g, rgb.b}; }

Qt::Alignment AlignmentOf(TextAlign align) {
    switch (align) {
        case TextAlign::Centre:
            return Qt::AlignHCenter;
        case TextAlign::Right:
            return Qt::AlignRight;
        case TextAlign::Left:
            break;
    }
    return Qt::AlignLeft;
}

class SheetDrawing {
public:
    SheetDrawing(QPainter& painter, std::uint8_t language, QPointF originMm)
        : painter_(painter), language_(language), origin_(originMm) {
        const QPaintDevice* device = painter.device();
        perMm_ = device->logicalDpiX() / kMmPerInch;
        perMmY_ = device->logicalDpiY() / kMmPerInch;
    }

    void Draw(const SheetPage& page) {
        for (const SheetItem& item : page.items) std::visit([this](const auto& i) { DrawItem(i); }, item);
    }

private:
    QPointF At(double x, double y) const { return {(x - origin_.x()) * perMm_, (y - origin_.y()) * perMmY_}; }
    QRectF At(const Box& box) const { return {At(box.x, box.y), At(box.right(), box.bottom())}; }
    QPen Pen(Rgb colour, double widthMm) const {
        QPen pen(ColourOf(colour), widthMm * perMm_);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        return pen;
    }

    void DrawItem(const RectItem& item) {
        painter_.setPen(item.stroke ? Pen(*item.stroke, item.strokeWidth) : QPen(Qt::NoPen));
        painter_.setBrush(item.fill ? QBrush(ColourOf(*item.fill)) : QBrush(Qt::NoBrush));
        painter_.drawRect(At(item.box));
    }

    void DrawItem(const LineItem& item) {
        QPolygonF line;
        for (const PointMm& p : item.points) line << At(p.x, p.y);
        painter_.setPen(Pen(item.colour, item.width));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawPolyline(line);
    }

    void DrawItem(const DotItem& item) {
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(ColourOf(item.colour));
        const double r = item.diameter / 2;
        painter_.drawEllipse(At({item.centre.x - r, item.centre.y - r, item.diameter, item.diameter}));
    }

    void DrawItem(const TextItem& item) {
        const QString text = SheetTextOf(item.text, language_);
        if (text.isEmpty()) return;
        const QRectF box = At(item.box);
        painter_.setPen(ColourOf(item.colour));
        if (item.wrap) {
            DrawWrapped(item, text, box);
            return;
        }
        QFont font = FontOf(item.style, PointSizeOf(item.style));
        const double width = QFontMetricsF(font, painter_.device()).horizontalAdvance(text);
        // Too long for its box: smaller, as far as it stays readable, then cut with an ellipsis.
        if (width > box.width() && width > 0) {
            font.setPointSizeF(std::max(kSmallestPointSize, font.pointSizeF() * box.width() / width * 0.98));
        }
        painter_.setFont(font);
        const QString shown =
            QFontMetricsF(font, painter_.device()).elidedText(text, Qt::ElideRight, box.width() + 0.5);
        painter_.drawText(box, AlignmentOf(item.align) | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    }

    void DrawWrapped(const TextItem& item, const QString& text, const QRectF& box) {
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        QFont font = FontOf(item.style, PointSizeOf(item.style));
        while (font.pointSizeF() > kSmallestPointSize &&
               QFontMetricsF(font, painter_.device()).boundingRect(box, flags, text).height() > box.height())
            font.setPointSizeF(std::max(kSmallestPointSize, font.pointSizeF() - 0.25));
        painter_.setFont(font);
        painter_.save();
        painter_.setClipRect(box);
        painter_.drawText(box, flags, text);
        painter_.restore();
    }

    static QFont FontOf(TextStyle style, double points) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setStyleHint(QFont::SansSerif);
        font.setPointSizeF(points);
        font.setBold(IsBold(style));
        // Any letter spacing (the least one that counts) keeps the shaper from joining letters into
        // ligatures, which would read as other characters when the text is
        // copied or searched ("ﬀ" for "ff").
        font.setLetterSpacing(QFont::AbsoluteSpacing, 0.05);
        return font;
    }

    QPainter& painter_;
    std::uint8_t language_;
    QPointF origin_;
    double perMm_ = 1;
    double perMmY_ = 1;
};

QPageSize PageSizeOf(Paper paper) {
    return QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4);
}

}  // namespace

bool PaintSheet(const SheetLayout& layout, std::uint8_t language, QPagedPaintDevice& device, QString& error) {
    // No margins where the device allows it; a printer that keeps some moves
    // its origin by them, which the drawing takes back.
    if (!device.setPageLayout(QPageLayout(PageSizeOf(layout.paper), QPageLayout::Portrait, QMarginsF())))
        device.setPageSize(PageSizeOf(layout.paper));
    device.setPageOrientation(QPageLayout::Portrait);
    const QPointF origin = device.pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
    QPainter painter;
    if (!painter.begin(&device)) {
        error = QStringLiteral("The sheet cannot be drawn: the device refused to start");
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    SheetDrawing drawing(painter, language, origin);
    for (std::size_t i = 0; i < layout.pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            error = QStringLiteral("The sheet cannot be drawn: no new page");
            painter.end();
            return false;
        }
        drawing.Draw(layout.pages[i]);
    }
    if (!painter.end()) {
        error = QStringLiteral("The sheet cannot be drawn: the device failed to finish");
        return false;
    }
    return true;
}

QByteArray SheetPdf(const SheetLayout& layout, std::uint8_t language, QString& error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Ignition Programmer"));
        writer.setTitle(SheetCaption("SheetTitle", language));
        if (!PaintSheet(layout, language, writer, error)) return {};
    }
    buffer.close();
    if (bytes.isEmpty()) error = QStringLiteral("The sheet cannot be drawn: no PDF came out");
    return bytes;
}

bool SaveSheetPdf(const SheetLayout& layout, std::uint8_t language, const std::filesystem::path& path,
                  QString& error) {
    const QByteArray bytes = SheetPdf(layout, language, error);
    if (bytes.isEmpty()) return false;
    const FileWriteResult written = ReplaceFileContents(
        path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (written == FileWriteResult::Ok) return true;
    error = QString::fromUtf8(SaveErrorText(written)) + QStringLiteral(": ") +
            QString::fromStdString(path.string());
    return false;
}

Paper PaperOf(const QLocale& locale) {
    switch (locale.territory()) {
        case QLocale::UnitedStates:
        case QLocale::Canada:
        case QLocale::Mexico:
        case QLocale::Chile:
        case QLocale::Colombia:
        case QLocale::Venezuela:
        case QLocale::Philippines:
        case QLocale::PuertoRico:
        case QLocale::Guatemala:
        case QLocale::CostaRica:
        case QLocale::Panama:
        case QLocale::DominicanRepublic:
        case QLocale::ElSalvador:
        case QLocale::Nicaragua:
            return Paper::Letter;
        default:
            return Paper::A4;
    }
}

std::string SheetTimeText(const QDateTime& when, const QLocale& locale) {
    return locale.toString(when, QLocale::LongFormat).toStdString();
}

std::string GroupSeparatorOf(const QLocale& locale) {
    // As a spin box shows it: the locale's separator unless the locale omits grouping.
    if (locale.numberOptions() & QLocale::OmitGroupSeparator) return {};
    return locale.groupSeparator().toStdString();
}

}  // namespace ign
