#include "DeviceImageCodec.h"
#include "Link.h"
#include "MonitorView.h"
#include "New.h"
#include "ScriptedLine.h"
#include "SealedFrame.h"
#include "SideRead.h"
#include "SimulatedLine.h"
#include "Validation.h"

#include <QtTest>

using namespace ign;

namespace {

class RecordingView : public LinkView {
public:
    void showStatus(MessageId id) override { statuses.push_back(id); }
    void hideStatus() override { ++hides; }
    void readCompleted() override { ++reads; }
    void monitorFrame(const MonitorFrameEvent& f) override { monitorUpdates += f.shown ? 1 : 0; }
    void showProgress(bool visible) override { barShown = visible; }
    std::vector<MessageId> statuses;
    bool barShown = false;
    int hides = 0, reads = 0, monitorUpdates = 0;
};

// Every event as one line, so two views can be compared whole.
class EventLog : public LinkView {
public:
    void showStatus(MessageId id) override { add("status " + std::to_string(static_cast<int>(id))); }
    void hideStatus() override { add("hide"); }
    void setProgress(int position) override { add("progress " + std::to_string(position)); }
    void showProgress(bool visible) override { add(visible ? "bar on" : "bar off"); }
    void readCompleted() override { add("read"); }
    void monitorFrame(const MonitorFrameEvent& f) override {
        if (f.shown) add("monitor");
        frames.push_back(f);
        add("frame " + std::to_string(f.type) + " at " + std::to_string(f.timeMs) +
            (f.shown ? " shown" : ""));
    }
    void add(std::string line) { lines.push_back(std::move(line)); }
    std::vector<std::string> lines;
    std::vector<MonitorFrameEvent> frames;
};

ParameterSet DefaultSet() {
    ParameterSet set;
    ApplyMachineDefaults(set);
    ValidateParameters(set);
    PackDeviceImage(set);
    return set;
}

// A unit holding the default set, quiet unless a test turns its monitor on.
struct Bench {
    explicit Bench(UnitFaults faults = {}) : set(DefaultSet()), unit(faults), line(unit), link(&line, &view) {
        link.addView(&page);
        link.Use(set);
        unit.setMonitorIntervalMs(0);
        for (int offset = 1; offset <= 210; ++offset) unit.setMemory(offset, set.image.at(offset));
    }
    void tick() {
        line.advance(55);
        link.tick();
        ++ticks;
    }
    // Ticks until the transfer ends; returns how many it took.
    int runToEnd(int limit = 2000) {
        const int start = ticks;
        while (link.state().TransferMode != TransferMode::None && ticks - start < limit) tick();
        return ticks - start;
    }
    ParameterSet set;
    SimulatedUnit unit;
    SimulatedLine line;
    RecordingView view;
    MonitorView page;
    Link link;
    int ticks = 0;
};

}  // namespace

