#include "UnitMatch.h"

#include "SetDifferences.h"

namespace ign {

namespace {

std::string_view Text(std::size_t row, std::uint8_t language) {
    return kUnitMatchTexts[row][language < 3 ? language : 0];
}

}  // namespace

UnitMatchIndicator::UnitMatchIndicator(const ParameterSet& window) : window_(window) {}

void UnitMatchIndicator::unitHolds(const ParameterSet& set) {
    unit_ = set;
    unitDiffers_ = false;
}

void UnitMatchIndicator::unitUnknown() {
    unit_.reset();
    unitDiffers_ = false;
}

void UnitMatchIndicator::unitDiffers() {
    unit_.reset();
    unitDiffers_ = true;
}

void UnitMatchIndicator::windowChanged(const ParameterSet& set) { window_ = set; }

void UnitMatchIndicator::fileMatches(const ParameterSet& set) { file_ = set; }

void UnitMatchIndicator::noFile() { file_.reset(); }

UnitMatch UnitMatchIndicator::state() const {
    if (unitDiffers_) return UnitMatch::UnitDiffers;
    if (!unit_) return UnitMatch::UnitNotChecked;
    return SameValues(*unit_, window_) ? UnitMatch::UnitEqualsWindow : UnitMatch::ChangedSinceProgram;
}

bool UnitMatchIndicator::differsFromFile() const { return file_ && !SameValues(*file_, window_); }

std::string_view UnitMatchText(UnitMatch state, std::uint8_t language) {
    const auto row = static_cast<std::size_t>(state);
    return row < kDiffersFromFileRow ? Text(row, language) : std::string_view{};
}

std::string_view DiffersFromFileText(std::uint8_t language) { return Text(kDiffersFromFileRow, language); }

std::string_view RestorePointFailedText(std::uint8_t language) {
    return Text(kRestorePointFailedRow, language);
}

}  // namespace ign
