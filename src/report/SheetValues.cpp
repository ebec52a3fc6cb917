#include "SheetValues.h"

#include "EditorBindings.h"
#include "New.h"

#include <array>

namespace ign {

namespace {

// Which parameters the window shows grouped: those with a field that reaches 1 000.
std::array<bool, kParamCount> GroupedParams() {
    std::array<bool, kParamCount> grouped{};
    for (const EditorField& field : EditorFields())
        if (field.grouped()) grouped[static_cast<std::size_t>(field.param)] = true;
    return grouped;
}

}  // namespace

std::string Grouped(int value, std::string_view separator) {
    std::string digits = std::to_string(value < 0 ? -static_cast<long long>(value) : value);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), separator);
    return value < 0 ? "-" + digits : digits;
}

int UserValue(const ParameterSet& set, Param param, int point) {
    const auto bytes = BytesOf(set, param);
    return ToUser(Info(param).conversion, bytes[static_cast<std::size_t>(point)]);
}

std::string FieldText(const ParameterSet& set, Param param, int point, std::string_view separator) {
    static const std::array<bool, kParamCount> kGrouped = GroupedParams();
    const int value = UserValue(set, param, point);
    return kGrouped[static_cast<std::size_t>(param)] ? Grouped(value, separator) : std::to_string(value);
}

bool FlagOn(const ParameterSet& set, Param param) { return BytesOf(set, param)[0] != 0; }

std::string MachineText(const ParameterSet& set) {
    const Byte keying = set.ignition.KEYING;
    return keying < kMachineNames.size() ? std::string(kMachineNames[keying]) : std::to_string(keying);
}

}  // namespace ign
