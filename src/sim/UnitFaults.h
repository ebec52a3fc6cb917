#pragma once

#include <cstdint>

namespace ign {

// Ways a simulated unit can misbehave; all off by default.
struct UnitFaults {
    bool silent = false;        // never answers requests
    double dropRate = 0.0;      // probability that an answer is dropped
    double corruptRate = 0.0;   // probability that one bit of an answer is flipped
    bool splitAnswers = false;  // each answer arrives in two pieces, the second one later
    int answerDelayMs = 0;      // extra delay before an answer is queued
    bool wrongEcho = false;     // write answers echo wrong bytes 1-6
    int stuckOffset = 0;        // image offset 1..220 whose cell ignores writes (0 = none)
    std::uint32_t seed = 1;     // for the random faults
};

}  // namespace ign
