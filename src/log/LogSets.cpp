#include "LogSets.h"

#include "BoundedRead.h"
#include "DeviceImageCodec.h"
#include "ParameterFile.h"

#include <algorithm>
#include <limits>
#include <system_error>

namespace ign {

namespace {

namespace fs = std::filesystem;

bool Exists(const fs::path& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

}  // namespace

LogSets::LogSets(std::vector<LogSetSpan> spans) : spans_(std::move(spans)) {
    // A log's markers come in time order; one that does not is still looked up by time.
    std::stable_sort(spans_.begin(), spans_.end(),
                     [](const LogSetSpan& a, const LogSetSpan& b) { return a.fromS < b.fromS; });
}

const LogSetSpan* LogSets::at(double timeS) const {
    const auto after = std::upper_bound(spans_.begin(), spans_.end(), timeS,
                                        [](double t, const LogSetSpan& span) { return t < span.fromS; });
    return after == spans_.begin() ? nullptr : &*(after - 1);
}

const LogSetSpan* LogSets::longest(double startS, double endS) const {
    const LogSetSpan* best = nullptr;
    double bestS = -1;
    for (std::size_t i = 0; i < spans_.size(); ++i) {
        const double from = std::max(spans_[i].fromS, startS);
        const double to = i + 1 < spans_.size() ? std::min(spans_[i + 1].fromS, endS) : endS;
        if (!spans_[i].known() || to - from <= bestS) continue;
        best = &spans_[i];
        bestS = to - from;
    }
    return best;
}

std::optional<ParameterSet> ReadLogSetFile(const fs::path& file) {
    std::string bytes;
    if (ReadRegularFile(file, bytes, kMaxLogSetFileBytes) != FileReadResult::Ok) return std::nullopt;
    ParameterSet set{};
    // A file Save wrote has every key; one without them all is not that file.
    if (!ReadParameterFile(bytes, set.ignition, set.injection).missing.empty()) return std::nullopt;
    PackDeviceImage(set);
    return set;
}

LogSets ReadLogSets(const LogData& log, const fs::path& logPath) {
    std::vector<LogSetSpan> spans;
    if (log.setStamp) {
        spans.push_back({-std::numeric_limits<double>::infinity(), log.setStamp->digest, log.setStamp->state,
                         LogSetFilePath(logPath, 1), std::nullopt});
    }
    int index = 1;
    for (const LogData::Marker& marker : log.markers) {
        if (marker.setDigest.empty()) continue;
        ++index;
        spans.push_back({marker.timeS, marker.setDigest, std::string(kLogUnitEqualsWindow),
                         LogSetFilePath(logPath, index), std::nullopt});
        fs::path sibling = spans.back().file;
        sibling.replace_extension(logPath.extension());
        if (Exists(sibling)) spans.back().file.clear();  // another log's first set
    }
    std::size_t read = 0;
    for (LogSetSpan& span : spans) {
        if (span.file.empty() || read == kMaxLogSetFiles) continue;
        ++read;
        span.set = ReadLogSetFile(span.file);
    }
    return LogSets(std::move(spans));
}

}  // namespace ign
