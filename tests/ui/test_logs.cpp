// The monitor logs through the whole window on the simulated unit at its
// fastest stream: automatic recording on the speed threshold, every frame in
// the file, the cell table on known rich and lean cells, and a cut-off log in
// the viewer. The window's timer is stopped; each tick moves the unit's clock
// and the recorder's by 55 ms.
#include "FactorySet.h"
#include "FileBytes.h"
#include "LinkView.h"
#include "LogSession.h"
#include "LogSetStamp.h"
#include "MapGeometry.h"
#include "MessageBoxes.h"
#include "ParameterFile.h"
#include "PlatformSkips.h"
#include "SetDigest.h"
#include "SimulatedLine.h"
#include "SimulatedUnit.h"
#include "ThrowawaySettings.h"
#include "Watchdog.h"
#include "WindowTest.h"
#include "WindowTicks.h"
#include "history/CompareFeature.h"
#include "history/CompareWindow.h"
#include "logs/CellMap.h"
#include "logs/LiveChartWindow.h"
#include "logs/LogFeature.h"
#include "logs/LogRecorder.h"
#include "logs/LogViewerWindow.h"
#include "logs/StripChart.h"
#include "maps/OperatingPointOverlay.h"
#include "pages/MonitorPage.h"
#include "window/Hlav.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include <sys/stat.h>

using ign::TFormHlav;

namespace {

// The frames the link took in while the recorder recorded.
class StreamCount : public ign::LinkView {
public:
    explicit StreamCount(const ign::LogRecorder& recorder) : recorder_(recorder) {}
    void monitorFrame(const ign::MonitorFrameEvent&) override {
        if (recorder_.recording()) ++frames;
    }
    int frames = 0;

private:
    const ign::LogRecorder& recorder_;
};

// The cells (column, row) where most of the time ran rich, and where the
// mean lambda lies far below the untouched map's.
std::pair<QList<QPoint>, QList<QPoint>> RichAndLean(const ign::CellStatistics& table) {
    std::pair<QList<QPoint>, QList<QPoint>> found;
    for (int r = 0; r < ign::kMapSize; ++r) {
        for (int c = 0; c < ign::kMapSize; ++c) {
            const std::optional<ign::CellFigures> f = table.figures(r, c);
            if (f && f->richShare() > 0.5) found.first << QPoint(c, r);
            if (f && f->meanLambdaMv() < 250) found.second << QPoint(c, r);
        }
    }
    return found;
}

}  // namespace

class TestLogs : public QObject {
    Q_OBJECT

    std::unique_ptr<ThrowawaySettings> settings;
    std::unique_ptr<ign::SimulatedUnit> unit;
    std::unique_ptr<TFormHlav> w;
    std::int64_t nowMs = 0;

    void Open(const QByteArray& datalog = {}, TFormHlav::FeatureFilter build = {}) {
        settings = std::make_unique<ThrowawaySettings>("[PORTS]\r\nCOM1=unit\r\nCOM2=unit\r\n" + datalog);
        const QStringList boxes = MessagesFrom([&] {
            w = std::make_unique<TFormHlav>(
                [this](const QString&, ign::PortFacts&) -> std::unique_ptr<ign::SerialLine> {
                    return std::make_unique<ign::SimulatedLine>(*unit);
                },
                std::move(build));
        });
        QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join('\n')));
        ControlOf<QTimer>(*w, "Timer1")->stop();
        // The frames and the recording on the test's clock.
        w->DeviceLink().setClock([this] { return nowMs; });
        if (w->Find<ign::LogFeature>() != nullptr) Recorder().setClock([this] { return nowMs; });
        w->show();
    }
    ign::LogRecorder& Recorder() { return w->Find<ign::LogFeature>()->recorder(); }
    void Tick(int count = 1) { TickWindow(*unit, *w, count, &nowMs); }
    void TickSeconds(double s) { Tick(static_cast<int>(s * 1000 / ign::kTickMs)); }
    QStringList Logs() {
        return QDir(settings->DataPath() + "/ignition-programmer/logs")
            .entryList({"*.msl"}, QDir::Files, QDir::Name);
    }
    QString LogPath(const QString& name) {
        return settings->DataPath() + "/ignition-programmer/logs/" + name;
    }
    int Rpm() const { return unit->engine().rpm(); }
    // The window's transfer to its end; the result it showed.
    std::optional<ign::MessageId> Transferred() {
        for (int i = 0; i < 600 && !w->DeviceLink().idle(); ++i) Tick();
        return w->DeviceLink().display().status;
    }

