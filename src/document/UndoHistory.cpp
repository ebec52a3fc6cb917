#include "UndoHistory.h"

#include "SetDifferences.h"

namespace ign {

UndoHistory::UndoHistory(ParameterDocument& document, std::size_t limit)
    : document_(document), limit_(limit == 0 ? 1 : limit) {
    listener_ = document_.Listen([this](const ParameterChange& change) { Record(change); });
}

UndoHistory::~UndoHistory() { document_.StopListening(listener_); }

std::optional<ChangeCause> UndoHistory::UndoCause() const {
    if (done_ == 0) return std::nullopt;
    return steps_[done_ - 1].cause;
}

std::optional<ChangeCause> UndoHistory::RedoCause() const {
    if (done_ == steps_.size()) return std::nullopt;
    return steps_[done_].cause;
}

void UndoHistory::Record(const ParameterChange& change) {
    if (change.cause == ChangeCause::Undo || change.cause == ChangeCause::Redo) return;
    // The first edit cycle after a Read writes 1 where the read left a flag's
    // bit: a byte changed, but no value the tuner sees. An "Undo" that shows
    // nothing would only puzzle, and would throw away what Redo holds.
    if (SameValues(change.before, change.after)) return;
    steps_.resize(done_);
    steps_.push_back({change.cause,
                      {change.before.ignition, change.before.injection},
                      {change.after.ignition, change.after.injection}});
    if (steps_.size() > limit_) steps_.erase(steps_.begin());
    done_ = steps_.size();
    Changed();
}

bool UndoHistory::Undo() {
    if (done_ == 0) return false;
    --done_;
    PutBack(ChangeCause::Undo, steps_[done_].before);
    Changed();
    return true;
}

bool UndoHistory::Redo() {
    if (done_ == steps_.size()) return false;
    ++done_;
    PutBack(ChangeCause::Redo, steps_[done_ - 1].after);
    Changed();
    return true;
}

bool UndoHistory::PutBack(ChangeCause cause, const Blocks& blocks) {
    return document_.Apply(cause, [&blocks](ParameterSet& set) {
        set.ignition = blocks.ignition;
        set.injection = blocks.injection;
        return true;
    });
}

void UndoHistory::Changed() const {
    if (changed_) changed_();
}

}  // namespace ign