class LinkTest : public QObject {
    Q_OBJECT
private slots:
    void requestFrames_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<Bytes>("block0");
        QTest::addColumn<Bytes>("expected");
        const Bytes zeros(10, 0);
        const Bytes speeds{0x0A, 0x14, 0x1E, 0x28, 0x32, 0x3C, 0x46, 0x50, 0x5A, 0x64};
        QTest::newRow("read block 5") << 0x45 << speeds << Bytes{0x45, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xBA};
        QTest::newRow("write block 0, zeros")
            << 0x00 << zeros << Bytes{0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF};
        QTest::newRow("write block 0, curve A speeds")
            << 0x00 << speeds
            << Bytes{0x00, 0x0A, 0x14, 0x1E, 0x28, 0x32, 0x3C, 0x46, 0x50, 0x5A, 0x64, 0xF1};
    }
    void requestFrames() {
        QFETCH(int, code);
        QFETCH(Bytes, block0);
        QFETCH(Bytes, expected);
        DeviceImage image;
        std::copy(block0.begin(), block0.end(), image.block(0));
        const Frame f = BuildRequest(static_cast<Byte>(code), image);
        QCOMPARE(Bytes(f.begin(), f.end()), expected);
    }

    // Answers to the first write of a Program whose block 0 holds 1000..10000 rpm.
    void programAnswers_data() {
        QTest::addColumn<Bytes>("answer");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("exact echo") << Bytes{0x80, 0x0A, 0x14, 0x1E, 0x28, 0x32,
                                             0x3C, 0x46, 0x50, 0x5A, 0x64, 0x71}
                                    << true;
        QTest::newRow("check byte one bit off")
            << Bytes{0x80, 0x0A, 0x14, 0x1E, 0x28, 0x32, 0x3C, 0x46, 0x50, 0x5A, 0x64, 0x70} << false;
        QTest::newRow("bytes 7-10 differ")
            << Bytes{0x80, 0x0A, 0x14, 0x1E, 0x28, 0x32, 0x3C, 0, 0, 0, 0, 0x59} << true;
        QTest::newRow("byte 6 differs")
            << Sealed({0x80, 0x0A, 0x14, 0x1E, 0x28, 0x32, 0x3D, 0x46, 0x50, 0x5A, 0x64}) << false;
        QTest::newRow("read answer code")
            << Sealed({0xC0, 0x0A, 0x14, 0x1E, 0x28, 0x32, 0x3C, 0x46, 0x50, 0x5A, 0x64}) << false;
        QTest::newRow("one stray byte first")
            << Bytes{0x00, 0x80, 0x0A, 0x14, 0x1E, 0x28, 0x32, 0x3C, 0x46, 0x50, 0x5A, 0x64, 0x71} << false;
    }
    void programAnswers() {
        QFETCH(Bytes, answer);
        QFETCH(bool, accepted);
        ParameterSet set;
        for (int k = 0; k < 10; ++k) set.image.block(0)[k] = static_cast<Byte>(10 * (k + 1));
        ScriptedLine line;
        Link link(&line);
        link.UseImage(set.image);
        link.StartProgram();
        QCOMPARE(line.written.size(), std::size_t{1});
        line.push(answer);
        link.tick();
        QCOMPARE(link.state().FrameCode, Byte(accepted ? 1 : 0));
        QCOMPARE(link.display().progress, accepted ? 2 : 0);
        QCOMPARE(line.written.size(), std::size_t(accepted ? 2 : 1));
        QVERIFY(line.queued.empty());  // the whole read is consumed either way
    }

    void answerWaitsForTwelveBytes() {
        ParameterSet set;
        ScriptedLine line;
        Link link(&line);
        link.StartRead(set);
        const Bytes answer = Sealed({0xC0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        line.push(Bytes(answer.begin(), answer.begin() + 11));
        link.tick();
        QCOMPARE(line.queued.size(), std::size_t{11});
        QCOMPARE(link.state().FrameCode, Byte(0x40));
        line.push({answer.back()});
        link.tick();
        QVERIFY(line.queued.empty());
        QCOMPARE(link.state().FrameCode, Byte(0x41));
        QCOMPARE(link.parameters().image.at(1), Byte(1));
        QCOMPARE(link.parameters().image.at(10), Byte(10));
    }

    void idleReadsGoToTheMonitor() {
        ParameterSet set;
        ScriptedLine line;
        RecordingView view;
        Link link(&line, &view);
        MonitorView page;
        link.addView(&page);
        line.push({0xB2});
        link.tick();
        QVERIFY(line.queued.empty());
        QCOMPARE(link.state().ReceivedCount, std::size_t{1});
        QCOMPARE(view.monitorUpdates, 0);
        QCOMPARE(page.monitor().text(MonitorLabel::Rpm), std::string("RPM = ---"));

        line.push(Sealed({0xB2, 0x07, 0xD0, 0, 0, 0, 0, 0, 0, 0, 0}));
        link.tick();
        QCOMPARE(view.monitorUpdates, 1);
        QCOMPARE(page.monitor().text(MonitorLabel::Rpm), std::string("RPM = 1000 "));
        // A later one-byte read must not combine with the bytes the frame left behind.
        line.push({0xB2});
        link.tick();
        link.tick();
        QCOMPARE(view.monitorUpdates, 1);
    }

    // Listeners get every valid frame of a read; the page still shows only a frame at its start.
    void everyFrameOfAReadReachesTheViews_data() {
        QTest::addColumn<Bytes>("read");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("rpmLabel");
        const Bytes type0 =
            Sealed({0xB0, 0, 0, 0, 0, 0, 0, 0x0D, 0x2C, 0, 0});  // lambda word 3372 -> 1001 mV
        const Bytes rpm1000 = Sealed({0xB2, 0x07, 0xD0, 0, 0, 0, 0, 0, 0, 0, 0});
        const Bytes type3 = Sealed({0xB3, 40, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        Bytes badCheck = rpm1000;
        badCheck.back() ^= 1;
        QTest::newRow("two frames") << type0 + rpm1000
                                    << QStringList{"monitor", "frame 0 at 55 shown", "frame 2 at 55"}
                                    << "RPM = ---";
        QTest::newRow("page frame is type 2")
            << rpm1000 + type3 << QStringList{"monitor", "frame 2 at 55 shown", "frame 3 at 55"}
            << "RPM = 1000 ";
        QTest::newRow("stray byte first")
            << Bytes{0x00} + rpm1000 << QStringList{"frame 2 at 55"} << "RPM = ---";
        QTest::newRow("bad check byte") << badCheck + type3 << QStringList{"frame 3 at 55"} << "RPM = ---";
        QTest::newRow("frame and a half") << rpm1000 + Bytes(type0.begin(), type0.begin() + 6)
                                          << QStringList{"monitor", "frame 2 at 55 shown"} << "RPM = 1000 ";
    }
    void everyFrameOfAReadReachesTheViews() {
        QFETCH(Bytes, read);
        QFETCH(QStringList, expected);
        QFETCH(QString, rpmLabel);
        ParameterSet set;
        ScriptedLine line;
        EventLog log;
        Link link(&line, &log);
        MonitorView page;
        link.addView(&page);
        line.push(read);
        link.tick();
        link.tick();  // the page shows its frame again: no new frame for the views
        QStringList lines;
        for (const std::string& l : log.lines) lines << QString::fromStdString(l);
        QCOMPARE(lines, expected);
        QCOMPARE(QString::fromStdString(page.monitor().text(MonitorLabel::Rpm)), rpmLabel);
    }

    void frameEventsCarryEveryChannel() {
        ParameterSet set;
        ScriptedLine line;
        EventLog log;
        Link link(&line, &log);
        link.setClock([] { return std::int64_t{123456}; });
        line.push(Sealed({0xB3, 40, 0, 125, 0, 0, 0, 0, 0, 0, 0}) +
                  Sealed({0xB0, 0, 0, 0, 0, 0, 0, 0x0D, 0x2C, 0, 0}) +
                  Sealed({0xB1, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0xD0}));
        link.tick();
        QCOMPARE(log.frames.size(), std::size_t{3});
        const MonitorReadings& r = log.frames[2].readings;
        QCOMPARE(log.frames[2].timeMs, std::int64_t{123456});
        QVERIFY(r.haveType0 && r.haveType1 && r.haveType3 && !r.haveType2);
        QCOMPARE(r.tpsPercent, 40);  // the status of the type-3 frame before it
        // ... and the type-3 frame's own event already carries its opening.
        QCOMPARE(log.frames[0].readings.tpsPercent, 40);
        QCOMPARE(r.lambdaMv, 1001);
        QCOMPARE(r.waterC, 25);
        QCOMPARE(r.injectionPositionDeg, 0);
    }

    void twoViewsFollowOneLink() {
        Bench b;
        EventLog first, second;
        b.link.setView(&first);
        b.link.addView(&second);
        b.unit.setMonitorIntervalMs(100);
        for (int i = 0; i < 10; ++i) b.tick();
        b.link.StartRead();
        b.runToEnd();
        for (int i = 0; i < 205; ++i) b.tick();
        QVERIFY(first.lines.size() > 60);
        QVERIFY(std::count(first.lines.begin(), first.lines.end(), "read") == 1);
        QVERIFY(!first.frames.empty());
        QCOMPARE(second.lines, first.lines);
        b.link.removeView(&first);
        b.link.StartVerify();
        QCOMPARE(second.lines.size(), first.lines.size() + 3);  // status, progress, bar
    }

    void longQueueIsReadInSlicesOf1024() {
        ParameterSet set;
        ScriptedLine line;
        Link link(&line);
        line.push(Bytes(1500, 0x55));
        link.tick();
        QCOMPARE(link.state().ReceivedCount, std::size_t{1024});
        QCOMPARE(line.queued.size(), std::size_t{476});
        link.tick();
        QCOMPARE(link.state().ReceivedCount, std::size_t{476});
        QVERIFY(line.queued.empty());
    }

    void monitorFramesWaitWhileARequestIsOutstanding() {
        Bench b;
        b.link.StartVerify();
        b.line.advance(5);  // nothing of the answer yet
        const Bytes frame = Sealed({0xB2, 0x07, 0xD0, 0, 0, 0, 0, 0, 0, 0, 0});
        ScriptedLine scripted;
        b.link.setLine(&scripted);
        scripted.push(frame);
        b.link.tick();
        QCOMPARE(b.page.monitor().text(MonitorLabel::Rpm), std::string("RPM = ---"));
        QCOMPARE(b.view.monitorUpdates, 0);
    }

    // A transfer that never gets an answer: five sends, the error on tick 20, gone 199 ticks later.
    void giveUp_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("line");  // 0 silent unit, 1 no line, 2 closed line
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("firstCode");
        QTest::newRow("read, silent, English") << 1 << 0 << 0 << "Read error!" << 0x40;
        QTest::newRow("read, silent, Czech") << 1 << 0 << 1 << "Chyba čtení!" << 0x40;
        QTest::newRow("read, silent, German") << 1 << 0 << 2 << "Lesefehler" << 0x40;
        QTest::newRow("verify, no line") << 2 << 1 << 0 << "Verify error!" << 0x40;
        QTest::newRow("verify, silent, German") << 2 << 0 << 2 << "Vergleichsfehler" << 0x40;
        QTest::newRow("program, closed line, Czech") << 3 << 2 << 1 << "Chyba programování" << 0x00;
        QTest::newRow("program, silent, German") << 3 << 0 << 2 << "Programmier. Fehler" << 0x00;
    }
    void giveUp() {
        QFETCH(int, mode);
        QFETCH(int, line);
        QFETCH(int, language);
        QFETCH(QString, text);
        QFETCH(int, firstCode);
        UnitFaults faults;
        faults.silent = true;
        Bench b(faults);
        if (line == 1) b.link.setLine(nullptr);
        if (line == 2) b.line.setOpen(false);
        if (mode == 1) b.link.StartRead();
        if (mode == 2) b.link.StartVerify();
        if (mode == 3) b.link.StartProgram();
        for (int t = 1; t < 20; ++t) b.tick();
        QCOMPARE(int(b.link.state().TransferMode), mode);
        b.tick();
        QCOMPARE(b.link.state().TransferMode, TransferMode::None);
        QVERIFY(!b.link.state().AwaitingResponse);
        QCOMPARE(QString::fromUtf8(MessageText(*b.link.display().status, static_cast<Byte>(language)).data()),
                 text);
        QCOMPARE(b.unit.requestsReceived(), line == 0 ? 5 : 0);
        QVERIFY(!b.link.answerDiffered());  // nothing came back at all
        QCOMPARE(int(b.link.state().FrameCode), firstCode);
        for (int t = 21; t < 219; ++t) b.tick();
        QVERIFY(b.link.display().statusVisible);
        QVERIFY(b.link.display().progressVisible);
        b.tick();
        QVERIFY(!b.link.display().statusVisible);
        QVERIFY(!b.link.display().progressVisible);
        QCOMPARE(b.view.hides, 1);
        QCOMPARE(b.unit.requestsReceived(), line == 0 ? 5 : 0);
    }

    void readRunsIntoVerify() {
        Bench b;
        // Identification: "ABC" version 7, built 5 February 2002 at 09:07.
        const Bytes id{0x41, 0x42, 0x43, 7, 5, 13, 2, 9, 7};
        for (int i = 0; i < 9; ++i) b.unit.setMemory(211 + i, id[static_cast<std::size_t>(i)]);
        b.unit.setMemory(48, 0x77);  // a byte the program gives no meaning, kept as read
        b.link.StartRead(ParameterSet{});
        b.runToEnd();
        QCOMPARE(b.view.statuses,
                 (std::vector<MessageId>{MessageId::ReadStarted, MessageId::VerifyAfterTransfer,
                                         MessageId::VerifyOk}));
        QCOMPARE(b.view.reads, 1);
        QCOMPARE(b.link.identification().version, std::string("ABC07"));
        QCOMPARE(b.link.identification().date, std::string(" 5. 2.2002"));
        QCOMPARE(b.link.identification().time, std::string("09:07"));
        ParameterSet expected = DefaultSet();
        UnpackDeviceImage(expected);  // flags come back as their bit masks
        QCOMPARE(b.link.parameters().ignition, expected.ignition);
        QCOMPARE(b.link.parameters().injection, expected.injection);
        QCOMPARE(b.link.parameters().image.at(48), Byte(0x77));
        QCOMPARE(b.link.state().StatusHideTicks, Byte(199));  // counted down on the tick that set it
        QVERIFY(!b.link.display().progressVisible);
        QVERIFY(b.link.display().statusVisible);
        QCOMPARE(b.link.display().progress, 40);
    }

    void readOfAnInvalidValueEndsInVerifyError() {
        Bench b;
        b.unit.setMemory(11, 200);  // curve A advance far beyond the trigger width
        b.link.StartRead();
        b.runToEnd();
        QCOMPARE(b.link.display().status, std::optional(MessageId::VerifyError));
        QVERIFY(b.link.answerDiffered());  // the unit answered, with the byte it holds
        QCOMPARE(b.link.parameters().ignition.ADV_A[0], b.link.parameters().ignition.PALEC);
    }

    void programWritesAndVerifies_data() {
        QTest::addColumn<bool>("split");
        QTest::addColumn<int>("delayMs");
        QTest::addColumn<int>("monitorMs");
        QTest::newRow("clean") << false << 0 << 0;
        QTest::newRow("answers split across ticks") << true << 0 << 0;
        QTest::newRow("answers late") << false << 100 << 0;
        QTest::newRow("monitor streaming") << false << 0 << 40;
    }
    void programWritesAndVerifies() {
        QFETCH(bool, split);
        QFETCH(int, delayMs);
        QFETCH(int, monitorMs);
        UnitFaults faults;
        faults.splitAnswers = split;
        faults.answerDelayMs = delayMs;
        Bench b(faults);
        b.unit.setMonitorIntervalMs(monitorMs);
        b.set.injection.JET.fill(123);
        b.link.Use(b.set);
        b.link.StartProgram();
        b.runToEnd();
        QCOMPARE(b.link.display().status, std::optional(MessageId::VerifyOk));
        QCOMPARE(b.unit.memory()[60], Byte(123));
        QVERIFY(std::equal(b.link.parameters().image.bytes.begin(),
                           b.link.parameters().image.bytes.begin() + 210, b.unit.memory().begin()));
    }

    void wrongEchoEndsInProgramError() {
        UnitFaults faults;
        faults.wrongEcho = true;
        Bench b(faults);
        b.link.StartProgram();
        QCOMPARE(b.runToEnd(), 20);
        QCOMPARE(b.link.display().status, std::optional(MessageId::ProgramError));
        QVERIFY(b.link.answerDiffered());
        b.link.StartVerify();  // a new command starts afresh
        QVERIFY(!b.link.answerDiffered());
    }

    void commandReplacesRunningTransfer() {
        Bench b;
        b.set.ignition.ADV_A.fill(1);
        b.link.Use(b.set);
        b.link.StartProgram();
        for (int t = 0; t < 5; ++t) b.tick();
        QVERIFY(b.link.state().FrameCode > 0);
        b.link.StartRead();
        QCOMPARE(b.link.state().TransferMode, TransferMode::Read);
        QCOMPARE(b.link.state().FrameCode, Byte(0x40));
        QCOMPARE(b.link.state().SendCount, Byte(1));
        QCOMPARE(b.link.display().progress, 0);
        b.runToEnd();
        QCOMPARE(b.link.display().status, std::optional(MessageId::VerifyOk));
    }

    // A result's countdown must not hide the label of a transfer started before it ran out.
    void newTransferCancelsOldCountdown() {
        UnitFaults faults;
        faults.silent = true;
        Bench b(faults);
        b.link.StartRead();
        b.runToEnd();
        for (int t = 0; t < 100; ++t) b.tick();
        b.unit.faults().silent = false;
        b.view.barShown = false;  // the owner hid the bar itself, as printing does
        b.link.StartProgram();
        QVERIFY(b.view.barShown);
        QCOMPARE(b.link.state().StatusHideTicks, Byte(0));
        for (int t = 0; t < 150 && b.link.state().TransferMode != TransferMode::None; ++t) {
            b.tick();
            QVERIFY(b.link.display().statusVisible);
        }
        QCOMPARE(b.link.display().status, std::optional(MessageId::VerifyOk));
        QCOMPARE(b.view.hides, 0);
    }

    void liveProgramPacksFirst() {
        Bench b;
        b.set.injection.JET[0] = 77;
        b.link.Use(b.set);
        b.link.StartProgram();
        QCOMPARE(b.link.parameters().image.at(61), Byte(77));
        QCOMPARE(b.link.display().status, std::optional(MessageId::ProgramStarted));
        QCOMPARE(b.link.state().FrameCode, Byte(0));
        b.runToEnd();
        QCOMPARE(b.unit.memory()[60], Byte(77));
    }

    void messageTexts_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("czech");
        QTest::addColumn<QString>("german");
        QTest::newRow("read") << 0 << "Read device:"
                              << "Čtení:"
                              << "Lesen:";
        QTest::newRow("program") << 1 << "Program device:"
                                 << "Programování:"
                                 << "Programmieren:";
        QTest::newRow("verify command") << 2 << "Verify device:"
                                        << "Verifikace:"
                                        << "Vergleichen:";
        QTest::newRow("verify after") << 3 << "Verify device:"
                                      << "Verifikace:"
                                      << "Verifikation:";
        QTest::newRow("verify ok") << 4 << "Verify OK"
                                   << "Verifikace OK"
                                   << "Vergleich OK";
        QTest::newRow("verify error") << 6 << "Verify error!"
                                      << "Chyba verifikace!"
                                      << "Vergleichsfehler";
        QTest::newRow("com") << 8 << "Com opening error"
                             << "Com opening error"
                             << "Com opening error";
    }
    void messageTexts() {
        QFETCH(int, id);
        QFETCH(QString, english);
        QFETCH(QString, czech);
        QFETCH(QString, german);
        const auto text = [&](Byte language) {
            const std::string_view s = MessageText(static_cast<MessageId>(id), language);
            return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
        };
        QCOMPARE(text(0), english);
        QCOMPARE(text(1), czech);
        QCOMPARE(text(2), german);
        QCOMPARE(text(7), english);
    }

    // A read aside: what the unit holds arrives in the caller's set, from the
    // first start's set of machine 0 up, and not one frame follows it; a unit
    // that does not answer ends it as failed, the set then being nobody's business.
    void sideReadTakesTheUnitsSetAndNothingMore_data() {
        QTest::addColumn<bool>("silent");
        QTest::newRow("answering") << false;
        QTest::newRow("silent") << true;
    }
    void sideReadTakesTheUnitsSetAndNothingMore() {
        QFETCH(bool, silent);
        SimulatedUnit unit;
        for (int offset = 1; offset <= 210; ++offset)
            unit.setMemory(offset, static_cast<Byte>(offset % 7 + 40));
        unit.faults().silent = silent;
        std::size_t frames = 0;
        struct Counting : SimulatedLine {
            Counting(SimulatedUnit& u, std::size_t& n) : SimulatedLine(u), count(n) {}
            void write(const Byte* frame, std::size_t size) override {
                ++count;
                SimulatedLine::write(frame, size);
            }
            std::size_t& count;
        } line(unit, frames);
        ParameterSet set;
        set.ignition.OMEZ1 = 1;  // whatever the caller's set held is not the base
        SideRead read(set, &line);
        QCOMPARE(frames, std::size_t{1});
        int ticks = 0;
        for (; read.outcome() == SideRead::Outcome::Running && ticks < 2000; ++ticks) {
            line.advance(55);
            read.tick();
        }
        QCOMPARE(read.outcome(), silent ? SideRead::Outcome::Failed : SideRead::Outcome::Completed);
        const std::size_t sent = frames;
        for (int i = 0; i < 50; ++i) {
            line.advance(55);
            read.tick();
        }
        QCOMPARE(frames, sent);
        if (silent) return;
        QCOMPARE(sent, std::size_t{22});  // blocks 0 to 21, one request each
        ParameterSet expected{};
        ApplyMachineDefaults(expected);
        for (int offset = 1; offset <= 210; ++offset) expected.image.at(offset) = unit.memory()[offset - 1];
        UnpackDeviceImage(expected);
        ValidateParameters(expected);
        QVERIFY(set.ignition == expected.ignition);
        QVERIFY(set.injection == expected.injection);
    }
};

QTEST_GUILESS_MAIN(LinkTest)
#include "test_link.moc"
