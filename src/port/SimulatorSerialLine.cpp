#include "SimulatorSerialLine.h"

#include "FactorySet.h"

namespace ign {

SimulatorSerialLine::SimulatorSerialLine(UnitFaults faults)
    : unit_(faults), lastAdvance_(std::chrono::steady_clock::now()) {
    // The in-process unit stands in for one on the bench: it holds a valid set,
    // so a newcomer's first Read ends in "Verify OK" rather than in an error.
    LoadFactorySet(unit_);
}

void SimulatorSerialLine::catchUp() {
    using std::chrono::milliseconds;
    const auto now = std::chrono::steady_clock::now();
    const auto elapsed = std::chrono::duration_cast<milliseconds>(now - lastAdvance_);
    if (elapsed.count() <= 0) return;
    // Only whole milliseconds are handed on; the remainder stays for the next call.
    lastAdvance_ += elapsed;
    unit_.advance(static_cast<int>(elapsed.count()));
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
