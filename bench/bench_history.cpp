// What a history of 10 000 restore points costs: parsing their names, listing
// the folder (what opening the history window does), taking one more point
// (a list, a read of the newest of its reason, an atomic write), retention at
// start, and finding and wording the differences between two sets.
//
// Usage: bench_history [number of points]   (10 000 by default)

#include "DifferenceText.h"
#include "New.h"
#include "ParameterFile.h"
#include "RestorePointStore.h"
#include "SetDifferences.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// The median of a few runs, in milliseconds.
double MedianMs(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// One point a minute from the start of 2024, the reasons taking turns, every 50th marked keep.
std::vector<ign::RestorePointName> MadeUpNames(int count) {
    std::vector<ign::RestorePointName> names;
    for (int i = 0; i < count; ++i) {
        const int day = i / (24 * 60);
        const ign::LocalTime t{2024, 1 + day / 28 % 12, 1 + day % 28, i / 60 % 24, i % 60, 0};
        names.push_back(
            {t, static_cast<ign::RestoreReason>(i % ign::kRestoreReasonCount), "SIM12", 1, i % 50 == 0});
    }
    return names;
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
    const fs::path folder = fs::temp_directory_path() / ("bench_history-" + std::to_string(::getpid()));
    fs::create_directories(folder);

    ign::ParameterSet set;
    ign::ApplyMachineDefaults(set);
    const std::string bytes = ign::WriteParameterFile(set);
    const auto names = MadeUpNames(count);
    std::vector<std::string> fileNames;
    for (const auto& name : names) {
        fileNames.push_back(ign::FormatRestorePointName(name));
        std::ofstream(folder / fileNames.back(), std::ios::binary) << bytes;
    }

    std::size_t parsed = 0;
    const double parseMs = MedianMs(9, [&] {
        parsed = 0;
        for (const std::string& name : fileNames) parsed += ign::ParseRestorePointName(name).has_value();
    });
    // Rules that keep everything, so the write does not thin the folder out.
    ign::RestorePointStore store(folder, {100000, 1000000});
    std::size_t listed = 0;
    const double listMs = MedianMs(5, [&] { listed = store.List().points.size(); });

    int minute = 0;
    const double writeMs = MedianMs(5, [&] {
        ign::ParameterSet changed = set;
        changed.ignition.OMEZ1 = static_cast<ign::Byte>(100 + minute);
        store.Write(changed, ign::RestoreReason::Read, "SIM12", {2024, 7, 1, 0, minute++, 0});
    });

    store.SetRules({});
    ign::RetentionResult retention;
    const double retentionMs = MedianMs(1, [&] { retention = store.ApplyRetention({2024, 7, 1, 1, 0, 0}); });

    ign::ParameterSet other;
    other.ignition.KEYING = 4;
    ign::ApplyMachineDefaults(other);
    std::size_t lines = 0;
    const double differencesMs = MedianMs(101, [&] {
        lines = 0;
        for (const auto& d : ign::FindDifferences(set, other))
            lines += ign::FormatDifference(d, ign::DifferenceCaptionsFor(1)).empty() ? 0 : 1;
    });

    std::printf("restore points: %d\n", count);
    std::printf("%-44s %9.2f ms\n", ("parse " + std::to_string(parsed) + " names").c_str(), parseMs);
    std::printf("%-44s %9.2f ms\n", ("list the folder (" + std::to_string(listed) + " points)").c_str(),
                listMs);
    std::printf("%-44s %9.2f ms\n", "take one more point (list, compare, write)", writeMs);
    std::printf("%-44s %9.2f ms\n",
                ("retention at start (" + std::to_string(retention.deleted) + " deleted)").c_str(),
                retentionMs);
    std::printf("%-44s %9.3f ms\n", ("differences of two sets (" + std::to_string(lines) + " lines)").c_str(),
                differencesMs);

    std::error_code error;
    fs::remove_all(folder, error);
    return 0;
}
