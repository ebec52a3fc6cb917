// A unit on a pseudo-terminal, reached through a fixed link as a by-id name
// reaches an adapter, is killed and started again, while this process runs
// the window's 55 ms tick (link, reconnect, protocol watcher) in a Qt event
// loop. Prints how long the port takes to reopen after it came back, the
// first unit frame after that, the time between open attempts, and the CPU this
// process takes while connected and while disconnected.
//
// Usage: bench_reconnect [path of ignition-unit-sim] [cycles]

#include "Link.h"
#include "OpenSerialLine.h"
#include "PortReconnect.h"
#include "ProtocolWatcher.h"
#include "Tick.h"
#include "UnitSimProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs the event loop until done() or timeoutMs; returns the milliseconds it took.
qint64 RunUntil(const std::function<bool()>& done, qint64 timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    // Blocks until something happens; the 55 ms timer happens at least that often.
    while (!done() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return clock.elapsed();
}

// CPU share of one core over a stretch of running the loop.
double CpuShare(qint64 ms) {
    const double before = CpuSeconds();
    QElapsedTimer clock;
    clock.start();
    RunUntil([] { return false; }, ms);
    return 100.0 * (CpuSeconds() - before) / (static_cast<double>(clock.elapsed()) / 1000.0);
}

struct Spread {
    double min, median, max;
};

Spread SpreadOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return {values.front(), values[values.size() / 2], values.back()};
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString simPath = args.size() > 1 ? args[1] : QStringLiteral(IGN_UNIT_SIM);
    const int cycles = args.size() > 2 ? args[2].toInt() : 10;
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("unit"));
    const QStringList options{"--link", link, "--monitor-ms", "100"};

    QElapsedTimer steady;
    steady.start();
    std::unique_ptr<ign::SerialLine> line;
    ign::ProtocolWatcher watcher([&steady] { return steady.elapsed(); });
    ign::Link linkEngine(nullptr, &watcher);
    std::vector<qint64> attemptTimes;
    int frames = 0;
    struct FrameCounter : ign::LinkView {
        int* frames;
        void received(const ign::Byte* bytes, std::size_t count) override {
            *frames += static_cast<int>(ign::CountUnitFrames(bytes, count));
        }
    } counter;
    counter.frames = &frames;
    linkEngine.addView(&counter);
    ign::PortReconnect reconnect(
        [&]() -> std::optional<ign::PortFacts> {
            attemptTimes.push_back(steady.elapsed());
            ign::PortFacts why;
            line = ign::OpenSerialLine(link, why);
            linkEngine.setLine(line.get());
            if (!line) return why;
            watcher.reset();
            return std::nullopt;
        },
        [&] { return line && line->isOpen(); }, [&steady] { return steady.elapsed(); });
    reconnect.setHold([&linkEngine] { return !linkEngine.idle(); });

    QTimer timer;
    timer.setInterval(ign::kTickMs);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        reconnect.tick();
        linkEngine.tick();
    });
    timer.start();

    ign::UnitSimProcess sim;
    QString error;
    if (!sim.start(simPath, options, &error)) {
        std::fprintf(stderr, "cannot start %s: %s\n", qPrintable(simPath), qPrintable(error));
        return 1;
    }
    if (reconnect.connect()) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(link));
        return 1;
    }
    const double connectedCpu = CpuShare(5000);

    std::vector<double> reopenMs, firstFrameMs, disconnectedCpu, attemptGaps;
    for (int cycle = 0; cycle < cycles; ++cycle) {
        sim.stop();
        if (RunUntil([&] { return reconnect.state() == ign::PortState::Vanished; }, 2000) >= 2000) {
            std::fprintf(stderr, "the port did not vanish\n");
            return 1;
        }
        // Away for 3 s and a fraction that varies, so the return falls anywhere in the second.
        const int awayMs = 3000 + 137 * cycle % 1000;
        const std::size_t attemptsBefore = attemptTimes.size();
        const double before = CpuSeconds();
        QElapsedTimer away;
        away.start();
        RunUntil([] { return false; }, awayMs);
        disconnectedCpu.push_back(100.0 * (CpuSeconds() - before) /
                                  (static_cast<double>(away.elapsed()) / 1000.0));
        for (std::size_t i = attemptsBefore + 1; i < attemptTimes.size(); ++i)
            attemptGaps.push_back(static_cast<double>(attemptTimes[i] - attemptTimes[i - 1]));

        if (!sim.start(simPath, options, &error)) {
            std::fprintf(stderr, "cannot restart: %s\n", qPrintable(error));
            return 1;
        }
        // The link exists once the tool has named its terminal: the port is back.
        QElapsedTimer back;
        back.start();
        RunUntil([&] { return reconnect.state() == ign::PortState::Open; }, 5000);
        reopenMs.push_back(static_cast<double>(back.elapsed()));
        const int framesBefore = frames;
        RunUntil([&] { return frames > framesBefore; }, 5000);
        firstFrameMs.push_back(static_cast<double>(back.elapsed()));
    }
    sim.stop();

    const Spread reopen = SpreadOf(reopenMs);
    const Spread first = SpreadOf(firstFrameMs);
    const Spread cpu = SpreadOf(disconnectedCpu);
    const Spread gap = SpreadOf(attemptGaps);
    std::printf("cycles (unit killed, away 3-4 s, started again): %d\n", cycles);
    std::printf("port back -> reopened:        min %5.0f  median %5.0f  max %5.0f ms\n", reopen.min,
                reopen.median, reopen.max);
    std::printf("port back -> first unit frame: min %5.0f  median %5.0f  max %5.0f ms\n", first.min,
                first.median, first.max);
    std::printf("between open attempts:         min %5.0f  median %5.0f  max %5.0f ms (%zu gaps)\n", gap.min,
                gap.median, gap.max, attemptGaps.size());
    std::printf("CPU while disconnected:        min %5.2f  median %5.2f  max %5.2f %% of a core\n", cpu.min,
                cpu.median, cpu.max);
    std::printf("CPU while connected (5 s, monitor frames every 100 ms): %.2f %% of a core\n", connectedCpu);
    return 0;
}
