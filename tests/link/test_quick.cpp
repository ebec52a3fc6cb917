#include "DeviceImageCodec.h"
#include "Link.h"
#include "LiveAdjust.h"
#include "New.h"
#include "QuickChanges.h"
#include "SimulatedLine.h"
#include "Validation.h"

#include <QtTest>

#include <random>

using namespace ign;

namespace {

// The simulated line, with every frame the program wrote kept in order.
class TracedLine : public SimulatedLine {
public:
    using SimulatedLine::SimulatedLine;
    void write(const Byte* frame, std::size_t size) override {
        frames.emplace_back(frame, frame + size);
        SimulatedLine::write(frame, size);
    }
    std::vector<std::vector<Byte>> frames;
};

class Statuses : public LinkView {
public:
    void showStatus(MessageId id) override { list.push_back(id); }
    std::vector<MessageId> list;
};

// A unit holding the default set. Time moves in whole milliseconds: a tick
// every 55, and with answer pacing a look at the line every 2 between.
struct Rig {
    explicit Rig(UnitFaults faults = {}, bool paced = false) : unit(faults), line(unit), link(&line, &view) {
        ApplyMachineDefaults(set);
        ValidateParameters(set);
        PackDeviceImage(set);
        link.Use(set);
        unit.setMonitorIntervalMs(0);
        for (int offset = 1; offset <= 210; ++offset) unit.setMemory(offset, set.image.at(offset));
        link.setAnswerPaced(paced);
    }
    void ms(int count) {
        for (int i = 0; i < count; ++i) {
            line.advance(1);
            ++now;
            if (now % kTickMs == 0) {
                link.tick();
            } else if (now % 2 == 0) {
                link.AnswerPoll();
            }
        }
    }
    // Runs until the transfer ends; returns the milliseconds it took.
    int runToEnd(int limitMs = 200000) {
        const int start = now;
        while (link.state().TransferMode != TransferMode::None && now - start < limitMs) ms(1);
        return now - start;
    }
    bool unitHoldsSet() const {
        const DeviceImage& sent = link.parameters().image;
        return std::equal(sent.bytes.begin(), sent.bytes.begin() + 210, unit.memory().begin());
    }
    int writesOf(int block) const {
        return static_cast<int>(std::count_if(line.frames.begin(), line.frames.end(),
                                              [block](const auto& f) { return f[0] == block; }));
    }
    ParameterSet set;
    SimulatedUnit unit;
    TracedLine line;
    Statuses view;
    Link link;
    int now = 0;
};

using Action = std::function<void(ParameterSet&)>;

}  // namespace

