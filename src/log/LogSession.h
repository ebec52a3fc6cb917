#pragma once

#include "LogSink.h"
#include "LogWriter.h"
#include "ParameterSet.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace ign {

// What went wrong with a log; the window words it in its language
// (LogProblemText) and adds the detail.
enum class LogProblem : std::uint8_t {
    None,
    CannotCreate,   // the folder or the file could not be made: nothing is recorded
    WriteFailed,    // the file took less than it was given; the rest is offered again
    FramesLost,     // the file took nothing for so long that frames were let go
    CloseFailed,    // the file could not be closed: its end may be missing
    SetFileFailed,  // a set file beside the log could not be written: that part's set is unknown
};

struct LogStatus {
    LogProblem problem = LogProblem::None;
    std::string detail;            // "<path>: <the system's reason>", as the system words it
    std::uint64_t lostFrames = 0;  // frames never written
    std::uint64_t lostBytes = 0;   // bytes given up at the close
    int setFilesNotWritten = 0;    // set files beside the log that could not be written

    bool ok() const { return problem == LogProblem::None; }
};

// The window's set as a recording begins, and the unit-match field's state
// then in the log's words (kLogUnitEqualsWindow ...).
struct LogSetAtStart {
    ParameterSet set;
    std::string unitState;
};

// One recording: a new log file, written as it goes. Nothing here throws or
// waits; every failure lands in status() and stays there until it is over
// (a write that succeeds again ends WriteFailed; lost frames stay reported).
class LogSession {
public:
    // Flushed at the first tick this long after the last flush, so that with
    // the window's ticks a crash or a pulled cable loses less than a second.
    static constexpr std::int64_t kFlushEveryMs = 500;
    // What waits for a file that takes nothing (a full disk) before frames are let go.
    static constexpr std::size_t kMaxPendingBytes = std::size_t{4} << 20U;
    // Logs started within one second: the first free of this many names.
    static constexpr int kMaxDuplicates = 1000;

    // Makes `folder` when needed and creates the log named by LogFileName
    // of `started` in it, or the next of its names that is free: an existing
    // file is never opened, let alone overwritten. `startMs` is the frames'
    // clock now. The header is written at once.
    //
    // With `set`, the set is written beside the log as a parameter file of
    // the log's name (LogSetFilePath, index 1), byte for byte as Save writes
    // it, and the first line names its digest and the state; a name whose set
    // file exists already is passed over like a log that exists, with a set
    // or without. Set files are created, never replaced.
    LogSession(const std::filesystem::path& folder, std::string_view program, const LogStartTime& started,
               std::int64_t startMs, const std::optional<LogSetAtStart>& set = std::nullopt);
    ~LogSession();
    LogSession(const LogSession&) = delete;
    LogSession& operator=(const LogSession&) = delete;

    // Whether the file was made and is not closed yet; false means nothing will be recorded.
    bool isOpen() const { return writer_.has_value(); }
    const std::filesystem::path& path() const { return path_; }
    const LogStatus& status() const { return status_; }

    // A monitor frame of type 0..3 that arrived at timeMs, with the readings after it.
    void addFrame(std::int64_t timeMs, int type, const MonitorReadings& readings);
    // A line "MARK nnn"; returns its number (1 for the first), 0 when no log is open.
    int addMarker(std::int64_t timeMs);
    // The unit was seen to hold `set` (a transfer that ended in Verify OK
    // after writing or reading the unit): the next set file beside the log
    // (index 2, 3 ...) and a marker "set <digest>" of F6's series. Returns
    // the marker's number, 0 when no log is open.
    int setChanged(std::int64_t timeMs, const ParameterSet& set);
    // From the timer: flushes when due. True when status() changed.
    bool tick(std::int64_t nowMs);
    // Flushes what is left and closes the file; the final status.
    const LogStatus& close();

    std::int64_t elapsedMs(std::int64_t nowMs) const { return nowMs - startMs_; }
    // Bytes that reached the file, the size it has on disk; kept after the close.
    std::uint64_t fileBytes() const { return fileBytes_; }
    // Frames taken into the log, lost ones not counted; kept after the close.
    int frames() const { return frames_; }

private:
    struct FileCloser {
        void operator()(std::FILE* file) const;
    };
    void flush();
    void fail(LogProblem problem, int error);
    void writeSetFile(const ParameterSet& set);
    void failSetFile(const std::filesystem::path& file, int error);

    std::filesystem::path path_;
    std::unique_ptr<std::FILE, FileCloser> file_;
    std::optional<StdioLogSink> sink_;
    std::optional<LogWriter> writer_;
    std::int64_t startMs_;
    std::int64_t lastFlushMs_;
    std::uint64_t fileBytes_ = 0;
    int frames_ = 0;
    int setFiles_ = 1;  // the index of the last set file, written or not; the first is the start's
    std::string setFileDetail_;
    LogStatus status_;
};

// The problem in one language (0 English, 1 Czech, 2 German, else English);
// empty for LogProblem::None.
std::string_view LogProblemText(LogProblem problem, std::uint8_t language);

}  // namespace ign
