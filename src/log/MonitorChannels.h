#pragma once

#include "Monitor.h"

#include <span>
#include <string>
#include <string_view>

namespace ign {

// Every value the Monitor page shows, once: the columns of a log and of
// `ignition-cli monitor --csv`, in this order.
enum class Channel : std::uint8_t {
    StpsMv,
    IapsPercent,
    IapsMv,
    ApsMv,
    LambdaMv,
    TpsPercent,
    TpsMv,
    WaterC,
    WaterMv,
    AirC,
    AirMv,
    SupplyV,
    SupplyMv,
    InjectionTimeUs,
    InjectionPositionDeg,
    Rpm,
    DwellUs,
    Test,
};
inline constexpr int kChannelCount = static_cast<int>(Channel::Test) + 1;

struct MonitorChannel {
    Channel channel;
    std::string_view name;  // column heading, e.g. "lambda_mv"
    std::string_view unit;  // ASCII: "mV", "%", "C", "V", "us", "deg", "rpm", or empty
    int frameType;          // the monitor frame (0..2) whose arrival brings the value
    int decimals;           // digits after the point when written
    // The value as the Monitor page shows it, from the last frames.
    double (*value)(const MonitorReadings&);
    // The status frame (type 3) carries a few values before the frame that
    // shows them; for those, the value in it. Null for the rest.
    int (*status)(const MonitorStatusFields&);
};

std::span<const MonitorChannel> MonitorChannels();
const MonitorChannel& ChannelInfo(Channel channel);

// A value as written in a column, appended to `out` without a temporary: a
// point for the decimals whatever the locale, no digits after it for whole
// numbers.
void AppendChannelValue(std::string& out, const MonitorChannel& channel, double value);

}  // namespace ign
