// A recording: when it runs, the file it writes, and the [DATALOG] section.

#include "AutoRecord.h"
#include "DatalogSettings.h"
#include "FileSizeLimit.h"
#include "LogReader.h"
#include "LogSession.h"

#include <QtTest>

#include <fstream>
#include <sstream>

using namespace ign;
namespace fs = std::filesystem;
using Action = AutoRecord::Action;

namespace {

// One call into AutoRecord and what it must answer.
struct Step {
    char call;  // f frame, t tick, h tick while held back, s start, x stop
    qint64 ms;
    int rpm;
    Action expected;
};
using Steps = QList<Step>;

Action Call(AutoRecord& record, const Step& step) {
    switch (step.call) {
        case 'f':
            return record.frame(step.ms, step.rpm);
        case 't':
            return record.tick(step.ms, false);
        case 'h':
            return record.tick(step.ms, true);
        case 's':
            return record.start();
        default:
            return record.stop();
    }
}

constexpr LogStartTime kStart{2024, 3, 14, 9, 5, 7};
constexpr std::string_view kProgram = "ignition-programmer 1.0.0";

MonitorReadings Readings(int rpm) {
    MonitorReadings r;
    r.haveType2 = true;
    r.rpm = rpm;
    return r;
}

std::string FileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

int Rows(const fs::path& path) {
    LogReadError error{};
    const auto log = ReadLogFile(path, error);
    return log ? int(log->rows()) : -1;
}

QString Describe(const DatalogSettings& s) {
    const CellStatisticsSettings& c = s.cells;
    return QStringLiteral("%1 %2 | %3 %4 %5 %6 %7 %8 %9 %10 %11 %12 %13")
        .arg(s.autoRecord)
        .arg(s.startRpm)
        .arg(c.richAboveMv)
        .arg(c.maxWeightS)
        .arg(c.maxThrottleRate)
        .arg(c.minWaterC)
        .arg(c.overrunThrottlePercent)
        .arg(c.overrunAboveRpm)
        .arg(c.minLambdaMv)
        .arg(c.maxLambdaMv)
        .arg(c.holdOffS)
        .arg(c.minSamples)
        .arg(c.minSeconds);
}

}  // namespace

Q_DECLARE_METATYPE(Steps)

class RecordingTest : public QObject {
    Q_OBJECT
private slots:
    void autoRecord_data() {
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<Steps>("steps");
        const Action none = Action::None, start = Action::Start, stop = Action::Stop;
        // The threshold is 1 500 rpm throughout.
        QTest::newRow("starts above the threshold, stops 10 s after the last frame above")
            << true << Steps{{'f', 0, 1500, none},     {'f', 100, 1600, start}, {'f', 200, 1400, none},
                             {'t', 10099, 0, none},    {'t', 10100, 0, stop},   {'f', 10200, 1400, none},
                             {'f', 10300, 2000, start}};
        QTest::newRow("frames that stop arriving stop it") << true
                                                           << Steps{{'f', 0, 3000, start},
                                                                    {'f', 500, 3000, none},
                                                                    {'t', 10499, 0, none},
                                                                    {'t', 10500, 0, stop}};
        QTest::newRow("a long transfer is a gap, not an end")
            << true << Steps{{'f', 0, 3000, start}, {'t', 1000, 0, none},  {'h', 5000, 0, none},
                             {'h', 20000, 0, none}, {'t', 20055, 0, none}, {'f', 20100, 3000, none},
                             {'t', 30099, 0, none}, {'t', 30100, 0, stop}};
        QTest::newRow("quiet before and after a transfer adds up")
            << true << Steps{{'f', 0, 3000, start}, {'f', 100, 1000, none}, {'t', 4000, 0, none},
                             {'h', 30000, 0, none}, {'t', 35999, 0, none},  {'t', 36000, 0, stop}};
        QTest::newRow("off: the engine starts nothing")
            << false << Steps{{'f', 0, 5000, none}, {'t', 20000, 0, none}};
        QTest::newRow("started by hand, stopped only by hand") << true
                                                               << Steps{{'s', 0, 0, start},
                                                                        {'f', 0, 800, none},
                                                                        {'t', 60000, 0, none},
                                                                        {'s', 0, 0, none},
                                                                        {'x', 0, 0, stop}};
        QTest::newRow("a stop by hand holds while the engine runs")
            << true << Steps{{'f', 0, 3000, start},   {'x', 0, 0, stop},       {'f', 100, 3000, none},
                             {'t', 9000, 0, none},    {'f', 9100, 3000, none}, {'f', 9200, 1000, none},
                             {'f', 9300, 3000, start}};
    }
    void autoRecord() {
        QFETCH(bool, automatic);
        QFETCH(Steps, steps);
        AutoRecord record(automatic, 1500);
        for (int i = 0; i < steps.size(); ++i)
            QVERIFY2(Call(record, steps[i]) == steps[i].expected, qPrintable(QString("step %1").arg(i + 1)));
    }

