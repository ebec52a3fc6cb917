#include "LogReader.h"

#include "BoundedRead.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace ign {

namespace {

constexpr float kEmpty = std::numeric_limits<float>::quiet_NaN();
// What the rows may store per byte of theirs, and beyond that for a few
// short rows: a program's log stores about one byte per byte read, a tool
// that leaves most fields off a dozen.
constexpr std::uint64_t kStoredPerByte = 16;
constexpr std::uint64_t kStoredSlack = std::uint64_t{16} << 20;
// Rows read before the columns are sized for the whole input.
constexpr std::size_t kRowsBeforeSizing = 1024;

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

enum class Parsed { No, Number, OutOfRange };

// A number that fills the field (blanks around it aside); OutOfRange for one
// too large for the type and for infinities and NaN.
template <typename T>
Parsed ParseNumber(std::string_view field, T& out) {
    field = Trim(field);
    if (!field.empty() && field.front() == '+') field.remove_prefix(1);
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), out);
    if (end != field.data() + field.size() || field.empty()) return Parsed::No;
    if (ec == std::errc::result_out_of_range) return Parsed::OutOfRange;
    if (ec != std::errc()) return Parsed::No;
    return std::isfinite(out) ? Parsed::Number : Parsed::OutOfRange;
}

template <typename T>
bool Number(std::string_view field, T& out) {
    return ParseNumber(field, out) == Parsed::Number;
}

bool TimeInRange(double t) { return std::fabs(t) <= kMaxLogTimeS; }

// The first `limit` fields of a line of names or units, blanks around each
// taken off; `more` says whether the line holds others after them.
std::vector<std::string> Split(std::string_view line, std::size_t limit, bool& more) {
    std::vector<std::string> out;
    Fields fields(line);
    std::string_view field;
    more = false;
    while (fields.next(field)) {
        if (out.size() == limit) {
            more = true;
            break;
        }
        out.emplace_back(Trim(field));
    }
    return out;
}

// Builds a LogData from the text line by line, fed in pieces of any size.
class LogParser {
public:
    explicit LogParser(std::uint64_t sizeHint) : sizeHint_(sizeHint) {}

    // False once the input has shown it is no log.
    bool feed(std::string_view bytes) {
        while (error_ == LogReadError::None && !bytes.empty()) {
            const std::size_t end = bytes.find('\n');
            const std::size_t length = end == std::string_view::npos ? bytes.size() : end;
            if (carry_.size() + length > kMaxLogLineBytes + 1)
                return tooLong(carry_, bytes.substr(0, length));
            if (end == std::string_view::npos) {
                carry_.append(bytes);
                break;
            }
            consumed_ += end + 1;
            if (carry_.empty()) {
                line(bytes.substr(0, end));
            } else {
                carry_.append(bytes.substr(0, end));
                line(carry_);
                carry_.clear();
            }
            bytes.remove_prefix(end + 1);
        }
        return error_ == LogReadError::None;
    }

    std::optional<LogData> finish(LogReadError& error) {
        if (error_ == LogReadError::None && stage_ != Stage::Rows) error_ = LogReadError::NoChannels;
        error = error_;
        if (error_ != LogReadError::None) return std::nullopt;
        log_.truncated = !carry_.empty();
        if (!log_.headerLines.empty()) log_.setStamp = ParseLogSetStamp(log_.headerLines.front());
        return std::move(log_);
    }

private:
    enum class Stage { Header, Units, Rows };

    bool fail(LogReadError error) {
        error_ = error;
        return false;
    }

    // A line of names too long for a log is most likely far too wide for one:
    // that is the more telling reason. The line is `start` and then `rest`.
    bool tooLong(std::string_view start, std::string_view rest) {
        const auto tabs = [](std::string_view text) { return std::count(text.begin(), text.end(), '\t'); };
        const bool names = stage_ == Stage::Header && !(start.empty() ? rest : start).starts_with('"');
        const auto columns = static_cast<std::size_t>(tabs(start) + tabs(rest)) + 1;
        return fail(names && columns > kMaxLogColumns ? LogReadError::TooManyColumns
                                                      : LogReadError::LineTooLong);
    }

    void line(std::string_view text) {
        if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
        if (text.size() > kMaxLogLineBytes) {
            tooLong(text, {});
            return;
        }
        switch (stage_) {
            case Stage::Header:
                return headerOrNames(text);
            case Stage::Units:
                return units(text);
            case Stage::Rows:
                if (text.empty()) return;
                if (text.starts_with("MARK")) return marker(text);
                return row(text);
        }
    }

    void headerOrNames(std::string_view text) {
        if (!text.empty() && text.front() == '"') {
            if (log_.headerLines.size() == kMaxLogHeaderLines) {
                fail(LogReadError::NoChannels);
                return;
            }
            log_.headerLines.emplace_back(text);
            return;
        }
        bool tooMany = false;
        names_ = Split(text, kMaxLogColumns, tooMany);
        if (tooMany) {
            fail(LogReadError::TooManyColumns);
        } else if (names_.size() < 2) {
            fail(LogReadError::NoChannels);
        } else {
            stage_ = Stage::Units;
        }
    }

