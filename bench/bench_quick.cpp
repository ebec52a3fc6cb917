// Live changes against ignition-unit-sim on a pseudo-terminal, with the real
// 55 ms tick: the time from a click to "Verify OK" for the live actions and a
// full Program, in the four combinations of quick live changes and answer
// pacing; and, for a 3-second hold of a column arrow (400 ms, then a repeat
// every 100 ms), how many blocks the unit stays behind the window.
//
// Usage: bench_quick [path of ignition-unit-sim]

#include "AnswerPacer.h"
#include "DeviceImageCodec.h"
#include "LiveAdjust.h"
#include "New.h"
#include "QtSerialLine.h"
#include "QuickChanges.h"
#include "Tick.h"
#include "UnitSimProcess.h"
#include "Validation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using ign::kTickMs;
constexpr double kExchangeMs = 24 * 10 * 1000.0 / 9600;  // 12 bytes each way at 9600 8N1
constexpr int kRepeats = 5;

// Notes when a transfer ends, and how.
class Ending : public ign::LinkView {
public:
    void showStatus(ign::MessageId id) override {
        if (id == ign::MessageId::VerifyOk || id == ign::MessageId::VerifyError ||
            id == ign::MessageId::ProgramError || id == ign::MessageId::ReadError) {
            last = id;
            atMs = clock.elapsed();
            if (onEnd) onEnd();
        }
    }
    QElapsedTimer clock;
    ign::MessageId last = ign::MessageId::ReadStarted;
    qint64 atMs = 0;
    std::function<void()> onEnd;
};

struct Rig {
    ign::ParameterSet set;
    ign::QtSerialLine port;
    ign::Link link{&port};
    ign::QuickChanges quick{link};
    ign::AnswerPacer pacer{link};
    Ending ending;
    bool quickOn = false;

    Rig() {
        ign::ApplyMachineDefaults(set);
        ign::ValidateParameters(set);
        link.Use(set);
        link.addView(&ending);
    }
    void live() {
        if (quickOn) {
            quick.liveChange(set);
        } else {
            link.Use(set);
            link.StartProgram();
        }
    }
    // Runs the event loop with the tick until the link falls idle after act()
    // ran at offsetMs into it; returns the ms from act() to the transfer's end.
    qint64 run(const std::function<void()>& act, int offsetMs) {
        QEventLoop loop;
        QTimer tick;
        tick.setTimerType(Qt::PreciseTimer);
        tick.setInterval(kTickMs);
        bool acted = false;
        QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
            link.tick();
            if (acted && link.idle()) loop.quit();
        });
        tick.start();
        QTimer::singleShot(offsetMs, Qt::PreciseTimer, &loop, [&] {
            ending.clock.start();
            act();
            acted = true;
        });
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        loop.exec();
        return ending.atMs;
    }
};

struct Action {
    const char* name;
    std::function<void(Rig&, int)> act;  // the run's number, so each run changes something
    int blocks;                          // blocks it changes
};

int g_tps = 1230;

const std::vector<Action>& Actions() {
    static const std::vector<Action> actions{
        {"one map cell",
         [](Rig& r, int) {
             ++ign::JetCell(r.set.injection, 4, 2);
             r.live();
         },
         1},
        {"one column",
         [](Rig& r, int) {
             ign::JetColumnPlus(r.set.injection, 5);
             r.live();
         },
         10},
        {"curve A+",
         [](Rig& r, int run) {
             // Down and up in turn, so the curve stays clear of its limits.
             run % 2 ? ign::CurvePlus(r.set) : ign::CurveMinus(r.set);
             r.live();
         },
         1},
        {"Set TPS",
         [](Rig& r, int) {
             g_tps = g_tps == 1230 ? 1240 : 1230;
             ign::SetTps0(r.set.injection, static_cast<std::uint16_t>(g_tps));
             r.live();
         },
         1},
        {"whole map +/-",
         [](Rig& r, int run) {
             run % 2 ? ign::JetPlus(r.set.injection) : ign::JetMinus(r.set.injection);
             r.live();
         },
         10},
        {"full Program+Verify",
         [](Rig& r, int) {
             r.link.Use(r.set);
             r.link.StartProgram();
         },
         21},
    };
    return actions;
}

bool Start(ign::UnitSimProcess& sim, Rig& rig, const QString& simPath) {
    QString error;
    if (!sim.start(simPath, {}, &error) || !rig.port.open(sim.terminalPath(), &error)) {
        std::fprintf(stderr, "cannot start the unit: %s\n", qPrintable(error));
        return false;
    }
    // The unit known: one full Program+Verify.
    rig.run([&] { rig.link.StartProgram(); }, 0);
    return rig.ending.last == ign::MessageId::VerifyOk;
}

