#pragma once

#include "SimulatedUnit.h"
#include "window/Hlav.h"

#include <cstdint>

// The window's timer ticked by hand (a test stops the timer itself), the
// simulated unit behind the port moved on by as much, and the test's own
// clock too where it keeps one: a transfer runs as fast as the machine can
// and always in the same steps.
inline void TickWindow(ign::SimulatedUnit& unit, ign::TFormHlav& window, int count = 1,
                       std::int64_t* clockMs = nullptr) {
    for (int i = 0; i < count; ++i) {
        unit.advance(ign::kTickMs);
        if (clockMs != nullptr) *clockMs += ign::kTickMs;
        window.Timer1Timer();
    }
}

// Ticks until the window's transfer has ended, at most `limit`; how many it took.
inline int RunWindowTransfer(ign::SimulatedUnit& unit, ign::TFormHlav& window, int limit = 600) {
    int ticks = 0;
    while (window.DeviceLink().state().TransferMode != ign::TransferMode::None && ticks < limit) {
        TickWindow(unit, window);
        ++ticks;
    }
    return ticks;
}
