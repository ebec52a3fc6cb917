#include "SimulatorSerialLine.h"

#include "FactorySet.h"

#include <chrono>

namespace ign {

namespace {

std::int64_t SteadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

SimulatorSerialLine::SimulatorSerialLine(UnitFaults faults, std::function<std::int64_t()> nowMs)
    : unit_(faults), nowMs_(nowMs ? std::move(nowMs) : SteadyMs), lastAdvanceMs_(nowMs_()) {
    // The in-process unit stands in for one on the bench: it holds a valid set,
    // so a newcomer's first Read ends in "Verify OK" rather than in an error.
    LoadFactorySet(unit_);
}

void SimulatorSerialLine::catchUp() {
    const std::int64_t now = nowMs_();
    if (now <= lastAdvanceMs_) return;
    const std::int64_t elapsed = now - lastAdvanceMs_;
    lastAdvanceMs_ = now;
    unit_.advance(static_cast<int>(elapsed));
}

std::size_t SimulatorSerialLine::bytesQueued() {
    catchUp();
    return unit_.available();
}

std::size_t SimulatorSerialLine::read(Byte* buffer, std::size_t maxBytes) {
    catchUp();
    return unit_.take(buffer, maxBytes);
}

void SimulatorSerialLine::write(const Byte* frame, std::size_t size) {
    catchUp();
    unit_.receive(frame, size);
}

}  // namespace ign
