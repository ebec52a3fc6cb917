// The tune sheet made from the window: its File menu item in every language,
// and its dialog saving the sheet as a PDF, read back with poppler's tools.
#include "DefaultSets.h"
#include "FileSizeLimit.h"
#include "MessageBoxes.h"
#include "PdfTools.h"
#include "QuietLine.h"
#include "RestorePointStore.h"
#include "ThrowawaySettings.h"
#include "Validation.h"
#include "WindowTest.h"
#include "report/TuneSheetDialog.h"
#include "window/Hlav.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <memory>

using ign::TFormHlav;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestTuneSheet : public QObject {
    Q_OBJECT

    std::unique_ptr<ThrowawaySettings> settings;
    std::unique_ptr<TFormHlav> w;
    QTemporaryDir dir;
    QString answer;

    void MakeWindow() {
        w = std::make_unique<TFormHlav>([](const QString&) { return std::make_unique<QuietLine>(); });
        w->SetFileDialogRunner([this](QFileDialog&) { return answer; });
        w->show();
    }

private slots:
    void init() {
        settings = std::make_unique<ThrowawaySettings>("[PORTS]\r\nCOM1=none\r\nCOM2=none\r\n");
        MakeWindow();
    }
    void cleanup() {
        w.reset();
        settings.reset();
    }

    // The item stands first of File's later items, right after Print and its
    // separator; in every language its access key is one no other item of
    // File has, and the dialog is called what the item says.
    void fileMenuHasTheSheetAfterPrint_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 0;
        QTest::newRow("Czech") << 1;
        QTest::newRow("German") << 2;
    }
    void fileMenuHasTheSheetAfterPrint() {
        QFETCH(int, language);
        w->ApplyLanguage(static_cast<std::uint8_t>(language));
        const QList<QAction*> items = ControlOf<QMenu>(*w, "MenuFile")->actions();
        QStringList names;
        QSet<QKeySequence> keys;
        for (const QAction* item : items) {
            names << item->objectName();
            const QKeySequence key = QKeySequence::mnemonic(item->text());
            if (item->isSeparator()) continue;
            QVERIFY2(!key.isEmpty() && !keys.contains(key), qPrintable(item->text()));
            keys.insert(key);
        }
        const qsizetype print = names.indexOf("MenuPrint");
        QCOMPARE(names.mid(print, 3), (QStringList{"MenuPrint", "", "MenuTuneSheet"}));
        QVERIFY(names.indexOf("MenuTuneSheet") < names.lastIndexOf("") &&
                names.lastIndexOf("") < names.indexOf("MenuExit"));

        QAction* item = ControlOf<QAction>(*w, "MenuTuneSheet");
        item->trigger();
        auto* dialog = ControlOf<ign::TuneSheetDialog>(*w, "TuneSheetDialog");
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), item->text().remove('&').remove("..."));
    }

    // The dialog's PDF holds the note as typed, the window's file and the
    // difference from what was programmed before, on the locale's paper; a
    // save that cannot be done says so and leaves the old file as it was.
    void dialogSavesThePdfWithTheNote() {
        if (!pdf::ToolsThere()) QSKIP("poppler-utils (pdftotext, pdftoppm) are not installed");
        // What was programmed before: this set with one curve point less.
        ign::ParameterSet before = w->Parameters();
        before.ignition.ADV_A[4] = static_cast<ign::Byte>(before.ignition.ADV_A[4] - 1);
        ign::ValidateParameters(before);
        ign::RestorePointStore store(settings->HistoryPath().toStdString());
        QVERIFY(!store.Write(before, ign::RestoreReason::Program, "SIM12", {2026, 5, 1, 18, 30, 0}).failed());
        // The set of the window, saved: the sheet names its file.
        answer = dir.filePath("race.ign");
        w->MenuSaveClick();

        ControlOf<QAction>(*w, "MenuTuneSheet")->trigger();
        auto* dialog = ControlOf<ign::TuneSheetDialog>(*w, "TuneSheetDialog");
        QCOMPARE(dialog->PaperChoice()->currentText(), QString("Letter"));  // the test's locale is en_US
        QCOMPARE(dialog->ReferenceChoice()->currentText(),
                 QString("Programmed before: 2026-05-01_18-30-00_program_SIM12.ign"));
        QTest::keyClicks(dialog->NoteField(), "Rain tyres, jet +2");

        const QString pdfPath = dir.filePath("sheet.pdf");
        QFile old(pdfPath);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("the sheet before") > 0);
        old.close();
        answer = pdfPath;
#if !defined(Q_OS_WIN)
        {
            // As on a full disk: the write fails part way.
            FileSizeLimit limit(1024);
            const QString failure =
                MessageFrom([&] { ControlOf<QPushButton>(*dialog, "TuneSheetSavePdf")->click(); });
            QVERIFY2(failure.contains(pdfPath), qPrintable(failure));
        }
        QCOMPARE(ReadAll(pdfPath), QByteArray("the sheet before"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(),
                 2);  // race.ign and sheet.pdf, nothing partial
#endif
        QVERIFY(MessageFrom([&] { ControlOf<QPushButton>(*dialog, "TuneSheetSavePdf")->click(); }).isEmpty());
        QVERIFY(ReadAll(pdfPath).startsWith("%PDF"));
        const QString text = pdf::Text(pdfPath);
        QVERIFY2(text.contains("Rain tyres, jet +2"), qPrintable(text));
        QVERIFY(text.contains("race.ign"));
        QVERIFY(text.contains("2026-05-01_18-30-00_program_SIM12.ign"));
        QVERIFY(!text.contains("no reference"));
        QVERIFY(pdf::InfoOf(pdfPath).pageSize.contains("letter", Qt::CaseInsensitive));

        // Restored from the point: the sheet names it, and the dialog takes the note kept beside it.
        const ign::RestorePoint point = store.List().points.front();
        QVERIFY(!store.WriteNote(point, "Programmed at the track").failed());
        ControlOf<QAction>(*w, "MenuHistory")->trigger();
        auto* list = ControlOf<QTreeView>(*w, "HistoryList");
        list->setCurrentIndex(list->model()->index(0, 0));
        ControlOf<QPushButton>(*w, "HistoryRestore")->click();
        ControlOf<QAction>(*w, "MenuTuneSheet")->trigger();
        QCOMPARE(dialog->NoteField()->toPlainText(), QString("Programmed at the track"));
        ControlOf<QPushButton>(*dialog, "TuneSheetSavePdf")->click();
        const QString restored = pdf::Text(pdfPath);
        QVERIFY2(restored.contains("File: race.ign Restore point: 2026-05-01_18-30-00_program_SIM12.ign"),
                 qPrintable(restored));
        QVERIFY(restored.contains("Note: Programmed at the track"));
    }
};

IGN_WINDOW_TEST_MAIN(TestTuneSheet)
#include "test_tune_sheet.moc"
