#include "MonitorCommand.h"

#include "ConsoleOutput.h"
#include "FileCommands.h"
#include "Link.h"
#include "LinkDriver.h"
#include "LogWriter.h"
#include "MonitorOutput.h"
#include "MonitorView.h"
#include "UnitPort.h"

#include <QDateTime>
#include <QElapsedTimer>

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

namespace ign::cli {

namespace {

// Prints the monitor frame the window's page would show, as text lines or a CSV row.
class MonitorPrinter final : public MonitorView {
public:
    MonitorPrinter(bool csv, const QElapsedTimer& clock) : csv_(csv), clock_(clock) {}

    // Standard output refused a line (a full disk, a closed reader).
    bool failed() const { return failed_; }

private:
    void monitorUpdated(const MonitorFrameEvent& frame) override {
        const std::string text = csv_ ? MonitorCsvRow(clock_.elapsed(), frame.type, monitor())
                                      : MonitorTextLines(monitor(), frame.type);
        if (!failed_ && !text.empty()) failed_ = !WriteBytes(stdout, text);
    }

    bool csv_;
    const QElapsedTimer& clock_;
    bool failed_ = false;
};

class StandardOutputSink final : public LogSink {
public:
    std::size_t write(std::string_view bytes) override {
        return WriteBytes(stdout, bytes) ? bytes.size() : 0;
    }
};

// Writes every monitor frame the link accepts, not only the one a tick shows,
// as the window's recorder does; each frame goes out at once, so a reader
// at the other end of a pipe sees it as it comes.
class MonitorLogger final : public LinkView {
public:
    MonitorLogger(const QDateTime& started, std::int64_t startMs)
        : writer_(sink_, "ignition-cli " IGN_VERSION, StartTime(started), startMs) {
        failed_ = !writer_.flush();
    }

    void monitorFrame(const MonitorFrameEvent& frame) override {
        if (failed_) return;
        writer_.addFrame(frame.timeMs, frame.type, frame.readings);
        failed_ = !writer_.flush();
    }

    bool failed() const { return failed_; }

private:
    static LogStartTime StartTime(const QDateTime& t) {
        const QDate d = t.date();
        const QTime time = t.time();
        return {d.year(), d.month(), d.day(), time.hour(), time.minute(), time.second()};
    }

    StandardOutputSink sink_;
    LogWriter writer_;
    bool failed_ = false;
};

}  // namespace

int RunMonitor(const CliOptions& options) {
    auto line = OpenUnitPort(options);
    if (!line) return kExitUsage;
    if (options.csv && WriteToStandardOutput(MonitorCsvHeader()) != kExitOk) return kExitUsage;
    Link link(line.get());
    QElapsedTimer clock;
    MonitorPrinter printer(options.csv, clock);
    std::optional<MonitorLogger> logger;
    clock.start();
    if (options.msl) {
        link.setClock([&clock] { return clock.elapsed(); });
        logger.emplace(QDateTime::currentDateTime(), clock.elapsed());
        link.setView(&*logger);
    } else {
        link.setView(&printer);
    }
    auto failed = [&] { return logger ? logger->failed() : printer.failed(); };
    const qint64 limitMs =
        options.seconds ? static_cast<qint64>(std::llround(*options.seconds * 1000.0)) : -1;
    DriveLink(link, [&] { return failed() || (limitMs >= 0 && clock.elapsed() >= limitMs); });
    // Values that never reached the reader are no success; the report matches the file commands'.
    if (failed()) return ReportStandardOutputError();
    return kExitOk;
}

}  // namespace ign::cli
