#pragma once

#include <array>

namespace ign {

// One live-value line of the Monitor page, as designed: its place in the two
// columns, its font and the caption it shows until the first frame arrives.
struct MonitorLine {
    const char* name;
    const char* caption;  // UTF-8
    int column;           // 0 left, 1 right
    int row;              // 0..6 from the top
    int pixelHeight;
    bool bold;
    bool hiddenInDesign;  // made visible at start-up
};

inline constexpr std::array<MonitorLine, 13> kMonitorLines{{
    {"LabelTps", "Tps= --- [%]= --- [mV]", 0, 0, 23, true, false},
    {"LabelVoda", "Voda= --- [°]= --- [mV]", 0, 1, 23, true, false},
    {"LabelVzduch", "Vzduch= --- [°]= --- [mV]", 0, 2, 19, false, false},
    {"LabelTlak", "Tlak = --- [mV]", 0, 3, 19, false, false},
    {"LabelPodtlak", "Iap= --- [%] = --- [mV]", 0, 4, 19, false, false},
    {"LabelNapeti", "Napětí = --- [mV]", 0, 5, 19, false, false},
    {"LabelPrivera", "Přívera = --- [mV]", 0, 6, 19, false, false},
    {"LabelRpm", "RPM = ---", 1, 0, 23, true, false},
    {"LabelLambda", "Lambda = --- [mV]", 1, 1, 23, true, false},
    {"LabelCasJet", "Čas vstřiku = --- [us]", 1, 2, 19, false, true},
    {"LabelUhelPolohy", "Úhel vstřiku = --- [°]", 1, 3, 19, false, true},
    {"LabelBuzeni", "Buzení = --- [us]", 1, 4, 19, false, true},
    {"LabelTest1", "Test = ---", 1, 6, 16, false, true},
}};

}  // namespace ign
