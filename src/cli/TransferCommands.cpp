#include "TransferCommands.h"

#include "AnswerPacer.h"
#include "ConsoleOutput.h"
#include "FileCommands.h"
#include "Link.h"
#include "LinkDriver.h"
#include "New.h"
#include "ParameterFile.h"
#include "ParameterInput.h"
#include "QuickChanges.h"
#include "TransferProgress.h"
#include "UnitPort.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <functional>

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace ign::cli {

namespace {

// The shell's convention for a program ended by a signal it handled.
constexpr int kExitInterrupted = 130;

struct IdentificationCaptions {
    std::string_view version, date, time;
};
// The short hints of the window's three identification labels.
constexpr std::array<IdentificationCaptions, kLanguageCount> kCaptions{{
    {"Version", "Date", "Time"},
    {"Verze", "Datum", "Čas"},
    {"Version", "Datum", "Zeit"},
}};

class ReadCompletion final : public LinkView {
public:
    void readCompleted() override { completed = true; }
    bool completed = false;
};

struct TransferResult {
    bool interrupted = false;
    std::optional<MessageId> status;
};

TransferResult Transfer(Link& link, Byte language, const std::function<void()>& start) {
    // Follows the link only while this transfer runs; answer pacing stays as the caller set it.
    AnswerPacer pacer(link);
    pacer.setEnabled(link.answerPaced());
    TransferProgress progress(language, StandardErrorIsTerminal());
    start();
    progress.update(link);
    const bool finished = DriveLink(link, [&] {
        const bool done = link.idle();
        if (!done) progress.update(link);
        return done;
    });
    progress.clear();
    return {!finished, link.display().status};
}

int ReportOutcome(const TransferResult& result, Byte language) {
    if (result.interrupted) {
        std::fputs("ignition-cli: interrupted\n", stderr);
        return kExitInterrupted;
    }
    const std::string_view text = result.status ? MessageText(*result.status, language) : "";
    std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
    return result.status == MessageId::VerifyOk ? kExitOk : kExitTransferFailed;
}

// Only the blocks in which set differs from the set the unit is said to hold
// (--changed-from), read back; with --verify-all the whole image after them.
int SendChanges(const CliOptions& options, ParameterSet& set) {
    CliOptions held = options;
    held.file = options.changedFrom == kStandardStream ? std::string() : options.changedFrom;
    ParameterSet unitSet;
    if (!LoadInputSetOrReport(held, unitSet, InputNeeds::Keys)) return kExitUsage;
    PackDeviceImage(unitSet);
    auto line = OpenUnitPort(options);
    if (!line) return kExitUsage;
    Link link(line.get());
    link.setAnswerPaced(options.answerPaced);
    link.Use(set);
    QuickChanges quick(link);
    quick.assumeUnitHolds(unitSet.image);
    if (quick.blocksToWrite() == 0 && !options.verifyAll) {
        std::fputs("ignition-cli: no block differs; nothing sent\n", stderr);
        return kExitOk;
    }
    TransferResult result;
    if (quick.blocksToWrite() > 0) {
        result = Transfer(link, options.language, [&] { quick.liveChange(set); });
        if (result.interrupted || result.status != MessageId::VerifyOk || !options.verifyAll)
            return ReportOutcome(result, options.language);
    }
    result = Transfer(link, options.language, [&] { link.StartVerify(); });
    return ReportOutcome(result, options.language);
}

// Program or Verify of the set the file gives, as the window runs them after
// its edit cycle: validated, packed into an image that no read has filled.
int SendSet(const CliOptions& options, bool program) {
    ParameterSet set;
    // A file that holds no key would send machine 0's defaults as if they were the user's set.
    if (!LoadInputSetOrReport(options, set, InputNeeds::Keys)) return kExitUsage;
    if (program && !options.changedFrom.empty()) return SendChanges(options, set);
    auto line = OpenUnitPort(options);
    if (!line) return kExitUsage;
    Link link(line.get());
    link.setAnswerPaced(options.answerPaced);
    link.Use(set);
    const auto result = Transfer(link, options.language, [&] {
        if (program) {
            link.StartProgram();
        } else {
            link.StartVerify();
        }
    });
    return ReportOutcome(result, options.language);
}

// A device or pipe named by -o (/dev/null, /dev/stdout, a FIFO) cannot be
// replaced by a renamed temporary file as a saved file is; it takes the bytes directly.
bool IsStreamTarget(const std::string& path) {
#if defined(_WIN32)
    // NUL, CON, a pipe: Windows names its devices without a file behind them.
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        const DWORD type = GetFileType(handle);
        CloseHandle(handle);
        if (type == FILE_TYPE_CHAR || type == FILE_TYPE_PIPE) return true;
    }
#endif
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    return !error && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) &&
           !std::filesystem::is_directory(status);
}

int WriteReadSet(const CliOptions& options, const ParameterSet& set) {
    if (options.output.empty()) return WriteToStandardOutput(WriteParameterFile(set));
    if (IsStreamTarget(options.output)) {
        std::FILE* stream = std::fopen(options.output.c_str(), "wb");
        if (stream == nullptr) {
            ReportOpenFileError(options.output);
            return kExitUsage;
        }
        const bool written = WriteBytes(stream, WriteParameterFile(set));
        if (std::fclose(stream) == 0 && written) return kExitOk;
        std::fprintf(stderr, "ignition-cli: %s: %s\n", SaveErrorText(FileWriteResult::WriteFailed),
                     options.output.c_str());
        return kExitUsage;
    }
    const FileWriteResult written = SaveParameterFile(options.output, set);
    if (written == FileWriteResult::Ok) return kExitOk;
    std::fprintf(stderr, "ignition-cli: %s: %s\n", SaveErrorText(written), options.output.c_str());
    return kExitUsage;
}

}  // namespace

std::string IdentificationText(const UnitIdentification& id, Byte language) {
    const IdentificationCaptions& c = kCaptions[language < kLanguageCount ? language : 0];
    std::string text;
    for (const auto& [caption, value] :
         {std::pair{c.version, &id.version}, std::pair{c.date, &id.date}, std::pair{c.time, &id.time}}) {
        text.append(caption);
        text += ": ";
        text += *value;
        text += '\n';
    }
    return text;
}

int RunRead(const CliOptions& options) {
    auto line = OpenUnitPort(options);
    if (!line) return kExitUsage;
    // The window's first start: machine 0's set over a zero image, which the read fills.
    ParameterSet set;
    ApplyMachineDefaults(set);
    ReadCompletion completion;
    Link link(line.get(), &completion);
    link.setAnswerPaced(options.answerPaced);
    const auto result = Transfer(link, options.language, [&] { link.StartRead(set); });
    int status = kExitOk;
    // A read that arrived whole is kept even when its verify fails: the window
    // shows that set too, and a unit holding values the validation corrects
    // always fails that verify.
    if (completion.completed && !result.interrupted) {
        WriteBytes(stderr, IdentificationText(link.identification(), options.language));
        status = WriteReadSet(options, link.parameters());
    }
    const int outcome = ReportOutcome(result, options.language);
    return status != kExitOk ? status : outcome;
}

int RunProgram(const CliOptions& options) { return SendSet(options, true); }

int RunVerify(const CliOptions& options) { return SendSet(options, false); }

}  // namespace ign::cli
