#pragma once

#include "Conversion.h"

#include <array>
#include <span>
#include <string_view>

namespace ign {

// A run of consecutive bytes of one parameter.
struct ValueRun {
    Param param;
    int first = 0;
    int count = 1;

    bool operator==(const ValueRun&) const = default;
};

// One key of the parameter file and the values that follow it, in file order.
// Every value is converted with the parameter's own user-unit conversion,
// except the clutch time in seconds, which no other part of the program uses.
struct ParameterRecord {
    std::string_view key;
    std::array<ValueRun, 5> runs{};
    int runCount = 1;
    bool seconds = false;

    int ValueCount() const {
        int n = 0;
        for (int i = 0; i < runCount; ++i) n += runs[static_cast<std::size_t>(i)].count;
        return n;
    }
};

std::span<const ParameterRecord> ParameterRecords();
// The record with this exact key, or nullptr.
const ParameterRecord* FindParameterRecord(std::string_view key);
// The keys the writer puts into a file, in the order of its layout.
std::span<const std::string_view> LayoutKeys();

}  // namespace ign
