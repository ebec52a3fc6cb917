#pragma once

#include "LogReader.h"
#include "ParameterSet.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ign {

// A set file is about 2 KB; anything far larger beside a log is no set of ours.
inline constexpr std::uintmax_t kMaxLogSetFileBytes = 64 * 1024;
// Set files read for one log; the sets of later changes are unknown. A set
// changes with a transfer that ended in Verify OK, a few seconds each.
inline constexpr std::size_t kMaxLogSetFiles = 4096;

// A stretch of a log and the set behind it.
struct LogSetSpan {
    // From here on, on the log's clock; -infinity for the set of the first
    // line, which holds from before the first row.
    double fromS = 0;
    std::string digest;  // as the log names it
    // The first line's state; kLogUnitEqualsWindow after a set marker, which
    // is written only when a transfer ended in Verify OK.
    std::string state;
    // Beside the log (LogSetFilePath); empty where that name is another log's first set.
    std::filesystem::path file;
    // What the file holds; nothing when it is missing, unreadable or
    // malformed: then the set is unknown, though the log names its digest.
    std::optional<ParameterSet> set;

    bool known() const { return set.has_value(); }
};

// Which set was behind a log at any moment of it.
class LogSets {
public:
    LogSets() = default;
    // Spans in any order; they are kept in the order of their times.
    explicit LogSets(std::vector<LogSetSpan> spans);

    // The span in force at the time: the last one that began at or before
    // it. Nothing before the first (a log without a set in its first line,
    // before its first set marker) and for a log that names no set at all:
    // "set unknown".
    const LogSetSpan* at(double timeS) const;
    // The known set that held for the longest time between the log's first
    // and last time, to stand for the log as a whole; nothing when none is known.
    const LogSetSpan* longest(double startS, double endS) const;
    const std::vector<LogSetSpan>& spans() const { return spans_; }

private:
    std::vector<LogSetSpan> spans_;
};

// A set file as Save writes it: every key of the layout present, at most
// kMaxLogSetFileBytes, a regular file. The image is packed from the values;
// nothing is validated, as with any parameter file read.
std::optional<ParameterSet> ReadLogSetFile(const std::filesystem::path& file);

// The sets the log read from `logPath` names, with their files read. A set
// file of a later change ("X_2.ign") is taken as another log's first set
// when that log ("X_2.msl") lies beside it: two logs started within one
// second share the name. Reads files: call it where the log was read.
LogSets ReadLogSets(const LogData& log, const std::filesystem::path& logPath);

}  // namespace ign
