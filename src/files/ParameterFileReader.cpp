#include "ParameterFile.h"
#include "ParameterFileRecords.h"

#include "BoundedRead.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>

namespace ign {

namespace {

constexpr int kMaxToken = 255;
constexpr int kMaxNumberText = 64;

// Characters of a parameter file as text: carriage returns vanish and a byte
// 0x1A (the old end-of-file mark) ends the input for good.
class TextSource {
public:
    explicit TextSource(std::string_view bytes) : bytes_(bytes.substr(0, bytes.find('\x1A'))) {}

    int Peek() {
        while (at_ < bytes_.size() && bytes_[at_] == '\r') ++at_;
        return at_ < bytes_.size() ? static_cast<unsigned char>(bytes_[at_]) : EOF;
    }
    int Get() {
        const int c = Peek();
        if (c != EOF) ++at_;
        return c;
    }

private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

bool IsSpace(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f'; }
bool IsDigit(int c) { return c >= '0' && c <= '9'; }

void SkipSpace(TextSource& in) {
    while (IsSpace(in.Peek())) in.Get();
}

// The next whitespace-delimited token. A token longer than the reader's room
// is consumed whole and reported as too long, so it can never pass for a key.
bool NextToken(TextSource& in, std::string& token, bool& tooLong) {
    SkipSpace(in);
    token.clear();
    tooLong = false;
    if (in.Peek() == EOF) return false;
    for (int c = in.Peek(); c != EOF && !IsSpace(c); c = in.Peek()) {
        in.Get();
        if (static_cast<int>(token.size()) < kMaxToken) {
            token.push_back(static_cast<char>(c));
        } else {
            tooLong = true;
        }
    }
    return true;
}

// Decimal digits up to the first non-digit, which stays unread. The value is
// kept modulo 65 536, however many digits there are.
bool ReadInteger(TextSource& in, std::uint32_t& value) {
    SkipSpace(in);
    if (!IsDigit(in.Peek())) return false;
    value = 0;
    while (IsDigit(in.Peek())) value = (value * 10U + static_cast<std::uint32_t>(in.Get() - '0')) % 65536U;
    return true;
}

void TakeDigits(TextSource& in, std::string& text, int& digits) {
    while (IsDigit(in.Peek())) {
        const char c = static_cast<char>(in.Get());
        ++digits;
        if (static_cast<int>(text.size()) < kMaxNumberText) text.push_back(c);
    }
}

// A decimal fraction with optional sign, point and exponent. Absurdly long
// numbers are consumed but only their first characters are kept.
bool ReadFloat(TextSource& in, float& value) {
    SkipSpace(in);
    std::string text;
    bool negative = false;
    if (in.Peek() == '+' || in.Peek() == '-') negative = in.Get() == '-';
    int digits = 0;
    TakeDigits(in, text, digits);
    if (in.Peek() == '.') {
        text.push_back(static_cast<char>(in.Get()));
        TakeDigits(in, text, digits);
    }
    if (digits == 0) return false;
    if (in.Peek() == 'e' || in.Peek() == 'E') {
        std::string exponent(1, static_cast<char>(in.Get()));
        if (in.Peek() == '+' || in.Peek() == '-') exponent.push_back(static_cast<char>(in.Get()));
        int exponentDigits = 0;
        TakeDigits(in, exponent, exponentDigits);
        if (exponentDigits > 0) text += exponent;
    }
    float parsed = 0.0F;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (result.ec == std::errc::result_out_of_range) {
        const bool underflow = text.find("e-") != std::string::npos || text.find("E-") != std::string::npos;
        parsed = underflow ? 0.0F : HUGE_VALF;
    }
    value = negative ? -parsed : parsed;
    return true;
}

// Seconds to the clutch byte: x * 100 + 0.5 in single precision, truncated,
// low 8 bits. Values too large for any integer have no low bits left.
Byte ClutchFromSeconds(float seconds) {
    const float scaled = seconds * 100.0F;
    const float rounded = scaled + 0.5F;
    if (!std::isfinite(rounded) || std::fabs(rounded) >= 9.0e18F) return 0;
    return static_cast<Byte>(static_cast<std::int64_t>(rounded) & 0xFF);
}

// Whether any value was there to take.
bool ReadValues(TextSource& in, const ParameterRecord& record, IgnitionBlock& ign, InjectionBlock& inj) {
    bool took = false;
    for (int r = 0; r < record.runCount; ++r) {
        const ValueRun& run = record.runs[static_cast<std::size_t>(r)];
        const auto bytes = BytesOf(ign, inj, run.param);
        for (int i = 0; i < run.count; ++i) {
            Byte& target = bytes[static_cast<std::size_t>(run.first + i)];
            // A value that is not there leaves its byte alone; the text in its
            // place is read again as the next token.
            if (record.seconds) {
                float seconds = 0.0F;
                if (ReadFloat(in, seconds)) {
                    target = ClutchFromSeconds(seconds);
                    took = true;
                }
            } else {
                std::uint32_t number = 0;
                if (ReadInteger(in, number)) {
                    target = ToByte(Info(run.param).conversion, number);
                    took = true;
                }
            }
        }
    }
    return took;
}

// Per record of ParameterRecords(): whether its key stood in the input, and
// whether a value was taken after it.
struct Met {
    std::vector<bool> named;
    std::vector<bool> valued;
};

// Sorts the keys of the written layout by what the read took. A key that is
// never written ("TB") counts for the one that fills the same bytes.
ParameterKeys SortLayoutKeys(const Met& met) {
    const auto records = ParameterRecords();
    ParameterKeys keys;
    for (const std::string_view key : LayoutKeys()) {
        const ParameterRecord& layout = *FindParameterRecord(key);
        bool named = false, valued = false;
        for (std::size_t i = 0; i < records.size(); ++i) {
            if (records[i].runs != layout.runs) continue;
            named = named || met.named[i];
            valued = valued || met.valued[i];
        }
        (valued ? keys.found : keys.missing).push_back(key);
        if (named && !valued) keys.withoutValue.push_back(key);
    }
    return keys;
}

}  // namespace

ParameterKeys ReadParameterFile(std::string_view bytes, IgnitionBlock& ign, InjectionBlock& inj) {
    TextSource in(bytes);
    Met met{std::vector<bool>(ParameterRecords().size(), false),
            std::vector<bool>(ParameterRecords().size(), false)};
    std::string token;
    token.reserve(kMaxToken);
    bool tooLong = false;
    while (NextToken(in, token, tooLong)) {
        if (tooLong) continue;
        if (const ParameterRecord* record = FindParameterRecord(token)) {
            const auto index = static_cast<std::size_t>(record - ParameterRecords().data());
            met.named[index] = true;
            if (ReadValues(in, *record, ign, inj)) met.valued[index] = true;
        }
    }
    return SortLayoutKeys(met);
}

bool LoadParameterFile(const std::filesystem::path& path, IgnitionBlock& ign, InjectionBlock& inj,
                       ParameterKeys* keys) {
    std::string bytes;
    if (ReadRegularFile(path, bytes, kMaxParameterFileBytes) != FileReadResult::Ok) return false;
    ParameterKeys read = ReadParameterFile(bytes, ign, inj);
    if (keys != nullptr) *keys = std::move(read);
    return true;
}

}  // namespace ign
