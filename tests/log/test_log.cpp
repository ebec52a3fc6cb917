#include "CellStatistics.h"
#include "ChartReduction.h"
#include "DatalogSettings.h"
#include "DeviceImageCodec.h"
#include "FactorySet.h"
#include "LogComparison.h"
#include "LogReader.h"
#include "LogWriter.h"
#include "New.h"
#include "SimulatedUnit.h"
#include "TimeAxis.h"

#include <QtTest>

#include <cmath>

#include <sys/stat.h>

using namespace ign;
using Bytes = std::vector<Byte>;

namespace {

class MemorySink : public LogSink {
public:
    std::size_t write(std::string_view bytes) override {
        const std::size_t n = std::min(bytes.size(), room);
        text.append(bytes.substr(0, n));
        room -= n;
        return n;
    }
    std::string text;
    std::size_t room = std::string::npos;
};

std::array<double, kMapSize> DefaultSpeedAxis() {
    ParameterSet set;
    ApplyMachineDefaults(set.ignition, set.injection);
    return MapSpeedAxis(set.injection);
}

// Frames of all four types (check bytes written out), a marker and a frame of
// no known type, into a writer started at 1 000 ms.
void ScriptedLog(LogWriter& writer) {
    Monitor monitor;
    auto frame = [&](std::int64_t ms, const Bytes& bytes) {
        QVERIFY(monitor.ShowMonitorFrame(bytes.data()));
        QVERIFY(writer.addFrame(ms, bytes[0] & 0x0F, monitor.readings()));
    };
    // Throttle 12 %, intake 40 %, water 85 C, air -5 C.
    frame(1000, Bytes{0xB3, 12, 40, 185, 95, 0, 0, 0, 0, 0, 0, 0x8E});
    // W1 1000, W3 2000, W5 3000, W7 1500, W9 4000.
    frame(1013, Bytes{0xB0, 0x03, 0xE8, 0x07, 0xD0, 0x0B, 0xB8, 0x05, 0xDC, 0x0F, 0xA0, 0xB6});
    // W1 1000, W3 0, W5 3874, W7 100, W9 800.
    frame(1026, Bytes{0xB1, 0x03, 0xE8, 0x00, 0x00, 0x0F, 0x22, 0x00, 100, 0x03, 0x20, 0xCF});
    QCOMPARE(writer.addMarker(1030), 1);
    // Period 2000 (1 000 rpm), W3 1940 (3 600 us dwell), test 7.
    frame(1039, Bytes{0xB2, 0x07, 0xD0, 0x07, 0x94, 0, 0, 0, 0, 0x00, 0x07, 0x0E});
    QVERIFY(!writer.addFrame(1040, 4, monitor.readings()));
    // Lambda W7 3000 now; everything else carried.
    frame(3500, Bytes{0xB0, 0x03, 0xE8, 0x07, 0xD0, 0x0B, 0xB8, 0x0B, 0xB8, 0x0F, 0xA0, 0xDC});
}

constexpr char kScriptedLog[] =
    "\"ignition-programmer 1.0.0: 2024-03-14 09:05:07\"\n"
    "time\ttype\tstps_mv\tiaps_percent\tiaps_mv\taps_mv\tlambda_mv\ttps_percent\ttps_mv\twater_c\twater_mv\t"
    "air_c\tair_mv\tsupply_v\tsupply_mv\tinjection_time_us\tinjection_position_deg\trpm\tdwell_us\ttest\n"
    "s\t\tmV\t%\tmV\tmV\tmV\t%\tmV\tC\tmV\tC\tmV\tV\tmV\tus\tdeg\trpm\tus\t\n"
    "0.000\t3\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\n"
    "0.013\t0\t592\t40\t1186\t1780\t445\t12\t2374\t\t\t\t\t\t\t\t\t\t\t\n"
    "0.026\t1\t592\t40\t1186\t1780\t445\t12\t2374\t85\t296\t-5\t0\t13.3\t1150\t3000\t-80\t\t\t\n"
    "MARK 001\t0.030\n"
    "0.039\t2\t592\t40\t1186\t1780\t445\t12\t2374\t85\t296\t-5\t0\t13.3\t1150\t3000\t-80\t1000\t3600\t7\n"
    "2.500\t0\t592\t40\t1186\t1780\t890\t12\t2374\t85\t296\t-5\t0\t13.3\t1150\t3000\t-80\t1000\t3600\t7\n";

constexpr LogStartTime kStart{2024, 3, 14, 9, 5, 7};

std::string ScriptedLogText() {
    MemorySink sink;
    LogWriter writer(sink, "ignition-programmer 1.0.0", kStart, 1000);
    ScriptedLog(writer);
    writer.flush();
    return sink.text;
}

// A made-up log of lambda samples every 0.125 s from 1 s on, in one cell
// unless a row says otherwise, ending with a speed frame 0.125 s after the
// last sample. Sample k: throttle 30 %, 3 000 rpm, water 80 C, lambda 400 + 10 k.
struct Sample {
    double time, throttle, lambda, water, rpm;  // rpm NaN: none yet
};
using Samples = QList<Sample>;

Samples SteadySamples() {
    Samples s;
    for (int k = 0; k < 12; ++k) s.append({1 + 0.125 * k, 30, 400.0 + 10 * k, 80, 3000});
    return s;
}

std::string LogOf(const Samples& samples) {
    std::string text = "\"made up\"\ntime\ttype\ttps_percent\tlambda_mv\twater_c\trpm\ns\t\t%\tmV\tC\trpm\n";
    char row[160];
    for (const Sample& s : samples) {
        std::snprintf(row, sizeof row, "%.3f\t0\t%g\t%g\t%g\t", s.time, s.throttle, s.lambda, s.water);
        text += row;
        if (!std::isnan(s.rpm)) text += std::to_string(static_cast<int>(s.rpm));
        text += '\n';
    }
    std::snprintf(row, sizeof row, "%.3f\t2\t\t\t\t%d\n", samples.back().time + 0.125, 3000);
    return text + row;
}

// A made-up ride through cells of a map over 1 000 .. 10 000 rpm, each held
// 2 s, a lambda sample every 0.1 s from 0.2 s on (where 2.6 - 0.4 falls a
// hair short of 2.2 in binary) and a speed frame 0.1 s after the last. Lambda follows the cell 400 ms late:
// 800 mV for a cell of the rich kind, 200 mV for the lean kind, and the cells alternate.
struct Ride {
    static constexpr std::array<QPoint, 6> kCells{
        {{2, 3}, {5, 3}, {5, 5}, {1, 5}, {7, 2}, {3, 6}}};  // (column, row)
    static constexpr int kSamplesPerCell = 20;
    static constexpr int kLagSamples = 4;

