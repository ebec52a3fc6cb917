#include "SideRead.h"

namespace ign {

void SideRead::Start(SerialLine* line) {
    result_.reset();
    line_ = line;
    running_ = line != nullptr && line->isOpen();
    if (!running_) return;
    link_.setLine(line);
    link_.StartRead();
}

SideRead::Step SideRead::Tick(SerialLine* line) {
    if (!running_) return Step::Ended;
    if (line != line_) {
        Cancel();
        return Step::Abandoned;
    }
    link_.tick();
    if (!result_ && !link_.idle()) return Step::Running;
    Cancel();
    return Step::Ended;
}

void SideRead::Cancel() {
    running_ = false;
    line_ = nullptr;
    link_.setLine(nullptr);
}

void SideRead::readCompleted() {
    result_ = set_;
    // The Verify the link starts next goes nowhere.
    link_.setLine(nullptr);
}

}  // namespace ign
