#include "MonitorOutput.h"

#include "MonitorChannels.h"

#include <array>
#include <cstdio>
#include <span>

namespace ign::cli {

namespace {

// The labels each frame type writes, in the order the page writes them.
constexpr std::array kType0Labels{MonitorLabel::Privera, MonitorLabel::Podtlak, MonitorLabel::Tlak,
                                  MonitorLabel::Lambda, MonitorLabel::Tps};
constexpr std::array kType1Labels{MonitorLabel::Voda, MonitorLabel::Vzduch, MonitorLabel::Napeti,
                                  MonitorLabel::CasJet, MonitorLabel::UhelPolohy};
constexpr std::array kType2Labels{MonitorLabel::Rpm, MonitorLabel::Buzeni, MonitorLabel::Test1};

// Before the first status frame no temperature is known, and the page's
// formula would print -100 degrees: the line says "---" as the page's caption does.
std::string UnknownTemperature(const char* name, int mv) {
    char text[64];
    std::snprintf(text, sizeof text, "%s= --- [°]= %d [mV]", name, mv);
    return text;
}

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
    const MonitorReadings& r = monitor.readings();
    std::string text;
    for (MonitorLabel label : labels) {
        if (!r.haveType3 && label == MonitorLabel::Voda)
            text += UnknownTemperature("TWS", r.waterMv);
        else if (!r.haveType3 && label == MonitorLabel::Vzduch)
            text += UnknownTemperature("ATS", r.airMv);
        else
            text += monitor.text(label);
        text += '\n';
    }
    return text;
}

std::string MonitorCsvHeader() {
    std::string text = "time_ms,type";
    for (const MonitorChannel& channel : MonitorChannels()) {
        text += ',';
        text += channel.name;
    }
    return text + '\n';
}

// A frame's own values; the status frame (type 3) gives the percentages and
// temperatures that later frames show. The other columns stay empty.
std::string MonitorCsvRow(std::int64_t elapsedMs, int frameType, const Monitor& monitor) {
    std::string row = std::to_string(elapsedMs) + ',' + std::to_string(frameType);
    for (const MonitorChannel& channel : MonitorChannels()) {
        row += ',';
        if (channel.frameType == frameType) {
            AppendChannelValue(row, channel, channel.value(monitor.readings()));
        } else if (frameType == 3 && channel.status) {
            AppendChannelValue(row, channel, channel.status(monitor.MonitorStatus()));
        }
    }
    return row + '\n';
}

}  // namespace ign::cli
