#include "MapTable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Text pasted into the map table from anywhere, read plain or as one of the
// languages' number formats (the first byte picks, the next four place the
// selection): a refused paste changes nothing, a taken one only cells of
// the target and only to values of the map field's range.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5) return 0;
    const std::array<ign::NumberFormat, 3> formats{{
        {".", ",", "-", "+"},
        {",", "\u00A0", "-", "+"},
        {",", ".", "-", "+"},
    }};
    const ign::MapRect selection{data[1] % 12, data[2] % 12, data[3] % 12, data[4] % 12};
    const std::string_view text(reinterpret_cast<const char*>(data + 5), size - 5);
    ign::JetMap jet{};
    for (std::size_t i = 0; i < jet.size(); ++i) jet[i] = static_cast<ign::Byte>(i * 7 % 256);
    const std::size_t pick = data[0] % 4;
    const ign::PasteResult result = pick == 3 ? ign::PasteCells(jet, selection, text)
                                              : ign::PasteCells(jet, selection, text, formats[pick]);
    if (result.error != ign::PasteError::None) {
        if (result.change.jet != jet || !result.change.changed.empty() || !result.clamped.empty())
            __builtin_trap();
        return 0;
    }
    for (const int cell : result.change.changed) {
        const ign::Byte value = result.change.jet[static_cast<std::size_t>(cell)];
        if (value < 5 || value > 250) __builtin_trap();
    }
    for (std::size_t i = 0; i < jet.size(); ++i) {
        const bool changed = result.change.jet[i] != jet[i];
        bool listed = false;
        for (const int cell : result.change.changed) listed = listed || cell == static_cast<int>(i);
        if (changed != listed) __builtin_trap();
    }
    return 0;
}
