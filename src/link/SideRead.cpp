#include "SideRead.h"

#include "New.h"

namespace ign {

namespace {

ParameterSet& Prepared(ParameterSet& set) {
    set = ParameterSet{};
    ApplyMachineDefaults(set);
    return set;
}

}  // namespace

SideRead::SideRead(ParameterSet& set, SerialLine* line) : set_(set), gate_(line), link_(&gate_, this) {
    link_.StartRead(Prepared(set));
}

void SideRead::tick() {
    if (outcome() == Outcome::Running) link_.tick();
}

SideRead::Outcome SideRead::outcome() const {
    if (completed_) return Outcome::Completed;
    return link_.idle() ? Outcome::Failed : Outcome::Running;
}

void SideRead::readCompleted() {
    set_ = link_.parameters();
    completed_ = true;
    // The verify that follows every Read starts right after this: without a
    // line none of its requests goes out, and nobody ticks the link again.
    gate_.shut();
}

}  // namespace ign
