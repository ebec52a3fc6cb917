// Restore points, the history window and the unit-match field, through the
// real window on the simulated unit. The window's timer is stopped; each test
// ticks it, and the restore points are named by a clock of the test's own.
#include "DefaultSets.h"
#include "DeviceImageCodec.h"
#include "MessageBoxes.h"
#include "ParameterFile.h"
#include "RestorePointStore.h"
#include "SimulatedLine.h"
#include "SimulatedUnit.h"
#include "ThrowawaySettings.h"
#include "UnitMatch.h"
#include "Validation.h"
#include "WindowTest.h"
#include "WindowTicks.h"
#include "app/QuitSignals.h"
#include "history/HistoryWindow.h"
#include "history/RestorePointRecorder.h"
#include "port/PortDialog.h"
#include "window/Hlav.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <memory>

using ign::TFormHlav;

namespace {

namespace fs = std::filesystem;

// A valid set the window's defaults do not have, as the unit holds it.
ign::ParameterSet UnitSet() {
    ign::ParameterSet set = DefaultSet(3);
    for (std::size_t i = 0; i < set.injection.JET.size(); ++i)
        set.injection.JET[i] = static_cast<ign::Byte>(30 + i);
    set.ignition.ADV_A[4] = static_cast<ign::Byte>(set.ignition.ADV_A[4] - 2);
    ign::ValidateParameters(set);
    ign::PackDeviceImage(set);
    return set;
}

QByteArray FileBytes(const fs::path& path) {
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Written(const ign::ParameterSet& set) {
    return QByteArray::fromStdString(ign::WriteParameterFile(set));
}

constexpr ign::LocalTime kNow{2026, 3, 14, 9, 5, 7};

// The image the window's set packs into, as the link sends it.
ign::DeviceImage Packed(ign::ParameterSet set) {
    ign::PackDeviceImage(set);
    return set.image;
}

}  // namespace

class TestHistoryWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<ThrowawaySettings> settings;
    std::unique_ptr<ign::SimulatedUnit> unit;
    std::unique_ptr<TFormHlav> w;

    void Open(const QByteArray& more = {}) {
        w.reset();
        settings = std::make_unique<ThrowawaySettings>("[PORTS]\r\nCOM1=unit\r\nCOM2=unit\r\n" + more);
        MakeWindow();
    }
    void MakeWindow() {
        w = std::make_unique<TFormHlav>([this](const QString& name) -> std::unique_ptr<ign::SerialLine> {
            if (name == "unit") return std::make_unique<ign::SimulatedLine>(*unit);
            return nullptr;
        });
        ControlOf<QTimer>(*w, "Timer1")->stop();
        Recorder()->SetClock([] { return kNow; });
        w->show();
    }
    ign::RestorePointRecorder* Recorder() { return w->findChild<ign::RestorePointRecorder*>(); }
    fs::path Folder() { return Recorder()->Folder(); }
    // Every point on disk, newest first, once every write asked for has ended.
    std::vector<ign::RestorePoint> Points() {
        if (w) Recorder()->Flush();
        return ign::RestorePointStore(fs::path(settings->HistoryPath().toStdString())).List().points;
    }
    // Newest first; within one second by sequence, then by name.
    QStringList Names() {
        QStringList names;
        for (const ign::RestorePoint& p : Points())
            names << QString::fromStdString(p.path.filename().string());
        return names;
    }
    QStringList SortedNames() {
        QStringList names = Names();
        names.sort();
        return names;
    }
    QByteArray PointBytes(const QString& name) {
        if (w) Recorder()->Flush();
        return FileBytes(fs::path(settings->HistoryPath().toStdString()) / name.toStdString());
    }
    int RunTransfer() { return RunWindowTransfer(*unit, *w); }
    void Read() {
        w->MenuReadClick();
        RunTransfer();
    }
    void Edit() {
        w->Document().Apply(ign::ChangeCause::Edit, [](ign::ParameterSet& set) {
            set.ignition.ADV_A[0] = static_cast<ign::Byte>(set.ignition.ADV_A[0] + 1);
            return true;
        });
    }
    ign::UnitMatch State() {
        return static_cast<ign::UnitMatch>(ControlOf<QStackedWidget>(*w, "UnitMatchState")->currentIndex());
    }
    QString StateText() {
        return qobject_cast<QLabel*>(ControlOf<QStackedWidget>(*w, "UnitMatchState")->currentWidget())
            ->text();
    }

private slots:
    void initTestCase() { ign::QuitSignals::BlockForWatching(); }
    void init() {
        unit = std::make_unique<ign::SimulatedUnit>();
        const ign::ParameterSet held = UnitSet();
        for (int offset = 1; offset <= 210; ++offset) unit->setMemory(offset, held.image.at(offset));
    }
    void cleanup() {
        w.reset();
        settings.reset();
    }

