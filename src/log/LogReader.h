#pragma once

#include "LogSetStamp.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ign {

// What a log may be. A day of the fastest monitor stream is about 0.6 GiB and
// this program writes 20 channels; anything far beyond that is no log, and
// taking it in would only freeze or exhaust the machine.
inline constexpr std::uintmax_t kMaxLogBytes = std::uintmax_t{1} << 30;
inline constexpr std::size_t kMaxLogColumns = 256;          // the time included
inline constexpr std::size_t kMaxLogLineBytes = 64 * 1024;  // line end not counted
inline constexpr std::size_t kMaxLogHeaderLines = 256;      // quoted lines before the names
inline constexpr double kMaxLogTimeS = 3.2e8;               // ten years, either way from the start
// Markers kept: far beyond a day of pressing F6 every few seconds. A log of
// nothing but marker lines would otherwise take memory out of proportion.
inline constexpr std::size_t kMaxLogMarkers = 65536;
// The columns of a log of 1 GiB in this program's layout take about 1 GiB.
inline constexpr std::uint64_t kMaxLogMemoryBytes = std::uint64_t{3} << 29;  // 1.5 GiB

// A log read into columns: the time of every row and, per channel, its
// value in that row (NaN where the field was empty or not a number).
struct LogData {
    struct Column {
        std::string name;
        std::string unit;
        std::vector<float> values;
    };
    struct Marker {
        int number = 0;
        double timeS = 0;
        std::string setDigest;  // a set change: the digest its text names; empty for F6's
    };

    std::vector<std::string> headerLines;  // the quoted lines before the names, as they stand
    std::vector<double> timeS;
    std::vector<Column> columns;  // every column after the time, "type" included
    std::vector<Marker> markers;
    // What the first line says of the set behind the log; nothing for an
    // older log or another program's.
    std::optional<LogSetStamp> setStamp;

    bool truncated = false;  // the last line was cut off and left out
    std::size_t skippedLines =
        0;  // lines that were no row (no time at their start), markers beyond the limit
    // Rows left out because their time is no finite number within kMaxLogTimeS.
    std::size_t outOfRangeRows = 0;

    std::size_t rows() const { return timeS.size(); }
    // Index in `columns`, or -1.
    int columnIndex(std::string_view name) const;
    // The last row at or before the time (0 before the first row); rows() when empty.
    std::size_t rowAt(double timeS) const;
};

// Why a file could not be read as a log; the window words it in its language.
enum class LogReadError : std::uint8_t {
    None,
    CannotOpen,      // the file could not be opened or read
    NoChannels,      // no line of channel names and units after the quoted lines
    NotAFile,        // a folder, pipe or device: never opened for reading
    TooLarge,        // more than kMaxLogBytes
    TooManyColumns,  // more than kMaxLogColumns
    LineTooLong,     // a line of more than kMaxLogLineBytes
    TooSparse,       // rows far shorter than the channels: their empty fields would fill the memory
    TooMuchData,     // its columns would take more than kMaxLogMemoryBytes
    Cancelled,       // the caller stopped the read
};

// Told now and then how far a read has come; returning false stops it.
using LogReadProgress = std::function<bool(std::uint64_t bytesRead, std::uint64_t bytesInAll)>;

// Reads this program's logs and any other in the same layout: quoted header
// lines, a line of names, a line of units, then rows starting with the time.
// Lines may end in LF or CR LF. A last line without its line end (a pulled
// cable, a crash) is left out and `truncated` says so. Returns nothing, with
// the reason in `error`, for anything beyond the limits above or when the
// names or units are missing. Memory stays in proportion to the input.
std::optional<LogData> ReadLog(std::string_view text, LogReadError& error);
// The same for a regular file of at most kMaxLogBytes, read piece by piece so
// that its text is never held whole; `progress` may stop it.
std::optional<LogData> ReadLogFile(const std::filesystem::path& path, LogReadError& error,
                                   const LogReadProgress& progress = {});

}  // namespace ign
