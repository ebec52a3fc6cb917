// What restore points cost the window: opening the history window on a
// folder of many points, and a Program on the simulated unit with its
// restore point taken beside it against the same Program without one, both
// driven by the window's own 55 ms timer; the notes' filter, and the tune
// sheet made from its dialog on that history.
//
// Usage: bench_history_window [number of points]   (10 000 by default)
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "New.h"
#include "ParameterFile.h"
#include "SimulatedLine.h"
#include "SimulatedUnit.h"
#include "TuneNote.h"
#include "app/Application.h"
#include "history/HistoryWindow.h"
#include "history/RestorePointRecorder.h"
#include "report/TuneSheetDialog.h"
#include "window/Hlav.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <vector>

namespace {

namespace fs = std::filesystem;

// One point a minute back from the start of 2026, the reasons taking turns.
void FillFolder(const fs::path& folder, int count) {
    fs::create_directories(folder);
    ign::ParameterSet set;
    ign::ApplyMachineDefaults(set);
    const std::string bytes = ign::WriteParameterFile(set);
    for (int i = 0; i < count; ++i) {
        const int minutes = 60 * 24 * 300 - i;
        const ign::LocalTime t{
            2025, 1 + minutes / (60 * 24 * 28), 1 + minutes / (60 * 24) % 28, minutes / 60 % 24, minutes % 60,
            0};
        const ign::RestorePointName name{t, static_cast<ign::RestoreReason>(i % ign::kRestoreReasonCount),
                                         "SIM12", 1, false};
        std::ofstream(folder / ign::FormatRestorePointName(name), std::ios::binary) << bytes;
        // Every tenth point with a note the list shows and the filter searches.
        if (i % 10 == 0)
            std::ofstream(ign::NotePathOf(folder / ign::FormatRestorePointName(name)), std::ios::binary)
                << ign::NoteFileBytes("Track day " + std::to_string(i) + ": jet +2 at 8000");
    }
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct ProgramRun {
    int ticks = 0;
    double wallMs = 0;
    double clickMs = 0;  // the command's own call, the restore point's request included
};

ProgramRun RunProgram(ign::TFormHlav& window, ign::SimulatedUnit& unit) {
    auto* timer = window.findChild<QTimer*>(QStringLiteral("Timer1"));
    ProgramRun run;
    const QMetaObject::Connection counting = QObject::connect(timer, &QTimer::timeout, [&] {
        ++run.ticks;
        unit.advance(ign::kTickMs);
    });
    QElapsedTimer clock;
    clock.start();
    window.MenuProgramClick();
    run.clickMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    while (!window.DeviceLink().idle() || run.ticks == 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    run.wallMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    QObject::disconnect(counting);
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath("data")));
    QDir().mkpath(home.filePath("config/ignition-programmer"));
    QFile settings(home.filePath("config/ignition-programmer/ZIR_OVI.ini"));
    if (settings.open(QIODevice::WriteOnly))  // Retention would thin the made-up points out at start.
        settings.write("[PORTS]\r\nCOM1=unit\r\nCOM2=unit\r\n[HISTORY]\r\nKeepCount=1000000\r\n");
    settings.close();

    ign::Application app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
    const fs::path folder = fs::path(home.filePath("data/ignition-programmer/history").toStdString());
    FillFolder(folder, count);

    ign::SimulatedUnit unit;
    ign::TFormHlav window([&unit](const QString&) { return std::make_unique<ign::SimulatedLine>(unit); });
    window.show();
    QCoreApplication::processEvents();
    auto* recorder = window.findChild<ign::RestorePointRecorder*>();
    recorder->Flush();

    // Open: from the menu item until the list is filled and painted.
    auto* item = window.findChild<QAction*>(QStringLiteral("MenuHistory"));
    auto* history = window.findChild<ign::HistoryWindow*>(QStringLiteral("HistoryWindow"));
    std::vector<double> opens;
    int rows = 0;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer clock;
        clock.start();
        item->trigger();
        history->repaint();
        QCoreApplication::processEvents();
        opens.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        rows = history->List()->model()->rowCount();
        history->hide();
        QCoreApplication::processEvents();
    }
    std::printf("history window, %d points listed\n", rows);
    std::printf("  %-40s %9.1f ms\n", "first open", opens.front());
    std::printf("  %-40s %9.1f ms\n", "open (median of the next 6)",
                Median(std::vector<double>(opens.begin() + 1, opens.end())));

