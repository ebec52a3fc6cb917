#include "ParameterDocument.h"

#include "Validation.h"

#include <array>
#include <utility>

namespace ign {

std::string_view CauseName(ChangeCause cause) {
    static constexpr std::array<std::string_view, 14> kNames{
        "edit",       "new",        "open", "read", "live",    "set-tps", "machine",
        "excitation", "gas-enable", "undo", "redo", "restore", "take",    "map-table",
    };
    return kNames[static_cast<std::size_t>(cause)];
}

int ParameterDocument::Listen(Listener listener) {
    listeners_.push_back({nextId_, std::move(listener)});
    return nextId_++;
}

void ParameterDocument::StopListening(int id) {
    std::erase_if(listeners_, [id](const Subscription& s) { return s.id == id; });
}

bool ParameterDocument::TakeEditors(ChangeCause cause, Validation validation, const Change& change,
                                    Show show) {
    return Step(cause, show, [&](ParameterSet& set) {
        if (editors_ != nullptr) editors_->ReadEditors(set);
        if (validation == Validation::First) ValidateParameters(set);
        return !change || change(set);
    });
}

bool ParameterDocument::Apply(ChangeCause cause, const Change& change, Show show) {
    return Step(cause, show, [&](ParameterSet& set) { return !change || change(set); });
}

void ParameterDocument::Refresh() {
    if (editors_ != nullptr) editors_->RefreshEditors(set_);
}

void ParameterDocument::Arrived(ChangeCause cause, const ParameterSet& set) {
    Apply(cause, [&set](ParameterSet& mine) {
        mine = set;
        return true;
    });
}

bool ParameterDocument::Step(ChangeCause cause, Show show, const Change& change) {
    const ParameterSet start = set_;
    if (!change(set_)) {
        set_ = start;
        return false;
    }
    if (show == Show::Refresh) Refresh();
    Tell(cause);
    return true;
}

void ParameterDocument::Tell(ChangeCause cause) {
    const bool changed = told_.ignition != set_.ignition || told_.injection != set_.injection;
    const ParameterSet before = std::exchange(told_, set_);
    if (!changed) return;
    const ParameterChange step{cause, before, told_};
    // A copy, so a listener may remove itself (or another) while being told.
    const std::vector<Subscription> listeners = listeners_;
    for (const Subscription& s : listeners) s.listener(step);
}

}  // namespace ign
