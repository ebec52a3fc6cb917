// Two logs side by side, as the viewer will take them: two one-hour logs
// of the simulated unit's fastest monitor stream, each written with its set
// beside it (the first with a set change half-way), then the time to read
// both, read the sets behind them, make both cell tables (with the sensor's
// delay) and the difference table; and the memory both logs take.
//
// Usage: bench_two_logs [minutes] [keep]   (default 60; with "keep" the logs and
// their sets stay, for bench_log_viewer)

#include "CellStatistics.h"
#include "DatalogSettings.h"
#include "DeviceImageCodec.h"
#include "FactorySet.h"
#include "LogComparison.h"
#include "LogReader.h"
#include "LogSession.h"
#include "LogSets.h"
#include "New.h"
#include "SimulatedUnit.h"
#include "Tick.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Resident memory now and at its peak in MB, from Linux's own count; -1 elsewhere.
double MemoryMb(const char* key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(key, 0) == 0) return std::stod(line.substr(std::string(key).size())) / 1024;
    return -1;
}

// A recording of the unit streaming as fast as it can, read every 55 ms as
// the window reads it, with `set`'s map in the unit; `changed` goes in
// half-way as a Program would put it there.
fs::path Record(const fs::path& folder, int second, const ign::ParameterSet& set,
                const ign::ParameterSet& changed, std::int64_t durationMs) {
    ign::SimulatedUnit unit;
    ign::LoadFactorySet(unit);
    auto load = [&unit](const ign::ParameterSet& s) {
        for (int offset = 1; offset <= ign::kWritableBlocks * ign::kBlockSize; ++offset)
            unit.setMemory(offset, s.image.at(offset));
    };
    load(set);
    unit.setMonitorIntervalMs(1);
    ign::LogSession session(folder, "bench_two_logs", {2024, 3, 14, 9, 5, second}, 0,
                            ign::LogSetAtStart{set, std::string(ign::kLogUnitEqualsWindow)});
    ign::Monitor monitor;
    std::vector<ign::Byte> bytes(4096);
    bool changedIn = false;
    for (std::int64_t ms = 0; ms < durationMs; ms += ign::kTickMs) {
        unit.advance(ign::kTickMs);
        const std::size_t n = unit.take(bytes.data(), bytes.size());
        for (std::size_t i = 0; i + 12 <= n; i += 12)
            if (monitor.ShowMonitorFrame(bytes.data() + i))
                session.addFrame(unit.nowMs(), bytes[i] & 0x0F, monitor.readings());
        if (!changedIn && ms >= durationMs / 2) {
            load(changed);
            session.setChanged(unit.nowMs(), changed);
            changedIn = true;
        }
        session.tick(ms);
    }
    session.close();
    return session.path();
}

}  // namespace

int main(int argc, char** argv) {
    const int minutes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    const std::int64_t durationMs = std::int64_t{minutes} * 60000;
    const fs::path folder = fs::temp_directory_path() /
                            ("bench_two_logs_" + std::to_string(Clock::now().time_since_epoch().count()));

    ign::ParameterSet before;
    ign::ApplyMachineDefaults(before);
    ign::PackDeviceImage(before);
    ign::ParameterSet after = before;
    for (const auto& [row, column, value] : {std::tuple{1, 6, 130}, {2, 8, 130}, {2, 3, 75}, {3, 2, 75}})
        ign::JetCell(after.injection, row, column) = static_cast<ign::Byte>(value);
    ign::PackDeviceImage(after);

    auto start = Clock::now();
    const fs::path first = Record(folder, 7, before, before, durationMs);
    const fs::path second = Record(folder, 8, after, after, durationMs);
    std::printf("written: two logs of %d min in %.0f ms, %.1f and %.1f MB\n", minutes, MsSince(start),
                static_cast<double>(fs::file_size(first)) / 1e6,
                static_cast<double>(fs::file_size(second)) / 1e6);
    const double residentBefore = MemoryMb("VmRSS:");

    start = Clock::now();
    std::optional<ign::LogData> logs[2];
    ign::LogSets sets[2];
    std::optional<ign::CellStatistics> tables[2];
    const ign::ParameterSet* behind[2] = {};
    double readMs = 0, setsMs = 0, cellsMs = 0;
    const ign::DatalogSettings settings;
    for (int i = 0; i < 2; ++i) {
        const fs::path& path = i == 0 ? first : second;
        auto step = Clock::now();
        ign::LogReadError error{};
        logs[i] = ign::ReadLogFile(path, error);
        readMs += MsSince(step);
        if (!logs[i]) {
            std::fprintf(stderr, "%s did not read\n", path.string().c_str());
            return 1;
        }
        step = Clock::now();
        sets[i] = ign::ReadLogSets(*logs[i], path);
        setsMs += MsSince(step);
        const ign::LogSetSpan* span = sets[i].longest(logs[i]->timeS.front(), logs[i]->timeS.back());
        if (!span) {
            std::fprintf(stderr, "%s: no set known\n", path.string().c_str());
            return 1;
        }
        behind[i] = &*span->set;
        step = Clock::now();
        tables[i] =
            ign::CellStatisticsOfLog(*logs[i], ign::MapSpeedAxis(span->set->injection), settings.cells);
        cellsMs += MsSince(step);
    }
    auto step = Clock::now();
    const ign::LogComparison comparison = ign::CompareLogCells(*tables[0], *tables[1], behind[0], behind[1]);
    const double compareMs = MsSince(step);
    const double totalMs = MsSince(start);

    int compared = 0, changedCells = 0;
    for (const ign::CellComparison& c : comparison.cells) {
        compared += c.differenceMv ? 1 : 0;
        changedCells += c.mapChanged() ? 1 : 0;
    }
    std::printf(
        "read: %.0f ms for %zu + %zu rows; sets: %.1f ms for %zu + %zu; cell tables: %.0f ms; "
        "difference: %.2f ms (%d cells compared, %d changed in the map)\n",
        readMs, logs[0]->rows(), logs[1]->rows(), setsMs, sets[0].spans().size(), sets[1].spans().size(),
        cellsMs, compareMs, compared, changedCells);
    std::printf("together: %.0f ms\n", totalMs);
    std::printf("memory: %.0f MB resident before reading, %.0f MB with both logs, peak %.0f MB\n",
                residentBefore, MemoryMb("VmRSS:"), MemoryMb("VmHWM:"));
    if (argc > 2 && std::string(argv[2]) == "keep") {
        std::printf("kept: %s %s\n", first.string().c_str(), second.string().c_str());
        return 0;
    }
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    return 0;
}
