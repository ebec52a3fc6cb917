#include "LogReader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>

namespace ign {

namespace {

constexpr float kEmpty = std::numeric_limits<float>::quiet_NaN();

// Hands out the text line by line without its line end.
class Lines {
public:
    explicit Lines(std::string_view text) : text_(text) {}

    // False at the end, and for a last line that has no line end.
    bool next(std::string_view& line) {
        const std::size_t end = text_.find('\n', at_);
        if (end == std::string_view::npos) return false;
        line = text_.substr(at_, end - at_);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        at_ = end + 1;
        return true;
    }
    bool cutOff() const { return at_ < text_.size(); }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

// Cuts a line at its tabs.
class Fields {
public:
    explicit Fields(std::string_view line) : line_(line) {}

    bool next(std::string_view& field) {
        if (done_) return false;
        const std::size_t tab = line_.find('\t', at_);
        if (tab == std::string_view::npos) {
            field = line_.substr(at_);
            done_ = true;
        } else {
            field = line_.substr(at_, tab - at_);
            at_ = tab + 1;
        }
        return true;
    }

private:
    std::string_view line_;
    std::size_t at_ = 0;
    bool done_ = false;
};

std::string_view Trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// Most fields are short whole numbers: read those directly, the rest by from_chars.
bool WholeNumber(std::string_view field, float& out) {
    const bool negative = !field.empty() && field.front() == '-';
    if (negative) field.remove_prefix(1);
    if (field.empty() || field.size() > 7) return false;
    int value = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    out = static_cast<float>(negative ? -value : value);
    return true;
}

template <typename T>
bool Number(std::string_view field, T& out) {
    field = Trim(field);
    if (!field.empty() && field.front() == '+') field.remove_prefix(1);
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), out);
    return ec == std::errc() && end == field.data() + field.size() && std::isfinite(out);
}

// "MARK 001<tab>12.345": the number, and the time if it has one (else the last row's).
void ReadMarker(std::string_view line, LogData& log) {
    Fields fields(line);
    std::string_view first, second;
    fields.next(first);
    LogData::Marker marker;
    Number(first.substr(4), marker.number);
    if (!(fields.next(second) && Number(second, marker.timeS))) {
        marker.timeS = log.timeS.empty() ? 0 : log.timeS.back();
    }
    log.markers.push_back(marker);
}

void ReadRow(std::string_view line, LogData& log) {
    Fields fields(line);
    std::string_view field;
    double time = 0;
    if (!fields.next(field) || !Number(field, time)) {
        ++log.skippedLines;
        return;
    }
    log.timeS.push_back(time);
    for (LogData::Column& column : log.columns) {
        float value = kEmpty;
        if (fields.next(field) && !WholeNumber(field, value) && !Number(field, value)) value = kEmpty;
        column.values.push_back(value);
    }
}

std::vector<std::string> Split(std::string_view line) {
    std::vector<std::string> out;
    Fields fields(line);
    std::string_view field;
    while (fields.next(field)) out.emplace_back(Trim(field));
    return out;
}

}  // namespace

int LogData::columnIndex(std::string_view name) const {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].name == name) return static_cast<int>(i);
    }
    return -1;
}

std::size_t LogData::rowAt(double time) const {
    if (timeS.empty()) return 0;
    const auto after = std::upper_bound(timeS.begin(), timeS.end(), time);
    return after == timeS.begin() ? 0 : static_cast<std::size_t>(after - timeS.begin() - 1);
}

std::optional<LogData> ReadLog(std::string_view text, LogReadError& error) {
    error = LogReadError::None;
    LogData log;
    Lines lines(text);
    std::string_view line;
    bool haveLine = lines.next(line);
    while (haveLine && !line.empty() && line.front() == '"') {
        log.headerLines.emplace_back(line);
        haveLine = lines.next(line);
    }
    std::string_view unitLine;
    const std::vector<std::string> names = Split(line);
    if (!haveLine || names.size() < 2 || !lines.next(unitLine)) {
        error = LogReadError::NoChannels;
        return std::nullopt;
    }
    const std::vector<std::string> units = Split(unitLine);
    for (std::size_t i = 1; i < names.size(); ++i) {
        log.columns.push_back({names[i], i < units.size() ? units[i] : std::string(), {}});
    }
    // One pass over the bytes to size the columns saves growing them row by row.
    const auto guess = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    log.timeS.reserve(guess);
    for (LogData::Column& column : log.columns) column.values.reserve(guess);

    while (lines.next(line)) {
        if (line.empty()) continue;
        if (line.starts_with("MARK")) {
            ReadMarker(line, log);
        } else {
            ReadRow(line, log);
        }
    }
    log.truncated = lines.cutOff();
    return log;
}

std::optional<LogData> ReadLogFile(const std::filesystem::path& path, LogReadError& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = LogReadError::CannotOpen;
        return std::nullopt;
    }
    std::string text;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size > 0) text.resize(static_cast<std::size_t>(size));
    if (size < 0 || !in.read(text.data(), static_cast<std::streamsize>(text.size()))) {
        error = LogReadError::CannotOpen;
        return std::nullopt;
    }
    return ReadLog(text, error);
}

}  // namespace ign
