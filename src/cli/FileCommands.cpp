#include "FileCommands.h"

#include "ConsoleOutput.h"
#include "DeviceImageCodec.h"
#include "MachineChoice.h"
#include "Messages.h"
#include "New.h"
#include "ParameterFile.h"
#include "ParameterInput.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace ign::cli {

std::string FormatImage(const DeviceImage& image) {
    std::string text;
    for (int block = 0; block < kWritableBlocks; ++block) {
        const Byte* bytes = image.block(block);
        for (int i = 0; i < kBlockSize; ++i) {
            char field[4];
            std::snprintf(field, sizeof field, i == 0 ? "%02X" : " %02X", bytes[i]);
            text += field;
        }
        text += '\n';
    }
    return text;
}

void ReportOpenFileError(const std::string& path) {
    const std::string_view text = MessageText(MessageId::OpenFileError, 0);
    std::fprintf(stderr, "ignition-cli: %.*s: %s\n", static_cast<int>(text.size()), text.data(),
                 InputName(path).c_str());
}

int ReportStandardOutputError() {
    const std::string_view text = MessageText(MessageId::WriteFileError, 0);
    std::fprintf(stderr, "ignition-cli: %.*s: standard output\n", static_cast<int>(text.size()), text.data());
    return kExitUsage;
}

int WriteToStandardOutput(std::string_view bytes) {
    return WriteBytes(stdout, bytes) ? kExitOk : ReportStandardOutputError();
}

int RunDefaults(const CliOptions& options) {
    const auto machine = ParseMachine(options.machine);
    if (!machine) {
        std::fprintf(stderr, "ignition-cli: unknown machine '%s' (0 to %d or a name from the list)\n",
                     options.machine.c_str(), kMachineCount - 1);
        return kExitUsage;
    }
    // As in the window: the first start's set of machine 0, then the machine
    // chosen and "New". A machine whose set leaves a value alone (the cooling
    // temperature of the ZX12 R) keeps the first start's value, not a zero.
    ParameterSet set;
    ApplyMachineDefaults(set);
    set.ignition.KEYING = static_cast<Byte>(*machine);
    ApplyMachineDefaults(set);
    return WriteToStandardOutput(WriteParameterFile(set));
}

namespace {

std::string Joined(const std::vector<std::string_view>& keys) {
    std::string text;
    for (const std::string_view key : keys) {
        if (!text.empty()) text += ", ";
        text += key;
    }
    return text;
}

// Whether a file that was read fully may be used; says so where it cannot,
// and with InputNeeds::Keys where keys gave no value, whose values then come from elsewhere.
bool ReportKeys(const InputFile& input, const std::string& keptFrom, InputNeeds needs) {
    const std::string name = InputName(input.path);
    const char* consequence = needs == InputNeeds::Keys ? "nothing sent" : "nothing compared";
    if (input.keys.found.empty()) {
        if (input.keys.withoutValue.empty()) {
            std::fprintf(stderr, "ignition-cli: %s: no key of a parameter file found; %s\n", name.c_str(),
                         consequence);
        } else {
            std::fprintf(stderr,
                         "ignition-cli: %s: no key of a parameter file with a value (%s without one); %s\n",
                         name.c_str(), Joined(input.keys.withoutValue).c_str(), consequence);
        }
        return false;
    }
    if (needs == InputNeeds::Keys && !input.keys.missing.empty()) {
        std::fprintf(
            stderr,
            "ignition-cli: %s: %zu of the %zu keys of a parameter file found; missing, so kept from %s: %s\n",
            name.c_str(), input.keys.found.size(), input.keys.found.size() + input.keys.missing.size(),
            keptFrom.c_str(), Joined(input.keys.missing).c_str());
    }
    return true;
}

}  // namespace

bool LoadInputSetOrReport(const CliOptions& options, ParameterSet& set, InputNeeds needs) {
    const std::vector<InputFile> read = LoadInputSet(options, set);
    std::string keptFrom = "the default set of machine 0";
    for (const InputFile& input : read) {
        switch (input.result) {
            case FileReadResult::Ok:
                break;
            case FileReadResult::TooLarge:
                std::fprintf(stderr, "ignition-cli: %s: larger than 16 MiB, which no parameter file is\n",
                             InputName(input.path).c_str());
                return false;
            case FileReadResult::Missing:
            case FileReadResult::NotAFile:
            case FileReadResult::Unreadable:
                ReportOpenFileError(input.path);
                return false;
            case FileReadResult::Silent:
                std::fprintf(stderr,
                             "ignition-cli: %s: nothing arrived in %lld s: a named pipe needs a writer\n",
                             InputName(input.path).c_str(),
                             static_cast<long long>(
                                 std::chrono::duration_cast<std::chrono::seconds>(kFirstByteWait).count()));
                return false;
        }
        if (needs != InputNeeds::Anything && !ReportKeys(input, keptFrom, needs)) return false;
        keptFrom = "the set of " + InputName(input.path);
    }
    return true;
}

int RunNormalize(const CliOptions& options) {
    ParameterSet set;
    if (!LoadInputSetOrReport(options, set)) return kExitUsage;
    return WriteToStandardOutput(WriteParameterFile(set));
}

int RunImage(const CliOptions& options) {
    ParameterSet set;
    if (!LoadInputSetOrReport(options, set)) return kExitUsage;
    // A fresh set's image is all zeros, so offsets the packing leaves alone print as 00.
    PackDeviceImage(set);
    return WriteToStandardOutput(FormatImage(set.image));
}

}  // namespace ign::cli