    // The filter over every note.
    {
        history->show();
        QElapsedTimer clock;
        clock.start();
        history->FilterField()->setText(QStringLiteral("jet +2"));
        const double filterMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        std::printf("  %-40s %9.1f ms (%d rows)\n", "filter the notes", filterMs,
                    history->List()->model()->rowCount());
        history->FilterField()->clear();
        history->hide();
    }

    // The tune sheet from its dialog: opening it (its default reference
    // looked for among the Program points, none of which differs here, the
    // worst case), and Save PDF from the click to the file on disk.
    {
        QTemporaryDir out;
        const QString pdf = out.filePath("sheet.pdf");
        window.SetFileDialogRunner([&pdf](QFileDialog&) { return pdf; });
        auto* sheetItem = window.findChild<QAction*>(QStringLiteral("MenuTuneSheet"));
        auto* dialog = window.findChild<ign::TuneSheetDialog*>(QStringLiteral("TuneSheetDialog"));
        dialog->NoteField()->setPlainText(QStringLiteral("Track day, dry. Leaned 8000-10000 by 3."));
        std::vector<double> openMs, saveMs;
        for (int i = 0; i < 5; ++i) {
            QElapsedTimer clock;
            clock.start();
            sheetItem->trigger();
            QCoreApplication::processEvents();
            openMs.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
            clock.restart();
            dialog->findChild<QPushButton*>(QStringLiteral("TuneSheetSavePdf"))->click();
            saveMs.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
            dialog->hide();
        }
        std::printf("tune sheet from the dialog, %d points in the history\n", rows);
        std::printf("  %-40s %9.1f ms\n", "open the dialog (median of 5)", Median(openMs));
        std::printf("  %-40s %9.1f ms (%lld bytes)\n", "Save PDF click to file (median of 5)", Median(saveMs),
                    static_cast<long long>(QFileInfo(pdf).size()));
    }

    // Program with its point, and the same Program with the recorder not told.
    std::vector<ProgramRun> with, without;
    for (int i = 0; i < 3; ++i) {
        window.Document().Apply(ign::ChangeCause::Edit, [i](ign::ParameterSet& set) {
            set.ignition.OMEZ1 = static_cast<ign::Byte>(90 + i);
            return true;
        });
        with.push_back(RunProgram(window, unit));
    }
    recorder->Flush();
    QObject::disconnect(&window.Events(), &ign::HostEvents::deviceCommandStarted, recorder, nullptr);
    for (int i = 0; i < 3; ++i) {
        window.Document().Apply(ign::ChangeCause::Edit, [i](ign::ParameterSet& set) {
            set.ignition.OMEZ1 = static_cast<ign::Byte>(110 + i);
            return true;
        });
        without.push_back(RunProgram(window, unit));
    }
    const auto report = [](const char* what, const std::vector<ProgramRun>& runs) {
        std::vector<double> ticks, wall, click;
        for (const ProgramRun& r : runs) {
            ticks.push_back(r.ticks);
            wall.push_back(r.wallMs);
            click.push_back(r.clickMs);
        }
        std::printf("  %-28s ticks %3.0f..%3.0f   wall %7.0f ms   command's call %6.2f ms (medians of %zu)\n",
                    what, *std::min_element(ticks.begin(), ticks.end()),
                    *std::max_element(ticks.begin(), ticks.end()), Median(wall), Median(click), runs.size());
    };
    std::printf("Program with Verify on the simulated unit, %d points in the folder\n", rows);
    report("with its restore point", with);
    report("without", without);
    window.close();
    return 0;
}
