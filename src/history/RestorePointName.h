#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ign {

// Why a restore point was taken. The text of each is part of the file name.
enum class RestoreReason : std::uint8_t {
    Read,               // "read": the set a completed Read delivered, after its validation
    Program,            // "program": the set being programmed
    UnitBeforeProgram,  // "unit-before-program": what the unit held before a Program
    BeforeRead,         // "before-read": the window's set just before a Read replaced it
    BeforeOpen,         // "before-open"
    BeforeNew,          // "before-new"
    BeforeRestore,      // "before-restore"
    BeforeLive,         // "before-live": before the first live adjustment after a Read, Program or Open
    Close,              // "close"
    Manual,             // "manual"
};
inline constexpr int kRestoreReasonCount = static_cast<int>(RestoreReason::Manual) + 1;

std::string_view ReasonText(RestoreReason reason);
std::optional<RestoreReason> ReasonFromText(std::string_view text);

// A moment on the caller's local clock (the core has no clock of its own).
struct LocalTime {
    int year = 2000;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;

    auto operator<=>(const LocalTime&) const = default;
};

// Whether every field lies in its range and the day exists in its month.
bool IsValid(const LocalTime& time);
// Seconds since 1970-01-01 00:00:00 of the same clock: for ages, not for instants.
std::int64_t SecondsOf(const LocalTime& time);

// What a restore point's file name says about it:
//   YYYY-MM-DD_HH-MM-SS_<reason>[_<unit>][-<sequence>][_keep].ign
// The sequence tells apart points that would otherwise share a name; the
// first has none, the second "-2", the third "-3".
struct RestorePointName {
    LocalTime time;
    RestoreReason reason = RestoreReason::Manual;
    std::string unit;  // already safe for a file name (SafeUnitName); empty when no unit is known
    int sequence = 1;
    bool keep = false;

    bool operator==(const RestorePointName&) const = default;
};

inline constexpr std::string_view kRestorePointExtension = ".ign";
inline constexpr std::string_view kKeepMark = "_keep";

// The file name (no folder). Expects a valid time, a sequence of 1 or more and
// a unit made by SafeUnitName.
std::string FormatRestorePointName(const RestorePointName& name);

// The parts of a file name FormatRestorePointName made; nothing for any other
// name (files of the user's own, temporary files of an interrupted write).
std::optional<RestorePointName> ParseRestorePointName(std::string_view fileName);

// The unit's version text as a part of a file name: letters, digits and
// points stay, blanks at either end go, every other byte becomes a point
// (no separator, path character or control byte can reach the name), and a
// unit "keep", which would read as the keep mark, becomes "keep.". At most
// kMaxUnitLength characters.
inline constexpr std::size_t kMaxUnitLength = 32;
std::string SafeUnitName(std::string_view versionText);

// Newest first: by time, then by sequence, then by file name, so that the
// order is the same on every listing.
bool NewerThan(const RestorePointName& a, const RestorePointName& b);

}  // namespace ign
