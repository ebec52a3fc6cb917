#pragma once

#include "Conversion.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ign {

// The four editing pages; the page decides when a text box runs the edit cycle.
enum class EditorPage : std::uint8_t { Ignition, Injection1, Injection2, Injection3 };

// On "Ignition" and "Injection 1" a box runs the cycle when it is left; on the
// two other pages when it is clicked into.
enum class CycleTrigger : std::uint8_t { OnLeave, OnClick };
constexpr CycleTrigger TriggerOf(EditorPage page) {
    return page == EditorPage::Ignition || page == EditorPage::Injection1 ? CycleTrigger::OnLeave
                                                                          : CycleTrigger::OnClick;
}

// One row of the field table: a run of numbered text boxes with their spinners
// bound to consecutive points of one parameter. Rows with number < 0 name a
// single box whose names are given whole.
struct FieldSeries {
    std::string_view editName;    // "Edit" (numbered) or "EditPalec" (whole)
    std::string_view upDownName;  // "UpDown" or "UpDownPalec"
    int firstNumber;              // number of the first control, -1 for whole names
    int count;
    Param param;
    int firstPoint;
    int min;
    int max;
    int lastMax;  // maximum of the last control of the run (RPM point 9 reaches 21 000)
    int increment;
    Conversion conversion;
    EditorPage page;
};

// The aliases stay inside the table: every file that includes this header
// would otherwise inherit them.
inline constexpr std::array<FieldSeries, 36> kFieldTable = [] {
    using enum Param;
    using enum Conversion;
    using enum EditorPage;
    return std::array<FieldSeries, 36>{{
        {"Edit", "UpDown", 1, 10, RPM_A, 0, 300, 20100, 21000, 100, Div100, Ignition},
        {"Edit", "UpDown", 11, 10, ADV_A, 0, 0, 125, 125, 1, AsIs, Ignition},
        {"Edit", "UpDown", 21, 10, RPM_B, 0, 300, 20100, 21000, 100, Div100, Ignition},
        {"Edit", "UpDown", 31, 10, ADV_B, 0, 0, 125, 125, 1, AsIs, Ignition},
        {"EditPalec", "UpDownPalec", -1, 1, PALEC, 0, 10, 125, 125, 1, AsIs, Ignition},
        {"EditOmez1", "UpDownOmez1", -1, 1, OMEZ1, 0, 999, 25000, 25000, 100, Div100, Ignition},
        {"EditOmez2", "UpDownOmez2", -1, 1, OMEZ2, 0, 999, 25000, 25000, 100, Div100, Ignition},
        {"EditOmezD", "UpDownOmezD", -1, 1, OMEZ_D, 0, 1999, 32000, 32000, 200, Div200, Ignition},
        {"Edit", "UpDown", 45, 1, CLUTCH, 0, 0, 1000, 1000, 10, Div10, Ignition},
        {"Edit", "UpDown", 46, 1, NA, 0, 1000, 25000, 25000, 100, Div100, Ignition},
        {"EditGas1", "UpDownGas1", -1, 1, Gas1, 0, 0, 100, 100, 1, AsIs, Ignition},
        {"EditGas2", "UpDownGas2", -1, 1, Gas2, 0, 0, 100, 100, 1, AsIs, Ignition},
        {"EditGas3", "UpDownGas3", -1, 1, GasT, 0, 0, 25500, 25500, 100, Div100, Ignition},
        {"EditGas4", "UpDownGas4", -1, 1, GasD, 0, 0, 25500, 25500, 100, Div100, Ignition},
        {"EditRpmJet", "UpDownRpmJet", 1, 10, RPM_JET, 0, 300, 20100, 20100, 100, Div100, Injection1},
        {"Edit", "UpDown", 50, 100, JET, 0, 5, 250, 250, 1, AsIs, Injection1},
        {"Edit", "UpDown", 170, 10, POLOHA, 0, 0, 720, 720, 3, Div3, Injection2},
        {"Edit", "UpDown", 150, 10, KOR_23, 0, 10, 250, 250, 1, AsIs, Injection2},
        {"EditTps0", "UpDownTps0", -1, 1, TPS_0, 0, 300, 2500, 2500, 10, Div10, Injection3},
        {"EditTps100", "UpDownTps100", -1, 1, TPS_100, 0, 2500, 4600, 4600, 10, Tps100, Injection3},
        {"EditAkcelPrah", "UpDownAkcelPrah", -1, 1, AKCEL_PRAH, 0, 10, 2500, 2500, 10, Div10, Injection3},
        {"EditAkcelPer", "UpDownAkcelPer", -1, 1, AKCEL_PER, 0, 10, 500, 500, 10, Div10, Injection3},
        {"EditAkcelJet", "UpDownAkcelJet", -1, 1, AKCEL_JET, 0, 0, 7500, 7500, 30, Div30, Injection3},
        {"EditVoda_10", "UpDownVoda_10", -1, 1, WATER, 0, 10, 250, 250, 1, AsIs, Injection3},
        {"EditVoda20", "UpDownVoda20", -1, 1, WATER, 1, 10, 250, 250, 1, AsIs, Injection3},
        {"EditVoda50", "UpDownVoda50", -1, 1, WATER, 2, 10, 250, 250, 1, AsIs, Injection3},
        {"EditVoda80", "UpDownVoda80", -1, 1, WATER, 3, 10, 250, 250, 1, AsIs, Injection3},
        {"EditVoda110", "UpDownVoda110", -1, 1, WATER, 4, 10, 250, 250, 1, AsIs, Injection3},
        {"EditVzduch_10", "UpDownVzduch_10", -1, 1, AIR, 0, 10, 250, 250, 1, AsIs, Injection3},
        {"EditVzduch20", "UpDownVzduch20", -1, 1, AIR, 1, 10, 250, 250, 1, AsIs, Injection3},
        {"EditVzduch50", "UpDownVzduch50", -1, 1, AIR, 2, 10, 250, 250, 1, AsIs, Injection3},
        {"EditVzduch80", "UpDownVzduch80", -1, 1, AIR, 3, 10, 250, 250, 1, AsIs, Injection3},
        {"EditVzduch110", "UpDownVzduch110", -1, 1, AIR, 4, 10, 250, 250, 1, AsIs, Injection3},
        {"EditDeadTime", "UpDownDeadTime", -1, 1, DEAD_TIME, 0, 0, 2500, 2500, 10, Div10, Injection3},
        {"EditStartJet", "UpDownStartJet", -1, 1, START_JET, 0, 0, 50, 50, 1, AsIs, Injection3},
        {"EditChlazeni", "UpDownChlazeni", -1, 1, CHLAZENI, 0, 0, 100, 100, 1, AsIs, Injection3},
    }};
}();

