#pragma once

#include "HistorySettings.h"
#include "LinkView.h"
#include "RestorePointPolicy.h"
#include "RestorePointStore.h"
#include "TransferMode.h"

#include <QObject>
#include <QString>
#include <QThread>
#include <filesystem>
#include <functional>

namespace ign {

class Link;
class ParameterDocument;

// Takes the restore points of the window: it hears every step of the
// document and every completed Read of the link, asks the policy which point
// each calls for, and hands it to the store on a thread of its own, so no
// command waits for a disk. The points are written in the order they were
// asked for; a failure never reaches the command, only `failed`, once.
class RestorePointRecorder : public QObject, private LinkView {
    Q_OBJECT

public:
    using Clock = std::function<LocalTime()>;

    RestorePointRecorder(std::filesystem::path folder, ParameterDocument& document, Link& link,
                         QObject* parent = nullptr);
    ~RestorePointRecorder() override;
    RestorePointRecorder(const RestorePointRecorder&) = delete;
    RestorePointRecorder& operator=(const RestorePointRecorder&) = delete;

    // The local time points are named by; the system's clock unless a test gives its own.
    void SetClock(Clock clock) { clock_ = std::move(clock); }
    // The rules, and retention run with them now.
    void SetSettings(const HistorySettings& settings);
    const HistorySettings& Settings() const { return settings_; }
    const std::filesystem::path& Folder() const { return folder_; }

    // The window's command has sent its first frame.
    void CommandStarted(TransferMode mode);
    // What the unit held before a Program, read aside (ReadBeforeProgram).
    void UnitBeforeProgram(const ParameterSet& read, std::string_view version);
    // The unit on the window's port said who it is outside a Read: its version names the points.
    void UnitIdentified(const QString& version);
    void Close(const ParameterSet& window);
    void Manual(const ParameterSet& window);
    // Marks a point keep or takes the mark off, in turn with the writes.
    void SetKeep(const RestorePoint& point, bool keep);

    // Waits until every point asked for is on disk (or failed) and its
    // outcome told: for the close, and for tests.
    void Flush();

signals:
    // A point was written, renamed or deleted: a listing is out of date.
    void folderChanged();
    // The first failure after a success (or at start): what went wrong, in English.
    void failed(const QString& error);
    // A point was written again after a failure.
    void recovered();

private:
    void Take(const RestorePointPolicy::Request& request);
    void Heard(const HistoryResult& result);
    void Post(std::function<void()> work);
    void readCompleted() override;

    std::filesystem::path folder_;
    ParameterDocument& document_;
    Link& link_;
    RestorePointPolicy policy_;
    bool failing_ = false;
    HistorySettings settings_;
    Clock clock_;
    // Lives on thread_; only the queued work touches it.
    RestorePointStore store_;
    QThread thread_;
    QObject* worker_ = nullptr;
};

// The system's local time as the core counts it.
LocalTime LocalTimeNow();

}  // namespace ign
