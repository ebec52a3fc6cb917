#include "Monitor.h"

#include "Frame.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace ign {

namespace {

constexpr std::array<MonitorLabelInfo, kMonitorLabelCount> kLabels{{
    {"LabelTps", "Tps= --- [%]= --- [mV]"},
    {"LabelVoda", "Voda= --- [°]= --- [mV]"},
    {"LabelVzduch", "Vzduch= --- [°]= --- [mV]"},
    {"LabelTlak", "Tlak = --- [mV]"},
    {"LabelPodtlak", "Iap= --- [%] = --- [mV]"},
    {"LabelNapeti", "Napětí = --- [mV]"},
    {"LabelPrivera", "Přívera = --- [mV]"},
    {"LabelRpm", "RPM = ---"},
    {"LabelLambda", "Lambda = --- [mV]"},
    {"LabelCasJet", "Čas vstřiku = --- [us]"},
    {"LabelUhelPolohy", "Úhel vstřiku = --- [°]"},
    {"LabelBuzeni", "Buzení = --- [us]"},
    {"LabelTest1", "Test = ---"},
}};

}  // namespace

const MonitorLabelInfo& LabelInfo(MonitorLabel label) { return kLabels[static_cast<std::size_t>(label)]; }

int SensorMv(std::uint16_t word) { return static_cast<int>(word) * 2430 / 8184; }

Monitor::Monitor() {
    for (std::size_t i = 0; i < labels_.size(); ++i) labels_[i] = std::string(kLabels[i].caption);
}

std::optional<MonitorFrame> ParseMonitorFrame(const Byte* frame) {
    if ((frame[0] & 0xF0) != kMonitorCode) return std::nullopt;
    if (!FrameValid(frame)) return std::nullopt;
    const int type = frame[0] & 0x0F;
    if (type > 3) return std::nullopt;
    MonitorFrame parsed;
    parsed.type = type;
    std::copy(frame + 1, frame + 11, parsed.bytes.begin());
    return parsed;
}

bool Monitor::ShowMonitorFrame(const Byte* frame) {
    const std::optional<MonitorFrame> parsed = ParseMonitorFrame(frame);
    if (parsed) Take(*parsed);
    return parsed.has_value();
}

void Monitor::Take(const MonitorFrame& frame) {
    switch (frame.type) {
        case 0:
            showType0(frame);
            break;
        case 1:
            showType1(frame);
            break;
        case 2:
            showType2(frame);
            break;
        default:
            status_ = {frame.bytes[0], frame.bytes[1], frame.bytes[2], frame.bytes[3]};
            readings_.haveType3 = true;
            // The openings come with this frame; a view that places the engine
            // on the map wants them now, not with the next type 0.
            readings_.tpsPercent = status_.TpsPercent;
            readings_.iapsPercent = status_.IapsPercent;
            break;
    }
}

void Monitor::set(MonitorLabel label, const char* format, ...) {
    char text[96];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    labels_[static_cast<std::size_t>(label)] = text;
}

void Monitor::showType0(const MonitorFrame& f) {
    MonitorReadings& r = readings_;
    r.haveType0 = true;
    r.stpsMv = 2 * SensorMv(f.word(0));
    r.iapsPercent = status_.IapsPercent;
    r.iapsMv = 2 * SensorMv(f.word(2));
    r.apsMv = 2 * SensorMv(f.word(4));
    r.lambdaMv = SensorMv(f.word(6));
    measuredTpsMv_ = static_cast<std::uint16_t>(2 * SensorMv(f.word(8)));
    r.tpsPercent = status_.TpsPercent;
    r.tpsMv = measuredTpsMv_;
    set(MonitorLabel::Privera, "STPS = %d [mV]", r.stpsMv);
    set(MonitorLabel::Podtlak, "IAPS= %d [%%] = %d [mV]", r.iapsPercent, r.iapsMv);
    set(MonitorLabel::Tlak, "APS = %d [mV]", r.apsMv);
    set(MonitorLabel::Lambda, "LAMBDA = %d [mV]", r.lambdaMv);
    set(MonitorLabel::Tps, "TPS= %d [%%]= %d [mV]", r.tpsPercent, r.tpsMv);
}

void Monitor::showType1(const MonitorFrame& f) {
    MonitorReadings& r = readings_;
    r.haveType1 = true;
    r.waterC = status_.WaterTempCode - 100;
    r.waterMv = SensorMv(f.word(0));
    r.airC = status_.AirTempCode - 100;
    r.airMv = SensorMv(f.word(2));
    r.supplyMv = SensorMv(f.word(4));
    // Kept in single precision on purpose: 0.65 V becomes the float just below it and prints as 0.6.
    r.supplyV = static_cast<float>((11 * r.supplyMv + 650) * 0.001);
    r.injectionTimeUs = 30 * f.word(6);
    r.injectionPositionDeg = 720 - f.word(8);
    set(MonitorLabel::Voda, "TWS= %d [°]= %d [mV]", r.waterC, r.waterMv);
    set(MonitorLabel::Vzduch, "ATS= %d [°]= %d [mV]", r.airC, r.airMv);
    set(MonitorLabel::Napeti, "U = %4.1f [V]= %d [mV]", static_cast<double>(r.supplyV), r.supplyMv);
    set(MonitorLabel::CasJet, "INJ. TIME = %d [us]", r.injectionTimeUs);
    set(MonitorLabel::UhelPolohy, "INJ. POS. = %d [°]", r.injectionPositionDeg);
}

void Monitor::showType2(const MonitorFrame& f) {
    MonitorReadings& r = readings_;
    r.haveType2 = true;
    const int period = f.word(0);
    r.rpm = period != 0 ? 2000000 / period : 0;
    r.dwellUs = 60 * (period - f.word(2));
    r.test = f.word(8);
    set(MonitorLabel::Rpm, "RPM = %d ", r.rpm);
    set(MonitorLabel::Buzeni, "DWELLTIME = %d [us]", r.dwellUs);
    set(MonitorLabel::Test1, "Test = %d ", r.test);
}

}  // namespace ign