    // Two logs started in one second next to a file of the user's: each gets a name of its own.
    void sessionNeverOverwrites() {
        QTemporaryDir dir;
        const fs::path folder = fs::path(dir.path().toStdString()) / "logs";
        fs::create_directories(folder);
        std::ofstream(folder / LogFileName(kStart), std::ios::binary) << "keep";
        LogSession first(folder, kProgram, kStart, 0);
        LogSession second(folder, kProgram, kStart, 0);
        QVERIFY(first.isOpen() && second.isOpen());
        QCOMPARE(first.path(), folder / "2024-03-14_09.05.07_2.msl");
        QCOMPARE(second.path(), folder / "2024-03-14_09.05.07_3.msl");
        QCOMPARE(FileText(folder / LogFileName(kStart)), std::string("keep"));
    }

    void sessionCannotCreate() {
        QTemporaryDir dir;
        const fs::path notAFolder = fs::path(dir.path().toStdString()) / "file";
        std::ofstream(notAFolder) << "x";
        LogSession session(notAFolder / "logs", kProgram, kStart, 0);
        QVERIFY(!session.isOpen());
        QCOMPARE(session.status().problem, LogProblem::CannotCreate);
        QVERIFY(!session.status().detail.empty());
        session.addFrame(10, 2, Readings(1000));  // no crash, nothing written
        QCOMPARE(session.addMarker(20), 0);
    }

    // Frames every 100 ms, the window's ticks every 55 ms: at every tick the
    // file holds every frame that is a second old or older.
    void sessionFlushesBySecond() {
        QTemporaryDir dir;
        const fs::path folder(dir.path().toStdString());
        LogSession session(folder, kProgram, kStart, 1000);
        QVERIFY(session.isOpen());
        QCOMPARE(Rows(session.path()), 0);  // the header is there at once
        int frames = 0;
        for (qint64 now = 1000; now <= 6000; now += 5) {
            if (now % 100 == 0) {
                session.addFrame(now, 2, Readings(int(now)));
                ++frames;
            }
            if (now % 55 != 0) continue;
            session.tick(now);
            const int due = int((now - 1000) / 100) + 1 - 10;  // frames at or before now - 1 000 ms
            QVERIFY2(Rows(session.path()) >= due, qPrintable(QString::number(now)));
            QCOMPARE(session.fileBytes(), std::uint64_t(fs::file_size(session.path())));
        }
        QCOMPARE(session.addMarker(6000), 1);
        QCOMPARE(session.elapsedMs(6000), qint64{5000});
        QVERIFY(session.close().ok());
        QCOMPARE(Rows(session.path()), frames);
    }

    // A full disk: reported, nothing lost while it can be kept, and over once the file takes bytes again.
    void sessionReportsWriteFailure() {
        QTemporaryDir dir;
        IGN_SKIP_WITHOUT_FILE_SIZE_LIMIT();
        LogSession session(fs::path(dir.path().toStdString()), kProgram, kStart, 0);
        const std::uint64_t header = session.fileBytes();
        {
            FileSizeLimit limit(header + 100);
            for (int i = 1; i <= 20; ++i) session.addFrame(i * 10, 2, Readings(1000 + i));
            QVERIFY(session.tick(1000));
            QCOMPARE(session.status().problem, LogProblem::WriteFailed);
            QVERIFY2(session.status().detail.find(session.path().string()) == 0,
                     session.status().detail.c_str());
            QVERIFY(!std::string(LogProblemText(session.status().problem, 1)).empty());
        }
        QVERIFY(session.tick(2000));
        QVERIFY(session.status().ok());
        QCOMPARE(Rows(session.path()), 20);

        // Held back until it is too much to keep: then frames go, and that stays said.
        {
            FileSizeLimit limit(session.fileBytes());
            int added = 0;
            for (; session.status().ok(); ++added) session.addFrame(3000 + added, 2, Readings(2000));
            session.tick(5000);
            QCOMPARE(session.status().problem, LogProblem::FramesLost);
            QCOMPARE(session.status().lostFrames, std::uint64_t{1});
            QCOMPARE(session.frames(), 20 + added - 1);
        }
        session.tick(6000);
        QCOMPARE(session.close().problem, LogProblem::FramesLost);
        QCOMPARE(Rows(session.path()), session.frames());
    }