// One concrete field: a text box with its spinner, bound to one byte.
struct EditorField {
    std::string edit;    // objectName of the text box ("Edit57")
    std::string upDown;  // objectName of its spinner ("UpDown57")
    Param param;
    int point;  // index into the parameter's bytes
    int min;
    int max;
    int increment;
    Conversion conversion;
    EditorPage page;
    // Values that can reach 1 000 are shown with the system's digit grouping.
    bool grouped() const { return max >= 1000; }
};

// Every field of the field table, in table order (198 of them).
const std::vector<EditorField>& EditorFields();

// The controls that are not numeric fields.
enum class Binding : std::uint8_t { ListIndex, CheckBox, RadioIndex };
struct ControlBinding {
    std::string_view control;
    Param param;
    Binding binding;
    EditorPage page;
};
inline constexpr std::array<ControlBinding, 9> kControlTable = [] {
    using enum Param;
    using enum Binding;
    using enum EditorPage;
    return std::array<ControlBinding, 9>{{
        {"ComboBox1", KEYING, ListIndex, Ignition},
        {"CheckBox1", POV_OM, CheckBox, Ignition},
        {"CheckBox2", LED_RAZ, CheckBox, Ignition},
        {"CheckBox3", CAS_IN, CheckBox, Ignition},
        {"CheckBox4", BLOK, CheckBox, Ignition},
        {"CheckBox5", EXCITATION, CheckBox, Ignition},
        {"CheckBox6", RPM2, CheckBox, Ignition},
        {"CheckBoxGas", GasEnable, CheckBox, Ignition},
        {"RadioGroupPoloha", POLOHA_PRO, RadioIndex, Injection2},
    }};
}();

// Byte a field stores for a spinner value, and the value it shows for a byte.
inline Byte FieldToByte(const EditorField& f, int value) {
    return ToByte(f.conversion, static_cast<std::uint32_t>(value));
}
inline int FieldFromByte(const EditorField& f, Byte byte) { return ToUser(f.conversion, byte); }

}  // namespace ign
