#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ign {

// Whether the unit held the window's set, as a log's first line words it:
// English whatever the window's language, like the log's column names.
inline constexpr std::string_view kLogUnitEqualsWindow = "unit = window";
inline constexpr std::string_view kLogChangedSinceProgram = "changed since last program";
inline constexpr std::string_view kLogUnitDiffers = "unit differs";
inline constexpr std::string_view kLogUnitNotChecked = "unit not checked";

// The set behind a log, as its first line names it:
//
//   "<name>: <started>, set <digest>, <state>"
//
// `digest` is SetDigest of the window's set when recording began, `state`
// one of the texts above as the unit-match field stood then.
struct LogSetStamp {
    std::string digest;
    std::string state;

    bool operator==(const LogSetStamp&) const = default;
};

// Twelve lower-case hexadecimal digits, as SetDigest gives them.
bool IsSetDigest(std::string_view text);

// The stamp in a log's first line, quotes included as LogData keeps it;
// nothing for a line without one (an older log, another program's).
std::optional<LogSetStamp> ParseLogSetStamp(std::string_view firstLine);

// A set change is a marker line in F6's form with this after its time:
//
//   MARK 004<tab>61.230<tab>set 0123456789ab
//
// so that what reads number and time today still reads both.
inline constexpr std::string_view kSetMarkerPrefix = "set ";
// The digest a marker's text names, or nothing (F6's markers have no text).
std::optional<std::string> ParseSetMarkerText(std::string_view text);

// The set files beside a log, each written as Save writes one: index 1 is
// the set at the start ("X.msl" -> "X.ign"), index n >= 2 the set the
// (n-1)th set marker names ("X_2.ign", "X_3.ign" ...).
std::filesystem::path LogSetFilePath(const std::filesystem::path& logPath, int index);

}  // namespace ign
