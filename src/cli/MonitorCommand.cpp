#include "MonitorCommand.h"

#include "ConsoleOutput.h"
#include "FileCommands.h"
#include "Link.h"
#include "LinkDriver.h"
#include "MonitorOutput.h"
#include "UnitPort.h"

#include <QElapsedTimer>

#include <cmath>
#include <cstdio>
#include <string>

namespace ign::cli {

namespace {

// Prints each monitor frame the link accepts, as text lines or a CSV row.
class MonitorPrinter final : public LinkView {
public:
    MonitorPrinter(const Link& link, bool csv, const QElapsedTimer& clock)
        : link_(link), csv_(csv), clock_(clock) {}

    void monitorUpdated() override {
        const int type = link_.state().ReceiveBuffer[0] & 0x0F;
        const Monitor& monitor = link_.monitor();
        const std::string text =
            csv_ ? MonitorCsvRow(clock_.elapsed(), type, monitor) : MonitorTextLines(monitor, type);
        if (!failed_ && !text.empty()) failed_ = !WriteBytes(stdout, text);
    }

    // Standard output refused a line (a full disk, a closed reader).
    bool failed() const { return failed_; }

private:
    const Link& link_;
    bool csv_;
    const QElapsedTimer& clock_;
    bool failed_ = false;
};

}  // namespace

int RunMonitor(const CliOptions& options) {
    auto line = OpenUnitPort(options);
    if (!line) return kExitUsage;
    if (options.csv && WriteToStandardOutput(MonitorCsvHeader()) != kExitOk) return kExitUsage;
    ParameterSet set;
    Link link(set, line.get());
    QElapsedTimer clock;
    MonitorPrinter printer(link, options.csv, clock);
    link.setView(&printer);
    const qint64 limitMs =
        options.seconds ? static_cast<qint64>(std::llround(*options.seconds * 1000.0)) : -1;
    clock.start();
    DriveLink(link, [&] { return printer.failed() || (limitMs >= 0 && clock.elapsed() >= limitMs); });
    // Values that never reached the reader are no success; the report matches the file commands'.
    if (printer.failed()) return ReportStandardOutputError();
    return kExitOk;
}

}  // namespace ign::cli
