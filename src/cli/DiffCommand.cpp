#include "DiffCommand.h"

#include "ConsoleOutput.h"
#include "DifferenceText.h"
#include "FileCommands.h"
#include "Link.h"
#include "LinkDriver.h"
#include "SetDifferences.h"
#include "SideRead.h"
#include "TransferProgress.h"
#include "UnitPort.h"

#include <array>
#include <cstdio>

namespace ign::cli {

namespace {

constexpr int kExitDifferent = 1;

// The set the unit holds, read as `read` reads it, but with no verify after it.
bool ReadUnit(const CliOptions& options, ParameterSet& set) {
    auto line = OpenUnitPort(options);
    if (!line) return false;
    SideRead read(set, line.get());
    TransferProgress progress(options.language, StandardErrorIsTerminal());
    progress.update(read.link());
    const bool finished = DriveLink(read.link(), [&] {
        if (read.outcome() != SideRead::Outcome::Running) return true;
        progress.update(read.link());
        return false;
    });
    progress.clear();
    if (!finished) {
        std::fputs("ignition-cli: interrupted\n", stderr);
        return false;
    }
    const bool completed = read.outcome() == SideRead::Outcome::Completed;
    if (!completed) {
        const std::string_view text = MessageText(MessageId::ReadError, options.language);
        std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
    }
    return completed;
}

// A file operand read as the other file commands read theirs ("-" is standard
// input). A file that gave no value is no side to compare: it would hold the
// default set and pass for a parameter file.
bool LoadFile(const CliOptions& options, const std::string& path, ParameterSet& set) {
    CliOptions single = options;
    single.base.clear();
    single.file = path == kStandardStream ? std::string() : path;
    return LoadInputSetOrReport(single, set, InputNeeds::Values);
}

}  // namespace

int RunDiff(const CliOptions& options) {
    // The two sources in order; the unit, when asked for, takes the place --port stood in.
    const bool unit = !options.port.empty();
    std::array<const std::string*, 2> files{};
    std::size_t next = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (unit && i == options.portOperand) continue;
        files[i] = &options.operands[next++];
    }
    if (files[0] != nullptr && files[1] != nullptr && *files[0] == kStandardStream &&
        *files[1] == kStandardStream) {
        std::fputs("ignition-cli: standard input can be read only once\n", stderr);
        return kExitUsage;
    }

    std::array<ParameterSet, 2> sets;
    // Files first: a name mistyped is reported before the unit is read for nothing.
    for (std::size_t i = 0; i < files.size(); ++i)
        if (files[i] != nullptr && !LoadFile(options, *files[i], sets[i])) return kExitUsage;
    for (std::size_t i = 0; i < files.size(); ++i)
        if (files[i] == nullptr && !ReadUnit(options, sets[i])) return kExitUsage;

    const auto differences = FindDifferences(sets[0], sets[1]);
    std::string text;
    for (const Difference& difference : differences) {
        text += FormatDifference(difference, DifferenceCaptionsFor(options.language));
        text += '\n';
    }
    const int written = WriteToStandardOutput(text);
    if (written != kExitOk) return written;
    return differences.empty() ? kExitOk : kExitDifferent;
}

}  // namespace ign::cli
