#pragma once

#include "ParameterSet.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ign {

// The thirteen labels of the Monitor page, in the order of their table.
enum class MonitorLabel : std::uint8_t {
    Tps,
    Voda,
    Vzduch,
    Tlak,
    Podtlak,
    Napeti,
    Privera,
    Rpm,
    Lambda,
    CasJet,
    UhelPolohy,
    Buzeni,
    Test1,
};
inline constexpr int kMonitorLabelCount = 13;

struct MonitorLabelInfo {
    std::string_view objectName;  // e.g. "LabelTps"
    std::string_view caption;     // the text before the first frame (UTF-8)
};
const MonitorLabelInfo& LabelInfo(MonitorLabel label);

// Status bytes of the last type-3 frame; they show with the next type-0/1 frame.
struct MonitorStatusFields {
    Byte TpsPercent = 0;
    Byte IapsPercent = 0;
    Byte WaterTempCode = 0;  // degrees Celsius + 100
    Byte AirTempCode = 0;    // degrees Celsius + 100
};

// The last values of each frame type in their units, for loggers.
struct MonitorReadings {
    bool haveType0 = false, haveType1 = false, haveType2 = false, haveType3 = false;
    // type 0
    int stpsMv = 0, iapsPercent = 0, iapsMv = 0, apsMv = 0, lambdaMv = 0, tpsPercent = 0, tpsMv = 0;
    // type 1
    int waterC = 0, waterMv = 0, airC = 0, airMv = 0;
    float supplyV = 0.0f;
    int supplyMv = 0, injectionTimeUs = 0, injectionPositionDeg = 0;
    // type 2
    int rpm = 0, dwellUs = 0, test = 0;
};

// Sensor scaling of the unit's 10-bit-per-2.43-V words: word * 2430 / 8184, truncated.
int SensorMv(std::uint16_t word);

// A valid monitor frame's fields, read once from its twelve bytes: its type
// and bytes 1..10 (five big-endian words; a type-3 frame's status bytes are
// the first four).
struct MonitorFrame {
    int type = 0;  // 0..3
    std::array<Byte, 10> bytes{};

    std::uint16_t word(int at) const {
        return static_cast<std::uint16_t>(bytes[static_cast<std::size_t>(at)] * 256 +
                                          bytes[static_cast<std::size_t>(at + 1)]);
    }
};
// The frame at `frame` when it is a valid monitor frame of type 0..3; nothing otherwise.
std::optional<MonitorFrame> ParseMonitorFrame(const Byte* frame);

// Turns monitor frames into the label texts of the Monitor page.
class Monitor {
public:
    Monitor();

    // Looks at the 12 bytes of a frame; returns true when it was a valid
    // monitor frame of type 0..3. Anything else leaves every value as it was.
    bool ShowMonitorFrame(const Byte* frame);
    // The same for a frame already read from its bytes.
    void Take(const MonitorFrame& frame);

    const std::string& text(MonitorLabel label) const { return labels_[static_cast<std::size_t>(label)]; }
    // Last throttle voltage in mV (0 before any type-0 frame); what "Set TPS" stores.
    std::uint16_t MeasuredTpsMv() const { return measuredTpsMv_; }
    const MonitorStatusFields& MonitorStatus() const { return status_; }
    const MonitorReadings& readings() const { return readings_; }

private:
    void set(MonitorLabel label, const char* format, ...) __attribute__((format(printf, 3, 4)));
    void showType0(const MonitorFrame& f);
    void showType1(const MonitorFrame& f);
    void showType2(const MonitorFrame& f);

    std::array<std::string, kMonitorLabelCount> labels_;
    std::uint16_t measuredTpsMv_ = 0;
    MonitorStatusFields status_;
    MonitorReadings readings_;
};

}  // namespace ign
