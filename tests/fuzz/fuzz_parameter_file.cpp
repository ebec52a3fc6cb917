#include "ParameterFile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Any bytes at all are a parameter file the user might pick; reading must
// neither crash nor grow without bound, and the written form of whatever was
// read must read back to the same set (flags aside, which the writer turns
// into 0 or 1, and those become 1 on the second read).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ign::ParameterSet set;
    ign::ReadParameterFile(std::string_view(reinterpret_cast<const char*>(data), size), set.ignition,
                           set.injection);
    const std::string written = ign::WriteParameterFile(set);
    ign::ParameterSet again;
    ign::ReadParameterFile(written, again.ignition, again.injection);
    if (ign::WriteParameterFile(again) != written) __builtin_trap();
    return 0;
}
