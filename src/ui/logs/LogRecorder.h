#pragma once

#include "AutoRecord.h"
#include "DatalogSettings.h"
#include "LinkView.h"
#include "LogSession.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

namespace ign {

class Link;

// Records the monitor stream into logs: every valid frame the link accepts,
// started and stopped by hand or by the engine speed. It follows the link as
// one of its views, stamps the frames with its own clock, and is ticked with
// the window's timer, which flushes the log and runs the automatic stop.
class LogRecorder : public QObject, private LinkView {
    Q_OBJECT

public:
    using Clock = std::function<std::int64_t()>;
    // The window's set and the unit-match state as a recording begins.
    using SetSource = std::function<std::optional<LogSetAtStart>()>;

    // Follows `link` until it is destroyed, on the link's clock; it must go
    // before the link does.
    LogRecorder(Link& link, QObject* parent);
    ~LogRecorder() override;

    // A clock of the caller's own (tests count ticks with it); ms.
    void setClock(Clock clock);
    // Where new logs go; by default <GenericDataLocation>/ignition-programmer/logs.
    void setFolder(std::filesystem::path folder) { folder_ = std::move(folder); }
    std::filesystem::path folder() const;

    const DatalogSettings& settings() const { return settings_; }
    void setSettings(const DatalogSettings& settings);
    void setAutomatic(bool automatic);
    // Without one, logs name no set.
    void setSetSource(SetSource source) { setSource_ = std::move(source); }

    void Start();
    // Ends the recording; with automatic recording on, turns that off too,
    // or the engine's speed would start a new log at once.
    void Stop();
    // A marker in the log; its number, 0 when nothing records.
    int Mark();
    // From the window's timer.
    void Tick();

    bool recording() const { return session_ != nullptr; }
    std::int64_t elapsedMs() const;
    // The recorder's clock now (ms), on which the frames are stamped.
    std::int64_t now() const { return clock_(); }
    std::uint64_t fileBytes() const { return session_ ? session_->fileBytes() : lastBytes_; }
    int frames() const { return session_ ? session_->frames() : lastFrames_; }
    // The log being written, or the last one written.
    QString path() const { return path_; }
    const LogStatus& status() const { return status_; }

signals:
    void recordingChanged(bool recording);
    // Elapsed time or size moved on, or the status changed.
    void progressed();
    // A log could not be made: nothing records.
    void cannotRecord(const QString& detail);
    // A marker went into the log at timeMs of the frames' clock.
    void marked(int number, std::int64_t timeMs);
    // Automatic recording was turned off by a Stop.
    void automaticStopped();
    // Every valid monitor frame, recorded or not, for whoever charts them.
    void frameArrived(const ign::MonitorFrameEvent& frame);

private:
    void monitorFrame(const MonitorFrameEvent& frame) override;
    void showStatus(MessageId id) override;
    void act(AutoRecord::Action action);
    void open();
    void close();

    Link& link_;
    Clock clock_;
    SetSource setSource_;
    // The Verify running follows a Program or a Read: its "Verify OK" means
    // the unit now holds what was written or read.
    bool verifyAfterTransfer_ = false;
    std::filesystem::path folder_;
    DatalogSettings settings_;
    AutoRecord auto_{false, DatalogSettings{}.startRpm};
    std::unique_ptr<LogSession> session_;
    LogStatus status_;
    QString path_;
    std::uint64_t lastBytes_ = 0;
    int lastFrames_ = 0;
    int latestRpm_ = 0;  // 0 until the first speed frame
};

// "0:01:23, 1.2 MB" for the elapsed time and the file size.
QString RecordingFigures(std::int64_t elapsedMs, std::uint64_t bytes);

}  // namespace ign
