// The Qt-free side of keeping a connection: why a port will not open, the
// retries while it is away, and a device that talks but not the protocol.

#include "Link.h"
#include "PortProbe.h"
#include "PortReconnect.h"
#include "PortTexts.h"
#include "ProtocolWatcher.h"
#include "ScriptedLine.h"
#include "SealedFrame.h"

#include <QtTest>

using namespace ign;

namespace {

QString Qs(const std::string& text) { return QString::fromStdString(text); }

enum class Situation {
    Missing,
    MissingAlone,
    MissingUnlisted,
    Busy,
    NotInGroup,
    AddedSinceLogin,
    InGroup,
    RootGroup,
    Other
};

PortFacts FactsOf(Situation situation) {
    PortFacts facts;
    facts.port = "/dev/ttyUSB0";
    facts.user = "tuner";
    facts.group = "dialout";
    switch (situation) {
        case Situation::Missing:
            facts.exists = false;
            facts.present = {"/dev/ttyS0", "/dev/ttyUSB1 (FT232R USB UART)"};
            break;
        case Situation::MissingAlone:
            facts.exists = false;
            facts.present.emplace();
            facts.port = "/dev/odd%2name";  // a placeholder inside an argument stays as it is
            break;
        case Situation::MissingUnlisted:
            facts.exists = false;
            break;
        case Situation::Busy:
            facts.heldElsewhere = true;
            break;
        case Situation::NotInGroup:
            facts.accessDenied = true;
            break;
        case Situation::AddedSinceLogin:
            facts.accessDenied = true;
            facts.groupInAccount = true;
            break;
        case Situation::InGroup:
            facts.accessDenied = true;
            facts.groupInAccount = facts.groupInSession = true;
            break;
        case Situation::RootGroup:
            facts.accessDenied = true;
            facts.group = "root";
            break;
        case Situation::Other:
            facts.systemText = "Unsupported operation";
            break;
    }
    return facts;
}

// A port the test plugs and pulls; the opener is the seam that counts attempts.
struct FakePort {
    bool present = false;
    bool open = false;
    int attempts = 0;
    std::int64_t now = 0;
    bool transferRuns = false;
    PortReconnect reconnect{[this]() -> std::optional<PortFacts> {
                                ++attempts;
                                open = present;
                                if (open) return std::nullopt;
                                PortFacts facts;
                                facts.port = "/dev/ttyUSB0";
                                facts.exists = false;
                                return facts;
                            },
                            [this] { return open; }, [this] { return now; }};
    // Ticks of 55 ms for the given time.
    void run(std::int64_t ms) {
        for (const std::int64_t end = now + ms; now < end;) {
            now += kTickMs;
            reconnect.tick();
        }
    }
};

}  // namespace

class ConnectionTest : public QObject {
    Q_OBJECT
private slots:
    void causeTexts_data() {
        QTest::addColumn<int>("situation");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        QTest::newRow("missing, with the ports there are")
            << int(Situation::Missing) << 0
            << "Port /dev/ttyUSB0 is not there. The ports this computer has: /dev/ttyS0, /dev/ttyUSB1 "
               "(FT232R USB UART).";
        QTest::newRow("missing, none there, Czech")
            << int(Situation::MissingAlone) << 1
            << "Port /dev/odd%2name neexistuje a počítač nehlásí žádné sériové porty.";
        QTest::newRow("missing, not looked up: no claim about the others")
            << int(Situation::MissingUnlisted) << 0 << "Port /dev/ttyUSB0 is not there.";
        QTest::newRow("busy, German")
            << int(Situation::Busy) << 2
            << "Port /dev/ttyUSB0 wird von einem anderen Programm benutzt; schließen "
               "Sie es zuerst.";
        QTest::newRow("not in the group: the command")
            << int(Situation::NotInGroup) << 0
            << "You have no permission to use port /dev/ttyUSB0. It belongs to the group dialout, and user "
               "tuner "
               "is not in it. This command adds the user to the group (log out and in again afterwards):\n"
               "sudo usermod -aG dialout tuner";
        QTest::newRow("added since login: log in again, Czech")
            << int(Situation::AddedSinceLogin) << 1
            << "Nemáte oprávnění používat port /dev/ttyUSB0. Uživatel tuner byl do skupiny portu dialout "
               "přidán "
               "až po začátku této relace: odhlaste se a znovu se přihlaste.";
        QTest::newRow("in the group already") << int(Situation::InGroup) << 0
                                              << "You have no permission to use port /dev/ttyUSB0. Ask the "
                                                 "computer's administrator for access to it.";
        QTest::newRow("root's group is no advice") << int(Situation::RootGroup) << 2
                                                   << "Sie haben keine Berechtigung für Port /dev/ttyUSB0. "
                                                      "Bitten Sie den Administrator des Computers "
                                                      "um Zugriff darauf.";
        QTest::newRow("anything else: the system's words")
            << int(Situation::Other) << 7 << "Port /dev/ttyUSB0 could not be opened: Unsupported operation";
    }
    void causeTexts() {
        QFETCH(int, situation);
        QFETCH(int, language);
        QFETCH(QString, text);
        QCOMPARE(Qs(PortFailureText(FactsOf(Situation(situation)), static_cast<Byte>(language))), text);
    }