    // Each command keeps the set it replaces, the Read the set it brought,
    // Program the set it sends, close the set at close: with those bytes, at that moment.
    void eachReasonAtItsMoment() {
        Open();
        const ign::ParameterSet start = w->Parameters();
        Read();
        const ign::ParameterSet read = w->Parameters();
        QCOMPARE(SortedNames(),
                 (QStringList{"2026-03-14_09-05-07_before-read.ign", "2026-03-14_09-05-07_read_SIM12.ign"}));
        QCOMPARE(PointBytes("2026-03-14_09-05-07_before-read.ign"), Written(start));
        QCOMPARE(PointBytes("2026-03-14_09-05-07_read_SIM12.ign"), Written(read));

        // Program: asked for once its first frame is out, with the set being sent.
        Edit();
        bool firstFrameOut = false;
        Recorder()->SetClock([&] {
            const ign::LinkState& link = w->DeviceLink().state();
            firstFrameOut = link.TransferMode == ign::TransferMode::Program && link.AwaitingResponse &&
                            link.FrameCode == 0 && link.SendCount == 1;
            return kNow;
        });
        w->MenuProgramClick();
        QVERIFY(firstFrameOut);
        const ign::ParameterSet programmed = w->Parameters();
        QCOMPARE(PointBytes("2026-03-14_09-05-07_program_SIM12.ign"), Written(programmed));
        RunTransfer();
        Recorder()->SetClock([] { return kNow; });

        // Open: the set it replaced; then the first live adjustment after it, and no second one.
        QTemporaryDir files;
        const QString file = files.filePath("other.ign");
        ign::ParameterSet other = DefaultSet(1);
        QVERIFY(ign::SaveParameterFile(file.toStdString(), other) == ign::FileWriteResult::Ok);
        w->SetFileDialogRunner([&](QFileDialog&) { return file; });
        w->MenuOpenClick();
        QCOMPARE(PointBytes("2026-03-14_09-05-07_before-open_SIM12.ign"), Written(programmed));
        const ign::ParameterSet opened = w->Parameters();
        w->CurvePlusClick();
        RunTransfer();
        const ign::ParameterSet afterLive = w->Parameters();
        w->CurvePlusClick();
        RunTransfer();
        QCOMPARE(PointBytes("2026-03-14_09-05-07_before-live_SIM12.ign"), Written(opened));
        QVERIFY(!Names().contains("2026-03-14_09-05-07_before-live_SIM12-2.ign"));

        const ign::ParameterSet beforeNew = w->Parameters();
        QVERIFY(!(beforeNew == afterLive));
        w->MenuNewClick();
        QCOMPARE(PointBytes("2026-03-14_09-05-07_before-new_SIM12.ign"), Written(beforeNew));

        const ign::ParameterSet atClose = w->Parameters();
        w->close();
        QCOMPARE(PointBytes("2026-03-14_09-05-07_close_SIM12.ign"), Written(atClose));
        QCOMPARE(Names().size(), 7);
    }

    // Two points of one reason in one second are both kept; a set equal to
    // the newest of its reason is not written again, so a second Read of the
    // same unit leaves one read point (and, changing nothing, no before-read).
    void sameSecondKeepsBothAndIdenticalIsWrittenOnce() {
        Open();
        Read();
        Read();
        QCOMPARE(SortedNames(),
                 (QStringList{"2026-03-14_09-05-07_before-read.ign", "2026-03-14_09-05-07_read_SIM12.ign"}));
        auto* take = ControlOf<QPushButton>(*w, "HistoryTakeNow");
        take->click();
        take->click();
        Edit();
        take->click();
        QCOMPARE(SortedNames(),
                 (QStringList{"2026-03-14_09-05-07_before-read.ign", "2026-03-14_09-05-07_manual_SIM12-2.ign",
                              "2026-03-14_09-05-07_manual_SIM12.ign", "2026-03-14_09-05-07_read_SIM12.ign"}));
    }

