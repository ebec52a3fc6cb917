#include "MonitorChannels.h"

#include <array>
#include <charconv>
#include <cmath>

namespace ign {

namespace {

using R = MonitorReadings;
using S = MonitorStatusFields;

constexpr std::array<MonitorChannel, kChannelCount> kChannels{{
    {Channel::StpsMv, "stps_mv", "mV", 0, 0, [](const R& r) -> double { return r.stpsMv; }, nullptr},
    {Channel::IapsPercent, "iaps_percent", "%", 0, 0, [](const R& r) -> double { return r.iapsPercent; },
     [](const S& s) -> int { return s.IapsPercent; }},
    {Channel::IapsMv, "iaps_mv", "mV", 0, 0, [](const R& r) -> double { return r.iapsMv; }, nullptr},
    {Channel::ApsMv, "aps_mv", "mV", 0, 0, [](const R& r) -> double { return r.apsMv; }, nullptr},
    {Channel::LambdaMv, "lambda_mv", "mV", 0, 0, [](const R& r) -> double { return r.lambdaMv; }, nullptr},
    {Channel::TpsPercent, "tps_percent", "%", 0, 0, [](const R& r) -> double { return r.tpsPercent; },
     [](const S& s) -> int { return s.TpsPercent; }},
    {Channel::TpsMv, "tps_mv", "mV", 0, 0, [](const R& r) -> double { return r.tpsMv; }, nullptr},
    {Channel::WaterC, "water_c", "C", 1, 0, [](const R& r) -> double { return r.waterC; },
     [](const S& s) -> int { return s.WaterTempCode - 100; }},
    {Channel::WaterMv, "water_mv", "mV", 1, 0, [](const R& r) -> double { return r.waterMv; }, nullptr},
    {Channel::AirC, "air_c", "C", 1, 0, [](const R& r) -> double { return r.airC; },
     [](const S& s) -> int { return s.AirTempCode - 100; }},
    {Channel::AirMv, "air_mv", "mV", 1, 0, [](const R& r) -> double { return r.airMv; }, nullptr},
    // One decimal, as the page prints the same single-precision value.
    {Channel::SupplyV, "supply_v", "V", 1, 1, [](const R& r) { return static_cast<double>(r.supplyV); },
     nullptr},
    {Channel::SupplyMv, "supply_mv", "mV", 1, 0, [](const R& r) -> double { return r.supplyMv; }, nullptr},
    {Channel::InjectionTimeUs, "injection_time_us", "us", 1, 0,
     [](const R& r) -> double { return r.injectionTimeUs; }, nullptr},
    {Channel::InjectionPositionDeg, "injection_position_deg", "deg", 1, 0,
     [](const R& r) -> double { return r.injectionPositionDeg; }, nullptr},
    {Channel::Rpm, "rpm", "rpm", 2, 0, [](const R& r) -> double { return r.rpm; }, nullptr},
    {Channel::DwellUs, "dwell_us", "us", 2, 0, [](const R& r) -> double { return r.dwellUs; }, nullptr},
    {Channel::Test, "test", "", 2, 0, [](const R& r) -> double { return r.test; }, nullptr},
}};

constexpr bool TableInEnumOrder() {
    for (int i = 0; i < kChannelCount; ++i) {
        if (static_cast<int>(kChannels[static_cast<std::size_t>(i)].channel) != i) return false;
    }
    return true;
}
static_assert(TableInEnumOrder(), "channel table must follow the Channel order");

}  // namespace

std::span<const MonitorChannel> MonitorChannels() { return kChannels; }

const MonitorChannel& ChannelInfo(Channel channel) { return kChannels[static_cast<std::size_t>(channel)]; }

void AppendChannelValue(std::string& out, const MonitorChannel& channel, double value) {
    char text[48];
    // std::to_chars ignores the C locale, which a Qt program sets from the environment.
    const auto result = channel.decimals == 0 ? std::to_chars(text, text + sizeof text, std::llround(value))
                                              : std::to_chars(text, text + sizeof text, value,
                                                              std::chars_format::fixed, channel.decimals);
    out.append(text, result.ptr);
}

}  // namespace ign
