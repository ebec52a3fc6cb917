#pragma once

#include "Conversion.h"
#include "ParameterSet.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace ign {

// What a parameter's value is, for showing it.
enum class ValueKind : std::uint8_t {
    Number,          // a number in its unit
    Flag,            // off / on (any nonzero byte is on)
    Machine,         // KEYING: an index into the machine list
    PositionChoice,  // POLOHA_PRO: beginning, centre or end of the injection
};

enum class ValueUnit : std::uint8_t {
    None,
    Rpm,
    RpmPerSecond,
    Degree,
    Percent,
    PercentPerSecond,
    Millisecond,
    Microsecond,
    Millivolt,
    Celsius,
};

// Where a point sits, by the labels the window gives it. Only what applies is set:
// - rpm: a curve's advance at its own speed point (RPM_A / RPM_B), a map
//   column's RPM_JET point, the fixed speed labels of POLOHA and KOR_23;
// - throttle: the map's row in % (the tenth row is labelled 100 %), and 0 or
//   100 for TPS_0 and TPS_100;
// - temperature: a water or air correction point in °C;
// - number: a speed-axis point (RPM_A, RPM_B, RPM_JET), counted from 1.
struct PointPosition {
    std::optional<int> rpm;
    std::optional<int> throttle;
    std::optional<int> temperature;
    std::optional<int> number;

    bool operator==(const PointPosition&) const = default;
};

// One value that differs between two sets A (before) and B (after).
struct Difference {
    Param param = Param::RPM_A;
    int point = 0;  // index into BytesOf(set, param); a map cell is 10 × row + column
    Byte before = 0;
    Byte after = 0;
    int valueBefore = 0;  // user units; a flag 0 or 1; a machine or choice its index
    int valueAfter = 0;
    ValueKind kind = ValueKind::Number;
    ValueUnit unit = ValueUnit::None;
    PointPosition position;  // by set A's axes

    bool operator==(const Difference&) const = default;
};

// Every value of the blocks (not the device image) whose user value differs,
// in parameter order and within a parameter by point. Flags differ only in
// on/off, not in the bit a read left in them.
std::vector<Difference> FindDifferences(const ParameterSet& a, const ParameterSet& b);

// Whether FindDifferences(a, b) would find nothing, without building it:
// every byte of the blocks equal, except that a flag is only on or off
// (after a Read a flag holds its bit mask, after an edit 1, and both put the
// same bit into the image). The device image is not compared: the blocks
// are what the window shows and what Pack turns into the image.
bool SameValues(const ParameterSet& a, const ParameterSet& b);

// Copies B's byte of one difference, or of each, into `a`. Nothing else
// changes: no validation, no packing; the owner runs its usual cycle after.
void TakeDifference(ParameterSet& a, const Difference& difference);
void TakeDifferences(ParameterSet& a, std::span<const Difference> differences);

ValueKind KindOf(Param param);
ValueUnit UnitOf(Param param);
// "rpm", "°", "%", "mV" ...; the same in every language, as the window's unit labels are.
std::string_view UnitSymbol(ValueUnit unit);

}  // namespace ign
