#include "language/OwnText.h"
#include "window/Hlav.h"
#include "window/ProgressArea.h"

#include <QCoreApplication>
#include <QDate>
#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTime>
#include <stdexcept>

namespace ign {
namespace {

// The prefix of the date-and-time line by language code; null for a code no
// table knows, which leaves the line as it was. German prints the English text.
const char* PrintTimePrefix(std::uint8_t languageCode) {
    switch (languageCode) {
        case 0:
        case 2:
            return "Date and Time of printing:  ";
        case 1:
            return "Datum a čas tisku:  ";
        default:
            return nullptr;
    }
}

// A locale's time format without its time-zone fields: the runs of "t"
// outside quoted text, and the blanks that set them apart.
QString WithoutTimeZone(const QString& format) {
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'\'') quoted = !quoted;
        if (quoted || c != u't') {
            out += c;
            continue;
        }
        while (i + 1 < format.size() && format[i + 1] == u't') ++i;
        while (!out.isEmpty() && out.back().isSpace()) out.chop(1);
    }
    return out.trimmed();
}

// Short date and long time in the user's regional formats, taken now. The
// zone's name says nothing on paper that the user does not know, and Qt's
// long format ends with it ("08:16:29 UTC").
QString PrintTimeLine(const char* prefix) {
    const QLocale locale;
    return QString::fromUtf8(prefix) + locale.toString(QDate::currentDate(), QLocale::ShortFormat) +
           QStringLiteral("    ") +
           locale.toString(QTime::currentTime(), WithoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
}

// Without a print server Qt has no default printer, and a QPrinter made anyway
// quietly turns into a PDF writer with no file; that must not pass for printing.
std::unique_ptr<QPrinter> DefaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

// The current language's text of one of the print's messages, for an error to carry.
std::string OwnMessage(const OwnText& message) { return message.text().toStdString(); }

}  // namespace

void TFormHlav::BuildPrintParts() {
    // The print's messages, switched with the language like the window's texts.
    printMessages_ = {
        new OwnText("MessageNoPrinter", "No printer available: install a default printer to print", this),
        new OwnText("MessagePrintNotStarted", "The printer could not start the print job", this),
        new OwnText("MessagePrintImageFailed", "The window image could not be taken for printing", this),
        new OwnText("MessagePrintNotFinished", "The printer could not finish the print job", this),
    };

    // The line stands at the right of the status line, outside the pages, so the
    // printed image carries it whichever page is shown; the hint text keeps the
    // left of the line and the two never overlap.
    printTime_ = new QLabel(statusBar());
    printTime_->setObjectName(QStringLiteral("LabelCasTisku"));
    AddStatusField(*printTime_, StatusPlace::PrintTime);
    printTime_->hide();
}

void TFormHlav::SpeedButtonPrintClick() {
    if (const char* prefix = PrintTimePrefix(languageCode_)) printTime_->setText(PrintTimeLine(prefix));
    printTime_->show();
    // The bar stays off the paper, and hidden afterwards; the progress text is left alone.
    progress_->ShowBar(false);

    // An error goes to the handler's guard, which shows it; the date line then stays.
    std::unique_ptr<QPrinter> printer = printerSource_ ? printerSource_() : DefaultPrinter();
    if (printer == nullptr) throw std::runtime_error(OwnMessage(*printMessages_.noPrinter));
    PrintWindowImage(*printer);
    printTime_->hide();
}

QPixmap TFormHlav::ClientImage() {
    // Showing the date line and hiding the bar queued a new layout; the image
    // must show the window as it now is.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);

    // The client area as laid out at the size that shows all of it, whatever
    // the window's size and scroll position: everything below the menu bar,
    // the progress row under it, the status line with the date line at the
    // bottom. The scroll area is told to leave its contents alone while they
    // are laid out at that size, and gets them back as they were.
    QScrollArea* area = client_;
    QWidget* content = area->widget();
    const QSize full = ClientContentSize();
    const QSize shown = content->size();
    const QPoint scrolled(area->horizontalScrollBar()->value(), area->verticalScrollBar()->value());
    area->setWidgetResizable(false);
    content->resize(full);
    const QPixmap top = content->grab();
    content->resize(shown);
    area->setWidgetResizable(true);
    area->horizontalScrollBar()->setValue(scrolled.x());
    area->verticalScrollBar()->setValue(scrolled.y());
    // The rows under it at the same width, each put back where it stood.
    const auto grabAtWidth = [&full](QWidget& row) {
        const QRect rowShown = row.geometry();
        row.resize(full.width(), row.height());
        const QPixmap image = row.grab();
        row.setGeometry(rowShown);
        return image;
    };
    const QPixmap middle = grabAtWidth(*progress_);
    const QPixmap bottom = grabAtWidth(*statusBar());
    if (top.isNull() || middle.isNull() || bottom.isNull()) return {};

    const qreal ratio = top.devicePixelRatio();
    const int height = full.height() + progress_->height() + statusBar()->height();
    QPixmap image((QSizeF(full.width(), height) * ratio).toSize());
    image.setDevicePixelRatio(ratio);
    image.fill(palette().color(QPalette::Window));
    QPainter painter(&image);
    painter.drawPixmap(0, 0, top);
    painter.drawPixmap(0, full.height(), middle);
    painter.drawPixmap(0, full.height() + progress_->height(), bottom);
    painter.end();
    return image;
}

void TFormHlav::PrintWindowImage(QPrinter& printer) {
    printer.setDocName(QStringLiteral("Ignition parameters"));
    QPainter painter;
    if (!painter.begin(&printer)) throw std::runtime_error(OwnMessage(*printMessages_.notStarted));
    // From here on the painter ends the job however this function is left.

    const QPixmap image = ClientImage();
    if (image.isNull()) throw std::runtime_error(OwnMessage(*printMessages_.imageFailed));

    // Printer dots per screen pixel keep the window's physical size on paper.
    // A window wider or taller than the printable area (large fonts, a small
    // sheet) is shrunk to fit as a whole rather than cut off at the paper's edge.
    // The painter's origin is the top-left corner of the printable area.
    const QSizeF pixels = image.deviceIndependentSize();
    QSizeF printed(pixels.width() * printer.logicalDpiX() / logicalDpiX(),
                   pixels.height() * printer.logicalDpiY() / logicalDpiY());
    const QSizeF printable(printer.width(), printer.height());
    if (printed.width() > printable.width() || printed.height() > printable.height())
        printed.scale(printable, Qt::KeepAspectRatio);
    const QRectF target(QPointF(0.0, 0.0), printed);
    painter.drawPixmap(target, image, QRectF(image.rect()));
    if (!painter.end()) throw std::runtime_error(OwnMessage(*printMessages_.notFinished));
}

}  // namespace ign
