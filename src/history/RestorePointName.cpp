#include "RestorePointName.h"

#include <array>
#include <cstdio>

namespace ign {

namespace {

constexpr std::array<std::string_view, kRestoreReasonCount> kReasonTexts{
    "read",       "program",        "unit-before-program", "before-read", "before-open",
    "before-new", "before-restore", "before-live",         "close",       "manual",
};

constexpr std::size_t kTimeLength = 19;  // "YYYY-MM-DD_HH-MM-SS"

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUnitCharacter(char c) {
    return IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '.';
}

bool LeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && LeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
std::int64_t DaysFromCivil(int year, int month, int day) {
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return static_cast<std::int64_t>(era) * 146097 + dayOfEra - 719468;
}

// Exactly `count` digits at `text[at]`.
bool ReadNumber(std::string_view text, std::size_t at, std::size_t count, int& value) {
    value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (!IsDigit(text[i])) return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

bool ParseTime(std::string_view text, LocalTime& time) {
    // Separators at their places, digits everywhere else.
    constexpr std::string_view kPattern = "dddd-dd-dd_dd-dd-dd";
    for (std::size_t i = 0; i < kTimeLength; ++i) {
        if (kPattern[i] != 'd' && text[i] != kPattern[i]) return false;
    }
    return ReadNumber(text, 0, 4, time.year) && ReadNumber(text, 5, 2, time.month) &&
           ReadNumber(text, 8, 2, time.day) && ReadNumber(text, 11, 2, time.hour) &&
           ReadNumber(text, 14, 2, time.minute) && ReadNumber(text, 17, 2, time.second) && IsValid(time);
}

// "-N" at the end, N from 2 up without leading zero; the unit and the
// reasons never end that way, so the suffix is never mistaken.
bool TakeSequence(std::string_view& rest, int& sequence) {
    const std::size_t dash = rest.rfind('-');
    if (dash == std::string_view::npos || dash + 1 == rest.size()) return true;
    const std::string_view digits = rest.substr(dash + 1);
    for (char c : digits)
        if (!IsDigit(c)) return true;  // a reason's own dash ("before-read")
    if (digits.size() > 9 || digits[0] == '0') return false;
    int value = 0;
    ReadNumber(digits, 0, digits.size(), value);
    if (value < 2) return false;
    sequence = value;
    rest = rest.substr(0, dash);
    return true;
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

std::string_view ReasonText(RestoreReason reason) { return kReasonTexts[static_cast<std::size_t>(reason)]; }

std::optional<RestoreReason> ReasonFromText(std::string_view text) {
    for (std::size_t i = 0; i < kReasonTexts.size(); ++i)
        if (kReasonTexts[i] == text) return static_cast<RestoreReason>(i);
    return std::nullopt;
}

bool IsValid(const LocalTime& t) {
    return t.year >= 1 && t.year <= 9999 && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
           t.day <= DaysInMonth(t.year, t.month) && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 &&
           t.minute <= 59 && t.second >= 0 && t.second <= 59;
}

std::int64_t SecondsOf(const LocalTime& t) {
    return DaysFromCivil(t.year, t.month, t.day) * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

std::string FormatRestorePointName(const RestorePointName& name) {
    char time[32];
    std::snprintf(time, sizeof time, "%04d-%02d-%02d_%02d-%02d-%02d", name.time.year, name.time.month,
                  name.time.day, name.time.hour, name.time.minute, name.time.second);
    std::string text = time;
    text += '_';
    text += ReasonText(name.reason);
    if (!name.unit.empty()) {
        text += '_';
        text += name.unit;
    }
    if (name.sequence > 1) {
        text += '-';
        text += std::to_string(name.sequence);
    }
    if (name.keep) text += kKeepMark;
    text += kRestorePointExtension;
    return text;
}

std::optional<RestorePointName> ParseRestorePointName(std::string_view fileName) {
    if (!EndsWith(fileName, kRestorePointExtension)) return std::nullopt;
    std::string_view rest = fileName.substr(0, fileName.size() - kRestorePointExtension.size());
    RestorePointName name;
    if (EndsWith(rest, kKeepMark)) {
        name.keep = true;
        rest.remove_suffix(kKeepMark.size());
    }
    if (!TakeSequence(rest, name.sequence)) return std::nullopt;
    if (rest.size() < kTimeLength + 2 || rest[kTimeLength] != '_' || !ParseTime(rest, name.time)) {
        return std::nullopt;
    }
    rest.remove_prefix(kTimeLength + 1);
    const std::size_t separator = rest.find('_');
    const auto reason = ReasonFromText(rest.substr(0, separator));
    if (!reason) return std::nullopt;
    name.reason = *reason;
    if (separator != std::string_view::npos) {
        const std::string_view unit = rest.substr(separator + 1);
        if (unit.empty() || unit.size() > kMaxUnitLength) return std::nullopt;
        for (char c : unit)
            if (!IsUnitCharacter(c)) return std::nullopt;
        name.unit = std::string(unit);
    }
    return name;
}

std::string SafeUnitName(std::string_view versionText) {
    const std::size_t first = versionText.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = versionText.find_last_not_of(' ');
    std::string safe;
    for (char c : versionText.substr(first, last - first + 1)) {
        if (safe.size() == kMaxUnitLength) break;
        safe += IsUnitCharacter(c) ? c : '.';
    }
    // "_keep" at the end of a name is the keep mark: a unit of that name would
    // turn into the mark, and the point into a kept one without a unit.
    if ("_" + safe == kKeepMark) safe += '.';
    return safe;
}

bool NewerThan(const RestorePointName& a, const RestorePointName& b) {
    if (a.time != b.time) return a.time > b.time;
    if (a.sequence != b.sequence) return a.sequence > b.sequence;
    return FormatRestorePointName(a) > FormatRestorePointName(b);
}

}  // namespace ign
