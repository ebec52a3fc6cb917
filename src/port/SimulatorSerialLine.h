#pragma once

#include "SerialLine.h"
#include "SimulatedUnit.h"

#include <cstdint>
#include <functional>

namespace ign {

// The simulated control unit inside this process, reached like a port: the
// unit's time follows a clock (the real one unless another is given, in
// milliseconds), advanced whenever the link looks at it. It starts with
// machine 0's default set in its memory.
class SimulatorSerialLine final : public SerialLine {
public:
    explicit SimulatorSerialLine(UnitFaults faults = {}, std::function<std::int64_t()> nowMs = {});

    SimulatedUnit& unit() { return unit_; }

    bool isOpen() const override { return true; }
    std::size_t bytesQueued() override;
    std::size_t read(Byte* buffer, std::size_t maxBytes) override;
    void write(const Byte* frame, std::size_t size) override;

private:
    void catchUp();

    SimulatedUnit unit_;
    std::function<std::int64_t()> nowMs_;
    std::int64_t lastAdvanceMs_;
};

}  // namespace ign
