// Open, Save and Print through the window: the dialogs behind their seam (and
// once for real), the blocks, the file label and path, the failures, and the
// printed page rasterised back into pixels.
#include "DefaultSets.h"
#include "FileSizeLimit.h"
#include "MessageBoxes.h"
#include "New.h"
#include "QuietLine.h"
#include "SerialLine.h"
#include "Validation.h"
#include "WindowTest.h"
#include "app/Application.h"
#include "window/Hlav.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#endif
#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QProgressBar>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <functional>
#include <memory>

using ign::TFormHlav;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A valid set far from the defaults: every map cell and correction differs.
ign::ParameterSet VariedSet() {
    ign::ParameterSet set = DefaultSet(3);
    for (std::size_t i = 0; i < set.injection.JET.size(); ++i)
        set.injection.JET[i] = static_cast<ign::Byte>(60 + i);
    for (std::size_t i = 0; i < 10; ++i) {
        set.injection.KOR_23[i] = static_cast<ign::Byte>(20 + 3 * i);
        set.ignition.ADV_B[i] =
            static_cast<ign::Byte>(set.ignition.ADV_B[i] > 3 ? set.ignition.ADV_B[i] - 3 : 0);
    }
    set.injection.WATER = {130, 120, 110, 100, 90};
    set.ignition.OMEZ1 = 117;
    set.ignition.GasEnable = 1;
    set.ignition.CAS_IN = 1;
    set.injection.TPS_0 = 47;
    ign::ValidateParameters(set);
    return set;
}

// Rasterises the first page of a PDF at `dpi`; null when poppler is missing.
QImage Rasterise(const QString& pdf, int dpi, const QString& folder) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (tool.isEmpty()) return {};
    const QString stem = folder + QStringLiteral("/page");
    QProcess run;
    run.start(tool, {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                     QStringLiteral("-singlefile"), pdf, stem});
    if (!run.waitForFinished(30000) || run.exitCode() != 0) return {};
    return QImage(stem + QStringLiteral(".png"));
}

// The number of pages the PDF says it has.
int PageCount(const QString& pdf) {
    const QByteArray bytes = ReadAll(pdf);
    const int at = bytes.indexOf("/Type /Pages");
    if (at < 0) return -1;
    const int count = bytes.indexOf("/Count ", at);
    return count < 0 ? -1 : bytes.mid(count + 7, 8).split(' ').front().split('\n').front().toInt();
}

bool IsInk(QRgb pixel) { return qGray(pixel) < 128; }

}  // namespace

class TestFilesPrint : public QObject {
    Q_OBJECT

    std::unique_ptr<TFormHlav> w;
    std::unique_ptr<QTemporaryDir> dir;
    // What the dialog seam saw and will answer.
    QString answer;
    int dialogs = 0;
    std::function<void(QFileDialog&)> inspect;