    // The command goes into a root shell: odd names are quoted, option-like ones never offered.
    void joinGroupCommandQuotes() {
        PortFacts facts = FactsOf(Situation::NotInGroup);
        facts.user = "o'neil x";
        QCOMPARE(Qs(JoinGroupCommand(facts)), QString("sudo usermod -aG dialout 'o'\\''neil x'"));
        facts.user = "-o";
        QCOMPARE(AdviseOnPermission(facts), PermissionAdvice::AskAdministrator);
    }

    // Pulled at 2 s, plugged back at 6.5 s: one attempt a second, none while open or held.
    void reconnectTriesOnceASecond() {
        FakePort port;
        QVERIFY(port.reconnect.connect().has_value());  // absent at start: reported once
        QCOMPARE(port.reconnect.state(), PortState::Retrying);
        QCOMPARE(Qs(ConnectionFieldText(port.reconnect, false, "/dev/ttyUSB0", 0)),
                 QString("Disconnected: port not there"));
        port.present = true;
        port.run(1000);
        QCOMPARE(port.reconnect.state(), PortState::Open);
        QCOMPARE(port.attempts, 2);
        QVERIFY(!port.reconnect.lastFailure());

        port.run(1000);
        QCOMPARE(port.attempts, 2);
        port.present = port.open = false;
        port.run(55);
        QCOMPARE(port.reconnect.state(), PortState::Vanished);
        QCOMPARE(Qs(ConnectionFieldText(port.reconnect, false, "/dev/ttyUSB0", 1)), QString("Odpojeno"));
        port.run(4500);
        QCOMPARE(port.attempts, 2 + 4);
        QCOMPARE(port.reconnect.state(), PortState::Vanished);

        // A transfer cut by the loss must end in its error, not go on over the new connection.
        port.present = true;
        port.transferRuns = true;
        port.reconnect.setHold([&port] { return port.transferRuns; });
        port.run(3000);
        QCOMPARE(port.attempts, 6);
        port.transferRuns = false;
        port.run(55);
        QCOMPARE(port.attempts, 7);
        QCOMPARE(port.reconnect.state(), PortState::Open);
        QCOMPARE(Qs(ConnectionFieldText(port.reconnect, false, "/dev/ttyUSB0", 0)), QString());
        QCOMPARE(Qs(ConnectionFieldText(port.reconnect, true, "/dev/ttyUSB0", 0)),
                 QString("The device on /dev/ttyUSB0 does not speak the unit's protocol (wrong port or wrong "
                         "speed?)"));

        port.reconnect.disconnect();
        port.open = false;
        port.run(3000);
        QCOMPARE(port.attempts, 7);
        QCOMPARE(port.reconnect.state(), PortState::Closed);
    }

