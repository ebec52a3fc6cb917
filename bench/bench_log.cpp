// How a one-hour log fares at the simulated unit's fastest monitor stream:
// the stream's rate as the window's 55 ms tick would read it, the time to
// write the log (flushed every second, as the window does) and to read it
// back, its size per hour, and what the cell table and one chart column
// reduction take on it.
//
// Usage: bench_log [minutes] [keep.msl]   (default 60; the log is kept at
// the path given, for the viewer's benchmark)

#include "CellStatistics.h"
#include "ChartReduction.h"
#include "FactorySet.h"
#include "LogReader.h"
#include "LogWriter.h"
#include "New.h"
#include "SimulatedUnit.h"
#include "Tick.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Frame {
    std::int64_t timeMs;
    int type;
    ign::MonitorReadings readings;
};

// The unit streaming as fast as it can, read every 55 ms as the window reads it.
std::vector<Frame> Stream(std::int64_t durationMs) {
    ign::SimulatedUnit unit;
    ign::LoadFactorySet(unit);
    unit.setMonitorIntervalMs(1);
    ign::Monitor monitor;
    std::vector<Frame> frames;
    std::vector<ign::Byte> bytes(4096);
    for (std::int64_t ms = 0; ms < durationMs; ms += ign::kTickMs) {
        unit.advance(ign::kTickMs);
        const std::size_t n = unit.take(bytes.data(), bytes.size());
        for (std::size_t i = 0; i + 12 <= n; i += 12) {
            if (monitor.ShowMonitorFrame(bytes.data() + i)) {
                frames.push_back({unit.nowMs(), bytes[i] & 0x0F, monitor.readings()});
            }
        }
    }
    return frames;
}

}  // namespace

int main(int argc, char** argv) {
    const int minutes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    const std::int64_t durationMs = std::int64_t{minutes} * 60000;

    auto start = Clock::now();
    const std::vector<Frame> frames = Stream(durationMs);
    const double seconds = static_cast<double>(durationMs) / 1000;
    std::printf("stream: %zu frames in %d min = %.1f frames/s (%.0f ms to simulate)\n", frames.size(),
                minutes, static_cast<double>(frames.size()) / seconds, MsSince(start));

    const bool keep = argc > 2;
    const std::filesystem::path path =
        keep ? std::filesystem::path(argv[2])
             : std::filesystem::temp_directory_path() /
                   ("bench_log_" + std::to_string(Clock::now().time_since_epoch().count()) + ".msl");
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    if (!file) {
        std::fprintf(stderr, "cannot create %s\n", path.string().c_str());
        return 1;
    }
    start = Clock::now();
    {
        ign::StdioLogSink sink(file);
        ign::LogWriter writer(sink, "bench_log", {2024, 3, 14, 9, 5, 7}, 0);
        std::int64_t nextFlushMs = 1000;
        for (const Frame& f : frames) {
            writer.addFrame(f.timeMs, f.type, f.readings);
            if (f.timeMs >= nextFlushMs) {
                writer.flush();
                nextFlushMs += 1000;
            }
        }
        writer.flush();
    }
    std::fclose(file);
    const double writeMs = MsSince(start);
    const auto size = std::filesystem::file_size(path);
    std::printf("write: %.0f ms for %d min (%.2f us a frame); %.1f MB, %.1f MB an hour\n", writeMs, minutes,
                writeMs * 1000 / static_cast<double>(frames.size()), static_cast<double>(size) / 1e6,
                static_cast<double>(size) / 1e6 * 60 / minutes);

    start = Clock::now();
    ign::LogReadError error{};
    const std::optional<ign::LogData> log = ign::ReadLogFile(path, error);
    const double readMs = MsSince(start);
    if (!keep) std::filesystem::remove(path);
    if (!log || log->rows() != frames.size() || log->truncated) {
        std::fprintf(stderr, "the log did not read back whole\n");
        return 1;
    }
    std::printf("read: %.0f ms for %zu rows of %zu columns\n", readMs, log->rows(), log->columns.size() + 1);

    ign::ParameterSet set;
    ign::ApplyMachineDefaults(set);
    start = Clock::now();
    const std::optional<ign::CellStatistics> table =
        ign::CellStatisticsOfLog(*log, ign::MapSpeedAxis(set.injection));
    std::printf("cell table: %.1f ms\n", MsSince(start));

    const auto& rpm = log->columns[static_cast<std::size_t>(log->columnIndex("rpm"))].values;
    start = Clock::now();
    const std::vector<std::size_t> kept = ign::ReduceToColumns(log->timeS, rpm, 0, seconds, 1000);
    std::printf("chart: one channel of %zu points to %zu on 1000 columns in %.2f ms\n", rpm.size(),
                kept.size(), MsSince(start));
    return table ? 0 : 1;
}
