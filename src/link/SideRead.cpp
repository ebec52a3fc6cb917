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

SideRead::SideRead(ParameterSet& set, SerialLine* line) : gate_(line), link_(Prepared(set), &gate_, this) {
    link_.StartRead();
}

void SideRead::tick() {
    if (outcome() == Outcome::Running) link_.tick();
}

SideRead::Outcome SideRead::outcome() const {
    if (completed_) return Outcome::Completed;
    return link_.idle() ? Outcome::Failed : Outcome::Running;
}

void SideRead::readCompleted() {
    completed_ = true;
    // The verify that follows every Read starts right after this: without a
    // line none of its requests goes out, and nobody ticks the link again.
    gate_.shut();
}

}  // namespace ign