    // A folder that cannot be written is said once, in the field, and every
    // command goes on as without restore points; a written one takes the note away.
    void unwritableFolderIsSaidOnceAndCommandsRun() {
        settings = std::make_unique<ThrowawaySettings>("[PORTS]\r\nCOM1=unit\r\nCOM2=unit\r\n");
        // A file where the history folder goes (on Windows the program's data folder is its settings
        // folder too, so it is the history folder itself that is blocked).
        QVERIFY(QDir().mkpath(QFileInfo(settings->HistoryPath()).path()));
        QFile blocker(settings->HistoryPath());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        MakeWindow();
        QSignalSpy failures(Recorder(), &ign::RestorePointRecorder::failed);
        auto* note = ControlOf<QLabel>(*w, "RestorePointFailed");
        QVERIFY(note->isHidden());

        Read();
        Edit();
        w->MenuProgramClick();
        RunTransfer();
        Recorder()->Flush();
        QCOMPARE(failures.size(), 1);
        QVERIFY(!note->isHidden());
        QCOMPARE(w->DeviceLink().display().status, ign::MessageId::VerifyOk);
        const ign::DeviceImage sent = Packed(w->Parameters());
        QVERIFY(std::equal(sent.bytes.begin(), sent.bytes.begin() + 210, unit->memory().begin()));

        QVERIFY(blocker.remove());
        ControlOf<QPushButton>(*w, "HistoryTakeNow")->click();
        Recorder()->Flush();
        QVERIFY(note->isHidden());
        QCOMPARE(failures.size(), 1);
    }