    void datalogSettings_data() {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QString>("settings");
        QTest::newRow("missing: the defaults")
            << QByteArray() << "0 1500 | 450 0.5 20 60 2 2000 50 1000 0.5 3 1";
        QTest::newRow("stored values")
            << QByteArray(
                   "AutoRecord=1\nStartRpm=3000\nRichAboveMv=480\nMaxWeightMs=250\nMaxThrottleRate=35\n"
                   "MinWaterC=-5\nOverrunThrottle=4\nOverrunAboveRpm=2500\nMinLambdaMv=100\n"
                   "MaxLambdaMv=900\nHoldOffMs=1200\nMinSamples=20\nMinSeconds=2.5\n")
            << "1 3000 | 480 0.25 35 -5 4 2500 100 900 1.2 20 2.5";
        QTest::newRow("beyond the ranges: the ends")
            << QByteArray(
                   "AutoRecord=2\nStartRpm=-100\nRichAboveMv=99999999999\nMaxWeightMs=0\nMinSamples=0\n"
                   "MinSeconds=-1\n")
            << "0 0 | 1250 0.001 20 60 2 2000 50 1000 0.5 1 0";
        QTest::newRow("no numbers: kept")
            << QByteArray("AutoRecord=yes\nStartRpm=fast\nHoldOffMs=0.5\nMinSeconds=1,5\n")
            << "0 1500 | 450 0.5 20 60 2 2000 50 1000 0.5 3 1";
        QTest::newRow("a lambda window that lets nothing through")
            << QByteArray("MinLambdaMv=900\nMaxLambdaMv=800\n")
            << "0 1500 | 450 0.5 20 60 2 2000 50 1000 0.5 3 1";
    }
    void datalogSettings() {
        QFETCH(QByteArray, section);
        ProfileFile file("unused.ini", ("[DATALOG]\n" + section).toStdString());
        DatalogSettings settings;
        LoadDatalogSettings(file, settings);
        QTEST(Describe(settings), "settings");
        ProfileFile stored("unused.ini", std::string_view());
        StoreDatalogSettings(stored, settings);
        DatalogSettings reread;
        reread.autoRecord = !settings.autoRecord;
        reread.cells.holdOffS = 9;
        LoadDatalogSettings(stored, reread);
        QCOMPARE(Describe(reread), Describe(settings));
    }

    // The names and order of the entries are what other copies of the program read.
    void datalogSection() {
        ProfileFile file("unused.ini", std::string_view("[PORTS]\nCOM1=COM1\n"));
        StoreDatalogSettings(file, DatalogSettings{});
        QCOMPARE(
            QByteArray::fromStdString(file.Text()),
            QByteArray(
                "[PORTS]\r\nCOM1=COM1\r\n[DATALOG]\r\nAutoRecord=0\r\nStartRpm=1500\r\nRichAboveMv=450\r\n"
                "MaxWeightMs=500\r\nMaxThrottleRate=20\r\nMinWaterC=60\r\nOverrunThrottle=2\r\n"
                "OverrunAboveRpm=2000\r\nMinLambdaMv=50\r\nMaxLambdaMv=1000\r\nHoldOffMs=500\r\n"
                "MinSamples=3\r\nMinSeconds=1.0\r\n"));
        QCOMPARE(LogFolder("/data"), fs::path("/data/ignition-programmer/logs"));
    }
};

QTEST_GUILESS_MAIN(RecordingTest)
#include "test_recording.moc"
