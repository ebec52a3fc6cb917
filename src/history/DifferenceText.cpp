#include "DifferenceText.h"

#include "New.h"

namespace ign {

namespace {

// Captions as the window shows them in each language (its language tables
// where they set one, else the page's fixed text), the unit in brackets left off.
constexpr std::array<DifferenceCaptions, 3> kCaptions{{
    {{
         "Curve A",
         "Curve A",
         "Curve B",
         "Curve B",
         "Limiter 1",
         "Limiter 2",
         "Limiter D",
         "Clutch m.",
         "Pilot light",
         "Gas 1",
         "Gas 2",
         "Gas Trans.",
         "Gas Delay",
         "Keying system",
         "Act. by closing, Limiter 1",
         "Act. by closing, Pilot light",
         "Act. by closing, Clutch m.",
         "Act. by closing, Blocking",
         "Gas enable",
         "Tachometer 2x",
         "Excitation High",
         "Width of triger",
         "Corrections of Cylinder 2 and 3",
         "Position of Injection",
         "Injection map",
         "Injection map",
         "Water Temperature",
         "Air Temperature",
         "Cooling",
         "Start Injection",
         "Position of",
         "Dead Injection Time",
         "Acceleration, Práh přístřiku",
         "Acceleration, Perioda přístřiku",
         "Acceleration, Velikost přístřiku",
         "TPS",
         "TPS",
     },
     "point",
     "on",
     "off",
     {"Beginning", "Centre", "End"}},
    {{
         "Křivka A",
         "Křivka A",
         "Křivka B",
         "Křivka B",
         "Omezovač 1",
         "Omezovač 2",
         "Omezovač D",
         "Clutch m.",
         "K. řazení",
         "Plyn 1",
         "Plyn 2",
         "Plyn náběh",
         "Plyn zpož.",
         "Klíčovací systém",
         "Akt. sepnutím, Omezovač 1",
         "Akt. sepnutím, Kontr. řazení",
         "Akt. sepnutím, Clutch m.",
         "Akt. sepnutím, Blokování",
         "Plyn povolen",
         "Otáčkoměr 2x",
         "Vysoké buzení",
         "Šířka palce",
         "Korekce válců 2 a 3",
         "Poloha vstřiku",
         "Vstřikovací mapa",
         "Vstřikovací mapa",
         "Teplota vody",
         "Teplota vzduchu",
         "Chlazení",
         "Startovní přístřik",
         "Poloha zadána pro",
         "Mrtvý čas vstřikovače",
         "Akcelerace, Práh přístřiku",
         "Akcelerace, Perioda přístřiku",
         "Akcelerace, Velikost přístřiku",
         "TPS",
         "TPS",
     },
     "bod",
     "zapnuto",
     "vypnuto",
     {"Počátek", "Střed", "Konec"}},
    {{
         "Kurve A",
         "Kurve A",
         "Kurve B",
         "Kurve B",
         "Begrenzer 1",
         "Begrenzer 2",
         "Begrenzer D",
         "Clutch m.",
         "Schaltblitz",
         "Gemisch 1",
         "Gemisch 2",
         "G.Anlauf.",
         "G.Verspät.",
         "Keying system",
         "Schaltautomatik, Begrenzer 1",
         "Schaltautomatik, Schaltblitz",
         "Schaltautomatik, Clutch m.",
         "Schaltautomatik, Blockierung",
         "Gemisch zugelast",
         "Drehzahl verdoppeln",
         "Erregung Groß",
         "Triggerbreite",
         "Korrektion des Zylinders 2 und 3",
         "Einspritzlage",
         "Einspritzkennfeld",
         "Einspritzkennfeld",
         "Wasser Temperatur",
         "Luft Temperatur",
         "Kühlung",
         "Start Einspritz",
         "Lage für",
         "Tote Einspritz Zeit",
         "Acceleration, Práh přístřiku",
         "Acceleration, Perioda přístřiku",
         "Acceleration, Velikost přístřiku",
         "TPS",
         "TPS",
     },
     "Punkt",
     "ein",
     "aus",
     {"Beginn", "Mitte", "Ende"}},
}};

// Thousands set apart by a blank in every language, so a line reads the same
// whatever the system's digit grouping: "10 000".
std::string Grouped(int value) {
    std::string digits = std::to_string(value < 0 ? -static_cast<long long>(value) : value);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) digits.insert(at, " ");
    return value < 0 ? "-" + digits : digits;
}

// The degree sign sits on its number ("31°"); every other unit keeps a blank ("104 %").
std::string WithUnit(int value, ValueUnit unit) {
    std::string text = Grouped(value);
    if (unit == ValueUnit::None) return text;
    if (unit != ValueUnit::Degree) text += ' ';
    text += UnitSymbol(unit);
    return text;
}

std::string Named(std::span<const std::string_view> names, int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < names.size())
        return std::string(names[static_cast<std::size_t>(index)]);
    return std::to_string(index);  // a value no list item stands for: the unit keeps it, so show it
}

}  // namespace

const DifferenceCaptions& DifferenceCaptionsFor(Byte language) {
    return kCaptions[language < kCaptions.size() ? language : 0];
}

std::string FormatPosition(const PointPosition& position, const DifferenceCaptions& captions) {
    if (position.number) return std::string(captions.point) + " " + std::to_string(*position.number);
    if (position.temperature) return WithUnit(*position.temperature, ValueUnit::Celsius);
    std::string text;
    if (position.throttle) text = WithUnit(*position.throttle, ValueUnit::Percent);
    if (position.rpm) {
        if (!text.empty()) text += " × ";
        text += WithUnit(*position.rpm, ValueUnit::Rpm);
    }
    return text;
}

std::string FormatValue(const Difference& difference, int value, const DifferenceCaptions& captions) {
    switch (difference.kind) {
        case ValueKind::Number:
            return WithUnit(value, difference.unit);
        case ValueKind::Flag:
            return std::string(value != 0 ? captions.on : captions.off);
        case ValueKind::Machine:
            return Named(kMachineNames, value);
        case ValueKind::PositionChoice:
            return Named(captions.positionChoices, value);
    }
    return {};
}

std::string FormatDifference(const Difference& difference, const DifferenceCaptions& captions) {
    std::string line(captions.params[static_cast<std::size_t>(difference.param)]);
    const std::string position = FormatPosition(difference.position, captions);
    if (!position.empty()) line += ", " + position;
    line += ": ";
    line += FormatValue(difference, difference.valueBefore, captions);
    line += " → ";
    line += FormatValue(difference, difference.valueAfter, captions);
    return line;
}

}  // namespace ign
