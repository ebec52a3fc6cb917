#pragma once

#include "ParameterSet.h"
#include "RestorePointName.h"
#include "Retention.h"
#include "TuneNote.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ign {

// One restore point in the folder.
struct RestorePoint {
    std::filesystem::path path;
    RestorePointName name;
    // A note file stands beside it (<point>.txt). The listing only sees the
    // name; ReadNote says whether it is one of ours and what it holds.
    bool hasNote = false;
};

struct RestorePointList {
    std::vector<RestorePoint> points;  // newest first
    // Temporary files that writes of points and notes left behind (a killed program); retention
    // removes old ones.
    std::vector<std::filesystem::path> temporaries;
    // Notes whose point is not there (deleted by hand, or a keep cut short between its two renames).
    std::vector<std::filesystem::path> orphanNotes;
    std::string error;  // empty, or why (part of) the folder could not be read
};

enum class HistoryStatus : std::uint8_t {
    Written,    // done: a new point, a renamed one
    Unchanged,  // the set equals the newest point of its reason byte for byte: nothing written
    Failed,     // nothing changed on disk; error says why
};

struct HistoryResult {
    HistoryStatus status = HistoryStatus::Written;
    std::filesystem::path path;  // the point written or renamed, or the identical one found
    std::string error;           // for Failed: "<what>: <path>: <reason>", English

    bool failed() const { return status == HistoryStatus::Failed; }
};

struct RetentionResult {
    int deleted = 0;
    std::string error;  // empty, or the first point that could not be deleted and why
};

// The folder of restore points: each a parameter file in the program's own
// format (so Open and LoadParameterFile read it), named by RestorePointName.
// Files of any other name in the folder, and anything named like a point
// that is no regular file (a folder), are left alone and not listed.
//
// A point's note (TuneNote) lives beside it as "<point>.txt" and goes
// wherever the point goes: a keep renames both, retention deletes both, and a
// note left without its point is a leftover like a temporary file.
//
// Nothing here throws or waits for the user: every failure comes back as a
// result, so the command that asked for a restore point always goes on.
// Writes are atomic (ReplaceFileContents) and never replace another point.
class RestorePointStore {
public:
    explicit RestorePointStore(std::filesystem::path folder, RetentionRules rules = {});

    const std::filesystem::path& Folder() const { return folder_; }
    const RetentionRules& Rules() const { return rules_; }
    void SetRules(const RetentionRules& rules) { rules_ = rules; }

    // Every restore point, newest first. A folder that does not exist yet is
    // an empty history, not an error.
    RestorePointList List() const;

    // Takes a restore point of the set's blocks, named by `now` (the caller's
    // local time), the reason and the unit's version text (empty: none known).
    // Creates the folder when needed. When the newest point of the same
    // reason holds the same bytes, writes nothing and says Unchanged. After a
    // write, applies the retention rules (their outcome does not change the result).
    HistoryResult Write(const ParameterSet& set, RestoreReason reason, std::string_view unitVersion,
                        const LocalTime& now);

    // Marks a point keep, or takes the mark off, by renaming it and its note;
    // the result's path is the point's new one. Refused when a file of either
    // new name exists already; when the note cannot follow, the point is
    // renamed back, so the two never part.
    HistoryResult SetKeep(const RestorePoint& point, bool keep);

    // The note of a point, and a new one for it (empty: none). Writing is
    // refused for a point that is no longer there, so no note is left without one.
    NoteRead ReadNote(const RestorePoint& point) const;
    NoteWriteResult WriteNote(const RestorePoint& point, std::string_view text);

    // Deletes what the rules let go (see RetentionRules), at `now`, each
    // point with its note, and the leftovers once they are older than
    // kStaleTemporaryAge (a younger one may be another copy writing now):
    // temporary files of point and note writes, and notes without a point.
    // A note whose point was renamed by a keep cut short follows its point instead.
    RetentionResult ApplyRetention(const LocalTime& now);

private:
    HistoryResult write(const ParameterSet& set, RestoreReason reason, std::string_view unitVersion,
                        const LocalTime& now);
    RestorePointName freeName(const std::vector<RestorePoint>& points, RestorePointName name) const;
    RetentionResult applyRetention(const RestorePointList& list, const LocalTime& now) const;
    void clearLeftovers(const RestorePointList& list) const;

    std::filesystem::path folder_;
    RetentionRules rules_;
};

}  // namespace ign
