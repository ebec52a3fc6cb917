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

using P = Param;
using C = Conversion;
using E = EditorPage;

inline constexpr std::array<FieldSeries, 36> kFieldTable{{
    {"Edit", "UpDown", 1, 10, P::RPM_A, 0, 300, 20100, 21000, 100, C::Div100, E::Ignition},
    {"Edit", "UpDown", 11, 10, P::ADV_A, 0, 0, 125, 125, 1, C::AsIs, E::Ignition},
    {"Edit", "UpDown", 21, 10, P::RPM_B, 0, 300, 20100, 21000, 100, C::Div100, E::Ignition},
    {"Edit", "UpDown", 31, 10, P::ADV_B, 0, 0, 125, 125, 1, C::AsIs, E::Ignition},
    {"EditPalec", "UpDownPalec", -1, 1, P::PALEC, 0, 10, 125, 125, 1, C::AsIs, E::Ignition},
    {"EditOmez1", "UpDownOmez1", -1, 1, P::OMEZ1, 0, 999, 25000, 25000, 100, C::Div100, E::Ignition},
    {"EditOmez2", "UpDownOmez2", -1, 1, P::OMEZ2, 0, 999, 25000, 25000, 100, C::Div100, E::Ignition},
    {"EditOmezD", "UpDownOmezD", -1, 1, P::OMEZ_D, 0, 1999, 32000, 32000, 200, C::Div200, E::Ignition},
    {"Edit", "UpDown", 45, 1, P::CLUTCH, 0, 0, 1000, 1000, 10, C::Div10, E::Ignition},
    {"Edit", "UpDown", 46, 1, P::NA, 0, 1000, 25000, 25000, 100, C::Div100, E::Ignition},
    {"EditGas1", "UpDownGas1", -1, 1, P::Gas1, 0, 0, 100, 100, 1, C::AsIs, E::Ignition},
    {"EditGas2", "UpDownGas2", -1, 1, P::Gas2, 0, 0, 100, 100, 1, C::AsIs, E::Ignition},
    {"EditGas3", "UpDownGas3", -1, 1, P::GasT, 0, 0, 25500, 25500, 100, C::Div100, E::Ignition},
    {"EditGas4", "UpDownGas4", -1, 1, P::GasD, 0, 0, 25500, 25500, 100, C::Div100, E::Ignition},
    {"EditRpmJet", "UpDownRpmJet", 1, 10, P::RPM_JET, 0, 300, 20100, 20100, 100, C::Div100, E::Injection1},
    {"Edit", "UpDown", 50, 100, P::JET, 0, 5, 250, 250, 1, C::AsIs, E::Injection1},
    {"Edit", "UpDown", 170, 10, P::POLOHA, 0, 0, 720, 720, 3, C::Div3, E::Injection2},
    {"Edit", "UpDown", 150, 10, P::KOR_23, 0, 10, 250, 250, 1, C::AsIs, E::Injection2},
    {"EditTps0", "UpDownTps0", -1, 1, P::TPS_0, 0, 300, 2500, 2500, 10, C::Div10, E::Injection3},
    {"EditTps100", "UpDownTps100", -1, 1, P::TPS_100, 0, 2500, 4600, 4600, 10, C::Tps100, E::Injection3},
    {"EditAkcelPrah", "UpDownAkcelPrah", -1, 1, P::AKCEL_PRAH, 0, 10, 2500, 2500, 10, C::Div10,
     E::Injection3},
    {"EditAkcelPer", "UpDownAkcelPer", -1, 1, P::AKCEL_PER, 0, 10, 500, 500, 10, C::Div10, E::Injection3},
    {"EditAkcelJet", "UpDownAkcelJet", -1, 1, P::AKCEL_JET, 0, 0, 7500, 7500, 30, C::Div30, E::Injection3},
    {"EditVoda_10", "UpDownVoda_10", -1, 1, P::WATER, 0, 10, 250, 250, 1, C::AsIs, E::Injection3},
    {"EditVoda20", "UpDownVoda20", -1, 1, P::WATER, 1, 10, 250, 250, 1, C::AsIs, E::Injection3},
    {"EditVoda50", "UpDownVoda50", -1, 1, P::WATER, 2, 10, 250, 250, 1, C::AsIs, E::Injection3},
    {"EditVoda80", "UpDownVoda80", -1, 1, P::WATER, 3, 10, 250, 250, 1, C::AsIs, E::Injection3},
    {"EditVoda110", "UpDownVoda110", -1, 1, P::WATER, 4, 10, 250, 250, 1, C::AsIs, E::Injection3},
    {"EditVzduch_10", "UpDownVzduch_10", -1, 1, P::AIR, 0, 10, 250, 250, 1, C::AsIs, E::Injection3},
    {"EditVzduch20", "UpDownVzduch20", -1, 1, P::AIR, 1, 10, 250, 250, 1, C::AsIs, E::Injection3},
    {"EditVzduch50", "UpDownVzduch50", -1, 1, P::AIR, 2, 10, 250, 250, 1, C::AsIs, E::Injection3},
    {"EditVzduch80", "UpDownVzduch80", -1, 1, P::AIR, 3, 10, 250, 250, 1, C::AsIs, E::Injection3},
    {"EditVzduch110", "UpDownVzduch110", -1, 1, P::AIR, 4, 10, 250, 250, 1, C::AsIs, E::Injection3},
    {"EditDeadTime", "UpDownDeadTime", -1, 1, P::DEAD_TIME, 0, 0, 2500, 2500, 10, C::Div10, E::Injection3},
    {"EditStartJet", "UpDownStartJet", -1, 1, P::START_JET, 0, 0, 50, 50, 1, C::AsIs, E::Injection3},
    {"EditChlazeni", "UpDownChlazeni", -1, 1, P::CHLAZENI, 0, 0, 100, 100, 1, C::AsIs, E::Injection3},
}};

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
inline constexpr std::array<ControlBinding, 9> kControlTable{{
    {"ComboBox1", P::KEYING, Binding::ListIndex, E::Ignition},
    {"CheckBox1", P::POV_OM, Binding::CheckBox, E::Ignition},
    {"CheckBox2", P::LED_RAZ, Binding::CheckBox, E::Ignition},
    {"CheckBox3", P::CAS_IN, Binding::CheckBox, E::Ignition},
    {"CheckBox4", P::BLOK, Binding::CheckBox, E::Ignition},
    {"CheckBox5", P::EXCITATION, Binding::CheckBox, E::Ignition},
    {"CheckBox6", P::RPM2, Binding::CheckBox, E::Ignition},
    {"CheckBoxGas", P::GasEnable, Binding::CheckBox, E::Ignition},
    {"RadioGroupPoloha", P::POLOHA_PRO, Binding::RadioIndex, E::Injection2},
}};

// Byte a field stores for a spinner value, and the value it shows for a byte.
inline Byte FieldToByte(const EditorField& f, int value) {
    return ToByte(f.conversion, static_cast<std::uint32_t>(value));
}
inline int FieldFromByte(const EditorField& f, Byte byte) { return ToUser(f.conversion, byte); }

}  // namespace ign
