#include "UnitMatch.h"

#include "SetDifferences.h"

#include <array>

namespace ign {

namespace {

using Texts = std::array<std::string_view, 3>;  // English, Czech, German

// The three states by UnitMatch, then the two marks.
constexpr std::array<Texts, 5> kTexts{{
    {"Unit = window", "Zapalování = okno", "Zündbox = Fenster"},
    {"Changed since last Program", "Změněno od posledního programování",
     "Geändert seit letzter Programmierung"},
    {"Unit not checked", "Zapalování neověřeno", "Zündbox nicht geprüft"},
    {"Differs from the file", "Liší se od souboru", "Weicht von der Datei ab"},
    {"Restore point not written", "Bod obnovení nezapsán", "Wiederherstellungspunkt nicht geschrieben"},
}};
constexpr std::size_t kDiffersFromFile = 3;
constexpr std::size_t kRestorePointFailed = 4;

std::string_view Text(std::size_t row, std::uint8_t language) {
    return kTexts[row][language < 3 ? language : 0];
}

}  // namespace

UnitMatchIndicator::UnitMatchIndicator(const ParameterSet& window) : window_(window) {}

void UnitMatchIndicator::unitHolds(const ParameterSet& set) { unit_ = set; }

void UnitMatchIndicator::unitUnknown() { unit_.reset(); }

void UnitMatchIndicator::windowChanged(const ParameterSet& set) { window_ = set; }

void UnitMatchIndicator::fileMatches(const ParameterSet& set) { file_ = set; }

UnitMatch UnitMatchIndicator::state() const {
    if (!unit_) return UnitMatch::UnitNotChecked;
    return SameValues(*unit_, window_) ? UnitMatch::UnitEqualsWindow : UnitMatch::ChangedSinceProgram;
}

bool UnitMatchIndicator::differsFromFile() const { return file_ && !SameValues(*file_, window_); }

std::string_view UnitMatchText(UnitMatch state, std::uint8_t language) {
    const auto row = static_cast<std::size_t>(state);
    return row < kDiffersFromFile ? Text(row, language) : std::string_view{};
}

std::string_view DiffersFromFileText(std::uint8_t language) { return Text(kDiffersFromFile, language); }

std::string_view RestorePointFailedText(std::uint8_t language) { return Text(kRestorePointFailed, language); }

}  // namespace ign
