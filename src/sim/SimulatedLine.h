#pragma once

#include "SerialLine.h"
#include "SimulatedUnit.h"

namespace ign {

// A SerialLine over a SimulatedUnit whose time is advanced explicitly: tests
// call advance(55) once per tick, so nothing depends on the wall clock.
class SimulatedLine : public SerialLine {
public:
    explicit SimulatedLine(SimulatedUnit& unit) : unit_(unit) {}

    void advance(int milliseconds) { unit_.advance(milliseconds); }
    // A closed line behaves like a missing port: nothing goes out, nothing comes in.
    void setOpen(bool open) { open_ = open; }
    SimulatedUnit& unit() { return unit_; }

    bool isOpen() const override { return open_; }
    std::size_t bytesQueued() override { return open_ ? unit_.available() : 0; }
    std::size_t read(Byte* buffer, std::size_t maxBytes) override {
        return open_ ? unit_.take(buffer, maxBytes) : 0;
    }
    void write(const Byte* frame, std::size_t size) override {
        if (open_) unit_.receive(frame, size);
    }

private:
    SimulatedUnit& unit_;
    bool open_ = true;
};

}  // namespace ign
