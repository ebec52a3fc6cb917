#include "MachineChoice.h"

#include "New.h"

#include <algorithm>
#include <cctype>

namespace ign::cli {

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::optional<int> ParseMachine(std::string_view text) {
    text = Trimmed(text);
    if (text.size() == 1 && text[0] >= '0' && text[0] < '0' + kMachineCount) return text[0] - '0';
    for (int i = 0; i < kMachineCount; ++i)
        if (SameIgnoringCase(text, kMachineNames[static_cast<std::size_t>(i)])) return i;
    return std::nullopt;
}

}  // namespace ign::cli