    void units(std::string_view text) {
        bool more = false;
        const std::vector<std::string> units = Split(text, names_.size(), more);
        log_.columns.reserve(names_.size() - 1);
        for (std::size_t i = 1; i < names_.size(); ++i)
            log_.columns.push_back({names_[i], i < units.size() ? units[i] : std::string(), {}});
        names_.clear();
        stage_ = Stage::Rows;
    }

    // "MARK 001<tab>12.345": the number, and the time if it has one (else the
    // last row's); a set change has "set <digest>" after the time.
    void marker(std::string_view text) {
        if (log_.markers.size() == kMaxLogMarkers) {
            ++log_.skippedLines;
            return;
        }
        Fields fields(text);
        std::string_view first, second, third;
        fields.next(first);
        LogData::Marker marker;
        Number(first.substr(4), marker.number);
        const bool timed = fields.next(second);
        if (!(timed && Number(second, marker.timeS) && TimeInRange(marker.timeS)))
            marker.timeS = log_.timeS.empty() ? 0 : log_.timeS.back();
        if (timed && fields.next(third)) {
            if (std::optional<std::string> digest = ParseSetMarkerText(third))
                marker.setDigest = std::move(*digest);
        }
        log_.markers.push_back(std::move(marker));
    }

    void row(std::string_view text) {
        Fields fields(text);
        std::string_view field;
        double time = 0;
        const Parsed parsed = fields.next(field) ? ParseNumber(field, time) : Parsed::No;
        if (parsed == Parsed::No) {
            ++log_.skippedLines;
            return;
        }
        if (parsed == Parsed::OutOfRange || !TimeInRange(time)) {
            ++log_.outOfRangeRows;
            return;
        }
        // Every row costs as much however short it is: what is stored must
        // stay in proportion to the bytes that brought it.
        rowBytes_ += text.size() + 1;
        stored_ += RowCost();
        if (stored_ > kMaxLogMemoryBytes) {
            fail(LogReadError::TooMuchData);
            return;
        }
        if (stored_ > kStoredPerByte * rowBytes_ + kStoredSlack) {
            fail(LogReadError::TooSparse);
            return;
        }
        log_.timeS.push_back(time);
        for (LogData::Column& column : log_.columns) {
            float value = kEmpty;
            if (fields.next(field) && !WholeNumber(field, value) && !Number(field, value)) value = kEmpty;
            column.values.push_back(value);
        }
        if (log_.timeS.size() == kRowsBeforeSizing) sizeForTheRest();
    }

    // What a row takes in the columns: its time and a value per channel.
    std::uint64_t RowCost() const { return sizeof(double) + sizeof(float) * log_.columns.size(); }

    // Sizes the columns for the rows the rest of the input will likely bring,
    // judged by the rows so far, so that they do not grow (and copy) step by step.
    void sizeForTheRest() {
        if (sizeHint_ <= consumed_ || rowBytes_ == 0) return;
        const double bytesPerRow = static_cast<double>(rowBytes_) / static_cast<double>(log_.rows());
        const double more = static_cast<double>(sizeHint_ - consumed_) / bytesPerRow * 1.02;
        const std::uint64_t allowed = std::min(kMaxLogMemoryBytes, kStoredPerByte * sizeHint_ + kStoredSlack);
        const double most = static_cast<double>(allowed) / static_cast<double>(RowCost());
        const auto rows =
            static_cast<std::size_t>(std::min(static_cast<double>(log_.rows()) + more + 16, most));
        log_.timeS.reserve(rows);
        for (LogData::Column& column : log_.columns) column.values.reserve(rows);
    }

    std::uint64_t sizeHint_ = 0;
    std::uint64_t consumed_ = 0;  // bytes of whole lines so far
    std::uint64_t rowBytes_ = 0;  // of them, the bytes of rows
    std::uint64_t stored_ = 0;    // bytes the rows take in the columns
    Stage stage_ = Stage::Header;
    LogReadError error_ = LogReadError::None;
    std::string carry_;  // the start of a line the next piece completes
    std::vector<std::string> names_;
    LogData log_;
};

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
    LogParser parser(text.size());
    parser.feed(text);
    return parser.finish(error);
}

std::optional<LogData> ReadLogFile(const std::filesystem::path& path, LogReadError& error,
                                   const LogReadProgress& progress) {
    std::optional<LogParser> parser;
    std::uint64_t done = 0;
    bool cancelled = false;
    const FileReadResult read =
        ReadRegularFileInChunks(path, kMaxLogBytes, [&](std::string_view chunk, std::uintmax_t size) {
            if (!parser) parser.emplace(size);
            done += chunk.size();
            if (progress && !progress(done, size)) {
                cancelled = true;
                return false;
            }
            return parser->feed(chunk);
        });
    switch (read) {
        case FileReadResult::Ok:
            break;
        case FileReadResult::NotAFile:
            error = LogReadError::NotAFile;
            return std::nullopt;
        case FileReadResult::TooLarge:
            error = LogReadError::TooLarge;
            return std::nullopt;
        case FileReadResult::Missing:
        case FileReadResult::Unreadable:
        case FileReadResult::Silent:
            error = LogReadError::CannotOpen;
            return std::nullopt;
    }
    if (cancelled) {
        error = LogReadError::Cancelled;
        return std::nullopt;
    }
    if (!parser) parser.emplace(0);  // an empty file
    return parser->finish(error);
}

}  // namespace ign
