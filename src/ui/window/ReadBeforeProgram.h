#pragma once

#include "LineLoan.h"
#include "ParameterSet.h"
#include "SideRead.h"

#include <functional>
#include <memory>
#include <string>

namespace ign {

class Link;
class PortConnection;

// Program, with the unit read aside first when the restore points ask for
// it: between the click and the Program the unit is read into a set of this
// object's own over the window's line, lent for the read, so a point keeps
// what the unit held. The Program follows the read however the read ends,
// unless a command given meanwhile replaced it or the port closed or changed.
class ReadBeforeProgram {
public:
    struct Hooks {
        std::function<bool()> wanted;    // the restore points' setting
        std::function<void()> lineLent;  // what the unit holds is for the Program to say
        std::function<void(const ParameterSet& set, const std::string& version)> unitRead;
        std::function<void()> startProgram;  // Program proper
    };

    ReadBeforeProgram(Link& link, PortConnection& port, Hooks hooks);
    ReadBeforeProgram(const ReadBeforeProgram&) = delete;
    ReadBeforeProgram& operator=(const ReadBeforeProgram&) = delete;

    // The Program command, its image ready: reads aside first when wanted and
    // the line can be lent; a port that is not open gives the Program its usual error at once.
    void Program();
    // Every tick, after the link's step.
    void Tick();
    // The Program that waits is dropped, the line given back.
    void Drop();
    bool Reading() const { return read_ != nullptr; }

private:
    Link& link_;
    PortConnection& port_;
    Hooks hooks_;
    ParameterSet set_{};
    LineLoan loan_;
    std::unique_ptr<SideRead> read_;
};

}  // namespace ign