    template <typename T = QWidget>
    T* Get(const char* name) {
        return ControlOf<T>(*w, name);
    }
    QString Path(const char* name) const { return dir->filePath(QString::fromLatin1(name)); }
    QString Label() { return Get<QLabel>("LabelFile2")->text(); }
    void ShowProgress() {
        Get("LabelHlaseni")->show();
        Get("ProgressBar1")->show();
    }
    // The client area at the size that shows all of it, and the window made that big.
    QSize FullClient() {
        const QSize content = Get<QScrollArea>("ClientArea")->widget()->minimumSizeHint();
        return {content.width(),
                content.height() + Get("ProgressArea")->sizeHint().height() + w->statusBar()->height()};
    }
    void ShowEverything() {
        const QSize client = FullClient();
        w->resize(client.width(), w->menuWidget()->height() + client.height());
        QTRY_COMPARE(w->centralWidget()->size(), client - QSize(0, w->statusBar()->height()));
        auto* area = Get<QScrollArea>("ClientArea");
        // The scroll area shows or hides its bars a moment after their ranges change.
        QTRY_VERIFY(!area->horizontalScrollBar()->isVisible() && !area->verticalScrollBar()->isVisible());
    }
    // Prints to a PDF on an A3 landscape sheet and returns it rasterised at the screen's resolution.
    QImage PrintedSheet(const char* name) {
        const QString pdf = Path(name);
        w->SetPrinterSource([pdf] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A3), QPageLayout::Landscape,
                                               QMarginsF(10, 15, 10, 10), QPageLayout::Millimeter));
            return printer;
        });
        Get<QAbstractButton>("SpeedButtonPrint")->click();
        QDir(dir->path()).mkpath(QString::fromLatin1(name) + ".png.d");
        return Rasterise(pdf, w->logicalDpiX(), Path(name) + QStringLiteral(".png.d"));
    }
    bool ProgressHidden() { return Get("LabelHlaseni")->isHidden() && Get("ProgressBar1")->isHidden(); }
    void SetBlocks(const ign::ParameterSet& set) {
        Restore(*w, [&set](ign::ParameterSet& held) { held = set; });
    }
    // A file label and path that a failed or cancelled command must leave alone.
    void Remember(const QString& path) {
        Get<QLabel>("LabelFile2")->setText(path);
        w->SetParameterFilePath(path);
        w->SetDialogFileNames(path);
    }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        w = std::make_unique<TFormHlav>([](const QString&) { return std::make_unique<QuietLine>(); });
        answer.clear();
        dialogs = 0;
        inspect = nullptr;
        w->SetFileDialogRunner([this](QFileDialog& dialog) {
            ++dialogs;
            if (inspect) inspect(dialog);
            return answer;
        });
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    void cleanup() { w.reset(); }

    // ---- Save and Open ----

    void saveThenOpenRestoresEveryByte() {
        ign::ParameterSet varied = VariedSet();
        varied.ignition.LED_RAZ = 5;  // any non-zero flag is "on"; the file holds it as 1
        SetBlocks(varied);
        answer = Path("set.ign");
        QTest::keyClick(w.get(), Qt::Key_F2);
        QCOMPARE(dialogs, 1);
        const ign::ParameterSet saved = w->Parameters();
        QCOMPARE(saved.ignition.LED_RAZ, ign::Byte{1});
        varied.ignition.LED_RAZ = 1;
        QVERIFY(saved.ignition == varied.ignition);
        QVERIFY(saved.injection == varied.injection);
        QCOMPARE(Label(), answer);
        QCOMPARE(w->ParameterFilePath(), answer);
        QCOMPARE(w->OpenDialogFileName(), answer);

        w->MenuNewClick();
        QVERIFY(!(w->Parameters().injection == saved.injection));
        Get<QAction>("MenuOpen")->trigger();
        QVERIFY(w->Parameters().ignition == saved.ignition);
        QVERIFY(w->Parameters().injection == saved.injection);
        QCOMPARE(w->SaveDialogFileName(), answer);
        // The fields show the set that came back.
        QCOMPARE(Get<QSpinBox>("EditOmez1")->value(), 11700);
    }

    void dialogsAreConfiguredAndHandTheirPathOn() {
        const QString earlier = Path("earlier.ign");
        WriteAll(earlier, "OMEZ1 9000");
        w->SetDialogFileNames(earlier);
        QString startsAt;
        inspect = [&](QFileDialog& dialog) {
            QVERIFY(dialog.testOption(QFileDialog::DontUseNativeDialog));
            QCOMPARE(dialog.defaultSuffix(), QStringLiteral("ign"));
            QCOMPARE(dialog.selectedNameFilter(), QStringLiteral("Ignition Parametrs(*.ign)"));
            if (dialog.acceptMode() == QFileDialog::AcceptOpen) {
                QCOMPARE(dialog.objectName(), QStringLiteral("OpenDialog1"));
                QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFile);
                QCOMPARE(dialog.nameFilters(), QStringList({"Ignition Parametrs(*.ign)",
                                                            "Ignition Parametrs(*.s29)", "All Files (*.*)"}));
            } else {
                QCOMPARE(dialog.objectName(), QStringLiteral("SaveDialog1"));
                QVERIFY(!dialog.testOption(QFileDialog::DontConfirmOverwrite));
                QCOMPARE(dialog.nameFilters(), QStringList({"Ignition Parametrs(*.ign)"}));
            }
            QCOMPARE(dialog.selectedFiles().value(0), startsAt);
        };
        startsAt = earlier;  // Save starts at the name the settings gave
        answer = Path("saved.ign");
        QTest::mouseClick(Get("SpeedButton7"), Qt::LeftButton);
        QCOMPARE(dialogs, 1);
        startsAt = Path("saved.ign");  // Open starts at the file just saved
        answer = earlier;
        QTest::mouseClick(Get("SpeedButton5"), Qt::LeftButton);
        QCOMPARE(dialogs, 2);
        QCOMPARE(w->Parameters().ignition.OMEZ1, ign::Byte{90});
        // Each dialog also starts again at the name last confirmed in it.
        QCOMPARE(w->SaveDialogFileName(), earlier);
        QCOMPARE(w->OpenDialogFileName(), earlier);
        startsAt = earlier;
        answer = Path("again.ign");
        QTest::mouseClick(Get("SpeedButton7"), Qt::LeftButton);
        QCOMPARE(dialogs, 3);
        QCOMPARE(w->SaveDialogFileName(), Path("again.ign"));
    }

    // Qt's own texts in the dialog and its question follow the Language menu.
    void realSaveDialogAddsTheSuffixAndAsksBeforeReplacing_data() {
        QTest::addColumn<QStringList>("languages");  // chosen in turn
        QTest::addColumn<QStringList>("texts");      // file name label, its type's, the question's start
        QTest::newRow("English") << QStringList{"MenuEnglish"}
                                 << QStringList{"File &name:", "Files of type:", "%1 already exists."};
        QTest::newRow("Czech") << QStringList{"MenuCzech"}
                               << QStringList{"Název &souboru:", "Soubory typu:", "Soubor %1 již existuje."};
        QTest::newRow("German") << QStringList{"MenuGerman"}
                                << QStringList{
                                       "Datei&name:", "Dateien des Typs:", "Die Datei %1 existiert bereits."};
        QTest::newRow("English after Czech")
            << QStringList{"MenuCzech", "MenuEnglish"}
            << QStringList{"File &name:", "Files of type:", "%1 already exists."};
    }
    void realSaveDialogAddsTheSuffixAndAsksBeforeReplacing() {
        QFETCH(QStringList, languages);
        QFETCH(QStringList, texts);
        for (const QString& language : languages) Get<QAction>(language.toLatin1().constData())->trigger();
        w->SetFileDialogRunner(nullptr);
        w->SetDialogFileNames(Path("start.ign"));
        int questions = 0;
        QStringList seen;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                ++questions;
                seen << box->text();
                box->button(QMessageBox::Yes)->click();
            } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                for (const char* label : {"fileNameLabel", "fileTypeLabel"})
                    seen << dialog->findChild<QLabel*>(QString::fromLatin1(label))->text();
                dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                    ->setText(QStringLiteral("typed"));
                // Queued: the question it may ask runs its own loop, which this tick must not hold up.
                QMetaObject::invokeMethod(dialog, &QDialog::accept, Qt::QueuedConnection);
            }
        });
        poll.start(20);
        w->MenuSaveClick();
        QCOMPARE(Label(), Path("typed.ign"));
        QVERIFY(ReadAll(Path("typed.ign")).startsWith("RPM_A "));
        QCOMPARE(questions, 0);
        w->MenuSaveClick();
        QCOMPARE(questions, 1);
        QCOMPARE(seen.mid(0, 2), texts.mid(0, 2));
        QVERIFY2(seen.last().startsWith(texts[2].arg("typed.ign")), qPrintable(seen.last()));
    }

    void openOfAFileWithoutKnownKeysShowsItsPath() {
        SetBlocks(VariedSet());
        const ign::ParameterSet before = w->Parameters();
        answer = Path("unit.S29");
        WriteAll(answer,
                 "S00F000068656C6C6F202020202000003C\r\nS1130000285F245F2212226A000424290008237C2A\r\n");
        ShowProgress();
        QTest::keyClick(w.get(), Qt::Key_F3);
        QVERIFY(w->Parameters() == before);
        QCOMPARE(Label(), answer);
        QCOMPARE(w->ParameterFilePath(), answer);
        QVERIFY(ProgressHidden());
    }

    void saveTakesTextTypedButNotTaken() {
        auto* omez1 = Get<QSpinBox>("EditOmez1");
        omez1->setFocus(Qt::MouseFocusReason);
        omez1->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(omez1, QStringLiteral("9000"));
        answer = Path("typed.ign");
        QTest::keyClick(w.get(), Qt::Key_F2);
        QVERIFY(ReadAll(answer).contains("\r\nOMEZ1     9000 \r\n"));
        QCOMPARE(w->Parameters().ignition.OMEZ1, ign::Byte{90});
    }

    void failuresChangeNothingButTheMessage_data() {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("limitSize");
        QTest::addColumn<QString>("message");
        QTest::newRow("save into a missing folder")
            << true << "missing/set.ign" << false << "Open file error";
        QTest::newRow("save onto a folder") << true << "folder" << false << "Open file error";
        QTest::newRow("save with the disk full") << true << "old.ign" << true << "Write file error";
        QTest::newRow("open of a vanished file") << false << "gone.ign" << false << "Open file error";
        QTest::newRow("open of a folder") << false << "folder" << false << "Open file error";
        // Neither waits for a writer nor reads forever.
        QTest::newRow("open of a pipe") << false << "pipe" << false << "Open file error";
        QTest::newRow("open of a device") << false << "zero" << false << "Open file error";
        QTest::newRow("open of a file over 16 MiB") << false << "huge.ign" << false << "Open file error";
    }
    void failuresChangeNothingButTheMessage() {
        QFETCH(bool, save);
        QFETCH(QString, target);
        QFETCH(bool, limitSize);
        QFETCH(QString, message);
        if (limitSize) IGN_SKIP_WITHOUT_FILE_SIZE_LIMIT();
        if (target == "pipe") IGN_SKIP_ON_WINDOWS("no fifos");
        if (target == "zero") IGN_SKIP_ON_WINDOWS("no /dev/zero");
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("folder")));
#if !defined(Q_OS_WIN)
        if (target == "pipe") QCOMPARE(::mkfifo(QFile::encodeName(Path("pipe")).constData(), 0600), 0);
        if (target == "zero") QVERIFY(QFile::link(QStringLiteral("/dev/zero"), Path("zero")));
