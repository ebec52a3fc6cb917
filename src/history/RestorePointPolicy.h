#pragma once

#include "ParameterSet.h"
#include "RestorePointName.h"
#include "RestorePointStore.h"

#include <optional>
#include <string>
#include <string_view>

namespace ign {

// A restore point to take now: the window hands it to RestorePointStore::Write
// with its local time.
struct RestorePointRequest {
    RestoreReason reason = RestoreReason::Manual;
    ParameterSet set;
    std::string unit;  // the unit's version text from the last completed Read; empty before one
};

// Which restore point the window's events call for; writing it is the
// store's business (which also skips a set equal to the newest of its reason).
// Each event returns the point to take, or nothing.
//
// before-live is taken once per Read, Program or Open: the first live
// adjustment after one of them takes it, later ones none, until the next. A
// live adjustment's own programming is no Program here, or every click would
// take one. Nothing has happened at start, so the first live adjustment of a
// session takes none until a Read, Program or Open.
class RestorePointPolicy {
public:
    using Request = std::optional<RestorePointRequest>;

    // A completed Read is about to replace the window's set: the set before.
    Request beforeRead(const ParameterSet& window);
    // The Read has replaced it: the set after its validation. Its version text
    // names this and every later point.
    Request readCompleted(const ParameterSet& read, std::string_view unitVersion);
    // The Read that ReadBeforeProgram makes before a Program, into a side set.
    Request unitBeforeProgram(const ParameterSet& read, std::string_view unitVersion);
    // Open has read its file and is about to replace the window's set with it.
    Request beforeOpen(const ParameterSet& window);
    Request beforeNew(const ParameterSet& window);
    Request beforeRestore(const ParameterSet& window);
    // A live adjustment is about to change the window's set.
    Request beforeLive(const ParameterSet& window);
    // The unit on the window's port said who it is without a Read of the
    // window (a test of the port, a compare): its version names the points.
    void unitIdentified(std::string_view unitVersion) { unit_ = unitVersion; }
    // The Program command's first frame has gone out: the set being programmed.
    Request programStarted(const ParameterSet& programmed);
    Request close(const ParameterSet& window);
    Request manual(const ParameterSet& window);

    // The store's answer to a request: true when the window should say that
    // a restore point failed, which it does once until one is written again.
    bool reportFailure(const HistoryResult& result);

    const std::string& unitVersion() const { return unit_; }

private:
    Request take(RestoreReason reason, const ParameterSet& set) const;

    std::string unit_;
    bool liveArmed_ = false;
    bool failing_ = false;
};

}  // namespace ign
