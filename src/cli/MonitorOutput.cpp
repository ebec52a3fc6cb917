#include "MonitorOutput.h"

#include <array>
#include <cstdio>
#include <span>

namespace ign::cli {

namespace {

constexpr std::size_t kCsvValueCount = 18;

// Column order of the CSV after time and type.
constexpr std::array<const char*, kCsvValueCount> kCsvColumns{
    "stps_mv",
    "iaps_percent",
    "iaps_mv",
    "aps_mv",
    "lambda_mv",
    "tps_percent",
    "tps_mv",
    "water_c",
    "water_mv",
    "air_c",
    "air_mv",
    "supply_v",
    "supply_mv",
    "injection_time_us",
    "injection_position_deg",
    "rpm",
    "dwell_us",
    "test",
};

enum Column : std::size_t {
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

// The labels each frame type writes, in the order the page writes them.
constexpr std::array kType0Labels{MonitorLabel::Privera, MonitorLabel::Podtlak, MonitorLabel::Tlak,
                                  MonitorLabel::Lambda, MonitorLabel::Tps};
constexpr std::array kType1Labels{MonitorLabel::Voda, MonitorLabel::Vzduch, MonitorLabel::Napeti,
                                  MonitorLabel::CasJet, MonitorLabel::UhelPolohy};
constexpr std::array kType2Labels{MonitorLabel::Rpm, MonitorLabel::Buzeni, MonitorLabel::Test1};

using Fields = std::array<std::string, kCsvValueCount>;

void Put(Fields& fields, Column column, int value) { fields[column] = std::to_string(value); }

}  // namespace

std::string MonitorTextLines(const Monitor& monitor, int frameType) {
    std::span<const MonitorLabel> labels;
    switch (frameType) {
        case 0:
            labels = kType0Labels;
            break;
        case 1:
            labels = kType1Labels;
            break;
        case 2:
            labels = kType2Labels;
            break;
        default:
            return {};
    }
    std::string text;
    for (MonitorLabel label : labels) {
        text += monitor.text(label);
        text += '\n';
    }
    return text;
}

std::string MonitorCsvHeader() {
    std::string text = "time_ms,type";
    for (const char* column : kCsvColumns) {
        text += ',';
        text += column;
    }
    return text + '\n';
}

std::string MonitorCsvRow(std::int64_t elapsedMs, int frameType, const Monitor& monitor) {
    const MonitorReadings& r = monitor.readings();
    Fields f;
    switch (frameType) {
        case 0:
            Put(f, StpsMv, r.stpsMv);
            Put(f, IapsPercent, r.iapsPercent);
            Put(f, IapsMv, r.iapsMv);
            Put(f, ApsMv, r.apsMv);
            Put(f, LambdaMv, r.lambdaMv);
            Put(f, TpsPercent, r.tpsPercent);
            Put(f, TpsMv, r.tpsMv);
            break;
        case 1: {
            Put(f, WaterC, r.waterC);
            Put(f, WaterMv, r.waterMv);
            Put(f, AirC, r.airC);
            Put(f, AirMv, r.airMv);
            // One decimal, as the page prints the same single-precision value.
            char volts[32];
            std::snprintf(volts, sizeof volts, "%.1f", static_cast<double>(r.supplyV));
            f[SupplyV] = volts;
            Put(f, SupplyMv, r.supplyMv);
            Put(f, InjectionTimeUs, r.injectionTimeUs);
            Put(f, InjectionPositionDeg, r.injectionPositionDeg);
            break;
        }
        case 2:
            Put(f, Rpm, r.rpm);
            Put(f, DwellUs, r.dwellUs);
            Put(f, Test, r.test);
            break;
        case 3: {
            // The status frame: the percentages and temperatures later frames show.
            const MonitorStatusFields& s = monitor.MonitorStatus();
            Put(f, TpsPercent, s.TpsPercent);
            Put(f, IapsPercent, s.IapsPercent);
            Put(f, WaterC, s.WaterTempCode - 100);
            Put(f, AirC, s.AirTempCode - 100);
            break;
        }
        default:
            break;
    }
    std::string row = std::to_string(elapsedMs) + ',' + std::to_string(frameType);
    for (const std::string& field : f) {
        row += ',';
        row += field;
    }
    return row + '\n';
}

}  // namespace ign::cli
