#pragma once

#include "SimulatedUnit.h"

#include <csignal>
#include <vector>

namespace ign {

// Moves bytes between a pseudo-terminal master and the simulated unit, and
// lets the unit's time follow the real clock, until stop becomes nonzero.
class UnitServer {
public:
    UnitServer(SimulatedUnit& unit, int masterFd) : unit_(unit), master_(masterFd) {}

    void run(const volatile std::sig_atomic_t& stop);

private:
    void receive();
    void transmit();

    SimulatedUnit& unit_;
    int master_;
    std::vector<Byte> pending_;  // what the unit sent and the terminal has not taken yet
};

}  // namespace ign
