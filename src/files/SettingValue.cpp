#include "SettingValue.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

namespace ign {

namespace {

// Decimal with an optional sign and blanks around it. Unlike the specified
// sections' reading, which wraps too many digits around as the system's
// functions did, a huge number here stays huge, so that it lands on the end
// of its range rather than anywhere within it.
std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::optional<long long> ReadNumber(const ProfileFile& file, std::string_view section, std::string_view key) {
    const std::string text = file.ReadString(section, key, "");
    std::string_view digits = Trimmed(text);
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

// [sign] digits [. digits]: no exponent, no comma, no locale.
std::optional<double> ReadDecimal(const ProfileFile& file, std::string_view section, std::string_view key) {
    const std::string text = file.ReadString(section, key, "");
    std::string_view number = Trimmed(text);
    const bool negative = !number.empty() && number.front() == '-';
    if (!number.empty() && (number.front() == '-' || number.front() == '+')) number.remove_prefix(1);
    double value = 0, scale = 1;
    bool digits = false, fraction = false;
    for (const char c : number) {
        if (c == '.' && !fraction) {
            fraction = true;
        } else if (c >= '0' && c <= '9') {
            digits = true;
            if (fraction) {
                scale /= 10;
                value += (c - '0') * scale;
            } else {
                value = std::min(value * 10 + (c - '0'), 1e12);  // huge stays huge, and finite
            }
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    return negative ? -value : value;
}

}  // namespace

void ReadDecimalInRange(const ProfileFile& file, std::string_view section, std::string_view key,
                        double& value, double min, double max) {
    if (const auto read = ReadDecimal(file, section, key)) value = std::clamp(*read, min, max);
}

std::string DecimalText(double value) {
    char text[48];
    int decimals = 1;
    while (decimals < 3 &&
           std::abs(value * std::pow(10.0, decimals) - std::round(value * std::pow(10.0, decimals))) > 1e-6)
        ++decimals;
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return std::string(text, result.ptr);
}

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
