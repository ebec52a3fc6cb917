#pragma once

#include "LogSetStamp.h"
#include "LogSink.h"
#include "Monitor.h"
#include "MonitorChannels.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ign {

// Local calendar time, as the caller's clock gives it.
struct LogStartTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// "2024-03-14_09.05.07.msl": sorts by time. `duplicate` > 0 gives
// "2024-03-14_09.05.07_2.msl" and so on, for a second log started within the
// same second; it still sorts after the first.
std::string LogFileName(const LogStartTime& started, int duplicate = 0);

// Writes monitor frames as a tab-separated log:
//
//   "<program>: 2024-03-14 09:05:07"      (with a set: "...09:05:07, set <digest>, <state>")
//   time  type  stps_mv  ...  test        (the channels of MonitorChannels())
//   s           mV       ...
//   0.000 3
//   0.013 0     1234     ...              (a frame's values and the latest of
//   ...                                    every other channel; empty until the
//   MARK 001    12.345                     channel's first frame in this log)
//
// Times are seconds since the start with a point and three decimals, lines
// end in LF. Values are the Monitor page's: the percentages and temperatures
// of a status frame (type 3) appear with the next type-0 or type-1 row, as
// they do on the page; the type-3 row itself carries everything forward.
// Rows gather in memory until flush() hands them to the sink; the window
// calls it every second, so a crash loses at most that much.
class LogWriter {
public:
    // startMs is the frames' clock at the moment recording began; `set`, when
    // given, names the window's set in the first line.
    LogWriter(LogSink& sink, std::string_view program, const LogStartTime& started, std::int64_t startMs,
              const std::optional<LogSetStamp>& set = std::nullopt);

    // One row for a monitor frame of type 0..3 that arrived at timeMs;
    // `readings` hold the values after it. Another type writes nothing and
    // gives false.
    bool addFrame(std::int64_t timeMs, int type, const MonitorReadings& readings);
    // A line "MARK nnn" with the time; returns its number, 1 for the first.
    int addMarker(std::int64_t timeMs);
    // A marker of the same series for a set change: "MARK nnn", the time,
    // "set <digest>". Returns its number.
    int addSetMarker(std::int64_t timeMs, std::string_view digest);

    // Hands everything gathered to the sink. False when the sink took less;
    // what it did not take stays and goes first next time.
    bool flush();

    // Bytes the sink has taken, and bytes waiting for the next flush.
    std::uint64_t bytesWritten() const { return written_; }
    std::size_t pendingBytes() const { return pending_.size(); }
    int frames() const { return frames_; }

private:
    void appendTime(std::int64_t timeMs);
    int appendMarker(std::int64_t timeMs, std::string_view text);

    LogSink& sink_;
    std::int64_t startMs_;
    std::string pending_;
    std::uint64_t written_ = 0;
    int frames_ = 0;
    int markers_ = 0;
    std::array<std::string, kChannelCount> fields_;  // each channel's latest value as written
};

}  // namespace ign
