#pragma once

#include "SimulatedUnit.h"

#include <string>
#include <vector>

namespace ign {

// What ignition-unit-sim is told on its command line.
struct SimOptions {
    UnitFaults faults;
    int monitorMs =
        SimulatedUnit::kDefaultMonitorIntervalMs;  // interval of the unit's own monitor frames; 0 sends none
    std::string linkPath;                          // optional symbolic link to the terminal, removed on exit
    std::string tracePath;                         // optional file that receives every frame, one a line
    bool blank = false;                            // all-zero memory instead of machine 0's default set
    bool help = false;
    bool version = false;
    // The unit's own time from a request to its answer.
    int answerMs = SimulatedUnit::kDefaultAnswerMs;
};

// Parses the arguments after the program name. Returns false with a
// one-line reason in error for an unknown option or a bad value.
bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error);

const char* SimUsage();

}  // namespace ign
