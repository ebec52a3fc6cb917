#include "DifferenceText.h"

#include "New.h"

namespace ign {

namespace {

using Texts = std::array<std::string_view, 3>;  // English, Czech, German

struct ParamCaption {
    Param param;
    Texts texts;
};

// Captions as the window shows them in each language (its language tables
// where they set one, else the page's fixed text), the unit in brackets left off.
constexpr std::array<ParamCaption, kParamCount> kParamCaptions{{
    {Param::RPM_A, {"Curve A", "Křivka A", "Kurve A"}},
    {Param::ADV_A, {"Curve A", "Křivka A", "Kurve A"}},
    {Param::RPM_B, {"Curve B", "Křivka B", "Kurve B"}},
    {Param::ADV_B, {"Curve B", "Křivka B", "Kurve B"}},
    {Param::OMEZ1, {"Limiter 1", "Omezovač 1", "Begrenzer 1"}},
    {Param::OMEZ2, {"Limiter 2", "Omezovač 2", "Begrenzer 2"}},
    {Param::OMEZ_D, {"Limiter D", "Omezovač D", "Begrenzer D"}},
    {Param::CLUTCH, {"Clutch m.", "Clutch m.", "Clutch m."}},
    {Param::NA, {"Pilot light", "K. řazení", "Schaltblitz"}},
    {Param::Gas1, {"Gas 1", "Plyn 1", "Gemisch 1"}},
    {Param::Gas2, {"Gas 2", "Plyn 2", "Gemisch 2"}},
    {Param::GasT, {"Gas Trans.", "Plyn náběh", "G.Anlauf."}},
    {Param::GasD, {"Gas Delay", "Plyn zpož.", "G.Verspät."}},
    {Param::KEYING, {"Keying system", "Klíčovací systém", "Keying system"}},
    {Param::POV_OM,
     {"Act. by closing, Limiter 1", "Akt. sepnutím, Omezovač 1", "Schaltautomatik, Begrenzer 1"}},
    {Param::LED_RAZ,
     {"Act. by closing, Pilot light", "Akt. sepnutím, Kontr. řazení", "Schaltautomatik, Schaltblitz"}},
    {Param::CAS_IN, {"Act. by closing, Clutch m.", "Akt. sepnutím, Clutch m.", "Schaltautomatik, Clutch m."}},
    {Param::BLOK, {"Act. by closing, Blocking", "Akt. sepnutím, Blokování", "Schaltautomatik, Blockierung"}},
    {Param::GasEnable, {"Gas enable", "Plyn povolen", "Gemisch zugelast"}},
    {Param::RPM2, {"Tachometer 2x", "Otáčkoměr 2x", "Drehzahl verdoppeln"}},
    {Param::EXCITATION, {"Excitation High", "Vysoké buzení", "Erregung Groß"}},
    {Param::PALEC, {"Width of triger", "Šířka palce", "Triggerbreite"}},
    {Param::KOR_23,
     {"Corrections of Cylinder 2 and 3", "Korekce válců 2 a 3", "Korrektion des Zylinders 2 und 3"}},
    {Param::POLOHA, {"Position of Injection", "Poloha vstřiku", "Einspritzlage"}},
    // The map's group has no caption in the window; these are new texts.
    {Param::RPM_JET, {"Injection map", "Vstřikovací mapa", "Einspritzkennfeld"}},
    {Param::JET, {"Injection map", "Vstřikovací mapa", "Einspritzkennfeld"}},
    {Param::WATER, {"Water Temperature", "Teplota vody", "Wasser Temperatur"}},
    {Param::AIR, {"Air Temperature", "Teplota vzduchu", "Luft Temperatur"}},
    {Param::CHLAZENI, {"Cooling", "Chlazení", "Kühlung"}},
    {Param::START_JET, {"Start Injection", "Startovní přístřik", "Start Einspritz"}},
    {Param::POLOHA_PRO, {"Position of", "Poloha zadána pro", "Lage für"}},
    {Param::DEAD_TIME, {"Dead Injection Time", "Mrtvý čas vstřikovače", "Tote Einspritz Zeit"}},
    // The window labels the three acceleration values in Czech in every language.
    {Param::AKCEL_PRAH,
     {"Acceleration, Práh přístřiku", "Akcelerace, Práh přístřiku", "Acceleration, Práh přístřiku"}},
    {Param::AKCEL_PER,
     {"Acceleration, Perioda přístřiku", "Akcelerace, Perioda přístřiku", "Acceleration, Perioda přístřiku"}},
    {Param::AKCEL_JET,
     {"Acceleration, Velikost přístřiku", "Akcelerace, Velikost přístřiku",
      "Acceleration, Velikost přístřiku"}},
    {Param::TPS_0, {"TPS", "TPS", "TPS"}},
    {Param::TPS_100, {"TPS", "TPS", "TPS"}},
}};

static_assert(InParamOrder(kParamCaptions), "the captions must follow the Param order");

// New words of the compare lines.
constexpr Texts kPoint{"point", "bod", "Punkt"};
constexpr Texts kOn{"on", "zapnuto", "ein"};
constexpr Texts kOff{"off", "vypnuto", "aus"};
// The injection-position choice's items, first to third.
constexpr std::array<Texts, 3> kPositionChoices{{
    {"Beginning", "Počátek", "Beginn"},
    {"Centre", "Střed", "Mitte"},
    {"End", "Konec", "Ende"},
}};

constexpr DifferenceCaptions CaptionsOf(std::size_t language) {
    DifferenceCaptions captions{};
    for (std::size_t i = 0; i < kParamCaptions.size(); ++i)
        captions.params[i] = kParamCaptions[i].texts[language];
    captions.point = kPoint[language];
    captions.on = kOn[language];
    captions.off = kOff[language];
    for (std::size_t i = 0; i < kPositionChoices.size(); ++i)
        captions.positionChoices[i] = kPositionChoices[i][language];
    return captions;
}

constexpr std::array<DifferenceCaptions, 3> kCaptions{CaptionsOf(0), CaptionsOf(1), CaptionsOf(2)};

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
