#include "RestorePointStore.h"

#include "AtomicFile.h"
#include "BoundedRead.h"
#include "ParameterFile.h"

#include <algorithm>
#include <exception>
#include <system_error>
#include <unordered_map>

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

// The point a note file stands beside, by name alone.
std::optional<RestorePointName> NotedPoint(std::string_view fileName) {
    std::string pointFile;
    if (!IsNoteName(fileName, &pointFile)) return std::nullopt;
    return ParseRestorePointName(pointFile);
}

// Temporary files of point writes and of note writes.
bool IsPointTemporary(std::string_view fileName) {
    const auto target = TemporaryTarget(fileName);
    return target && (ParseRestorePointName(*target) || NotedPoint(*target));
}

bool IsRegular(const fs::path& path) {
    std::error_code error;
    return fs::symlink_status(path, error).type() == fs::file_type::regular;
}

bool Stale(const fs::path& path) {
    std::error_code error;
    const auto written = fs::last_write_time(path, error);
    return !error && written < fs::file_time_type::clock::now() - kStaleTemporaryAge;
}

// Points and notes found in a listing, matched by name.
void MatchNotes(RestorePointList& list, const std::vector<fs::path>& notes) {
    std::unordered_map<std::string, std::size_t> byName;
    for (std::size_t i = 0; i < list.points.size(); ++i)
        byName.emplace(list.points[i].path.filename().string(), i);
    for (const fs::path& note : notes) {
        std::string pointFile;
        IsNoteName(note.filename().string(), &pointFile);
        const auto point = byName.find(pointFile);
        if (point != byName.end()) {
            list.points[point->second].hasNote = true;
        } else {
            list.orphanNotes.push_back(note);
        }
    }
}

// A note whose point now carries the other keep mark: a keep that renamed the
// point but was stopped before its note. The note follows; true when it did.
bool FollowRenamedPoint(const fs::path& note) {
    auto name = NotedPoint(note.filename().string());
    if (!name) return false;
    name->keep = !name->keep;
    const fs::path point = note.parent_path() / FormatRestorePointName(*name);
    const fs::path target = NotePathOf(point);
    std::error_code error;
    if (!IsRegular(point) || fs::exists(target, error)) return false;
    fs::rename(note, target, error);
    return !error;
}

}  // namespace

RestorePointStore::RestorePointStore(fs::path folder, RetentionRules rules)
    : folder_(std::move(folder)), rules_(rules) {}

RestorePointList RestorePointStore::List() const {
    RestorePointList list;
    std::vector<fs::path> notes;
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
        } else if (NotedPoint(fileName)) {
            notes.push_back(entry->path());
        } else if (IsPointTemporary(fileName)) {
            list.temporaries.push_back(entry->path());
        }
    }
    if (error) list.error = "Cannot list: " + folder_.string() + ": " + error.message();
    std::sort(list.points.begin(), list.points.end(),
              [](const RestorePoint& a, const RestorePoint& b) { return NewerThan(a.name, b.name); });
    MatchNotes(list, notes);
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
        const fs::path note = NotePathOf(point.path);
        const fs::path noteTarget = NotePathOf(target);
        std::error_code error;
        const bool noted = fs::exists(fs::symlink_status(note, error));
        if (fs::exists(target, error)) return Failure("Cannot rename", target, "a file of that name exists");
        if (noted && fs::exists(noteTarget, error))
            return Failure("Cannot rename", noteTarget, "a file of that name exists");
        fs::rename(point.path, target, error);
        if (error) return Failure("Cannot rename", point.path, error.message());
        if (noted) {
            fs::rename(note, noteTarget, error);
            if (error) {
                // The point goes back to its note rather than the two parting.
                const std::string reason = error.message();
                fs::rename(target, point.path, error);
                return Failure("Cannot rename", note, reason);
            }
        }
        return {HistoryStatus::Written, target, {}};
    } catch (const std::exception& e) {
        return Failure("Cannot rename", point.path, e.what());
    }
}

NoteRead RestorePointStore::ReadNote(const RestorePoint& point) const { return ign::ReadNote(point.path); }

NoteWriteResult RestorePointStore::WriteNote(const RestorePoint& point, std::string_view text) {
    try {
        if (!IsRegular(point.path))
            return {NoteWriteStatus::Failed,
                    "Note not written: " + point.path.string() + ": the point is gone"};
        return ign::WriteNote(point.path, text);
    } catch (const std::exception& e) {
        return {NoteWriteStatus::Failed, "Note not written: " + point.path.string() + ": " + e.what()};
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
        const RestorePoint& point = list.points[i];
        std::error_code error;
        // Listed as a regular file; whatever took its place since is not ours to delete.
        if (!IsRegular(point.path)) continue;
        if (fs::remove(point.path, error)) {
            ++result.deleted;
            // Its note goes with it; one that stays is a leftover the next clean-up takes.
            const fs::path note = NotePathOf(point.path);
            if (point.hasNote && IsRegular(note)) fs::remove(note, error);
        } else if (error && result.error.empty()) {
            result.error = "Cannot delete: " + point.path.string() + ": " + error.message();
        }
    }
    clearLeftovers(list);
    return result;
}

void RestorePointStore::clearLeftovers(const RestorePointList& list) const {
    for (const fs::path& temporary : list.temporaries) {
        std::error_code error;
        if (IsRegular(temporary) && Stale(temporary)) fs::remove(temporary, error);
    }
    for (const fs::path& note : list.orphanNotes) {
        if (!IsRegular(note) || FollowRenamedPoint(note) || !Stale(note)) continue;
        // Only a note of ours: a text file someone put here under such a name is theirs.
        std::string pointFile;
        IsNoteName(note.string(), &pointFile);
        if (ign::ReadNote(pointFile).status != NoteStatus::Ours) continue;
        std::error_code error;
        fs::remove(note, error);
    }
}

}  // namespace ign