    static std::array<double, kMapSize> speedAxis() {
        std::array<double, kMapSize> axis{};
        for (int i = 0; i < kMapSize; ++i) axis[std::size_t(i)] = 1000.0 * (i + 1);
        return axis;
    }
    static bool rich(int cell) { return cell % 2 == 0; }
    static int cellAt(int sample) { return std::clamp(sample / kSamplesPerCell, 0, int(kCells.size()) - 1); }
    static int samples() { return int(kCells.size()) * kSamplesPerCell; }
    // The cell index of a map cell in the ride, or -1.
    static int indexOf(int row, int column) {
        for (std::size_t i = 0; i < kCells.size(); ++i)
            if (kCells[i] == QPoint(column, row)) return int(i);
        return -1;
    }
    static double rpm(int sample) { return 1000.0 * (kCells[std::size_t(cellAt(sample))].x() + 1); }
    static double throttle(int sample) {
        return kMapThrottleAxis[std::size_t(kCells[std::size_t(cellAt(sample))].y())];
    }
    static double lambda(int sample) { return rich(cellAt(sample - kLagSamples)) ? 800 : 200; }
    static std::int64_t ms(int sample) { return 200 + 100 * std::int64_t{sample}; }

    static std::string log() {
        std::string text =
            "\"made up\"\ntime\ttype\ttps_percent\tlambda_mv\twater_c\trpm\ns\t\t%\tmV\tC\trpm\n";
        char row[128];
        for (int k = 0; k < samples(); ++k) {
            std::snprintf(row, sizeof row, "%.3f\t0\t%g\t%g\t80\t%g\n", double(ms(k)) / 1000, throttle(k),
                          lambda(k), rpm(k));
            text += row;
        }
        std::snprintf(row, sizeof row, "%.3f\t2\t\t\t\t%g\n", double(ms(samples())) / 1000,
                      rpm(samples() - 1));
        return text + row;
    }
};

// Frames of the simulated unit's engine for `seconds` at the stream's own
// pace, with `set` in its memory.
std::string SimulatedLog(const ParameterSet& set, int seconds) {
    SimulatedUnit unit;
    LoadFactorySet(unit);
    for (int offset = 61; offset <= 160; ++offset) unit.setMemory(offset, set.image.at(offset));
    MemorySink sink;
    LogWriter writer(sink, "test", kStart, 0);
    Monitor monitor;
    std::vector<Byte> bytes(4096);
    for (std::int64_t ms = 0; ms < std::int64_t{seconds} * 1000; ms += 55) {
        unit.advance(55);
        const std::size_t n = unit.take(bytes.data(), bytes.size());
        for (std::size_t i = 0; i + 12 <= n; i += 12)
            if (monitor.ShowMonitorFrame(bytes.data() + i))
                writer.addFrame(unit.nowMs(), bytes[i] & 0x0F, monitor.readings());
    }
    writer.flush();
    return sink.text;
}

}  // namespace

Q_DECLARE_METATYPE(Samples)
Q_DECLARE_METATYPE(ign::LogReadError)

class LogTest : public QObject {
    Q_OBJECT
private slots:
    void writesEveryFrameWithTheLatestValues() {
        QCOMPARE(QString::fromStdString(ScriptedLogText()), QString(kScriptedLog));
    }

