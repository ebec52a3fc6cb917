// How close Read and Program come to the fewest ticks the protocol allows and
// to the time the bytes need on a 9600-baud line, over a real pseudo-terminal
// against ignition-unit-sim, with the real 55 ms tick.
//
// Also how long ignition-cli takes to give up on a unit that never answers:
// five sends of the first request, three to four ticks each, and no wait for
// the result's display time.
//
// Usage: bench_link [path of ignition-unit-sim] [path of ignition-cli]

#include "DeviceImageCodec.h"
#include "Link.h"
#include "New.h"
#include "QtSerialLine.h"
#include "Tick.h"
#include "TransferRunner.h"
#include "UnitSimProcess.h"
#include "Validation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>

#include <cstdio>

namespace {

// Counts the request frames that go out, so resends show.
class CountingLine : public ign::SerialLine {
public:
    explicit CountingLine(ign::SerialLine& line) : line_(line) {}
    bool isOpen() const override { return line_.isOpen(); }
    std::size_t bytesQueued() override { return line_.bytesQueued(); }
    std::size_t read(ign::Byte* buffer, std::size_t maxBytes) override {
        return line_.read(buffer, maxBytes);
    }
    void write(const ign::Byte* frame, std::size_t size) override {
        ++frames;
        line_.write(frame, size);
    }
    int frames = 0;

private:
    ign::SerialLine& line_;
};

using ign::kTickMs;
// 12 bytes each way, 10 bit times per byte at 9600 baud.
constexpr double kExchangeLineMs = 24 * 10 * 1000.0 / 9600;

struct Scenario {
    const char* name;
    bool program;
    int exchanges;  // request/answer pairs the transfer needs at least
};

constexpr Scenario kScenarios[] = {
    {"Read + Verify", false, 22 + 21},
    {"Program + Verify", true, 21 + 21},
};

bool RunScenario(const QString& simPath, const Scenario& scenario, int monitorMs) {
    ign::UnitSimProcess sim;
    QString error;
    if (!sim.start(simPath, {"--monitor-ms", QString::number(monitorMs)}, &error)) {
        std::fprintf(stderr, "cannot start %s: %s\n", qPrintable(simPath), qPrintable(error));
        return false;
    }
    ign::QtSerialLine port;
    if (!port.open(sim.terminalPath(), &error)) {
        std::fprintf(stderr, "cannot open %s: %s\n", qPrintable(sim.terminalPath()), qPrintable(error));
        return false;
    }
    CountingLine line(port);
    ign::ParameterSet set;
    ign::ApplyMachineDefaults(set);
    ign::ValidateParameters(set);
    if (!scenario.program) {
        // Let the unit hold a valid set first, so the Read's verify can pass.
        ign::Link loader(&port);
        loader.Use(set);
        ign::RunTransfer(loader, [&] { loader.StartProgram(); });
    }
    ign::Link link(&line);
    link.Use(set);
    const auto outcome =
        ign::RunTransfer(link, [&] { scenario.program ? link.StartProgram() : link.StartRead(); });
    const bool ok = outcome.finished && outcome.status == ign::MessageId::VerifyOk;
    const double lineMs = scenario.exchanges * kExchangeLineMs;
    std::printf(
        "%-17s monitor %3d ms  %-9s ticks %3d (fewest %d)  frames sent %3d (%d needed)  "
        "wall %5lld ms (ticks alone %d ms, line time %.0f ms = %.1fx)\n",
        scenario.name, monitorMs, ok ? "Verify OK" : "FAILED", outcome.ticks, scenario.exchanges, line.frames,
        scenario.exchanges, static_cast<long long>(outcome.wallMs), scenario.exchanges * kTickMs, lineMs,
        static_cast<double>(outcome.wallMs) / lineMs);
    port.close();
    sim.stop();
    return ok;
}

bool RunSilentCli(const QString& simPath, const QString& cliPath) {
    ign::UnitSimProcess sim;
    QString error;
    if (!sim.start(simPath, {"--silent", "--monitor-ms", "0"}, &error)) {
        std::fprintf(stderr, "cannot start %s: %s\n", qPrintable(simPath), qPrintable(error));
        return false;
    }
    QProcess cli;
    QElapsedTimer clock;
    clock.start();
    cli.start(cliPath, {"read", "--port", sim.terminalPath()});
    const bool ended = cli.waitForFinished(30000);
    const qint64 wallMs = clock.elapsed();
    const bool ok = ended && cli.exitCode() == 1 && cli.readAllStandardError() == "Read error!\n";
    std::printf("ignition-cli read, silent unit  %-11s wall %5lld ms (five sends of four ticks: %d ms)\n",
                ok ? "Read error!" : "FAILED", static_cast<long long>(wallMs), 5 * 4 * kTickMs);
    sim.stop();
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString simPath = args.size() > 1 ? args.at(1) : QStringLiteral(IGN_UNIT_SIM);
    const QString cliPath = args.size() > 2 ? args.at(2) : QStringLiteral(IGN_CLI);
    std::printf("one exchange = 24 bytes on the line = %.1f ms at 9600 baud; one tick = %d ms\n",
                kExchangeLineMs, kTickMs);
    bool ok = true;
    for (int monitorMs : {0, 100}) {
        for (const Scenario& scenario : kScenarios) ok = RunScenario(simPath, scenario, monitorMs) && ok;
    }
    ok = RunSilentCli(simPath, cliPath) && ok;
    return ok ? 0 : 1;
}
