#pragma once

#include "SerialLine.h"
#include "SimulatedUnit.h"

#include <chrono>

namespace ign {

// The simulated control unit inside this process, reached like a port: the
// unit's time follows the real clock, advanced whenever the link looks at it.
// It starts with machine 0's default set in its memory.
class SimulatorSerialLine final : public SerialLine {
public:
    explicit SimulatorSerialLine(UnitFaults faults = {});

    SimulatedUnit& unit() { return unit_; }

    bool isOpen() const override { return true; }
    std::size_t bytesQueued() override;
    std::size_t read(Byte* buffer, std::size_t maxBytes) override;
    void write(const Byte* frame, std::size_t size) override;

private:
    void catchUp();

    SimulatedUnit unit_;
    std::chrono::steady_clock::time_point lastAdvance_;
};

}  // namespace ign