    // A sink that takes only part (a full disk) loses nothing: the rest goes first next time.
    void flushKeepsWhatTheSinkRefused() {
        MemorySink sink;
        sink.room = 100;
        LogWriter writer(sink, "ignition-programmer 1.0.0", kStart, 1000);
        ScriptedLog(writer);
        QVERIFY(!writer.flush());
        QCOMPARE(writer.bytesWritten(), std::uint64_t{100});
        QCOMPARE(writer.pendingBytes(), std::strlen(kScriptedLog) - 100);
        sink.room = std::string::npos;
        QVERIFY(writer.flush());
        QCOMPARE(QString::fromStdString(sink.text), QString(kScriptedLog));
        QCOMPARE(writer.bytesWritten(), std::uint64_t{std::strlen(kScriptedLog)});
    }

    void fileNamesSortByTime() {
        QCOMPARE(LogFileName(kStart), std::string("2024-03-14_09.05.07.msl"));
        QCOMPARE(LogFileName(kStart, 1), std::string("2024-03-14_09.05.07_2.msl"));
        QVERIFY(LogFileName(kStart) < LogFileName(kStart, 1));
        QVERIFY(LogFileName(kStart, 1) < LogFileName({2024, 3, 14, 9, 5, 8}));
    }

    void reads_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("truncated");
        QTest::addColumn<int>("markers");
        QTest::addColumn<double>("lastLambda");  // NaN: empty
        const QByteArray log(kScriptedLog);
        QTest::newRow("whole") << log << 5 << false << 1 << 890.0;
        QTest::newRow("cut in the last value") << log.left(log.size() - 3) << 4 << true << 1 << 445.0;
        QTest::newRow("cut right after a line end")
            << log.left(log.indexOf("2.500")) << 4 << false << 1 << 445.0;
        QTest::newRow("cut in the marker") << log.left(log.indexOf("MARK") + 6) << 3 << true << 0 << 445.0;
        QByteArray crlf = log;
        QTest::newRow("CR LF line ends") << crlf.replace("\n", "\r\n") << 5 << false << 1 << 890.0;
        // Another program's log: two quoted lines, capitals, a row with a bad time and a short row.
        QTest::newRow("same layout from elsewhere") << QByteArray(
                                                           "\"Other tool\"\n\"Capture Date: today\"\n"
                                                           "Time\tRPM\tlambda_mv\ns\trpm\tmV\n"
                                                           "0.5\t1000\t300\nbad\t1\t2\n1.5\t2000\n")
                                                    << 2 << false << 0 << std::nan("");
    }
    void reads() {
        QFETCH(QByteArray, text);
        QFETCH(double, lastLambda);
        LogReadError error = LogReadError::CannotOpen;
        const std::optional<LogData> log = ReadLog(std::string_view(text.constData(), text.size()), error);
        QVERIFY(log);
        QCOMPARE(error, LogReadError::None);
        QTEST(int(log->rows()), "rows");
        QTEST(log->truncated, "truncated");
        QTEST(int(log->markers.size()), "markers");
        const int lambda = log->columnIndex("lambda_mv");
        QVERIFY(lambda >= 0);
        QCOMPARE(log->columns[std::size_t(lambda)].unit, std::string("mV"));
        const float last = log->columns[std::size_t(lambda)].values.back();
        if (std::isnan(lastLambda)) {
            QVERIFY(std::isnan(last));
        } else {
            QCOMPARE(double(last), lastLambda);
        }
    }

    // What the reader makes of the scripted log, field by field.
    void readsWhatWasWritten() {
        LogReadError error{};
        const std::string text = ScriptedLogText();
        const std::optional<LogData> log = ReadLog(text, error);
        QVERIFY(log);
        QCOMPARE(log->headerLines.size(), std::size_t{1});
        QCOMPARE(log->columns.size(), std::size_t{19});  // type and the eighteen channels
        QCOMPARE(log->timeS, (std::vector<double>{0.0, 0.013, 0.026, 0.039, 2.5}));
        const auto& rpm = log->columns[std::size_t(log->columnIndex("rpm"))].values;
        QVERIFY(std::isnan(rpm[2]));
        QCOMPARE(rpm[3], 1000.0f);
        QCOMPARE(log->columns[std::size_t(log->columnIndex("supply_v"))].values[2], 13.3f);
        QCOMPARE(log->markers.front().number, 1);
        QCOMPARE(log->markers.front().timeS, 0.030);
        QCOMPARE(log->rowAt(1.0), std::size_t{3});
        QCOMPARE(log->rowAt(-1.0), std::size_t{0});
    }

    void refusesWhatIsNoLog_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header only") << QByteArray("\"ignition-programmer\"\n");
        QTest::newRow("names without units") << QByteArray("time\trpm\n");
        QTest::newRow("one column") << QByteArray("time\ns\n1.0\n");
    }
    void refusesWhatIsNoLog() {
        QFETCH(QByteArray, text);
        LogReadError error{};
        QVERIFY(!ReadLog(std::string_view(text.constData(), text.size()), error));
        QCOMPARE(error, LogReadError::NoChannels);
    }

    // Hostile logs: each within its limit reads, beyond it is refused or its
    // rows are left out, and nothing takes memory out of proportion.
    void limits_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<LogReadError>("error");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("outOfRange");
        const QByteArray head("\"m\"\ntime\trpm\ns\trpm\n");
        QTest::newRow("huge equal times") << head + "1e16\t0\n" << LogReadError::None << 0 << 1;
        QTest::newRow("epoch in nanoseconds, ten years, no number")
            << head + "1.7e18\t0\n320000000\t1\n-320000001\t2\ninf\t3\n1e999\t4\n"
            << LogReadError::None << 1 << 4;
        const auto wide = [](int columns) {
            QByteArray names("time"), units("s");
            for (int i = 1; i < columns; ++i) {
                names += "\tc";
                units += "\t";
            }
            return names + "\n" + units + "\n0\t1\n";
        };
        QTest::newRow("256 columns") << wide(256) << LogReadError::None << 1 << 0;
        QTest::newRow("257 columns") << wide(257) << LogReadError::TooManyColumns << 0 << 0;
        QTest::newRow("100 000 columns") << wide(100000) << LogReadError::TooManyColumns << 0 << 0;
        QTest::newRow("a line of 64 KiB") << head + "0\t" + QByteArray(64 * 1024 - 2, '1') + "\n"
                                          << LogReadError::None << 1 << 0;
        QTest::newRow("a line longer") << head + "0\t" + QByteArray(64 * 1024 - 1, '1') + "\n"
                                       << LogReadError::LineTooLong << 0 << 0;
        QTest::newRow("a cut-off line longer")
            << head + QByteArray(70000, '\t') << LogReadError::LineTooLong << 0 << 0;
        QTest::newRow("names beyond a line's room")
            << QByteArray(70000, '\t') << LogReadError::TooManyColumns << 0 << 0;
        QTest::newRow("rows far shorter than the channels")
            << wide(256).replace("0\t1\n", QByteArray("0\n").repeated(20000)) << LogReadError::TooSparse << 0
            << 0;
    }
    void limits() {
        QFETCH(QByteArray, text);
        QFETCH(LogReadError, error);
        LogReadError got = LogReadError::None;
        const std::optional<LogData> log = ReadLog(std::string_view(text.constData(), text.size()), got);
        QCOMPARE(got, error);
        QCOMPARE(log.has_value(), error == LogReadError::None);
        if (!log) return;
        QTEST(int(log->rows()), "rows");
        QTEST(int(log->outOfRangeRows), "outOfRange");
    }

    // A file goes through the same reader piece by piece, so lines cut
    // between pieces come out whole; only a regular file of at most 1 GiB is
    // read (a pipe would keep the reader waiting), and the caller may stop it.
    void readsFilesPieceByPiece() {
        QTemporaryDir dir;
        QByteArray text("\"m\"\r\ntime\trpm\tlambda_mv\r\ns\trpm\tmV\r\n");
        for (int i = 0; i < 30000; ++i) {
            text += QByteArray::number(i * 0.013, 'f', 3) + "\t" + QByteArray::number(1000 + i % 7000) +
                    "\t" + (i % 5 == 0 ? QByteArray() : QByteArray::number(i % 900)) + "\r\n";
            if (i % 9000 == 0) text += "MARK 00" + QByteArray::number(i / 9000 + 1) + "\r\n";
        }
        text += "390.1\t12";  // cut off
        const QString path = dir.filePath("a.msl");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
        file.close();
        LogReadError error{};
        const std::optional<LogData> whole = ReadLog(std::string_view(text.constData(), text.size()), error);
        std::uint64_t lastRead = 0;
        const std::optional<LogData> read =
            ReadLogFile(path.toStdString(), error, [&](std::uint64_t bytes, std::uint64_t all) {
                lastRead = bytes;
                return all == std::uint64_t(text.size());
            });
        QVERIFY(whole && read);
        QCOMPARE(lastRead, std::uint64_t(text.size()));
        QCOMPARE(read->timeS, whole->timeS);
        QCOMPARE(read->rows(), std::size_t{30000});
        QVERIFY(read->truncated);
        QCOMPARE(read->markers.size(), std::size_t{4});
        for (std::size_t c = 0; c < 2; ++c)
            QVERIFY(std::equal(read->columns[c].values.begin(), read->columns[c].values.end(),
                               whole->columns[c].values.begin(), whole->columns[c].values.end(),
                               [](float a, float b) { return a == b || (std::isnan(a) && std::isnan(b)); }));

        QVERIFY(!ReadLogFile(path.toStdString(), error, [](std::uint64_t, std::uint64_t) { return false; }));
        QCOMPARE(error, LogReadError::Cancelled);
#if !defined(_WIN32)
        const QString pipe = dir.filePath("pipe.msl");
        QCOMPARE(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
        QVERIFY(!ReadLogFile(pipe.toStdString(), error));
        QCOMPARE(error, LogReadError::NotAFile);
#endif
        QVERIFY(file.open(QIODevice::WriteOnly) &&
                file.resize((qint64(1) << 30) + 1));  // sparse: no disk taken
        file.close();
        QVERIFY(!ReadLogFile(path.toStdString(), error));
        QCOMPARE(error, LogReadError::TooLarge);
    }

    // However a chart is zoomed or whatever times a log holds, its time axis
    // is counted out, never stepped: a step lost beside a huge time cannot keep it going.
    void axisTicks_data() {
        QTest::addColumn<double>("t0");
        QTest::addColumn<double>("t1");
        QTest::addColumn<double>("pixels");
        QTest::addColumn<QList<double>>("ticks");  // the first, the last and the count
        QTest::newRow("half a minute") << 0.0 << 30.0 << 850.0 << QList<double>{0, 30, 7};
        QTest::newRow("zoomed in") << 12.34 << 12.36 << 900.0 << QList<double>{12.34, 12.36, 11};
        QTest::newRow("one moment") << 5.0 << 5.0 << 850.0 << QList<double>{5, 5, 1};
        QTest::newRow("huge equal times") << 1e16 << 1e16 << 850.0 << QList<double>{1e16, 1e16, 1};
        QTest::newRow("a step lost beside the times")
            << 1e16 << 1e16 + 2 << 850.0 << QList<double>{1e16, 1e16 + 2, 5};
        QTest::newRow("more ticks than an axis carries") << 0.0 << 1e6 << 1e9 << QList<double>{0, 99.9, 1000};
        QTest::newRow("no number") << 0.0 << double(INFINITY) << 850.0 << QList<double>{0, 0, 0};
    }
    void axisTicks() {
        QFETCH(double, t0);
        QFETCH(double, t1);
        QFETCH(double, pixels);
        QFETCH(QList<double>, ticks);
        const std::vector<double> got = TimeAxisTicks(t0, t1, pixels);
        QCOMPARE(got.size(), std::size_t(ticks[2]));
        if (got.empty()) return;
        QCOMPARE(got.front(), ticks[0]);
        QCOMPARE(got.back(), ticks[1]);
    }

    void cellTable_data() {
        QTest::addColumn<Samples>("samples");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("timeS");
        QTest::addColumn<double>("meanMv");
        QTest::addColumn<double>("richShare");
        QTest::addColumn<bool>("figure");
        QTest::addColumn<QList<int>>("filtered");  // no speed, transient, cold, overrun, lambda, hold-off

        const Samples steady = SteadySamples();
        QTest::newRow("steady") << steady << 3 << 2 << 12 << 1.5 << 455.0 << 0.5 << true
                                << QList<int>{0, 0, 0, 0, 0, 0};
        Samples fast = steady, slow = steady;
        for (int k = 4; k < 12; ++k) {
            fast[k].throttle = 33;  // 24 %/s
            slow[k].throttle = 32;  // 16 %/s
        }
        // Out: 4 (transient), 5..7 (within 0.5 s of it).
        QTest::newRow("throttle faster than 20 %/s")
            << fast << 3 << 2 << 8 << 1.0 << 455.0 << 0.5 << true << QList<int>{0, 1, 0, 0, 0, 3};
        QTest::newRow("throttle slower")
            << slow << 3 << 2 << 12 << 1.5 << 455.0 << 0.5 << true << QList<int>{0, 0, 0, 0, 0, 0};
        Samples cold = steady;
        for (int k = 0; k < 3; ++k) cold[k].water = 55;
        for (int k = 3; k < 12; ++k) cold[k].water = 60;
        QTest::newRow("below 60 C, then 60")
            << cold << 3 << 2 << 6 << 0.75 << 485.0 << 1.0 << false << QList<int>{0, 0, 3, 0, 0, 3};
        Samples overrun = steady, closedAt2000 = steady, openedAt2500 = steady;
        for (int k = 0; k < 12; ++k) {
            overrun[k].throttle = 2;
            overrun[k].rpm = 2500;
            closedAt2000[k].throttle = 2;
            closedAt2000[k].rpm = 2000;
            openedAt2500[k].throttle = 3;
            openedAt2500[k].rpm = 2500;
        }
        QTest::newRow("overrun: 2 % above 2000 rpm")
            << overrun << 0 << 2 << 0 << 0.0 << 0.0 << 0.0 << false << QList<int>{0, 0, 0, 12, 0, 0};
        QTest::newRow("2 % at 2000 rpm")
            << closedAt2000 << 0 << 1 << 12 << 1.5 << 455.0 << 0.5 << true << QList<int>{0, 0, 0, 0, 0, 0};
        QTest::newRow("3 % above 2000 rpm")
            << openedAt2500 << 0 << 2 << 12 << 1.5 << 455.0 << 0.5 << true << QList<int>{0, 0, 0, 0, 0, 0};
        Samples lambda = steady;
        lambda[0].lambda = 50;    // kept
        lambda[3].lambda = 49;    // out, and 4..6 after it
        lambda[8].lambda = 1000;  // kept
        lambda[9].lambda = 1001;  // out, and 10, 11 after it
        // In: 50, 410, 420, 470, 1000.
        QTest::newRow("lambda outside 50..1000 mV")
            << lambda << 3 << 2 << 5 << 0.625 << 470.0 << 0.4 << false << QList<int>{0, 0, 0, 0, 2, 5};
        Samples noSpeed = steady;
        noSpeed[0].rpm = noSpeed[1].rpm = std::nan("");
        QTest::newRow("no speed yet, exactly 10 samples")
            << noSpeed << 3 << 2 << 10 << 1.25 << 465.0 << 0.6 << true << QList<int>{2, 0, 0, 0, 0, 0};
        Samples gap = steady;
        for (int k = 6; k < 12; ++k) gap[k].time += 2;
        // Sample 5 stands for 0.5 s, not 2.125 s.
        QTest::newRow("a gap counts 0.5 s")
            << gap << 3 << 2 << 12 << 1.875 << 454.0 << 0.4 << true << QList<int>{0, 0, 0, 0, 0, 0};
    }
    void cellTable() {
        QFETCH(Samples, samples);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QList<int>, filtered);
        LogReadError error{};
        const std::optional<LogData> log = ReadLog(LogOf(samples), error);
        QVERIFY(log);
        const std::optional<CellStatistics> table = CellStatisticsOfLog(*log, DefaultSpeedAxis());
        QVERIFY(table);
        const CellFigures& cell = table->cell(row, column);
        QTEST(cell.samples, "count");
        QTEST(cell.timeS, "timeS");
        QTEST(cell.meanLambdaMv(), "meanMv");
        QTEST(cell.richShare(), "richShare");
        QTEST(table->figures(row, column).has_value(), "figure");
        const CellFilterCounts& f = table->filtered();
        QCOMPARE((QList<int>{f.noSpeed, f.transient, f.cold, f.overrun, f.lambdaRange, f.holdOff}), filtered);

        // Live, frame by frame, the same table; frames of other types are no samples.
        CellStatistics live(DefaultSpeedAxis());
        MonitorReadings r;
        r.haveType1 = true;
        for (const Sample& s : samples) {
            r.haveType2 = !std::isnan(s.rpm);
            r.rpm = r.haveType2 ? int(s.rpm) : 0;
            r.tpsPercent = int(s.throttle);
            r.lambdaMv = int(s.lambda);
            r.waterC = int(s.water);
            const auto ms = static_cast<std::int64_t>(s.time * 1000);
            live.addFrame(ms, 0, r);
            live.addFrame(ms + 10, 2, r);
        }
        live.finish(samples.back().time + 0.125);
        QCOMPARE(live.cell(row, column).samples, cell.samples);
        QCOMPARE(live.cell(row, column).timeS, cell.timeS);
        QCOMPARE(live.cell(row, column).lambdaSum, cell.lambdaSum);
    }

    // The set behind a log: the first line's digest and state, and the
    // digest of every set marker; older and other logs name none.
    void readsTheSetBehindTheLog_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("stamp");           // "<digest> <state>", empty: none
        QTest::addColumn<QStringList>("setMarkers");  // per marker, empty for F6's
        const QByteArray names("time\ttype\trpm\ns\t\trpm\n0.000\t2\t1000\n");
        const QByteArray marks("MARK 001\t0.500\nMARK 002\t1.000\tset abcdef012345\n");
        QTest::newRow("ours")
            << "\"ignition-programmer 1.0.0: 2024-03-14 09:05:07, set 0123456789ab, unit = window\"\n" +
                   names + marks
            << "0123456789ab unit = window" << QStringList{"", "abcdef012345"};
        QTest::newRow("its own words in the name, CR LF")
            << QByteArray(
                   "\"x, set 111111111111, y: 2024-03-14 09:05:07, set 0123456789ab, changed since "
                   "last program\"\r\n") +
                   QByteArray(names + marks).replace("\n", "\r\n")
            << "0123456789ab changed since last program" << QStringList{"", "abcdef012345"};
        QTest::newRow("older log") << "\"ignition-programmer 1.0.0: 2024-03-14 09:05:07\"\n" + names + marks
                                   << "" << QStringList{"", "abcdef012345"};
        QTest::newRow("another program's")
            << "\"Other tool\"\n\"Capture Date: today, set 0123456789ab, x\"\n" + names +
                   "MARK 001\t0.5\tnote\nMARK 002\t0.7\tset 0123456789AB\nMARK 003\t0.9\tset 0123456789a\n"
            << "" << QStringList{"", "", ""};
        QTest::newRow("no digest, no state")
            << "\"p: 2024-03-14 09:05:07, set 0123456789a, unit = window\"\n\"p: x, set 0123456789ab, \"\n" +
                   names
            << "" << QStringList{};
    }
    void readsTheSetBehindTheLog() {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, setMarkers);
        LogReadError error{};
        const std::optional<LogData> log = ReadLog(std::string_view(text.constData(), text.size()), error);
        QVERIFY(log);
        QCOMPARE(log->rows(), std::size_t{1});
        QTEST(log->setStamp ? QString::fromStdString(log->setStamp->digest + ' ' + log->setStamp->state)
                            : QString(),
              "stamp");
        QStringList digests;
        for (const LogData::Marker& m : log->markers) digests << QString::fromStdString(m.setDigest);
        QCOMPARE(digests, setMarkers);
        if (!setMarkers.isEmpty()) QCOMPARE(log->markers.back().number, int(setMarkers.size()));
    }

    // A log of nothing but markers keeps no more of them than a log can have.
    void keepsAtMostSoManyMarkers() {
        std::string text = "time\trpm\ns\trpm\n";
        for (std::size_t i = 0; i <= kMaxLogMarkers; ++i) text += "MARK\t1\tset 0123456789ab\n";
        LogReadError error{};
        const std::optional<LogData> log = ReadLog(text, error);
        QVERIFY(log);
        QCOMPARE(log->markers.size(), kMaxLogMarkers);
        QCOMPARE(log->skippedLines, std::size_t{1});
    }

    // Lambda 400 ms behind the cell: with that delay every sample lands in
    // the cell that made it (116 of 120; the first four have no speed that
    // early), without one 20 of the 120 land in the cell after their own,
    // four at each of the five changes.
    void lambdaDelay_data() {
        QTest::addColumn<int>("delayMs");
        QTest::addColumn<int>("entered");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<int>("noSpeed");
        QTest::newRow("400 ms") << 400 << 116 << 0 << 4;
        QTest::newRow("0 ms") << 0 << 120 << 20 << 0;
    }
    void lambdaDelay() {
        QFETCH(int, delayMs);
        CellStatisticsSettings settings;
        settings.lambdaDelayMs = delayMs;
        // The throttle moves between cells too; here only the pairing counts.
        settings.maxThrottleRate = 10000;
        settings.holdOffS = 0;
        LogReadError error{};
        const std::optional<LogData> log = ReadLog(Ride::log(), error);
        QVERIFY(log);
        const std::optional<CellStatistics> table = CellStatisticsOfLog(*log, Ride::speedAxis(), settings);
        QVERIFY(table);

        CellStatistics live(Ride::speedAxis(), settings);
        MonitorReadings r;
        r.haveType1 = r.haveType2 = true;
        r.waterC = 80;
        for (int k = 0; k < Ride::samples(); ++k) {
            r.rpm = int(Ride::rpm(k));
            r.tpsPercent = int(Ride::throttle(k));
            r.lambdaMv = int(Ride::lambda(k));
            live.addFrame(Ride::ms(k), 0, r);
        }
        live.finish(double(Ride::ms(Ride::samples())) / 1000);

        int entered = 0, wrong = 0;
        for (int row = 0; row < kMapSize; ++row) {
            for (int column = 0; column < kMapSize; ++column) {
                const CellFigures& cell = table->cell(row, column);
                QCOMPARE(live.cell(row, column).samples, cell.samples);
                QCOMPARE(live.cell(row, column).lambdaSum, cell.lambdaSum);
                if (cell.samples == 0) continue;
                const int index = Ride::indexOf(row, column);
                QVERIFY2(index >= 0, qPrintable(QString("cell %1/%2").arg(row).arg(column)));
                const auto richSamples = int(std::lround(cell.richTimeS / 0.1));
                entered += cell.samples;
                wrong += Ride::rich(index) ? cell.samples - richSamples : richSamples;
            }
        }
        QTEST(entered, "entered");
        QTEST(wrong, "wrong");
        QTEST(table->filtered().noSpeed, "noSpeed");
    }

    // Two three-minute rides of the simulated engine, before and after two
    // cells were made richer and two leaner: the difference marks exactly
    // those four, with their sign, and the sets' map values there.
    void comparesTwoRides() {
        ParameterSet before;
        ApplyMachineDefaults(before.ignition, before.injection);
        ParameterSet after = before;
        const QList<QPoint> richer{{6, 1}, {8, 2}}, leaner{{3, 2}, {2, 3}};  // (column, row)
        for (const QPoint& c : richer) JetCell(after.injection, c.y(), c.x()) = 130;
        for (const QPoint& c : leaner) JetCell(after.injection, c.y(), c.x()) = 75;
        PackDeviceImage(before);
        PackDeviceImage(after);
        DatalogSettings defaults;
        std::optional<CellStatistics> tables[2];
        const ParameterSet* sets[2] = {&before, &after};
        for (int i = 0; i < 2; ++i) {
            LogReadError error{};
            const std::optional<LogData> log = ReadLog(SimulatedLog(*sets[i], 180), error);
            QVERIFY(log);
            tables[i] = CellStatisticsOfLog(*log, MapSpeedAxis(sets[i]->injection), defaults.cells);
            QVERIFY(tables[i]);
        }
        const LogComparison comparison = CompareLogCells(*tables[0], *tables[1], &before, &after);
        QVERIFY(!comparison.speedAxesDiffer);
        QList<QPoint> richerSeen, leanerSeen, changedMaps;
        int compared = 0;
        for (int row = 0; row < kMapSize; ++row) {
            for (int column = 0; column < kMapSize; ++column) {
                const CellComparison& c = comparison.cell(row, column);
                QCOMPARE(c.differenceMv.has_value(), c.beforeMv && c.afterMv);
                if (c.mapChanged()) changedMaps << QPoint(column, row);
                if (!c.differenceMv) continue;
                ++compared;
                if (*c.differenceMv > 100) richerSeen << QPoint(column, row);
                if (*c.differenceMv < -100) leanerSeen << QPoint(column, row);
            }
        }
        QVERIFY2(compared > 8, qPrintable(QString::number(compared)));
        QCOMPARE(richerSeen, richer);
        QCOMPARE(leanerSeen, leaner);
        QCOMPARE(changedMaps, (QList<QPoint>{{6, 1}, {3, 2}, {8, 2}, {2, 3}}));
        QCOMPARE(comparison.cell(1, 6).mapAfter, std::optional<Byte>(130));
        QCOMPARE(comparison.cell(1, 6).mapBefore, std::optional<Byte>(JetCell(before.injection, 1, 6)));

        // The second log drawn over the first: the cursor's moments made one.
        const LogTimeOffset offset = LogTimeOffset::AlignAt(12.5, 3.25);
        QCOMPARE(offset.toFirst(3.25), 12.5);
        QCOMPARE(offset.toSecond(20.0), 10.75);
        QCOMPARE(LogTimeOffset::Of(std::nan("")).offsetS, 0.0);
    }

    void reductionKeepsEveryMinimumAndMaximum_data() {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("columns");
        QTest::addColumn<double>("x0");
        QTest::addColumn<double>("x1");
        QTest::newRow("an hour on 800 columns") << 288000 << 800 << 0.0 << 3600.0;
        QTest::newRow("a window inside, few points a column") << 20000 << 700 << 100.0 << 130.0;
        QTest::newRow("one column") << 5000 << 1 << 10.0 << 20.0;
        QTest::newRow("more columns than points") << 50 << 400 << 0.0 << 0.6;
    }
    void reductionKeepsEveryMinimumAndMaximum() {
        QFETCH(int, points);
        QFETCH(int, columns);
        QFETCH(double, x0);
        QFETCH(double, x1);
        std::vector<double> x(static_cast<std::size_t>(points));
        std::vector<float> y(x.size());
        std::uint32_t seed = 12345;
        for (std::size_t i = 0; i < x.size(); ++i) {
            x[i] = 0.0125 * double(i) + 0.001;  // off the column edges, so rounding cannot move a point
            seed = seed * 1664525u + 1013904223u;
            // Noise on a slow wave, and now and then no value.
            y[i] = seed % 97 == 0 ? NAN : float(1000 * std::sin(x[i] / 7) + (seed >> 20) % 200);
        }
        const std::vector<std::size_t> kept = ReduceToColumns(x, y, x0, x1, columns);
        QVERIFY(std::is_sorted(kept.begin(), kept.end()));
        QVERIFY(std::adjacent_find(kept.begin(), kept.end()) == kept.end());
        QVERIFY(kept.size() <= std::size_t(4 * columns + 2));

        auto columnOf = [&](std::size_t i) {
            return std::min(int((x[i] - x0) / (x1 - x0) * columns), columns - 1);
        };
        std::vector<float> low(std::size_t(columns), INFINITY), high(std::size_t(columns), -INFINITY);
        std::vector<float> keptLow = low, keptHigh = high;
        for (std::size_t i = 0; i < x.size(); ++i) {
            if (x[i] < x0 || x[i] > x1 || std::isnan(y[i])) continue;
            const auto c = std::size_t(columnOf(i));
            low[c] = std::min(low[c], y[i]);
            high[c] = std::max(high[c], y[i]);
        }
        for (std::size_t i : kept) {
            QVERIFY(!std::isnan(y[i]));
            if (x[i] < x0 || x[i] > x1) continue;
            const auto c = std::size_t(columnOf(i));
            keptLow[c] = std::min(keptLow[c], y[i]);
            keptHigh[c] = std::max(keptHigh[c], y[i]);
        }
        QCOMPARE(keptLow, low);
        QCOMPARE(keptHigh, high);
        // The line runs on past both edges when there is data there.
        if (x0 > 0) QVERIFY(x[kept.front()] < x0);
        if (x1 < x.back()) QVERIFY(x[kept.back()] > x1);
    }
};

QTEST_GUILESS_MAIN(LogTest)
#include "test_log.moc"