class QuickTest : public QObject {
    Q_OBJECT
private slots:
    // Pacing by the answers changes when requests go out, never which.
    void answerPacedSendsTheSameFrames_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("read") << 1;
        QTest::newRow("verify") << 2;
        QTest::newRow("program") << 3;
    }
    void answerPacedSendsTheSameFrames() {
        QFETCH(int, mode);
        std::vector<std::vector<Byte>> frames[2];
        int took[2] = {};
        for (int paced = 0; paced < 2; ++paced) {
            Rig r({}, paced == 1);
            if (mode == 3) {
                r.set.injection.JET.fill(77);
                r.link.Use(r.set);
            }
            if (mode == 1) r.link.StartRead();
            if (mode == 2) r.link.StartVerify();
            if (mode == 3) r.link.StartProgram();
            took[paced] = r.runToEnd();
            frames[paced] = r.line.frames;
            QCOMPARE(r.link.display().status, std::optional(MessageId::VerifyOk));
        }
        QCOMPARE(frames[1], frames[0]);
        QVERIFY2(took[1] * 3 < took[0] * 2,
                 qPrintable(QString("%1 ms against %2").arg(took[1]).arg(took[0])));
    }

    // Whatever the line does, an answer-paced Program never claims a unit it did not check.
    void answerPacedNeverLies() {
        int ok = 0, failed = 0;
        for (std::uint32_t seed = 1; seed <= 150; ++seed) {
            std::mt19937 pick(seed);
            UnitFaults f;
            f.seed = seed;
            f.dropRate = (pick() % 6) * 0.1;
            f.corruptRate = (pick() % 6) * 0.1;
            f.splitAnswers = pick() % 3 == 0;
            f.answerDelayMs = std::array{0, 30, 100, 250}[pick() % 4];
            f.wrongEcho = pick() % 10 == 0;
            f.stuckOffset = pick() % 4 == 0 ? static_cast<int>(1 + pick() % 210) : 0;
            Rig r(f, true);
            r.unit.setMonitorIntervalMs(std::array{0, 40, 100}[pick() % 3]);
            for (int offset = 1; offset <= 210; ++offset) r.unit.setMemory(offset, static_cast<Byte>(pick()));
            r.link.StartProgram();
            r.runToEnd();
            if (r.link.display().status == MessageId::VerifyOk) {
                QVERIFY2(r.unitHoldsSet(), qPrintable(QString("seed %1").arg(seed)));
                ++ok;
            } else {
                ++failed;
            }
        }
        QVERIFY(ok > 20 && failed > 20);
    }

    // Each live action writes exactly the blocks it changed, once, and reads them back.
    void quickChangeWritesOnlyItsBlocks_data() {
        QTest::addColumn<Action>("action");
        QTest::addColumn<std::vector<int>>("blocks");
        QTest::newRow("curve A+") << Action([](ParameterSet& s) { CurvePlus(s); }) << std::vector<int>{1};
        QTest::newRow("curve A-") << Action([](ParameterSet& s) { CurveMinus(s); }) << std::vector<int>{1};
        QTest::newRow("jet+") << Action([](ParameterSet& s) { JetPlus(s.injection); })
                              << std::vector<int>{6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
        QTest::newRow("column 3-") << Action([](ParameterSet& s) { JetColumnMinus(s.injection, 3); })
                                   << std::vector<int>{6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
        QTest::newRow("Set TPS 0") << Action([](ParameterSet& s) { SetTps0(s.injection, 1230); })
                                   << std::vector<int>{17};
        QTest::newRow("one map cell")
            << Action([](ParameterSet& s) { ++JetCell(s.injection, 4, 2); }) << std::vector<int>{10};
    }
    void quickChangeWritesOnlyItsBlocks() {
        QFETCH(Action, action);
        QFETCH(std::vector<int>, blocks);
        for (const bool paced : {false, true}) {
            Rig r({}, paced);
            QuickChanges quick(r.link);
            r.link.StartVerify();
            r.runToEnd();
            QVERIFY(quick.known());
            r.line.frames.clear();
            r.view.list.clear();
            action(r.set);
            QVERIFY(quick.liveChange(r.set));
            QCOMPARE(quick.blocksToWrite(), int(blocks.size()));
            const int took = r.runToEnd();
            QCOMPARE(r.view.list,
                     (std::vector<MessageId>{MessageId::ProgramStarted, MessageId::VerifyAfterTransfer,
                                             MessageId::VerifyOk}));
            QVERIFY(r.unitHoldsSet());
            for (int block = 0; block < kWritableBlocks; ++block) {
                const bool changed = std::find(blocks.begin(), blocks.end(), block) != blocks.end();
                QCOMPARE(r.writesOf(block), changed ? 1 : 0);
            }
            QCOMPARE(int(r.line.frames.size()), 2 * int(blocks.size()));
            if (blocks.size() == 1) QVERIFY2(took <= (paced ? 60 : 110), qPrintable(QString::number(took)));
            QCOMPARE(quick.blocksToWrite(), 0);
            QVERIFY(quick.known());
        }
    }

    // Clicks faster than the line: none starts the unit over from block 0,
    // and the last click's set is what gets read back.
    void burstOfColumnClicksNeverRestarts() {
        Rig r;
        QuickChanges quick(r.link);
        r.link.StartVerify();
        r.runToEnd();
        r.line.frames.clear();
        r.view.list.clear();
        for (int click = 0; click < 12; ++click) {
            JetColumnPlus(r.set.injection, 5);
            quick.liveChange(r.set);
            r.ms(100);
        }
        r.runToEnd();
        QCOMPARE(r.link.display().status, std::optional(MessageId::VerifyOk));
        QVERIFY(r.unitHoldsSet());
        QCOMPARE(r.writesOf(0), 0);
        QCOMPARE(std::count(r.view.list.begin(), r.view.list.end(), MessageId::VerifyOk), 1);
        QVERIFY(quick.known());
    }

    // Whenever the unit's memory is not known, the next live change is the full Program and Verify.
    void fallsBackToFullProgram_data() {
        QTest::addColumn<int>("condition");
        QTest::newRow("never checked") << 0;
        QTest::newRow("port reopened") << 1;
        QTest::newRow("transfer ended in an error") << 2;
        QTest::newRow("line lent to a side read") << 3;
        QTest::newRow("stuck byte") << 4;
    }
    void fallsBackToFullProgram() {
        QFETCH(int, condition);
        UnitFaults faults;
        if (condition == 4) faults.stuckOffset = 16;  // a point of curve A
        Rig r(faults);
        QuickChanges quick(r.link);
        if (condition != 0) {
            r.link.StartVerify();
            r.runToEnd();
        }
        if (condition == 1) r.link.setLine(&r.line);
        if (condition == 3) quick.forget();
        if (condition == 2) {
            r.line.setOpen(false);
            r.link.StartRead();
            r.runToEnd();
            r.line.setOpen(true);
        }
        if (condition == 4) {
            CurvePlus(r.set);
            QVERIFY(quick.liveChange(r.set));
            r.runToEnd();
            QCOMPARE(r.link.display().status, std::optional(MessageId::VerifyError));
        }
        QVERIFY(!quick.known());
        r.line.frames.clear();
        CurveMinus(r.set);
        QVERIFY(!quick.liveChange(r.set));
        r.runToEnd();
        for (int block = 0; block < kWritableBlocks; ++block) QCOMPARE(r.writesOf(block), 1);
        if (condition == 4) return;  // the stuck byte fails every check
        QCOMPARE(r.link.display().status, std::optional(MessageId::VerifyOk));
        QVERIFY(quick.known());
        CurvePlus(r.set);
        QVERIFY(quick.liveChange(r.set));
    }
};

QTEST_GUILESS_MAIN(QuickTest)
#include "test_quick.moc"