#endif
        if (target == "huge.ign") WriteAll(Path("huge.ign"), QByteArray((16 << 20) + 1, ' ') + "OMEZ1 9000");
        WriteAll(Path("old.ign"), "OMEZ1 9000");
        const QString known = Path("known.ign");
        Remember(known);
        // Blocks as the settings may leave them, not yet validated: a failed
        // Save must not run them through validation either.
        ign::ParameterSet unvalidated = w->Parameters();
        unvalidated.ignition.RPM_A[3] = 20;  // below the point before it
        SetBlocks(unvalidated);
        const ign::ParameterSet before = w->Parameters();
        ShowProgress();
        answer = dir->filePath(target);

        QString shown;
        {
            std::unique_ptr<FileSizeLimit> limit;
            if (limitSize) limit = std::make_unique<FileSizeLimit>(64);
            shown = MessageFrom([&] { save ? w->MenuSaveClick() : w->MenuOpenClick(); });
        }
        QCOMPARE(shown, message);
        QVERIFY(w->Parameters() == before);
        QCOMPARE(Label(), known);
        QCOMPARE(w->ParameterFilePath(), known);
        // The dialog used starts next time at the name tried, so the user can
        // correct it; the other dialog is not handed a file that was not written.
        QCOMPARE(w->OpenDialogFileName(), save ? known : answer);
        QCOMPARE(w->SaveDialogFileName(), save ? answer : known);
        QCOMPARE(ReadAll(Path("old.ign")), QByteArray("OMEZ1 9000"));
        QVERIFY(!QFile::exists(Path("missing")));
        QCOMPARE(ProgressHidden(), !save);  // Open hides the progress area in every case
    }

    void cancelChangesNothing_data() {
        QTest::addColumn<bool>("save");
        QTest::newRow("save") << true;
        QTest::newRow("open") << false;
    }
    void cancelChangesNothing() {
        QFETCH(bool, save);
        Remember(Path("known.ign"));
        const ign::ParameterSet before = w->Parameters();
        ShowProgress();
        answer.clear();
        // Text typed but not taken stays pending while a real dialog holds the focus.
        auto* speed = Get<QSpinBox>("Edit4");
        speed->setFocus(Qt::MouseFocusReason);
        speed->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(speed, QStringLiteral("2000"));
        inspect = [](QFileDialog& dialog) {
            QTimer::singleShot(0, &dialog, &QDialog::reject);
            dialog.exec();
        };
        const QString shown = MessageFrom([&] { save ? w->MenuSaveClick() : w->MenuOpenClick(); });
        QCOMPARE(dialogs, 1);
        QVERIFY(shown.isEmpty());
        QVERIFY(w->Parameters() == before);
        QCOMPARE(Label(), Path("known.ign"));
        QCOMPARE(w->ParameterFilePath(), Path("known.ign"));
        QVERIFY(QDir(dir->path()).isEmpty());
        QCOMPARE(ProgressHidden(), !save);
    }

    // ---- printing ----

    void printedPageHoldsTheWindowWithItsDateLine_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("fromMenu");
        QTest::addColumn<bool>("bigSheet");
        QTest::newRow("ignition page, tool button, A3 landscape") << "TabSheet1" << false << true;
        QTest::newRow("monitor page, Ctrl+P item, A3 landscape") << "TabSheet5" << true << true;
        QTest::newRow("injection page, A5 shrinks to fit") << "TabSheet2" << false << false;
    }
    void printedPageHoldsTheWindowWithItsDateLine() {
        QFETCH(QString, page);
        QFETCH(bool, fromMenu);
        QFETCH(bool, bigSheet);
        Get<QTabWidget>("PageControl1")->setCurrentWidget(Get(page.toLatin1().constData()));
        const QString pdf = Path("print.pdf");
        const QPageLayout layout(QPageSize(bigSheet ? QPageSize::A3 : QPageSize::A5),
                                 bigSheet ? QPageLayout::Landscape : QPageLayout::Portrait,
                                 QMarginsF(10, 15, 10, 10), QPageLayout::Millimeter);
        w->SetPrinterSource([&] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            printer->setPageLayout(layout);
            return printer;
        });
        ShowProgress();
        const int top = w->menuWidget()->geometry().bottom() + 1;
        ShowEverything();
        const ign::ParameterSet before = w->Parameters();
        if (fromMenu)
            Get<QAction>("MenuPrint")->trigger();
        else
            QTest::mouseClick(Get("SpeedButtonPrint"), Qt::LeftButton);

        QVERIFY(Get("LabelCasTisku")->isHidden());
        QVERIFY(Get("ProgressBar1")->isHidden());
        QVERIFY(Get("LabelHlaseni")->isVisible());
        QVERIFY(w->Parameters() == before);
        QCOMPARE(PageCount(pdf), 1);

        // Rasterised at the screen's resolution, the printed window is the client
        // area pixel for pixel, at the printable area's top-left corner (10 mm,
        // 15 mm); on a sheet too small for it, as wide as the printable area.
        const int dpi = w->logicalDpiX();
        const QImage sheet = Rasterise(pdf, dpi, dir->path());
        if (sheet.isNull()) QSKIP("pdftoppm is not installed");
        QRect ink;
        for (int y = 0; y < sheet.height(); ++y)
            for (int x = 0; x < sheet.width(); ++x)
                if (qGray(sheet.pixel(x, y)) < 250) ink |= QRect(x, y, 1, 1);
        const QSize client(w->width(), w->height() - top);
        const double printableWidth = layout.paintRect(QPageLayout::Inch).width() * dpi;
        QVERIFY2(bigSheet == (client.width() <= printableWidth),
                 "the sheets no longer test what they are meant to");
        const double scale = bigSheet ? 1.0 : printableWidth / client.width();
        const QString found = QStringLiteral("ink %1,%2 %3x%4, client %5x%6")
                                  .arg(ink.left())
                                  .arg(ink.top())
                                  .arg(ink.width())
                                  .arg(ink.height())
                                  .arg(client.width())
                                  .arg(client.height());
        QVERIFY2(qAbs(ink.left() - 10 * dpi / 25.4) <= 1.5 && qAbs(ink.top() - 15 * dpi / 25.4) <= 1.5,
                 qPrintable(found));
        QVERIFY2(qAbs(ink.width() - client.width() * scale) <= 2 &&
                     qAbs(ink.height() - client.height() * scale) <= 2,
                 qPrintable(found));

        // Where the date line stood, the paper carries text; the label is hidden
        // again, so that spot of the window itself is empty now.
        auto* label = Get<QLabel>("LabelCasTisku");
        QVERIFY(label->text().startsWith(QStringLiteral("Date and Time of printing:  ")));
        label->show();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QRect spot(label->mapTo(w.get(), QPoint(0, 0)) - QPoint(0, top), label->size());
        // The line sits inside the status line, clear of the pages and the progress area.
        QVERIFY(w->statusBar()->geometry().contains(spot.translated(0, top)));
        label->hide();
        const QImage now = w->grab(QRect(0, top, client.width(), client.height())).toImage();
        int printed = 0;
        int onScreen = 0;
        for (int y = spot.top(); y <= spot.bottom(); ++y)
            for (int x = spot.left(); x <= spot.right(); ++x) {
                printed +=
                    IsInk(sheet.pixel(ink.left() + qRound(x * scale), ink.top() + qRound(y * scale))) ? 1 : 0;
                onScreen += IsInk(now.pixel(x, y)) ? 1 : 0;
            }
        QVERIFY2(printed > 50, qPrintable(QString::number(printed)));
        QCOMPARE(onScreen, 0);
    }

    // A window shrunk far below its contents and scrolled to the far corner
    // prints exactly what the window that shows everything prints.
    void aShrunkScrolledWindowPrintsItAll_data() {
        QTest::addColumn<QString>("page");
        QTest::newRow("ignition page") << "TabSheet1";
        QTest::newRow("injection map") << "TabSheet2";
    }
    void aShrunkScrolledWindowPrintsItAll() {
        QFETCH(QString, page);
        Get<QTabWidget>("PageControl1")->setCurrentWidget(Get(page.toLatin1().constData()));
        ShowEverything();
        const QImage whole = PrintedSheet("whole.pdf");
        if (whole.isNull()) QSKIP("pdftoppm is not installed");

        w->resize(400, 300);
        auto* area = Get<QScrollArea>("ClientArea");
        QTRY_VERIFY(area->horizontalScrollBar()->isVisible() && area->verticalScrollBar()->isVisible());
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        const QPoint scrolled(area->horizontalScrollBar()->value(), area->verticalScrollBar()->value());
        const QImage shrunk = PrintedSheet("shrunk.pdf");

        QCOMPARE(w->size(), QSize(400, 300));
        QCOMPARE(QPoint(area->horizontalScrollBar()->value(), area->verticalScrollBar()->value()), scrolled);
        QCOMPARE(shrunk.size(), whole.size());
        // Everything above the status line, where the clock may have moved on.
        const QSize client = FullClient();
        const QPoint corner(qRound(10 * w->logicalDpiX() / 25.4), qRound(15 * w->logicalDpiX() / 25.4));
        int differing = 0;
        for (int y = 0; y < client.height() - w->statusBar()->height(); ++y)
            for (int x = 0; x < client.width(); ++x)
                differing +=
                    whole.pixel(corner + QPoint(x, y)) != shrunk.pixel(corner + QPoint(x, y)) ? 1 : 0;
        QCOMPARE(differing, 0);
        // And that is the whole client area, not some blank: something is
        // drawn near each of its edges (the page frame at least).
        QRect drawn;
        for (int y = 0; y < client.height() - w->statusBar()->height(); ++y)
            for (int x = 0; x < client.width(); ++x)
                if (qGray(shrunk.pixel(corner + QPoint(x, y))) < 250) drawn |= QRect(x, y, 1, 1);
        QVERIFY2(drawn.left() < 10 && drawn.top() < 10 && drawn.right() > client.width() - 10 &&
                     drawn.bottom() > client.height() - w->statusBar()->height() - 40,
                 qPrintable(QStringLiteral("drawn %1,%2 %3x%4")
                                .arg(drawn.x())
                                .arg(drawn.y())
                                .arg(drawn.width())
                                .arg(drawn.height())));
    }

    void dateLineFollowsTheLanguage_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("English") << 0 << "Date and Time of printing:  ";
        QTest::newRow("Czech") << 1 << "Datum a čas tisku:  ";
        QTest::newRow("German") << 2 << "Date and Time of printing:  ";
        QTest::newRow("unknown code keeps the line") << 7 << "earlier line";
    }
    void dateLineFollowsTheLanguage() {
        QFETCH(int, code);
        QFETCH(QString, prefix);
        if (code < 3)
            w->ApplyLanguage(static_cast<std::uint8_t>(code));
        else
            w->SetLanguageCode(static_cast<std::uint8_t>(code));
        auto* label = Get<QLabel>("LabelCasTisku");
        label->setText(QStringLiteral("earlier line"));
        w->SetPrinterSource([&] {
            auto printer = std::make_unique<QPrinter>();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(Path("lang.pdf"));
            return printer;
        });
        const QDate day = QDate::currentDate();
        Get<QAbstractButton>("SpeedButtonPrint")->click();
        if (code >= 3) {
            QCOMPARE(label->text(), prefix);
            return;
        }
        // Short date, four blanks, long time: in en_US "5/4/24    3:04:05 PM".
        const QString expected =
            prefix + QLocale().toString(day, QLocale::ShortFormat) + QStringLiteral("    ");
        QVERIFY2(label->text().startsWith(expected), qPrintable(label->text()));
        const QString time = label->text().mid(expected.size());
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{1,2}:\\d\\d:\\d\\d [AP]M$")).match(time).hasMatch(),
                 qPrintable(time));
    }

    // The time is the locale's long time without the zone's name, whatever the
    // locale writes around it.
    void dateLineTimeHasNoZone_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("English (US)") << "en_US"
                                      << "^\\d{1,2}:\\d\\d:\\d\\d [AP]M$";
        QTest::newRow("German") << "de_DE"
                                << "^\\d\\d:\\d\\d:\\d\\d$";
        QTest::newRow("Czech") << "cs_CZ"
                               << "^\\d{1,2}:\\d\\d:\\d\\d$";
        QTest::newRow("French (Canada), quoted letters") << "fr_CA"
                                                         << "^\\d\\d h \\d\\d min \\d\\d s$";
    }
    void dateLineTimeHasNoZone() {
        QFETCH(QString, locale);
        QFETCH(QString, pattern);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        w->SetPrinterSource([&] {
            auto printer = std::make_unique<QPrinter>();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(Path("zone.pdf"));
            return printer;
        });
        Get<QAbstractButton>("SpeedButtonPrint")->click();
        QLocale::setDefault(before);
        const QString line = Get<QLabel>("LabelCasTisku")->text();
        const QString time = line.section(QStringLiteral("    "), 1);
        QVERIFY2(QRegularExpression(pattern).match(time).hasMatch(), qPrintable(line));
    }

    void withoutAPrinterTheErrorIsShown_data() {
        QTest::addColumn<bool>("systemDefault");
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        const QString english = QStringLiteral("No printer available: install a default printer to print");
        QTest::newRow("no printer from the source, tool button") << false << false << 0 << english;
        QTest::newRow("no printer from the source, Ctrl+P") << false << true << 0 << english;
        QTest::newRow("this machine's default printer") << true << false << 0 << english;
        QTest::newRow("in Czech")
            << false << false << 1
            << QString::fromUtf8("Není k dispozici žádná tiskárna: pro tisk nainstalujte výchozí tiskárnu");
        QTest::newRow("in German")
            << false << true << 2
            << QString::fromUtf8("Kein Drucker verfügbar: zum Drucken einen Standarddrucker einrichten");
        QTest::newRow("back in English") << false << false << 3 << english;
    }
    void withoutAPrinterTheErrorIsShown() {
        QFETCH(bool, systemDefault);
        QFETCH(bool, byKey);
        QFETCH(int, language);
        QFETCH(QString, text);
        if (systemDefault && !QPrinterInfo::defaultPrinter().isNull()) QSKIP("this machine has a printer");
        if (language == 3) {
            w->ApplyGerman();
            w->ApplyEnglish();
        } else {
            w->ApplyLanguage(static_cast<std::uint8_t>(language));
        }
        if (!systemDefault) w->SetPrinterSource([] { return std::unique_ptr<QPrinter>(); });
        ShowProgress();
        // Through the application's event handling, as the user's click or key goes.
        const QString shown = MessageFrom([&] {
            if (byKey)
                QTest::keyClick(w.get(), Qt::Key_P, Qt::ControlModifier);
            else
                QTest::mouseClick(Get("SpeedButtonPrint"), Qt::LeftButton);
        });
        QCOMPARE(shown, text);
        QVERIFY(Get("LabelCasTisku")->isVisible());
        QVERIFY(Get("ProgressBar1")->isHidden());
        QVERIFY(Get("LabelHlaseni")->isVisible());
        QVERIFY(w->isVisible());
    }
};

IGN_WINDOW_TEST_MAIN(TestFilesPrint)

#include "test_files_print.moc"
