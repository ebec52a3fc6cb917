#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ign {

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
    };

    std::vector<std::string> headerLines;  // the quoted lines before the names, as they stand
    std::vector<double> timeS;
    std::vector<Column> columns;  // every column after the time, "type" included
    std::vector<Marker> markers;

    bool truncated = false;        // the last line was cut off and left out
    std::size_t skippedLines = 0;  // lines that were no row (no time at their start)

    std::size_t rows() const { return timeS.size(); }
    // Index in `columns`, or -1.
    int columnIndex(std::string_view name) const;
    // The last row at or before the time (0 before the first row); rows() when empty.
    std::size_t rowAt(double timeS) const;
};

// Why a file could not be read as a log; the window words it in its language.
enum class LogReadError : std::uint8_t {
    None,
    CannotOpen,  // the file could not be opened or read
    NoChannels,  // no line of channel names and units after the quoted lines
};

// Reads this program's logs and any other in the same layout: quoted header
// lines, a line of names, a line of units, then rows starting with the time.
// Lines may end in LF or CR LF. A last line without its line end (a pulled
// cable, a crash) is left out and `truncated` says so. Returns nothing, with
// the reason in `error`, when the names or units are missing.
std::optional<LogData> ReadLog(std::string_view text, LogReadError& error);
std::optional<LogData> ReadLogFile(const std::filesystem::path& path, LogReadError& error);

}  // namespace ign