    void unitFrames_data() {
        QTest::addColumn<Bytes>("bytes");
        QTest::addColumn<int>("frames");
        const Bytes monitor = Sealed({0xB1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        QTest::newRow("monitor frame behind noise") << Bytes{0x13, 0x77} + monitor << 1;
        QTest::newRow("two answers") << Sealed({0xD5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}) +
                                            Sealed({0x94, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1})
                                     << 2;
        // Our own request echoed back, or a valid check byte on a code the unit never sends, is no frame.
        QTest::newRow("echoed request") << Sealed({0x40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}) << 0;
        QTest::newRow("answer to no block") << Sealed({0x95, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}) << 0;
        QTest::newRow("monitor type 4") << Sealed({0xB4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}) << 0;
        QTest::newRow("eleven bytes") << Bytes(monitor.begin(), monitor.end() - 1) << 0;
    }
    void unitFrames() {
        QFETCH(Bytes, bytes);
        QFETCH(int, frames);
        QCOMPARE(CountUnitFrames(bytes.data(), bytes.size()), std::size_t(frames));
    }

    // Through the link: noise for 3 s is reported, one monitor frame clears it, silence never raises it.
    void nonsenseAfterThreeSeconds() {
        ScriptedLine line;
        std::int64_t now = 0;
        ProtocolWatcher watcher([&now] { return now; });
        Link link(&line, &watcher);
        link.setClock([&now] { return now; });
        auto tick = [&](const Bytes& bytes) {
            now += kTickMs;
            line.push(bytes);
            link.tick();
        };
        const Bytes noise{0xFF, 0x00, 0xB0, 0x55, 0x12};
        auto ticksToNonsense = [&] {
            int ticks = 0;
            while (!watcher.speaksNonsense() && ticks < 100) {
                tick(noise);
                ++ticks;
            }
            return ticks;
        };
        // Bytes from the first tick; 3 s later is the 56th.
        QCOMPARE(ticksToNonsense(), 56);
        tick(noise + Sealed({0xB0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        QVERIFY(!watcher.speaksNonsense());
        QCOMPARE(ticksToNonsense(), 56);
        for (int t = 0; t < 54; ++t) tick({});
        QVERIFY(watcher.speaksNonsense());
        tick({});
        QVERIFY(!watcher.speaksNonsense());  // a silent port is no talking one
    }

    // The port dialog's test: what it concludes from what comes back within
    // 2 s, and that it only ever asks for the identification block.
    void probeTellsWhatIsOnThePort_data() {
        QTest::addColumn<Bytes>("early");  // arrives 100 ms after the start, in 5-byte pieces
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("doneMs");
        QTest::addColumn<QString>("text");
        // Version "V1.07", 5 February 2002, 09:07 as the unit's block 21 holds them.
        const Bytes answer = Sealed({0xD5, 'V', '1', '.', 7, 5, 13, 2, 9, 7, 0});
        const Bytes monitor = Sealed({0xB2, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        QTest::newRow("answer behind a monitor frame and noise")
            << Bytes{0x42} + monitor + answer << int(ProbeOutcome::UnitAnswered) << 100
            << "A unit answers on COM9: version V1.07, date 5. 2.2002, time 09:07.";
        QTest::newRow("monitor frames only")
            << monitor + monitor << int(ProbeOutcome::MonitorFrames) << 2000
            << "Monitor frames arrive on COM9, but no answer to a read came.";
        QTest::newRow("noise at a wrong speed") << Bytes(40, 0xE6) << int(ProbeOutcome::Nonsense) << 2000
                                                << "The device on COM9 does not speak the unit's protocol "
                                                   "(wrong port or wrong speed?)";
        QTest::newRow("silence") << Bytes{} << int(ProbeOutcome::Silent) << 2000
                                 << "Nothing answers on COM9 (is the unit switched on and connected to this "
                                    "port?).";
    }
    void probeTellsWhatIsOnThePort() {
        QFETCH(Bytes, early);
        QFETCH(int, outcome);
        QFETCH(int, doneMs);
        QFETCH(QString, text);
        std::vector<Frame> sent;
        PortProbe probe([&sent](const Frame& frame) { sent.push_back(frame); });
        probe.start(0);
        ProbeOutcome got = ProbeOutcome::Running;
        std::int64_t now = 0;
        for (; now <= 3000 && got == ProbeOutcome::Running; now += kTickMs) {
            if (now >= 100 && now < 100 + kTickMs)
                for (std::size_t at = 0; at < early.size(); at += 5)
                    probe.received(early.data() + at, std::min<std::size_t>(5, early.size() - at));
            got = probe.poll(now);
        }
        QCOMPARE(int(got), outcome);
        QVERIFY(now - kTickMs >= doneMs && now - kTickMs < doneMs + kTickMs);
        QVERIFY(!sent.empty() && sent.size() <= 5);
        for (const Frame& frame : sent)
            QCOMPARE(Bytes(frame.begin(), frame.end()), Sealed({0x55, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(Qs(ProbeOutcomeText(probe, got, "COM9", 0)), text);
    }
};

QTEST_GUILESS_MAIN(ConnectionTest)
#include "test_connection.moc"
