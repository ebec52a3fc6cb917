#pragma once

#include "SimulatedUnit.h"

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

namespace ign {

// Moves bytes between a pseudo-terminal master and the simulated unit, and
// lets the unit's time follow the real clock, until stop becomes nonzero.
class UnitServer {
public:
    UnitServer(SimulatedUnit& unit, int masterFd) : unit_(unit), master_(masterFd) {}
    // Every 12 bytes that come in ("<") and go out (">") become a line of hex in trace.
    void setTrace(std::FILE* trace) { trace_ = trace; }
    // The clock the unit's time follows, in ms; the real one unless set.
    void setClock(std::function<std::int64_t()> nowMs) { nowMs_ = std::move(nowMs); }

    void run(const volatile std::sig_atomic_t& stop);

private:
    void receive();
    void transmit();
    void traceBytes(std::vector<Byte>& partial, char direction, const Byte* data, std::size_t size);

    SimulatedUnit& unit_;
    int master_;
    std::vector<Byte> pending_;  // what the unit sent and the terminal has not taken yet
    std::FILE* trace_ = nullptr;
    std::function<std::int64_t()> nowMs_;
    std::vector<Byte> tracedIn_;  // bytes of a frame not yet whole, each way
    std::vector<Byte> tracedOut_;
};

}  // namespace ign
