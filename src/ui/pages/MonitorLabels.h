#pragma once

#include "Monitor.h"

#include <array>

namespace ign {

// How one live-value line of the Monitor page is laid out: its place in the
// two columns and its font. Its name and the caption it shows until the first
// frame are the monitor's own (LabelInfo).
struct MonitorLine {
    MonitorLabel label;
    const char* widest;  // a live text as wide as the line will ever need in practice
    int column;          // 0 left, 1 right
    int row;             // 0..6 from the top
    int pixelHeight;
    bool bold;
    bool hiddenInDesign;  // made visible at start-up
};

// In the order of MonitorLabel.
inline constexpr std::array<MonitorLine, kMonitorLabelCount> kMonitorLines = [] {
    using enum MonitorLabel;
    return std::array<MonitorLine, kMonitorLabelCount>{{
        {Tps, "TPS= 100 [%]= 4860 [mV]", 0, 0, 23, true, false},
        {Voda, "TWS= -40 [°]= 2430 [mV]", 0, 1, 23, true, false},
        {Vzduch, "ATS= -40 [°]= 2430 [mV]", 0, 2, 19, false, false},
        {Tlak, "APS = 4860 [mV]", 0, 3, 19, false, false},
        {Podtlak, "IAPS= 100 [%] = 4860 [mV]", 0, 4, 19, false, false},
        {Napeti, "U = 27.4 [V]= 2430 [mV]", 0, 5, 19, false, false},
        {Privera, "STPS = 4860 [mV]", 0, 6, 19, false, false},
        {Rpm, "RPM = 20000 ", 1, 0, 23, true, false},
        {Lambda, "LAMBDA = 2430 [mV]", 1, 1, 23, true, false},
        {CasJet, "INJ. TIME = 30000 [us]", 1, 2, 19, false, true},
        {UhelPolohy, "INJ. POS. = 720 [°]", 1, 3, 19, false, true},
        {Buzeni, "DWELLTIME = 30000 [us]", 1, 4, 19, false, true},
        {Test1, "Test = 65535 ", 1, 6, 16, false, true},
    }};
}();

constexpr bool InLabelOrder(const std::array<MonitorLine, kMonitorLabelCount>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (static_cast<std::size_t>(lines[i].label) != i) return false;
    return true;
}
static_assert(InLabelOrder(kMonitorLines), "one line per label, in the order of MonitorLabel");

}  // namespace ign
