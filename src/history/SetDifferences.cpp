#include "SetDifferences.h"

#include <array>

namespace ign {

namespace {

// Which labels place a parameter's points.
enum class Axis : std::uint8_t {
    None,
    CurveA,       // ADV_A at the points of RPM_A
    CurveB,       // ADV_B at the points of RPM_B
    AxisPoint,    // a speed axis itself: the point's number
    Map,          // JET: throttle row and RPM_JET column
    FixedSpeed,   // POLOHA, KOR_23: the window's fixed speed labels
    Temperature,  // WATER, AIR
    TpsClosed,    // TPS_0
    TpsOpen,      // TPS_100
};

struct Shown {
    Param param;
    ValueKind kind;
    ValueUnit unit;
    Axis axis;
};

using K = ValueKind;
using U = ValueUnit;

constexpr std::array<Shown, kParamCount> kShown{{
    {Param::RPM_A, K::Number, U::Rpm, Axis::AxisPoint},
    {Param::ADV_A, K::Number, U::Degree, Axis::CurveA},
    {Param::RPM_B, K::Number, U::Rpm, Axis::AxisPoint},
    {Param::ADV_B, K::Number, U::Degree, Axis::CurveB},
    {Param::OMEZ1, K::Number, U::Rpm, Axis::None},
    {Param::OMEZ2, K::Number, U::Rpm, Axis::None},
    {Param::OMEZ_D, K::Number, U::RpmPerSecond, Axis::None},
    {Param::CLUTCH, K::Number, U::Millisecond, Axis::None},
    {Param::NA, K::Number, U::Rpm, Axis::None},
    {Param::Gas1, K::Number, U::Percent, Axis::None},
    {Param::Gas2, K::Number, U::Percent, Axis::None},
    {Param::GasT, K::Number, U::Millisecond, Axis::None},
    {Param::GasD, K::Number, U::Millisecond, Axis::None},
    {Param::KEYING, K::Machine, U::None, Axis::None},
    {Param::POV_OM, K::Flag, U::None, Axis::None},
    {Param::LED_RAZ, K::Flag, U::None, Axis::None},
    {Param::CAS_IN, K::Flag, U::None, Axis::None},
    {Param::BLOK, K::Flag, U::None, Axis::None},
    {Param::GasEnable, K::Flag, U::None, Axis::None},
    {Param::RPM2, K::Flag, U::None, Axis::None},
    {Param::EXCITATION, K::Flag, U::None, Axis::None},
    {Param::PALEC, K::Number, U::Degree, Axis::None},
    {Param::KOR_23, K::Number, U::Percent, Axis::FixedSpeed},
    {Param::POLOHA, K::Number, U::Degree, Axis::FixedSpeed},
    {Param::RPM_JET, K::Number, U::Rpm, Axis::AxisPoint},
    {Param::JET, K::Number, U::Percent, Axis::Map},
    {Param::WATER, K::Number, U::Percent, Axis::Temperature},
    {Param::AIR, K::Number, U::Percent, Axis::Temperature},
    {Param::CHLAZENI, K::Number, U::Celsius, Axis::None},
    {Param::START_JET, K::Number, U::Millisecond, Axis::None},
    {Param::POLOHA_PRO, K::PositionChoice, U::None, Axis::None},
    {Param::DEAD_TIME, K::Number, U::Microsecond, Axis::None},
    {Param::AKCEL_PRAH, K::Number, U::PercentPerSecond, Axis::None},
    {Param::AKCEL_PER, K::Number, U::Millisecond, Axis::None},
    {Param::AKCEL_JET, K::Number, U::Microsecond, Axis::None},
    {Param::TPS_0, K::Number, U::Millivolt, Axis::TpsClosed},
    {Param::TPS_100, K::Number, U::Millivolt, Axis::TpsOpen},
}};

static_assert(InParamOrder(kShown), "the table must follow the Param order");

// The labels the window puts beside the points; they do not follow edits of RPM_JET.
constexpr std::array<int, 10> kFixedSpeeds{1000, 2000, 3000, 4000, 6000, 8000, 10000, 12000, 14000, 16000};
constexpr std::array<int, 5> kTemperatures{-10, 20, 50, 80, 110};

const Shown& ShownOf(Param param) { return kShown[static_cast<std::size_t>(param)]; }

// The map's rows are labelled 0 % to 80 %, then 100 %: there is no 90 % label.
int ThrottleOfRow(int row) { return row == kMapSize - 1 ? 100 : row * 10; }

int SpeedOf(const ParameterSet& set, Param axis, int point) {
    return ToUser(Info(axis).conversion, BytesOf(set, axis)[static_cast<std::size_t>(point)]);
}

PointPosition PositionOf(const ParameterSet& set, Param param, int point) {
    PointPosition position;
    switch (ShownOf(param).axis) {
        case Axis::None:
            break;
        case Axis::CurveA:
            position.rpm = SpeedOf(set, Param::RPM_A, point);
            break;
        case Axis::CurveB:
            position.rpm = SpeedOf(set, Param::RPM_B, point);
            break;
        case Axis::AxisPoint:
            position.number = point + 1;
            break;
        case Axis::Map:
            position.throttle = ThrottleOfRow(point / kMapSize);
            position.rpm = SpeedOf(set, Param::RPM_JET, point % kMapSize);
            break;
        case Axis::FixedSpeed:
            position.rpm = kFixedSpeeds[static_cast<std::size_t>(point)];
            break;
        case Axis::Temperature:
            position.temperature = kTemperatures[static_cast<std::size_t>(point)];
            break;
        case Axis::TpsClosed:
            position.throttle = 0;
            break;
        case Axis::TpsOpen:
            position.throttle = 100;
            break;
    }
    return position;
}

int UserValue(const ParamInfo& info, Byte byte) {
    if (info.flag) return byte != 0 ? 1 : 0;
    return ToUser(info.conversion, byte);
}

// Calls found(info, point, before, after) for each value that differs, while it returns true;
// false when it stopped.
template <typename Found>
bool EachDifference(const ParameterSet& a, const ParameterSet& b, Found found) {
    for (const ParamInfo& info : AllParams()) {
        const auto before = BytesOf(a, info.param);
        const auto after = BytesOf(b, info.param);
        for (std::size_t i = 0; i < before.size(); ++i) {
            if (UserValue(info, before[i]) != UserValue(info, after[i]) &&
                !found(info, i, before[i], after[i]))
                return false;
        }
    }
    return true;
}

}  // namespace

ValueKind KindOf(Param param) { return ShownOf(param).kind; }

ValueUnit UnitOf(Param param) { return ShownOf(param).unit; }

std::string_view UnitSymbol(ValueUnit unit) {
    switch (unit) {
        case ValueUnit::None:
            return "";
        case ValueUnit::Rpm:
            return "rpm";
        case ValueUnit::RpmPerSecond:
            return "rpm/s";
        case ValueUnit::Degree:
            return "°";
        case ValueUnit::Percent:
            return "%";
        case ValueUnit::PercentPerSecond:
            return "%/s";
        case ValueUnit::Millisecond:
            return "ms";
        case ValueUnit::Microsecond:
            return "µs";
        case ValueUnit::Millivolt:
            return "mV";
        case ValueUnit::Celsius:
            return "°C";
    }
    return "";
}

std::vector<Difference> FindDifferences(const ParameterSet& a, const ParameterSet& b) {
    std::vector<Difference> differences;
    EachDifference(a, b, [&](const ParamInfo& info, std::size_t i, Byte before, Byte after) {
        const int point = static_cast<int>(i);
        differences.push_back({info.param, point, before, after, UserValue(info, before),
                               UserValue(info, after), KindOf(info.param), UnitOf(info.param),
                               PositionOf(a, info.param, point)});
        return true;
    });
    return differences;
}

bool SameValues(const ParameterSet& a, const ParameterSet& b) {
    return EachDifference(a, b, [](const ParamInfo&, std::size_t, Byte, Byte) { return false; });
}

void TakeDifference(ParameterSet& a, const Difference& difference) {
    const auto bytes = BytesOf(a, difference.param);
    if (difference.point >= 0 && static_cast<std::size_t>(difference.point) < bytes.size()) {
        bytes[static_cast<std::size_t>(difference.point)] = difference.after;
    }
}

void TakeDifferences(ParameterSet& a, std::span<const Difference> differences) {
    for (const Difference& difference : differences) TakeDifference(a, difference);
}

}  // namespace ign