private slots:
    void init() {
        unit = std::make_unique<ign::SimulatedUnit>();
        ign::LoadFactorySet(*unit);
        // As fast as the line carries them.
        unit->setMonitorIntervalMs(1);
        nowMs = 0;
    }
    void cleanup() {
        w.reset();
        settings.reset();
    }

    void autoRecordStartsAndStopsOnTheThresholdWithEveryFrame() {
        Open("[DATALOG]\r\nAutoRecord=1\r\nStartRpm=3000\r\n");
        StreamCount count(Recorder());
        w->DeviceLink().addView(&count);
        // Idle, then the full-throttle run climbs through the threshold.
        int ticks = 0;
        while (!Recorder().recording() && ticks++ < 400) {
            QVERIFY2(Rpm() <= 3100, qPrintable(QString::number(Rpm())));
            Tick();
        }
        QVERIFY(Recorder().recording());
        QVERIFY(Rpm() > 3000);
        QCOMPARE(Logs().size(), 1);
        TickSeconds(5);
        QVERIFY(ControlOf<QAction>(*w, "MenuRecordMark")->isEnabled());
        ControlOf<QAction>(*w, "MenuRecordMark")->trigger();
        // The stream stops (a pulled cable): the log ends 10 s after the last frame.
        unit->setMonitorIntervalMs(0);
        Tick();
        const std::int64_t lastFrameMs = nowMs;
        while (Recorder().recording() && nowMs - lastFrameMs < 12000) Tick();
        QVERIFY(!Recorder().recording());
        QVERIFY(nowMs - lastFrameMs >= 9900);

        ign::LogReadError error{};
        const std::optional<ign::LogData> log =
            ign::ReadLogFile(LogPath(Logs().front()).toStdString(), error);
        QVERIFY(log);
        QVERIFY(!log->truncated);
        QCOMPARE(static_cast<int>(log->rows()), count.frames);
        QCOMPARE(Recorder().frames(), count.frames);
        // The unit sends its types in turn (3, 0, 1, 2): none of them is missing.
        const auto& types = log->columns[static_cast<std::size_t>(log->columnIndex("type"))].values;
        for (std::size_t i = 1; i < types.size(); ++i)
            QCOMPARE(static_cast<int>(types[i]), (static_cast<int>(types[i - 1]) + 1) % 4);
        QCOMPARE(log->markers.size(), std::size_t{1});
        // The first row is the frame whose speed started the recording.
        const int rpm = log->columnIndex("rpm");
        QVERIFY(log->columns[static_cast<std::size_t>(rpm)].values.front() > 3000);
        const double seconds = log->timeS.back() - log->timeS.front();
        qInfo("fastest stream: %.1f frames/s reached the log (%d frames in %.1f s)", count.frames / seconds,
              count.frames, seconds);
        QVERIFY(count.frames / seconds > 70);
    }

    // Two cells of the unit's injection map made rich and lean; a recorded
    // cycle of the synthetic engine shows exactly those as rich and lean.
    void cellTableFindsTheRichAndTheLeanCell() {
        Open();
        w->MenuReadClick();
        for (int i = 0; i < 600 && !w->DeviceLink().idle(); ++i) Tick();
        constexpr int kRichRow = 3, kRichColumn = 5, kLeanRow = 5, kLeanColumn = 4;
        unit->setMemory(61 + 10 * kRichRow + kRichColumn, 125);
        unit->setMemory(61 + 10 * kLeanRow + kLeanColumn, 75);
        ControlOf<QAction>(*w, "MenuLiveChart")->trigger();
        ControlOf<QAction>(*w, "MenuRecordStart")->trigger();
        QVERIFY(Recorder().recording());
        TickSeconds(static_cast<double>(ign::SyntheticEngine::kCycleMs) / 1000);
        ControlOf<QAction>(*w, "MenuRecordStop")->trigger();
        QVERIFY(!Recorder().recording());
        ign::LiveChartWindow* chart = w->Find<ign::LogFeature>()->chart();
        chart->refresh();

        ign::LogViewerWindow* viewer = w->Find<ign::LogFeature>()->viewer();
        QVERIFY(viewer->openFile(LogPath(Logs().front())));
        // The log's table, and the live one of the chart window since recording began.
        for (const ign::CellMap* map : {viewer->cells(), chart->cells()}) {
            const std::optional<ign::CellStatistics>& table = map->table();
            QVERIFY(table);
            QCOMPARE(RichAndLean(*table), (std::pair{QList<QPoint>{QPoint(kRichColumn, kRichRow)},
                                                     QList<QPoint>{QPoint(kLeanColumn, kLeanRow)}}));
        }
    }

    // As a tuner tried it: two cells made rich and two lean, programmed, three
    // minutes of the engine at the stream's own pace. With the defaults the
    // log's table and the live one mark exactly those four; a cell the engine
    // only swept through shows its few samples; and pairing each lambda with
    // the speed of the sensor's lag earlier finds the same four.
    void defaultsMarkTheFourCellsOfAThreeMinuteRun() {
        Open();
        unit->setMonitorIntervalMs(ign::SimulatedUnit::kDefaultMonitorIntervalMs);
        const QList<QPoint> rich{{6, 1}, {8, 2}}, lean{{3, 2}, {2, 3}};  // (column, row), in row order
        Restore(*w, [&](ign::ParameterSet& set) {
            for (const QPoint& c : rich) set.injection.JET[std::size_t(10 * c.y() + c.x())] = 130;
            for (const QPoint& c : lean) set.injection.JET[std::size_t(10 * c.y() + c.x())] = 75;
        });
        w->MenuProgramClick();
        for (int i = 0; i < 600 && !w->DeviceLink().idle(); ++i) Tick();
        QCOMPARE(w->DeviceLink().display().status, ign::MessageId::VerifyOk);
        ControlOf<QAction>(*w, "MenuLiveChart")->trigger();
        ControlOf<QAction>(*w, "MenuRecordStart")->trigger();
        TickSeconds(180);
        ControlOf<QAction>(*w, "MenuRecordStop")->trigger();
        ign::LiveChartWindow* chart = w->Find<ign::LogFeature>()->chart();
        chart->refresh();
        ign::LogViewerWindow* viewer = w->Find<ign::LogFeature>()->viewer();
        QVERIFY(viewer->openFile(LogPath(Logs().front())));
        const std::pair expected{rich, lean};
        for (const ign::CellMap* map : {viewer->cells(), chart->cells()}) {
            QVERIFY(map->table());
            QCOMPARE(RichAndLean(*map->table()), expected);
        }
        // Full throttle is only swept through.
        QVERIFY2(viewer->cells()->cellText(9, 5).startsWith('('),
                 qPrintable(viewer->cells()->cellText(9, 5)));

        ign::LogData paired = *viewer->log();
        const auto rpm = static_cast<std::size_t>(paired.columnIndex("rpm"));
        const double lagS = static_cast<double>(ign::SyntheticEngine::kLambdaLagMs) / 1000;
        for (std::size_t i = 0; i < paired.rows(); ++i)
            paired.columns[rpm].values[i] =
                viewer->log()->columns[rpm].values[viewer->log()->rowAt(paired.timeS[i] - lagS)];
        const auto table = ign::CellStatisticsOfLog(paired, ign::MapSpeedAxis(w->Parameters().injection));
        QVERIFY(table);
        QCOMPARE(RichAndLean(*table), expected);
    }

    // Stop while recording automatically ends the log and turns automatic
    // recording off, or the engine would start the next log at once; the
    // status line says so and the settings keep it off.
    void stopTurnsAutomaticRecordingOff() {
        Open("[DATALOG]\r\nAutoRecord=1\r\nStartRpm=3000\r\n");
        w->ApplyLanguage(1);
        while (!Recorder().recording() && nowMs < 30000) Tick();
        QVERIFY(Recorder().recording());
        ControlOf<QAction>(*w, "MenuRecordStop")->trigger();
        TickSeconds(60);  // the speed passes 3 000 rpm again and again
        QVERIFY(!Recorder().recording());
        QCOMPARE(Logs().size(), 1);
        QVERIFY(!ControlOf<QAction>(*w, "MenuRecordAuto")->isChecked());
        QCOMPARE(ControlOf<QLabel>(*w, "RecordingState")->text(),
                 QString("Záznam zastaven; automatický záznam je vypnut"));
        w->close();
        QVERIFY(settings->Text().contains("[DATALOG]\r\nAutoRecord=0\r\n"));
    }

    // The viewer's cursor puts a marker of its own on the map, labelled, and
    // the live one goes on with the engine.
    void replayMarksTheMapBesideTheLivePoint() {
        Open();
        ControlOf<QTabWidget>(*w, "PageControl1")->setCurrentWidget(ControlOf<QWidget>(*w, "TabSheet2"));
        ControlOf<QAction>(*w, "MenuRecordStart")->trigger();
        TickSeconds(3);  // idle
        ControlOf<QAction>(*w, "MenuRecordStop")->trigger();
        ControlOf<QAction>(*w, "MenuLogViewer")->trigger();
        ign::LogViewerWindow* viewer = w->Find<ign::LogFeature>()->viewer();
        QVERIFY(viewer->openFile(LogPath(Logs().front())));
        viewer->setCursorTime(2);
        TickSeconds(38);  // into the 10 % row's steady cells
        auto* live = ControlOf<ign::OperatingPointOverlay>(*w, "MapOperatingPoint");
        auto* replay = ControlOf<ign::OperatingPointOverlay>(*w, "MapReplayPoint");
        live->refresh();
        replay->refresh();
        const ign::MonitorReadings& now = ControlOf<ign::MonitorPage>(*w, "TabSheet5")->monitor().readings();
        const ign::MapPoint engine = ign::MapPosition(w->Parameters().injection, now.rpm, now.tpsPercent);
        QVERIFY(engine.nearestRow > 0);
        QCOMPARE(live->outlinedCell(), QPoint(engine.nearestColumn, engine.nearestRow));
        QCOMPARE(live->markerTag(), QString());
        QCOMPARE(replay->outlinedCell(), QPoint(0, 0));
        QCOMPARE(replay->markerTag(), QString("log"));
    }

    // A log of another program, its clock not starting at 0, in the Czech
    // viewer: the Monitor page's names and units (the file keeps its own),
    // "type" only with all channels, the marker drawn, the time from the
    // start of the recording, the cursor stepped by the arrow keys, and a
    // file that is no log leaves the log shown.
    void viewerNamesMarkersAndCursor() {
        Open();
        w->ApplyLanguage(1);
        QTemporaryDir dir;
        QFile log(dir.filePath("other.msl"));
        QVERIFY(log.open(QIODevice::WriteOnly));
        log.write(
            "\"other program\"\ntime\ttype\trpm\ttps_percent\ns\t\trpm\t%\n"
            "100.000\t2\t1200\t\n100.500\t3\t1250\t5\nMARK 001\t100.600\n101.000\t0\t1300\t5\n");
        log.close();
        ControlOf<QAction>(*w, "MenuLogViewer")->trigger();
        ign::LogViewerWindow* viewer = w->Find<ign::LogFeature>()->viewer();
        QVERIFY(viewer->openFile(log.fileName()));
        auto* channels = viewer->findChild<QListWidget*>("ChannelList");
        QCOMPARE(channels->item(1)->text(), QString("Otáčky:  1200 ot/min"));
        QCOMPARE(channels->item(2)->text(), QString("Plyn [%]"));
        QVERIFY(channels->isRowHidden(0));
        ControlOf<QCheckBox>(*viewer, "LogViewerAllChannels")->setChecked(true);
        QVERIFY(!channels->isRowHidden(0));
        QCOMPARE(viewer->cursorText(), QString("Kurzor: 0.00 s"));

        ign::StripChart* chart = viewer->chart();
        const QImage drawn = chart->grab().toImage();
        const int x = ign::StripChart::kLabelWidth +
                      static_cast<int>(std::lround(0.6 * (chart->width() - ign::StripChart::kLabelWidth)));
        int marked = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int dx = -1; dx <= 1; ++dx) marked += drawn.pixel(x + dx, y) == qRgb(0xe6, 0x00, 0x7e);
        QVERIFY2(marked > drawn.height() / 2, qPrintable(QString::number(marked)));

        chart->setFocus();
        QTest::keyClick(chart, Qt::Key_Right);
        QCOMPARE(viewer->cursorText(), QString("Kurzor: 0.50 s"));
        QTest::keyClick(chart, Qt::Key_Left);
        QCOMPARE(viewer->cursorText(), QString("Kurzor: 0.00 s"));

        QFile junk(dir.filePath("junk.msl"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("no log\n");
        junk.close();
        QVERIFY(!viewer->openFile(junk.fileName()));
        QCOMPARE(viewer->fileName(), QString("other.msl"));
        QCOMPARE(static_cast<int>(viewer->log()->rows()), 3);
    }

    // Recording through the window names the set behind the log: beside it
    // the set as Save writes it, the first line with its digest and the
    // field's state, and a live change in the middle a marker and the second
    // set. The viewer names the set at its cursor before and after the
    // change, compares the earlier one with the window in one click, and its
    // delay field recomputes the table at once and is kept.
    void recordingNamesItsSetsAndTheViewerTellsThemApart_data() {
        QTest::addColumn<bool>("quick");
        QTest::newRow("live change as a full Program") << false;
        QTest::newRow("quick live change") << true;
    }
    void recordingNamesItsSetsAndTheViewerTellsThemApart() {
        QFETCH(bool, quick);
        Open();
        w->MenuProgramClick();
        QCOMPARE(Transferred(), ign::MessageId::VerifyOk);
        // Quick changes write only the changed block: the log must name the new set all the same.
        if (quick) ControlOf<QAction>(*w, "MenuQuickLive")->trigger();
        const ign::ParameterSet before = w->Parameters();
        ControlOf<QAction>(*w, "MenuRecordStart")->trigger();
        TickSeconds(4);
        w->CSpinButtonUpClick(3);  // the map's third column a step richer, programmed at once
        QCOMPARE(Transferred(), ign::MessageId::VerifyOk);
        const ign::ParameterSet after = w->Parameters();
        QVERIFY(ign::JetCell(after.injection, 0, 2) != ign::JetCell(before.injection, 0, 2));
        TickSeconds(2);
        ControlOf<QAction>(*w, "MenuRecordStop")->trigger();
        QCOMPARE(Logs().size(), 1);
        const std::filesystem::path log = LogPath(Logs().front()).toStdString();

        QTemporaryDir dir;
        for (const auto& [index, set] : {std::pair{1, before}, std::pair{2, after}}) {
            const std::filesystem::path saved = dir.filePath(QString::number(index)).toStdString();
            QCOMPARE(ign::SaveParameterFile(saved, set), ign::FileWriteResult::Ok);
            QCOMPARE(Slurp(ign::LogSetFilePath(log, index)), Slurp(saved));
        }
        QVERIFY(!std::filesystem::exists(ign::LogSetFilePath(log, 3)));
        ign::LogReadError error{};
        const std::optional<ign::LogData> data = ign::ReadLogFile(log, error);
        QVERIFY(data);
        const std::string stamp = ", set " + ign::SetDigest(before) + ", unit = window\"";
        QVERIFY2(data->headerLines.front().ends_with(stamp), data->headerLines.front().c_str());
        QCOMPARE(data->markers.size(), std::size_t{1});
        QCOMPARE(data->markers.front().setDigest, ign::SetDigest(after));
        const double changedAt = data->markers.front().timeS;

        ControlOf<QAction>(*w, "MenuLogViewer")->trigger();
        ign::LogViewerWindow* viewer = w->Find<ign::LogFeature>()->viewer();
        QVERIFY(viewer->openFile(QString::fromStdString(log.string())));
        const QString name = QString::fromStdString(log.stem().string());
        viewer->setCursorTime(changedAt + 0.5);
        QCOMPARE(viewer->setText(), "Set: " + name + "_2.ign (" +
                                        QString::fromStdString(ign::SetDigest(after)) + "), Unit = window");
        viewer->setCursorTime(changedAt - 0.5);
        QCOMPARE(viewer->setText(), "Set: " + name + ".ign (" +
                                        QString::fromStdString(ign::SetDigest(before)) + "), Unit = window");
        w->ApplyLanguage(2);
        QVERIFY2(viewer->setText().startsWith("Kenndaten: " + name + ".ign"), qPrintable(viewer->setText()));
        QVERIFY2(viewer->setText().endsWith(", Zündbox = Fenster"), qPrintable(viewer->setText()));
        ControlOf<QPushButton>(*viewer, "LogViewerCompareSet")->click();
        QVERIFY(w->Find<ign::CompareFeature>()->Window().isVisible());
        QVERIFY(!w->Find<ign::CompareFeature>()->Window().Differences().empty());

        QCOMPARE(viewer->cells()->table()->settings().lambdaDelayMs, 300);
        ControlOf<QSpinBox>(*viewer, "LogViewerLambdaDelay")->setValue(0);
        QCOMPARE(viewer->cells()->table()->settings().lambdaDelayMs, 0);
        w->close();
        QVERIFY2(settings->Text().contains("LambdaDelayMs=0\r\n"), qPrintable(settings->Text()));
    }

    // Two logs of the same idle before and after a change of one map column:
    // the second lies over the first from their starts, its offset typed or
    // aligned at the two cursors, and the cell table marks exactly the cells
    // the sets behind them differ in, with the map's value before and after.
    void aSecondLogOverTheFirst() {
        Open();
        w->MenuProgramClick();
        QCOMPARE(Transferred(), ign::MessageId::VerifyOk);
        const int beforeByte = ign::JetCell(w->Parameters().injection, 4, 2);
        for (int run = 0; run < 2; ++run) {
            if (run == 1) {
                w->CSpinButtonUpClick(3);
                QCOMPARE(Transferred(), ign::MessageId::VerifyOk);
            }
            ControlOf<QAction>(*w, "MenuRecordStart")->trigger();
            TickSeconds(3);
            ControlOf<QAction>(*w, "MenuRecordStop")->trigger();
        }
        const int afterByte = ign::JetCell(w->Parameters().injection, 4, 2);
        QCOMPARE(Logs().size(), 2);
        ign::LogViewerWindow* viewer = w->Find<ign::LogFeature>()->viewer();
        QVERIFY(viewer->openFile(LogPath(Logs()[0])));
        QVERIFY(!viewer->cells()->comparison());
        QVERIFY(viewer->openSecondFile(LogPath(Logs()[1])));
        QCOMPARE(viewer->chart()->overlay(), &*viewer->secondLog());
        QCOMPARE(viewer->offset(), viewer->log()->timeS.front() - viewer->secondLog()->timeS.front());
        QVERIFY(viewer->cells()->comparison());
        for (int r = 0; r < ign::kMapSize; ++r)
            for (int c = 0; c < ign::kMapSize; ++c)
                QCOMPARE(viewer->cells()->comparison()->cell(r, c).mapChanged(), c == 2);
        QVERIFY2(viewer->cells()->cellText(4, 2).endsWith(QString("m:%1>%2").arg(beforeByte).arg(afterByte)),
                 qPrintable(viewer->cells()->cellText(4, 2)));

        ControlOf<QDoubleSpinBox>(*viewer, "LogViewerOffset")->setValue(1.5);
        QCOMPARE(viewer->offset(), 1.5);
        viewer->setCursorTime(1.0);
        viewer->chart()->setSecondCursorTime(2.25);  // the second log's 0.75 s
        ControlOf<QPushButton>(*viewer, "LogViewerAlign")->click();
        QCOMPARE(viewer->offset(), 0.25);
        QCOMPARE(viewer->chart()->secondCursorTime(), std::optional(1.0));
    }

    // A set file beside a log that is missing, unreadable or malformed: the
    // log opens as it would without, and the viewer says "set unknown".
    void aSetFileThatCannotBeReadLeavesTheSetUnknown_data() {
        QTest::addColumn<QString>("damage");
        QTest::newRow("missing") << "missing";
        QTest::newRow("unreadable: a folder in its place") << "folder";
        QTest::newRow("malformed: cut off") << "cut";
    }
    void aSetFileThatCannotBeReadLeavesTheSetUnknown() {
        QFETCH(QString, damage);
        Open();
        QTemporaryDir dir;
        std::filesystem::path log;
        {
            ign::LogSession session(
                dir.path().toStdString(), "test", {2026, 12, 9, 10, 22, 31}, 0,
                ign::LogSetAtStart{w->Parameters(), std::string(ign::kLogUnitNotChecked)});
            for (int i = 0; i < 20; ++i) session.addFrame(i * 100, i % 4, ign::MonitorReadings{});
            session.close();
            log = session.path();
        }
        const std::filesystem::path set = ign::LogSetFilePath(log, 1);
        const std::string text = Slurp(set);
        std::filesystem::remove(set);
        if (damage == "folder") std::filesystem::create_directory(set);
        if (damage == "cut") Spit(set, text.substr(0, text.size() / 2));
        ign::LogViewerWindow* viewer = w->Find<ign::LogFeature>()->viewer();
        QVERIFY(viewer->openFile(QString::fromStdString(log.string())));
        QCOMPARE(viewer->log()->rows(), std::size_t{20});
        QCOMPARE(viewer->setText(), QString("set unknown"));
        QVERIFY(!ControlOf<QPushButton>(*viewer, "LogViewerCompareSet")->isEnabled());
        w->ApplyLanguage(1);
        QCOMPARE(ControlOf<QLabel>(*viewer, "LogViewerSet")->text(), QString("parametry neznámé"));
    }

    void aCutOffLogOpensAndSaysSo_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("note");
        QTest::newRow("English") << 0 << "The last line was cut off and is left out.";
        QTest::newRow("German") << 2 << "Die letzte Zeile war abgeschnitten und wird ausgelassen.";
    }
    void aCutOffLogOpensAndSaysSo() {
        QFETCH(int, language);
        QFETCH(QString, note);
        Open();
        w->ApplyLanguage(static_cast<std::uint8_t>(language));
        ControlOf<QAction>(*w, "MenuRecordStart")->trigger();
        TickSeconds(3);
        ControlOf<QAction>(*w, "MenuRecordStop")->trigger();
        QFile file(LogPath(Logs().front()));
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QByteArray whole = file.readAll();
        const int rows = static_cast<int>(whole.count('\n')) - 3;
        // The cable pulled in the middle of a row.
        file.resize(whole.size() - 7);
        file.close();

        ign::LogViewerWindow* viewer = w->Find<ign::LogFeature>()->viewer();
        QVERIFY(viewer->openFile(file.fileName()));
        QVERIFY(viewer->log()->truncated);
        QCOMPARE(static_cast<int>(viewer->log()->rows()), rows - 1);
        QCOMPARE(viewer->note(), note);
        // The cursor at the end shows the last whole row and the point on the map.
        QSignalSpy point(viewer, &ign::LogViewerWindow::operatingPoint);
        viewer->setCursorTime(viewer->log()->timeS.back());
        QCOMPARE(point.size(), 1);
        QCOMPARE(
            point.front().front().toDouble(),
            static_cast<double>(viewer->log()
                                    ->columns[static_cast<std::size_t>(viewer->log()->columnIndex("rpm"))]
                                    .values.back()));
    }

    // Logs a careless copy, a crashed logger or another tool leaves behind:
    // the viewer says what each is within moments, draws, and the window lives.
    void hostileLogsLeaveTheWindowAlive_data() {
        QTest::addColumn<QByteArray>("head");  // the file: its start, then `fill` bytes of the character
        QTest::addColumn<int>("fill");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("note");
        QTest::newRow("huge equal times") << QByteArray("\"m\"\ntime\trpm\ns\trpm\n1e16\t0\n") << 0 << true
                                          << "Rows left out (time beyond 10 years or no number): 1";
        QTest::newRow("100 000 columns")
            << QByteArray("time") << 100000 << false << "This is no log: it has more than 256 columns.";
        QTest::newRow("1 000 000 columns")
            << QByteArray("time") << 1000000 << false << "This is no log: it has more than 256 columns.";
        QTest::newRow("a 50 MB line of tabs") << QByteArray("time\trpm\ns\trpm\n") << 50000000 << false
                                              << "This is no log: a line is longer than 64 KiB.";
        QTest::newRow("a pipe") << QByteArray("pipe") << -1 << false
                                << "This is no log: it is not a regular file.";
    }
    void hostileLogsLeaveTheWindowAlive() {
        QFETCH(QByteArray, head);
        QFETCH(int, fill);
        QFETCH(bool, opens);
        QTemporaryDir dir;
        const QString path = dir.filePath("h.msl");
        if (fill < 0) {
            IGN_SKIP_ON_WINDOWS("no fifos");
#if !defined(_WIN32)
            QCOMPARE(::mkfifo(path.toLocal8Bit().constData(), 0600), 0);
#endif
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(head + QByteArray(fill, '\t') + (fill > 0 ? "\ns\n0\n" : ""));
        }
        Open();
        ign::LogViewerWindow* viewer = w->Find<ign::LogFeature>()->viewer();
        viewer->show();
        const Watchdog dog(std::chrono::seconds(5), QTest::currentDataTag());
        const bool opened = viewer->openFile(path);
        QVERIFY(!viewer->grab().isNull());
        QCOMPARE(opened, opens);
        QFETCH(QString, note);
        // A file refused is named after the reason, the log shown before staying.
        QCOMPARE(viewer->note(), opens || note.isEmpty() ? note : note + " (h.msl)");
    }

    // The read runs beside the window: Cancel is taken while it runs, and the
    // log shown before stays.
    // Every feature plugs in through the window's host alone, so the window
    // stands without one: no item of its own, its section of the settings
    // left as it was, and the rest (undo, map views, transfers) at work.
    void theWindowStandsWithoutTheLogs() {
        Open("[DATALOG]\r\nAutoRecord=1\r\n",
             [](const std::type_info& feature) { return feature != typeid(ign::LogFeature); });
        QVERIFY(w->Find<ign::LogFeature>() == nullptr);
        QVERIFY(w->findChild<QAction*>("MenuRecordStart") == nullptr);
        QVERIFY(w->findChild<QLabel*>("RecordingState") == nullptr);
        QVERIFY(w->findChild<QAction*>("ViewHeatMap") != nullptr);
        w->MenuReadClick();
        QCOMPARE(Transferred(), ign::MessageId::VerifyOk);
        const ign::Byte before = w->Parameters().ignition.OMEZ1;
        w->Document().Apply(ign::ChangeCause::Edit, [](ign::ParameterSet& set) {
            set.ignition.OMEZ1 = static_cast<ign::Byte>(set.ignition.OMEZ1 + 1);
            return true;
        });
        ControlOf<QAction>(*w, "MenuUndo")->trigger();
        QCOMPARE(w->Parameters().ignition.OMEZ1, before);
        QCOMPARE(Logs().size(), 0);
        w->close();
        QVERIFY(settings->Text().contains("[DATALOG]\r\nAutoRecord=1\r\n"));
    }

    void aLongReadCanBeCancelled() {
        QTemporaryDir dir;
        QByteArray rows;
        for (int i = 0; i < 10000; ++i) rows += QByteArray::number(i) + "\t1000\t30\t400\n";
        const QString small = dir.filePath("small.msl"), large = dir.filePath("large.msl");
        QFile file(small);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("time\trpm\ttps_percent\tlambda_mv\ns\trpm\t%\tmV\n0\t1000\t30\t400\n");
        file.close();
        file.setFileName(large);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("time\trpm\ttps_percent\tlambda_mv\ns\trpm\t%\tmV\n");
        for (int i = 0; i < 300; ++i) file.write(rows);  // about 60 MB
        file.close();
        Open();
        ign::LogViewerWindow* viewer = w->Find<ign::LogFeature>()->viewer();
        QVERIFY(viewer->openFile(small));
        auto* cancel = ControlOf<QPushButton>(*w, "LogViewerCancel");
        QVERIFY(cancel->isHidden());
        bool shown = false;
        QTimer::singleShot(0, viewer, [&] {
            shown = !cancel->isHidden() && !ControlOf<QProgressBar>(*w, "LogViewerProgress")->isHidden();
            cancel->click();
        });
        QVERIFY(!viewer->openFile(large));
        QVERIFY(shown);
        QCOMPARE(viewer->note(), QString("Reading cancelled: the log shown stays."));
        QCOMPARE(viewer->log()->rows(), std::size_t{1});
        QCOMPARE(ControlOf<QLabel>(*w, "LogViewerFile")->text(), QString("small.msl"));
        QVERIFY(cancel->isHidden());
    }
};

IGN_WINDOW_TEST_MAIN(TestLogs)
#include "test_logs.moc"
