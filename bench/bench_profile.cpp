// Load and save of the settings file as it grows: the window's whole
// LoadSettings and SaveSettings over a file whose entries are followed by many
// lines the program does not know (another program's section, notes). Linear
// code keeps the time per line the same at every size.
//
// Usage: bench_profile [lines ...]   (default 1000 10000 100000)

#include "ProfileFile.h"
#include "Settings.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// `lines` entries of another program's section first, so that a lookup that
// scans from the top passes all of them, then a whole settings file.
std::string SettingsText(std::size_t lines) {
    // A folder as the target refuses the save: the text is all that is wanted.
    ign::ProfileFile real(std::filesystem::temp_directory_path(), "");
    ign::WindowState state;
    ign::ParameterSet set;
    for (std::size_t i = 0; i < set.injection.JET.size(); ++i)
        set.injection.JET[i] = static_cast<ign::Byte>(i);
    ign::SaveSettings(real, state, set.ignition, set.injection);
    std::string text = "[OTHER_PROGRAM]\r\n";
    for (std::size_t i = 0; i < lines; ++i)
        text += "Entry" + std::to_string(i) + "=some value " + std::to_string(i) + "\r\n";
    return text + real.Text();
}

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Figures {
    double load = 1e300;   // read from the disk and LoadSettings
    double store = 1e300;  // SaveSettings up to the bytes, the disk left out
    double save = 1e300;   // SaveSettings with the atomic replace and its flushes
};

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), out);
    std::fclose(out);
}

Figures Measure(const std::filesystem::path& folder, std::size_t lines) {
    const std::filesystem::path path = folder / "ZIR_OVI.ini";
    const std::string text = SettingsText(lines);
    const int rounds = static_cast<int>(std::clamp<std::size_t>(200000 / (lines + 1), 3, 50));
    Figures best;
    for (int round = 0; round < rounds; ++round) {
        WriteFile(path, text);
        auto start = Clock::now();
        ign::ProfileFile file(path);
        ign::WindowState state;
        ign::ParameterSet set;
        ign::LoadSettings(file, state, set.ignition, set.injection);
        best.load = std::min(best.load, Milliseconds(Clock::now() - start));
        set.injection.JET[0] ^= 1;

        // A folder as the target refuses the replace right after the bytes are made.
        ign::ProfileFile inMemory(folder, text);
        start = Clock::now();
        ign::SaveSettings(inMemory, state, set.ignition, set.injection);
        best.store = std::min(best.store, Milliseconds(Clock::now() - start));

        start = Clock::now();
        if (!ign::SaveSettings(file, state, set.ignition, set.injection))
            std::fputs("save refused\n", stderr);
        best.save = std::min(best.save, Milliseconds(Clock::now() - start));
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::size_t> sizes;
    for (int i = 1; i < argc; ++i) sizes.push_back(std::strtoul(argv[i], nullptr, 10));
    if (sizes.empty()) sizes = {1000, 10000, 100000};

    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "bench_profile";
    std::filesystem::create_directories(folder);

    std::printf("%8s %9s %9s %9s %9s %13s %13s\n", "lines", "bytes", "load ms", "store ms", "save ms",
                "load ns/line", "store ns/line");
    for (const std::size_t lines : sizes) {
        const Figures f = Measure(folder, lines);
        const double bytes = static_cast<double>(SettingsText(lines).size());
        const double total = static_cast<double>(lines) + 230.0;  // with the file's own entries
        std::printf("%8zu %9.0f %9.3f %9.3f %9.3f %13.1f %13.1f\n", lines, bytes, f.load, f.store, f.save,
                    f.load * 1e6 / total, f.store * 1e6 / total);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