// Clicks of a held column arrow; samples the blocks still to write on every tick.
void Hold(Rig& rig, const char* combo) {
    QEventLoop loop;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(kTickMs);
    std::vector<int> lag;
    int clicks = 0, restarts = 0;
    bool released = false;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        rig.link.tick();
        if (!released) {
            // Without quick changes a click restarts at block 0: the blocks not yet written again are behind.
            const ign::LinkState& state = rig.link.state();
            const bool writing = state.TransferMode == ign::TransferMode::Program;
            lag.push_back(rig.quickOn ? rig.quick.blocksToWrite()
                          : writing   ? ign::kWritableBlocks - state.FrameCode
                                      : 0);
        }
        if (released && rig.link.idle()) loop.quit();
    });
    QTimer repeat;
    repeat.setTimerType(Qt::PreciseTimer);
    QElapsedTimer held;
    auto click = [&] {
        ++clicks;
        if (!rig.link.idle() && !rig.link.planned()) ++restarts;
        ign::JetColumnPlus(rig.set.injection, 6);
        rig.live();
        if (held.elapsed() >= 3000) {
            repeat.stop();
            released = true;
            rig.ending.clock.start();
        }
    };
    QObject::connect(&repeat, &QTimer::timeout, &loop, click);
    tick.start();
    QTimer::singleShot(7, Qt::PreciseTimer, &loop, [&] {
        held.start();
        click();
        QTimer::singleShot(400, Qt::PreciseTimer, &loop, [&] {
            click();
            repeat.start(100);
        });
    });
    loop.exec();
    double mean = 0;
    for (int l : lag) mean += l;
    mean /= lag.empty() ? 1 : static_cast<double>(lag.size());
    std::printf(
        "| %-22s | hold 3 s, %2d clicks | lag mean %4.1f, max %2d blocks | restarts %2d | release -> %s "
        "%4lld ms |\n",
        combo, clicks, mean, lag.empty() ? 0 : *std::max_element(lag.begin(), lag.end()), restarts,
        rig.ending.last == ign::MessageId::VerifyOk ? "Verify OK" : "error",
        static_cast<long long>(rig.ending.atMs));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString simPath = args.size() > 1 ? args.at(1) : QStringLiteral(IGN_UNIT_SIM);
    std::printf(
        "one exchange = %.1f ms of line time; one tick = %d ms; the unit answers after 2 ms; "
        "monitor stream every 100 ms; mean of %d clicks at varied phases of the tick\n\n",
        kExchangeMs, kTickMs, kRepeats);
    std::printf("| %-22s", "click -> Verify OK, ms");
    for (const Action& a : Actions()) std::printf(" | %-19s", a.name);
    std::printf(" |\n|%s", std::string(24, '-').c_str());
    for (std::size_t i = 0; i < Actions().size(); ++i) std::printf("|%s", std::string(21, '-').c_str());
    std::printf("|\n");
    bool ok = true;
    for (const bool quickOn : {false, true}) {
        for (const bool paced : {false, true}) {
            char combo[64];
            std::snprintf(combo, sizeof combo, "quick %s, paced %s", quickOn ? "on " : "off",
                          paced ? "on " : "off");
            ign::UnitSimProcess sim;
            Rig rig;
            rig.quickOn = quickOn;
            rig.pacer.setEnabled(paced);
            if (!Start(sim, rig, simPath)) return 1;
            std::printf("| %-22s", combo);
            for (const Action& a : Actions()) {
                qint64 total = 0;
                int worst = 0;
                for (int run = 0; run < kRepeats; ++run) {
                    const qint64 ms = rig.run([&] { a.act(rig, run); }, 5 + run * 11);
                    ok = ok && rig.ending.last == ign::MessageId::VerifyOk;
                    total += ms;
                    worst = std::max(worst, static_cast<int>(ms));
                }
                std::printf(" | %5lld (max %5d)   ", static_cast<long long>(total / kRepeats), worst);
            }
            std::printf(" |\n");
            sim.stop();
        }
    }
    std::printf("\n");
    for (const bool quickOn : {false, true}) {
        for (const bool paced : {false, true}) {
            char combo[64];
            std::snprintf(combo, sizeof combo, "quick %s, paced %s", quickOn ? "on " : "off",
                          paced ? "on " : "off");
            ign::UnitSimProcess sim;
            Rig rig;
            rig.quickOn = quickOn;
            rig.pacer.setEnabled(paced);
            if (!Start(sim, rig, simPath)) return 1;
            Hold(rig, combo);
            ok = ok && rig.ending.last == ign::MessageId::VerifyOk;
            sim.stop();
        }
    }
    std::printf(
        "\nline limit of a full Program+Verify: 42 x %.1f ms + 42 x 2 ms = %.0f ms; 1.25x = %.0f ms\n",
        kExchangeMs, 42 * (kExchangeMs + 2), 1.25 * 42 * (kExchangeMs + 2));
    return ok ? 0 : 1;
}
