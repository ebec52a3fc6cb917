#include "logs/ChannelCaptions.h"

#include "Messages.h"

#include <array>

namespace ign {
namespace {

using Texts = std::array<std::string_view, kLanguageCount>;

struct Row {
    std::string_view name;  // the log's column
    Texts caption;
    Texts unit;
};

constexpr Texts kMv{"mV", "mV", "mV"};
constexpr Texts kPercent{"%", "%", "%"};
constexpr Texts kCelsius{"°C", "°C", "°C"};
constexpr Texts kMicroseconds{"µs", "µs", "µs"};

// In the order of the log's columns. The captions are the Monitor page's own
// ("Voda", "Vzduch", "Přívera" ...), said in each language.
constexpr std::array<Row, 18> kRows{{
    {"stps_mv", {"Throttle 2", "Přívera", "Drosselklappe 2"}, kMv},
    {"iaps_percent", {"Intake pressure", "Podtlak", "Saugrohrdruck"}, kPercent},
    {"iaps_mv", {"Intake pressure", "Podtlak", "Saugrohrdruck"}, kMv},
    {"aps_mv", {"Air pressure", "Tlak", "Luftdruck"}, kMv},
    {"lambda_mv", {"Lambda", "Lambda", "Lambda"}, kMv},
    {"tps_percent", {"Throttle", "Plyn", "Drosselklappe"}, kPercent},
    {"tps_mv", {"Throttle", "Plyn", "Drosselklappe"}, kMv},
    {"water_c", {"Water", "Voda", "Wasser"}, kCelsius},
    {"water_mv", {"Water", "Voda", "Wasser"}, kMv},
    {"air_c", {"Air", "Vzduch", "Luft"}, kCelsius},
    {"air_mv", {"Air", "Vzduch", "Luft"}, kMv},
    {"supply_v", {"Supply", "Napětí", "Spannung"}, {"V", "V", "V"}},
    {"supply_mv", {"Supply", "Napětí", "Spannung"}, kMv},
    {"injection_time_us", {"Injection time", "Čas vstřiku", "Einspritzzeit"}, kMicroseconds},
    {"injection_position_deg", {"Injection angle", "Úhel vstřiku", "Einspritzwinkel"}, {"°", "°", "°"}},
    {"rpm", {"Engine speed", "Otáčky", "Drehzahl"}, {"rpm", "ot/min", "U/min"}},
    {"dwell_us", {"Dwell", "Buzení", "Schließzeit"}, kMicroseconds},
    {"test", {"Test", "Test", "Test"}, {"", "", ""}},
}};

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString ChannelCaption::withUnit() const {
    return unit.isEmpty() ? caption : caption + QStringLiteral(" [") + unit + QLatin1Char(']');
}

ChannelCaption CaptionOf(const LogData::Column& column, std::uint8_t language) {
    const std::size_t code = language < kLanguageCount ? language : 0;
    for (const Row& row : kRows)
        if (row.name == column.name) return {FromView(row.caption[code]), FromView(row.unit[code])};
    return {QString::fromStdString(column.name), QString::fromStdString(column.unit)};
}

bool IsBookkeepingColumn(std::string_view name) { return name == "type" || name == "test"; }

}  // namespace ign