    // The field through Read, an edit, Program and a Verify the unit fails,
    // with the mark for the file beside it.
    void indicatorFollowsTheUnit_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 0;
        QTest::newRow("Czech") << 1;
        QTest::newRow("German") << 2;
    }
    void indicatorFollowsTheUnit() {
        QFETCH(int, language);
        Open();
        w->ApplyLanguage(static_cast<std::uint8_t>(language));
        const QString title = w->windowTitle();
        const auto text = [&](ign::UnitMatch state) {
            return QString::fromUtf8(ign::UnitMatchText(state, static_cast<std::uint8_t>(language)));
        };
        QCOMPARE(State(), ign::UnitMatch::UnitNotChecked);
        Read();
        QCOMPARE(State(), ign::UnitMatch::UnitEqualsWindow);
        QCOMPARE(StateText(), text(ign::UnitMatch::UnitEqualsWindow));
        Edit();
        QCOMPARE(State(), ign::UnitMatch::ChangedSinceProgram);
        QCOMPARE(StateText(), text(ign::UnitMatch::ChangedSinceProgram));
        w->MenuProgramClick();
        QCOMPARE(State(), ign::UnitMatch::ChangedSinceProgram);  // not before its Verify has said so
        RunTransfer();
        QCOMPARE(State(), ign::UnitMatch::UnitEqualsWindow);

        unit->setMemory(5,
                        static_cast<ign::Byte>(unit->memory()[4] ^ 1));  // the unit changed behind our back
        w->MenuVerifyClick();
        RunTransfer();
        QCOMPARE(w->DeviceLink().display().status, ign::MessageId::VerifyError);
        QCOMPARE(State(), ign::UnitMatch::UnitDiffers);  // it answered, with other bytes
        QCOMPARE(StateText(), text(ign::UnitMatch::UnitDiffers));
        Edit();
        QCOMPARE(State(), ign::UnitMatch::UnitDiffers);
        // A cell that ignores writes: the Program's verify finds it.
        unit->faults().stuckOffset = 5;
        w->MenuProgramClick();
        RunTransfer();
        QCOMPARE(State(), ign::UnitMatch::UnitDiffers);
        unit->faults().stuckOffset = 0;
        // A unit that says nothing was not checked at all.
        unit->faults().silent = true;
        w->MenuVerifyClick();
        RunTransfer();
        QCOMPARE(w->DeviceLink().display().status, ign::MessageId::VerifyError);
        QCOMPARE(State(), ign::UnitMatch::UnitNotChecked);
        QCOMPARE(StateText(), text(ign::UnitMatch::UnitNotChecked));
        unit->faults().silent = false;

        auto* differs = ControlOf<QLabel>(*w, "UnitMatchDiffersFromFile");
        QVERIFY(differs->isHidden());
        QTemporaryDir files;
        const QString file = files.filePath("saved.ign");
        w->SetFileDialogRunner([&](QFileDialog&) { return file; });
        w->MenuSaveClick();
        QVERIFY(differs->isHidden());
        Edit();
        QVERIFY(!differs->isHidden());
        QCOMPARE(differs->text(),
                 QString::fromUtf8(ign::DiffersFromFileText(static_cast<std::uint8_t>(language))));
        w->MenuOpenClick();
        QVERIFY(differs->isHidden());
        // The window title and the file label stay as they always were.
        QCOMPARE(ControlOf<QLabel>(*w, "LabelFile2")->text(), file);
        QCOMPARE(w->windowTitle(), title);
        // A Read leaves no file shown, and with it no file to differ from.
        Read();
        QCOMPARE(ControlOf<QLabel>(*w, "LabelFile2")->text(), QString());
        QVERIFY(differs->isHidden());
    }

    // A narrow line keeps most of its room for the hint: the field shows
    // short forms, the whole texts as their tooltips, and the whole texts
    // again once there is room.
    void narrowLineKeepsTheHint() {
        Open();
        w->ApplyLanguage(2);
        Read();
        QTemporaryDir files;
        const QString file = files.filePath("saved.ign");
        w->SetFileDialogRunner([&](QFileDialog&) { return file; });
        w->MenuSaveClick();
        Edit();
        auto* field = ControlOf<QWidget>(*w, "UnitMatchField");
        QStatusBar* line = w->statusBar();
        w->resize(400, 300);
        QTRY_COMPARE(line->width(), 400);
        QTRY_VERIFY(field->width() <= line->width() / 2);
        auto* state = ControlOf<QStackedWidget>(*w, "UnitMatchStateShort");
        QVERIFY(state->isVisible());
        QCOMPARE(state->currentWidget()->toolTip(), QStringLiteral("Geändert seit letzter Programmierung"));
        QCOMPARE(ControlOf<QLabel>(*w, "UnitMatchDiffersFromFileShort")->toolTip(),
                 QStringLiteral("Weicht von der Datei ab"));
        w->resize(1200, 500);
        QTRY_VERIFY(ControlOf<QLabel>(*w, "UnitMatchDiffersFromFile")->isVisible());
        QCOMPARE(StateText(), QStringLiteral("Geändert seit letzter Programmierung"));
    }

    // With ReadBeforeProgram, Program first reads the unit aside into a point
    // of its own, leaving the window's set alone, and then programs as always.
    void readBeforeProgramKeepsWhatTheUnitHeld() {
        Open("[HISTORY]\r\nReadBeforeProgram=1\r\n");
        Read();
        const QByteArray held = PointBytes("2026-03-14_09-05-07_read_SIM12.ign");
        Edit();
        w->MenuProgramClick();
        const ign::ParameterSet edited = w->Parameters();
        QCOMPARE(w->DeviceLink().state().TransferMode,
                 ign::TransferMode::None);  // the read aside comes first
        // Meanwhile the window's link keeps still with its line: the Read's result stays as long as it was.
        const ign::Byte countdown = w->DeviceLink().state().StatusHideTicks;
        QVERIFY(countdown > 0);
        int ticks = 0;
        while (w->DeviceLink().state().TransferMode != ign::TransferMode::Program && ticks++ < 100) {
            TickWindow(*unit, *w);
            QCOMPARE(w->Parameters(), edited);
            QCOMPARE(w->DeviceLink().line(), w->Line());
            if (w->DeviceLink().state().TransferMode == ign::TransferMode::None)
                QCOMPARE(w->DeviceLink().state().StatusHideTicks, countdown);
        }
        QCOMPARE(PointBytes("2026-03-14_09-05-07_unit-before-program_SIM12.ign"), held);
        RunTransfer();
        QCOMPARE(w->DeviceLink().display().status, ign::MessageId::VerifyOk);
        const ign::DeviceImage sent = Packed(edited);
        QVERIFY(std::equal(sent.bytes.begin(), sent.bytes.begin() + 210, unit->memory().begin()));
        QCOMPARE(PointBytes("2026-03-14_09-05-07_program_SIM12.ign"), Written(w->Parameters()));
    }

    // The line is not lent for a read aside while a transfer runs: the
    // Program replaces the transfer at once, as any command does.
    void programDuringATransferIsNotHeldForTheReadAside() {
        Open("[HISTORY]\r\nReadBeforeProgram=1\r\n");
        w->MenuReadClick();
        w->MenuProgramClick();
        QCOMPARE(w->DeviceLink().state().TransferMode, ign::TransferMode::Program);
        RunTransfer();
        QCOMPARE(w->DeviceLink().display().status, ign::MessageId::VerifyOk);
        QCOMPARE(w->DeviceLink().line(), w->Line());
    }

    // Retention runs at start by [HISTORY]; the window lists newest first,
    // marks keep by the name, and restores a point as one step after a
    // before-restore point; closing stores [HISTORY] after the other sections.
    void historyWindowListsKeepsAndRestores() {
        settings = std::make_unique<ThrowawaySettings>(
            "[PORTS]\r\nCOM1=unit\r\nCOM2=unit\r\n[HISTORY]\r\nKeepDays=1\r\nKeepCount=3\r\n");
        ign::RestorePointStore made(fs::path(settings->HistoryPath().toStdString()), {100000, 100000});
        ign::ParameterSet set = DefaultSet(2);
        for (int day = 1; day <= 5; ++day) {
            set.ignition.ADV_A[0] = static_cast<ign::Byte>(10 + day);
            QVERIFY(!made.Write(set, ign::RestoreReason::Manual, "", {2026, 3, day, 12, 0, 0}).failed());
        }
        MakeWindow();
        Recorder()->Flush();
        QCOMPARE(Names(), (QStringList{"2026-03-05_12-00-00_manual.ign", "2026-03-04_12-00-00_manual.ign",
                                       "2026-03-03_12-00-00_manual.ign"}));

        ControlOf<QAction>(*w, "MenuHistory")->trigger();
        auto* window = ControlOf<ign::HistoryWindow>(*w, "HistoryWindow");
        QVERIFY(window->isVisible());
        QTreeView* list = window->List();
        QCOMPARE(list->model()->rowCount(), 3);
        QCOMPARE(list->model()->index(0, 0).data().toString(), QString("2026-03-05 12:00:00"));
        QCOMPARE(list->model()->index(0, 1).data().toString(), QString("Manual"));
        QVERIFY(!ControlOf<QPushButton>(*w, "HistoryCompare")->isEnabled());

        list->setCurrentIndex(list->model()->index(2, 0));
        ControlOf<QPushButton>(*w, "HistoryKeep")->click();
        Recorder()->Flush();
        QVERIFY(Names().contains("2026-03-03_12-00-00_manual_keep.ign"));
        QCOMPARE(list->model()->index(2, 3).data().toString(), QString("✓"));
        QVERIFY(window->Selected() != nullptr &&
                window->Selected()->name.keep);  // still chosen after its rename

        const ign::ParameterSet before = w->Parameters();
        list->setCurrentIndex(list->model()->index(1, 0));
        ControlOf<QPushButton>(*w, "HistoryRestore")->click();
        QCOMPARE(w->Parameters().ignition.ADV_A[0], 14);
        Recorder()->Flush();
        QCOMPARE(PointBytes("2026-03-14_09-05-07_before-restore.ign"), Written(before));
        QCOMPARE(list->model()->rowCount(), 4);  // the window follows the folder while open

        w->close();
        const QByteArray stored = settings->Text();
        QVERIFY(stored.indexOf("[HISTORY]\r\nKeepDays=1\r\nKeepCount=3\r\nReadBeforeProgram=0\r\n") >
                stored.indexOf("[PORTS]"));
    }

    // The list says why in the window's language, the file names keep their
    // tags, and the window is called what its menu item says.
    void historySpeaksTheWindowsLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("beforeRead");
        QTest::newRow("English") << 0 << "Before Read";
        QTest::newRow("Czech") << 1 << "Před čtením";
        QTest::newRow("German") << 2 << "Vor dem Lesen";
    }
    void historySpeaksTheWindowsLanguage() {
        QFETCH(int, language);
        Open();
        w->ApplyLanguage(static_cast<std::uint8_t>(language));
        Read();
        QAction* item = ControlOf<QAction>(*w, "MenuHistory");
        item->trigger();
        auto* window = ControlOf<ign::HistoryWindow>(*w, "HistoryWindow");
        QString title = item->text();
        QCOMPARE(window->windowTitle(), title.remove('&').remove("..."));
        Recorder()->Flush();
        window->Refresh();
        const QAbstractItemModel* model = window->List()->model();
        QCOMPARE(model->rowCount(), 2);
        const int row = model->index(0, 0).data(Qt::ToolTipRole).toString().contains("before-read") ? 0 : 1;
        QCOMPARE(model->index(row, 0).data(Qt::ToolTipRole).toString(),
                 QString("2026-03-14_09-05-07_before-read.ign"));
        QFETCH(QString, beforeRead);
        QCOMPARE(model->index(row, 1).data().toString(), beforeRead);
    }

    // The port dialog's test of the window's port says who the unit is; a
    // Program after it names the unit in its point, as one after a Read does.
    void programNamesTheUnitThePortTestFound() {
        Open();
        w->SetPortDialogRunner([this](ign::PortDialog& dialog) {
            auto* test = ControlOf<QAbstractButton>(dialog, "ButtonTest1");
            test->click();
            for (int i = 0; i < 100 && !test->isEnabled(); ++i) {
                TickWindow(*unit, *w);
                QTest::qWait(20);
            }
            return int(QDialog::Rejected);
        });
        ControlOf<QAction>(*w, "MenuPorts")->trigger();
        w->MenuProgramClick();
        RunTransfer();
        QVERIFY2(Names().contains("2026-03-14_09-05-07_program_SIM12.ign"), qPrintable(Names().join(' ')));
    }

    // A value typed and not yet taken goes into the set before a restore, as
    // before every other step, so Undo brings it back.
    void restoreKeepsTheTypedValueForUndo() {
        Open();
        ign::RestorePointStore made(fs::path(settings->HistoryPath().toStdString()), {100000, 100000});
        QVERIFY(!made.Write(DefaultSet(2), ign::RestoreReason::Manual, "", {2026, 3, 1, 12, 0, 0}).failed());
        auto* field = ControlOf<QSpinBox>(*w, "Edit11");
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, "33");
        ControlOf<QAction>(*w, "MenuHistory")->trigger();
        auto* window = ControlOf<ign::HistoryWindow>(*w, "HistoryWindow");
        window->List()->setCurrentIndex(window->List()->model()->index(0, 0));
        ControlOf<QPushButton>(*w, "HistoryRestore")->click();
        QVERIFY(DefaultSet(2).ignition.ADV_A[0] != 33);
        QCOMPARE(w->Parameters().ignition.ADV_A[0], DefaultSet(2).ignition.ADV_A[0]);
        ControlOf<QAction>(*w, "MenuUndo")->trigger();
        QCOMPARE(w->Parameters().ignition.ADV_A[0], 33);
        QCOMPARE(field->text(), QString("33"));
    }

    // A point of random bytes gives no value: restoring it says so in the
    // window's language and changes nothing, no before-restore point included.
    void restoringAPointThatHoldsNoSetSaysSo() {
        Open();
        Recorder()->Flush();
        const QString name = "2026-03-13_12-00-00_manual.ign";
        fs::create_directories(Folder());
        QFile damaged(QString::fromStdString((Folder() / name.toStdString()).string()));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        QByteArray noise(4000, '\0');
        std::uint32_t seed = 23;
        for (char& c : noise) c = static_cast<char>((seed = seed * 1664525u + 1013904223u) >> 24);
        damaged.write(noise);
        damaged.close();
        const QStringList before = Names();
        const ign::ParameterSet set = w->Parameters();
        w->ApplyLanguage(2);
        ControlOf<QAction>(*w, "MenuHistory")->trigger();
        auto* window = ControlOf<ign::HistoryWindow>(*w, "HistoryWindow");
        window->List()->setCurrentIndex(window->List()->model()->index(before.indexOf(name), 0));
        QCOMPARE(MessageFrom([&] { ControlOf<QPushButton>(*w, "HistoryRestore")->click(); }),
                 QString::fromUtf8("Der Wiederherstellungspunkt %1 enthält keinen Parametersatz").arg(name));
        QVERIFY(w->Parameters() == set);
        QCOMPARE(Names(), before);
    }

    // A note typed into the field goes beside its point when another point is
    // chosen, is there after a restart, in the column and the field, and the
    // filter finds its point by any word of it, in any case; a keep right
    // after typing carries the note with its point. Typing past the
    // greatest length keeps the first 4 000 characters; a note whose point
    // has gone stays in the field with the reason shown until another
    // point is chosen twice.
    void noteSurvivesARestartAndTheFilterFindsIt() {
        settings = std::make_unique<ThrowawaySettings>("[PORTS]\r\nCOM1=unit\r\nCOM2=unit\r\n");
        ign::RestorePointStore made(fs::path(settings->HistoryPath().toStdString()));
        ign::ParameterSet set = DefaultSet(2);
        for (int day = 1; day <= 3; ++day) {
            set.ignition.ADV_A[0] = static_cast<ign::Byte>(10 + day);
            QVERIFY(!made.Write(set, ign::RestoreReason::Manual, "", {2026, 3, day, 12, 0, 0}).failed());
        }
        MakeWindow();
        ControlOf<QAction>(*w, "MenuHistory")->trigger();
        auto* window = ControlOf<ign::HistoryWindow>(*w, "HistoryWindow");
        QTreeView* list = window->List();
        list->setCurrentIndex(list->model()->index(1, 0));
        QTest::keyClicks(window->NoteField(), "Dry track, Jet +2");
        QTest::keyClick(window->NoteField(), Qt::Key_Return);
        QTest::keyClicks(window->NoteField(), "rider liked it");
        list->setCurrentIndex(list->model()->index(0, 0));
        const fs::path point =
            fs::path(settings->HistoryPath().toStdString()) / "2026-03-02_12-00-00_manual.ign";
        QCOMPARE(made.ReadNote({point, {}, true}).text, std::string("Dry track, Jet +2\nrider liked it"));

        QTest::keyClicks(window->NoteField(), "x");
        window->NoteField()->insertPlainText(QString(5000, QChar(0x0159)));  // ř, pasted
        QCOMPARE(window->NoteField()->toPlainText().size(), 4000);
        QVERIFY(window->SaveNote());

        // Typed, then kept at once: the note goes with its point's new name.
        list->setCurrentIndex(list->model()->index(2, 0));
        QTest::keyClicks(window->NoteField(), "wet, soft");
        ControlOf<QPushButton>(*w, "HistoryKeep")->click();
        Recorder()->Flush();
        const fs::path kept =
            fs::path(settings->HistoryPath().toStdString()) / "2026-03-01_12-00-00_manual_keep.ign";
        QCOMPARE(made.ReadNote({kept, {}, true}).text, std::string("wet, soft"));

        w.reset();
        MakeWindow();
        ControlOf<QAction>(*w, "MenuHistory")->trigger();
        window = ControlOf<ign::HistoryWindow>(*w, "HistoryWindow");
        list = window->List();
        QCOMPARE(list->model()->index(1, ign::RestorePointModel::NoteColumn).data().toString(),
                 QString("Dry track, Jet +2 …"));
        QTest::keyClicks(window->FilterField(), "JET");
        QCOMPARE(list->model()->rowCount(), 1);
        QCOMPARE(list->model()->index(0, 0).data().toString(), QString("2026-03-02 12:00:00"));
        list->setCurrentIndex(list->model()->index(0, 0));
        QCOMPARE(window->NoteField()->toPlainText(), QString("Dry track, Jet +2\nrider liked it"));
        window->FilterField()->setText("rain");
        QCOMPARE(list->model()->rowCount(), 0);
        window->FilterField()->clear();
        QCOMPARE(list->model()->rowCount(), 3);
        QCOMPARE(list->model()->index(0, ign::RestorePointModel::NoteColumn).data().toString().size(), 4000);

        list->setCurrentIndex(list->model()->index(2, 0));
        QTest::keyClicks(window->NoteField(), ", first day");
        QVERIFY(fs::remove(kept));
        window->Refresh();
        QVERIFY(!window->SaveNote());
        QVERIFY(ControlOf<QLabel>(*w, "HistoryNoteError")->isVisible());
        QCOMPARE(window->NoteField()->toPlainText(), QString("wet, soft, first day"));
        list->setCurrentIndex(list->model()->index(1, 0));  // shown once more, then given up for the choice
        QCOMPARE(window->NoteField()->toPlainText(), QString("wet, soft, first day"));
        list->setCurrentIndex(list->model()->index(0, 0));
        QCOMPARE(window->NoteField()->toPlainText().size(), 4000);
    }
};

IGN_WINDOW_TEST_MAIN(TestHistoryWindow)
#include "test_history_window.moc"
