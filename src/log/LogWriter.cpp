#include "LogWriter.h"

#include <algorithm>
#include <cstdio>

namespace ign {

namespace {

// A quote would end the quoted first line early, and a tab or a line end
// would cut a line into fields or lines of its own.
std::string FieldText(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == '"') c = '\'';
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    }
    return out;
}

}  // namespace

std::string LogFileName(const LogStartTime& t, int duplicate) {
    char name[96];
    std::snprintf(name, sizeof name, "%04d-%02d-%02d_%02d.%02d.%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    std::string text = name;
    if (duplicate > 0) text += '_' + std::to_string(duplicate + 1);
    return text + ".msl";
}

LogWriter::LogWriter(LogSink& sink, std::string_view program, const LogStartTime& t, std::int64_t startMs,
                     const std::optional<LogSetStamp>& set)
    : sink_(sink), startMs_(startMs) {
    char started[64];
    std::snprintf(started, sizeof started, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    pending_ = '"' + FieldText(program) + ": " + started;
    if (set) pending_ += ", set " + FieldText(set->digest) + ", " + FieldText(set->state);
    pending_ += "\"\ntime\ttype";
    for (const MonitorChannel& c : MonitorChannels()) (pending_ += '\t') += c.name;
    pending_ += "\ns\t";
    for (const MonitorChannel& c : MonitorChannels()) (pending_ += '\t') += c.unit;
    pending_ += '\n';
}

void LogWriter::appendTime(std::int64_t timeMs) {
    // Whole milliseconds: the same digits as "%.3f", without the C locale's say in the point.
    const std::int64_t ms = std::max<std::int64_t>(timeMs - startMs_, 0);
    pending_ += std::to_string(ms / 1000);
    const auto rest = static_cast<int>(ms % 1000);
    const char fraction[] = {'.', char('0' + rest / 100), char('0' + rest / 10 % 10), char('0' + rest % 10)};
    pending_.append(fraction, sizeof fraction);
}

bool LogWriter::addFrame(std::int64_t timeMs, int type, const MonitorReadings& readings) {
    if (type < 0 || type > 3) return false;
    for (const MonitorChannel& c : MonitorChannels()) {
        if (c.frameType != type) continue;
        std::string& field = fields_[static_cast<std::size_t>(c.channel)];
        field.clear();
        AppendChannelValue(field, c, c.value(readings));
    }
    appendTime(timeMs);
    pending_ += '\t';
    pending_ += static_cast<char>('0' + type);
    for (const std::string& field : fields_) (pending_ += '\t') += field;
    pending_ += '\n';
    ++frames_;
    return true;
}

int LogWriter::addMarker(std::int64_t timeMs) { return appendMarker(timeMs, {}); }

int LogWriter::addSetMarker(std::int64_t timeMs, std::string_view digest) {
    return appendMarker(timeMs, std::string(kSetMarkerPrefix) + FieldText(digest));
}

int LogWriter::appendMarker(std::int64_t timeMs, std::string_view text) {
    ++markers_;
    char mark[32];
    std::snprintf(mark, sizeof mark, "MARK %03d\t", markers_);
    pending_ += mark;
    appendTime(timeMs);
    if (!text.empty()) (pending_ += '\t') += text;
    pending_ += '\n';
    return markers_;
}

bool LogWriter::flush() {
    if (pending_.empty()) return true;
    const std::size_t taken = std::min(sink_.write(pending_), pending_.size());
    written_ += taken;
    pending_.erase(0, taken);
    return pending_.empty();
}

}  // namespace ign
