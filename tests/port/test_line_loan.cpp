// The port's line lent and given back: who may have it when, and what the
// window's link does meanwhile.
#include "PortConnection.h"
#include "QuietLine.h"

#include <QtTest>

#include <memory>

using ign::Lending;
using ign::LineLoan;
using ign::PortConnection;

Q_DECLARE_METATYPE(ign::Lending)

namespace {

// A port that never answers and may go away.
struct Line : QuietLine {
    bool open = true;
    bool isOpen() const override { return open; }
};

// A quiet port behind every name but "gone" (opened counts), a clock the test moves, and the link.
struct Fixture {
    ign::ParameterSet set{};
    ign::Link link{nullptr};
    int opened = 0;
    std::int64_t now = 0;
    PortConnection port{link,
                        [this](const QString& name, ign::PortFacts&) -> std::unique_ptr<ign::SerialLine> {
                            if (name == "gone") return nullptr;
                            ++opened;
                            return std::make_unique<Line>();
                        },
                        [this] { return now; }};
    // A Read that nobody answers, run to its error text: the link idle, its result counting down.
    void FailedRead() {
        link.StartRead(set);
        for (int i = 0; i < 200 && !link.idle(); ++i) link.tick();
    }
};

}  // namespace

class TestLineLoan : public QObject {
    Q_OBJECT

private slots:
    void refusals_data() {
        QTest::addColumn<Lending>("how");
        QTest::addColumn<QString>("situation");
        QTest::addColumn<bool>("granted");
        for (const auto& [how, name] :
             {std::pair{Lending::Aside, "aside"}, std::pair{Lending::BeforeCommand, "before command"},
              std::pair{Lending::Probe, "probe"}}) {
            QTest::addRow("%s, transfer running", name) << how << "transfer" << false;
            QTest::addRow("%s, already lent", name) << how << "lent" << false;
            // A probe may test a port the window could not open: it holds the retries, with no line.
            QTest::addRow("%s, no port", name) << how << "no port" << (how == Lending::Probe);
            QTest::addRow("%s, idle", name) << how << "idle" << true;
        }
    }
    void refusals() {
        QFETCH(Lending, how);
        QFETCH(QString, situation);
        QFETCH(bool, granted);
        Fixture f;
        f.port.Choose(situation == "no port" ? "gone" : "unit");
        if (situation == "transfer") f.link.StartRead(f.set);
        LineLoan first;
        if (situation == "lent") first = f.port.Lend(Lending::Probe);
        ign::SerialLine* const before = f.link.line();
        const std::uint64_t changes = f.link.lineChanges();
        const LineLoan loan = f.port.Lend(how);
        QCOMPARE(bool(loan), granted);
        if (!granted) {
            QCOMPARE(loan.Line(), nullptr);
            QCOMPARE(f.link.line(), before);
            QCOMPARE(f.link.lineChanges(), changes);
        }
    }

    // While lent the link behaves as each borrower needs it; given back, it
    // has its line again and ticks as ever. The borrower cannot reach the
    // line once it gave it back.
    void theLinkWhileLent_data() {
        QTest::addColumn<Lending>("how");
        QTest::addColumn<bool>("linkHasLine");
        QTest::addColumn<bool>("linkTicks");
        QTest::addColumn<bool>("holdsRetries");
        QTest::newRow("aside") << Lending::Aside << false << true << false;
        QTest::newRow("before command") << Lending::BeforeCommand << true << false << false;
        QTest::newRow("probe") << Lending::Probe << true << true << true;
    }
    void theLinkWhileLent() {
        QFETCH(Lending, how);
        QFETCH(bool, linkHasLine);
        QFETCH(bool, linkTicks);
        QFETCH(bool, holdsRetries);
        Fixture f;
        QVERIFY(!f.port.Choose("unit"));
        ign::SerialLine* const line = f.port.Line();
        f.FailedRead();
        const int countdown = f.link.state().StatusHideTicks;
        QVERIFY(countdown > 3);
        {
            LineLoan loan = f.port.Lend(how);
            QCOMPARE(loan.Line(), line);
            QCOMPARE(f.link.line(), linkHasLine ? line : nullptr);
            for (int i = 0; i < 3; ++i) f.link.tick();
            QCOMPARE(int(f.link.state().StatusHideTicks), linkTicks ? countdown - 3 : countdown);
            // A port that went away is not taken back from under a probe.
            static_cast<Line*>(line)->open = false;
            f.port.Tick();  // noticed; tried again a second later
            f.now += 5000;
            f.port.Tick();
            QCOMPARE(f.opened, holdsRetries ? 1 : 2);
            if (holdsRetries) {
                static_cast<Line*>(line)->open = true;  // still the port's line: it was not reopened
                loan.Return();
                QVERIFY(!loan);
                QCOMPARE(loan.Line(), nullptr);
            }
        }
        // Given back (or ended by the reopening): the link has the port's line, whatever it is now.
        QVERIFY(!f.port.Lent());
        QCOMPARE(f.link.line(), f.port.Line());
        const int before = f.link.state().StatusHideTicks;
        f.link.tick();
        QCOMPARE(int(f.link.state().StatusHideTicks), before - 1);
    }

    // A command of the link's own while the line is lent before it: its frame goes out at once.
    void aCommandOfItsOwnGoesOutDuringALoanBeforeIt() {
        Fixture f;
        QVERIFY(!f.port.Choose("unit"));
        const LineLoan loan = f.port.Lend(Lending::BeforeCommand);
        QVERIFY(loan);
        f.link.StartRead(f.set);
        QCOMPARE(int(f.link.state().WaitTicks), 0);
        f.link.tick();
        QCOMPARE(int(f.link.state().WaitTicks), 1);
    }
};

QTEST_GUILESS_MAIN(TestLineLoan)
#include "test_line_loan.moc"
