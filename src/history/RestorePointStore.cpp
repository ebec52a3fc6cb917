#include "RestorePointStore.h"

#include "AtomicFile.h"
#include "BoundedRead.h"
#include "ParameterFile.h"

#include <algorithm>
#include <exception>
#include <system_error>

namespace ign {

namespace {

namespace fs = std::filesystem;

HistoryResult Failure(std::string_view what, const fs::path& path, std::string_view reason) {
    HistoryResult result;
    result.status = HistoryStatus::Failed;
    result.path = path;
    result.error = std::string(what) + ": " + path.string() + ": " + std::string(reason);
    return result;
}

// Whether a point of this name exists with or without the keep mark.
bool NameTaken(const fs::path& folder, RestorePointName name) {
    std::error_code error;
    name.keep = false;
    if (fs::exists(folder / FormatRestorePointName(name), error)) return true;
    name.keep = true;
    return fs::exists(folder / FormatRestorePointName(name), error);
}

bool SameSlot(const RestorePointName& a, const RestorePointName& b) {
    return a.time == b.time && a.reason == b.reason && a.unit == b.unit;
}

}  // namespace

RestorePointStore::RestorePointStore(fs::path folder, RetentionRules rules)
    : folder_(std::move(folder)), rules_(rules) {}

RestorePointList RestorePointStore::List() const {
    RestorePointList list;
    std::error_code error;
    if (!fs::exists(folder_, error)) return list;
    fs::directory_iterator entry(folder_, error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
        // The name decides, and the kind of entry: a point is never opened to be listed.
        const std::string fileName = entry->path().filename().string();
        std::error_code kind;
        if (!entry->is_regular_file(kind)) continue;
        if (auto name = ParseRestorePointName(fileName)) {
            list.points.push_back({entry->path(), std::move(*name)});
        } else if (const auto target = TemporaryTarget(fileName); target && ParseRestorePointName(*target)) {
            list.temporaries.push_back(entry->path());
        }
    }
    if (error) list.error = "Cannot list: " + folder_.string() + ": " + error.message();
    std::sort(list.points.begin(), list.points.end(),
              [](const RestorePoint& a, const RestorePoint& b) { return NewerThan(a.name, b.name); });
    return list;
}

HistoryResult RestorePointStore::Write(const ParameterSet& set, RestoreReason reason,
                                       std::string_view unitVersion, const LocalTime& now) {
    try {
        return write(set, reason, unitVersion, now);
    } catch (const std::exception& e) {  // out of memory, in practice
        return Failure("Restore point not written", folder_, e.what());
    }
}

HistoryResult RestorePointStore::write(const ParameterSet& set, RestoreReason reason,
                                       std::string_view unitVersion, const LocalTime& now) {
    if (!IsValid(now)) return Failure("Restore point not written", folder_, "invalid time");
    std::error_code error;
    fs::create_directories(folder_, error);
    if (error) return Failure("Cannot create folder", folder_, error.message());

    const std::string bytes = WriteParameterFile(set);
    RestorePointList list = List();
    const auto newest = std::find_if(list.points.begin(), list.points.end(),
                                     [&](const RestorePoint& p) { return p.name.reason == reason; });
    std::string previous;
    if (newest != list.points.end() &&
        ReadRegularFile(newest->path, previous, kMaxParameterFileBytes) == FileReadResult::Ok &&
        previous == bytes) {
        return {HistoryStatus::Unchanged, newest->path, {}};
    }

    const RestorePointName name = freeName(list.points, {now, reason, SafeUnitName(unitVersion), 1, false});
    const fs::path path = folder_ / FormatRestorePointName(name);
    const FileWriteResult written = ReplaceFileContents(path, bytes);
    if (written != FileWriteResult::Ok)
        return Failure("Restore point not written", path, SaveErrorText(written));
    // The listing with the new point in it spares listing a large folder twice.
    const auto place = std::find_if(list.points.begin(), list.points.end(),
                                    [&](const RestorePoint& p) { return NewerThan(name, p.name); });
    list.points.insert(place, {path, name});
    applyRetention(list, now);
    return {HistoryStatus::Written, path, {}};
}

RestorePointName RestorePointStore::freeName(const std::vector<RestorePoint>& points,
                                             RestorePointName name) const {
    // After the highest sequence of the same second, so the newest is always the last one.
    for (const RestorePoint& p : points)
        if (SameSlot(p.name, name)) name.sequence = std::max(name.sequence, p.name.sequence + 1);
    // The listing may be older than the folder: make sure.
    while (NameTaken(folder_, name)) ++name.sequence;
    return name;
}

HistoryResult RestorePointStore::SetKeep(const RestorePoint& point, bool keep) {
    try {
        RestorePointName name = point.name;
        name.keep = keep;
        const fs::path target = point.path.parent_path() / FormatRestorePointName(name);
        if (target == point.path) return {HistoryStatus::Unchanged, target, {}};
        std::error_code error;
        if (fs::exists(target, error)) return Failure("Cannot rename", target, "a file of that name exists");
        fs::rename(point.path, target, error);
        if (error) return Failure("Cannot rename", point.path, error.message());
        return {HistoryStatus::Written, target, {}};
    } catch (const std::exception& e) {
        return Failure("Cannot rename", point.path, e.what());
    }
}

RetentionResult RestorePointStore::ApplyRetention(const LocalTime& now) {
    try {
        return applyRetention(List(), now);
    } catch (const std::exception& e) {
        return {0, e.what()};
    }
}

RetentionResult RestorePointStore::applyRetention(const RestorePointList& list, const LocalTime& now) const {
    RetentionResult result;
    std::vector<RestorePointName> names;
    names.reserve(list.points.size());
    for (const RestorePoint& p : list.points) names.push_back(p.name);
    for (std::size_t i : ExpiredPoints(names, rules_, now)) {
        std::error_code error;
        // Listed as a regular file; whatever took its place since is not ours to delete.
        if (fs::symlink_status(list.points[i].path, error).type() != fs::file_type::regular) continue;
        if (fs::remove(list.points[i].path, error)) {
            ++result.deleted;
        } else if (error && result.error.empty()) {
            result.error = "Cannot delete: " + list.points[i].path.string() + ": " + error.message();
        }
    }
    const auto oldest = fs::file_time_type::clock::now() - kStaleTemporaryAge;
    for (const fs::path& temporary : list.temporaries) {
        std::error_code error;
        if (fs::symlink_status(temporary, error).type() != fs::file_type::regular) continue;
        const auto written = fs::last_write_time(temporary, error);
        if (!error && written < oldest) fs::remove(temporary, error);
    }
    return result;
}

}  // namespace ign
