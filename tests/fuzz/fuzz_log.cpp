// fuzz-options: -max_len=1048576
#include "CellStatistics.h"
#include "ChartReduction.h"
#include "LogReader.h"
#include "TimeAxis.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Any file opened as a log, up to a mebibyte: the reader must cope within the
// run's time and memory limits, and what it gives the cell table, the chart
// and its time axis (over the log's span, as the viewer first shows it) must
// keep them within their data.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ign::LogReadError error{};
    const std::optional<ign::LogData> log =
        ign::ReadLog(std::string_view(reinterpret_cast<const char*>(data), size), error);
    if (!log) return 0;
    for (const ign::LogData::Column& column : log->columns) {
        if (column.values.size() != log->rows()) __builtin_trap();
    }
    std::array<double, ign::kMapSize> axis{};
    for (std::size_t i = 0; i < axis.size(); ++i) axis[i] = 1000.0 * static_cast<double>(i + 1);
    ign::CellStatisticsOfLog(*log, axis);
    if (log->rows() > 0) {
        const double t0 = log->timeS.front();
        const double t1 = log->timeS.back() > t0 ? log->timeS.back() : t0 + 1;
        if (ign::TimeAxisTicks(t0, t1, 850).size() > ign::kMaxAxisTicks) __builtin_trap();
    }
    if (!log->columns.empty() && log->rows() > 0) {
        const auto& values = log->columns.front().values;
        for (std::size_t i :
             ign::ReduceToColumns(log->timeS, values, log->timeS.front(), log->timeS.back(), 37)) {
            if (i >= values.size()) __builtin_trap();
        }
        log->rowAt(log->timeS.back() / 2);
    }
    return 0;
}
