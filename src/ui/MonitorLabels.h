#pragma once

#include <array>

namespace ign {

// One live-value line of the Monitor page, as designed: its place in the two
// columns, its font and the caption it shows until the first frame arrives.
struct MonitorLine {
    const char* name;
    const char* caption;  // UTF-8
    const char* widest;   // a live text as wide as the line will ever need in practice
    int column;           // 0 left, 1 right
    int row;              // 0..6 from the top
    int pixelHeight;
    bool bold;
    bool hiddenInDesign;  // made visible at start-up
};

inline constexpr std::array<MonitorLine, 13> kMonitorLines{{
    {"LabelTps", "Tps= --- [%]= --- [mV]", "TPS= 100 [%]= 4860 [mV]", 0, 0, 23, true, false},
    {"LabelVoda", "Voda= --- [°]= --- [mV]", "TWS= -40 [°]= 2430 [mV]", 0, 1, 23, true, false},
    {"LabelVzduch", "Vzduch= --- [°]= --- [mV]", "ATS= -40 [°]= 2430 [mV]", 0, 2, 19, false, false},
    {"LabelTlak", "Tlak = --- [mV]", "APS = 4860 [mV]", 0, 3, 19, false, false},
    {"LabelPodtlak", "Iap= --- [%] = --- [mV]", "IAPS= 100 [%] = 4860 [mV]", 0, 4, 19, false, false},
    {"LabelNapeti", "Napětí = --- [mV]", "U = 27.4 [V]= 2430 [mV]", 0, 5, 19, false, false},
    {"LabelPrivera", "Přívera = --- [mV]", "STPS = 4860 [mV]", 0, 6, 19, false, false},
    {"LabelRpm", "RPM = ---", "RPM = 20000 ", 1, 0, 23, true, false},
    {"LabelLambda", "Lambda = --- [mV]", "LAMBDA = 2430 [mV]", 1, 1, 23, true, false},
    {"LabelCasJet", "Čas vstřiku = --- [us]", "INJ. TIME = 30000 [us]", 1, 2, 19, false, true},
    {"LabelUhelPolohy", "Úhel vstřiku = --- [°]", "INJ. POS. = 720 [°]", 1, 3, 19, false, true},
    {"LabelBuzeni", "Buzení = --- [us]", "DWELLTIME = 30000 [us]", 1, 4, 19, false, true},
    {"LabelTest1", "Test = ---", "Test = 65535 ", 1, 6, 16, false, true},
}};

}  // namespace ign
