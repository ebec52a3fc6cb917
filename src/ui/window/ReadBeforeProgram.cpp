#include "window/ReadBeforeProgram.h"

#include "Link.h"
#include "PortConnection.h"

namespace ign {

ReadBeforeProgram::ReadBeforeProgram(Link& link, PortConnection& port, Hooks hooks)
    : link_(link), port_(port), hooks_(std::move(hooks)) {}

void ReadBeforeProgram::Program() {
    if (hooks_.wanted && hooks_.wanted()) {
        // Refused without an open port (the Program then says so at once) and
        // while a transfer runs (the Program replaces it, as any command does).
        loan_ = port_.Lend(Lending::BeforeCommand);
        if (loan_) {
            if (hooks_.lineLent) hooks_.lineLent();
            read_ = std::make_unique<SideRead>(set_, &loan_);
            return;
        }
    }
    hooks_.startProgram();
}

void ReadBeforeProgram::Tick() {
    if (read_ == nullptr) return;
    // A command given while the unit is read aside replaces the Program that
    // waits for it; so does a port closed or reopened meanwhile.
    if (!link_.idle() || loan_.Line() == nullptr) {
        Drop();
        return;
    }
    read_->tick();
    const SideRead::Outcome outcome = read_->outcome();
    if (outcome == SideRead::Outcome::Running) return;
    if (outcome == SideRead::Outcome::Completed && hooks_.unitRead)
        hooks_.unitRead(set_, read_->link().identification().version);
    Drop();
    hooks_.startProgram();
}

void ReadBeforeProgram::Drop() {
    read_.reset();
    loan_.Return();
}

}  // namespace ign
