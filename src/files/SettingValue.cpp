#include "SettingValue.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace ign {

namespace {

// Decimal with an optional sign and blanks around it. Unlike the specified
// sections' reading, which wraps too many digits around as the system's
// functions did, a huge number here stays huge, so that it lands on the end
// of its range rather than anywhere within it.
std::optional<long long> ReadNumber(const ProfileFile& file, std::string_view section, std::string_view key) {
    const std::string text = file.ReadString(section, key, "");
    std::string_view digits = text;
    while (!digits.empty() && (digits.front() == ' ' || digits.front() == '\t')) digits.remove_prefix(1);
    while (!digits.empty() && (digits.back() == ' ' || digits.back() == '\t')) digits.remove_suffix(1);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
    if (digits.empty()) return std::nullopt;
    long long value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = std::min(value * 10 + (c - '0'), static_cast<long long>(INT32_MAX) + 1);
    }
    return negative ? -value : value;
}

}  // namespace

void ReadSwitch(const ProfileFile& file, std::string_view section, std::string_view key, bool& value) {
    const auto read = ReadNumber(file, section, key);
    if (read == 0 || read == 1) value = *read == 1;
}

void ReadInRange(const ProfileFile& file, std::string_view section, std::string_view key, int& value, int min,
                 int max) {
    if (const auto read = ReadNumber(file, section, key))
        value = static_cast<int>(std::clamp<long long>(*read, min, max));
}

}  // namespace ign
