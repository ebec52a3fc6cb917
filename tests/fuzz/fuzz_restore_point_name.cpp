#include "AtomicFile.h"
#include "RestorePointName.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Any file name in the history folder: a name taken for a point must be one
// the program would write, and write back to itself; a unit's version text
// of any bytes must give a name that reads back with the same unit.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto name = ign::ParseRestorePointName(text)) {
        if (!ign::IsValid(name->time) || name->sequence < 1) __builtin_trap();
        const std::string written = ign::FormatRestorePointName(*name);
        const auto again = ign::ParseRestorePointName(written);
        if (!again || !(*again == *name) || ign::FormatRestorePointName(*again) != written) __builtin_trap();
    }
    if (const auto target = ign::TemporaryTarget(text)) {
        if (target->size() >= text.size() || text.substr(0, target->size()) != *target) __builtin_trap();
    }
    ign::RestorePointName point;
    point.unit = ign::SafeUnitName(text);
    if (point.unit.size() > ign::kMaxUnitLength) __builtin_trap();
    const auto back = ign::ParseRestorePointName(ign::FormatRestorePointName(point));
    if (!back || back->unit != point.unit) __builtin_trap();
    return 0;
}
