#pragma once

#include "ParameterSet.h"

#include <optional>
#include <string>
#include <vector>

namespace ign::cli {

enum class Command { None, Defaults, Normalize, Image, Read, Program, Verify, Monitor, Diff, Ports, Sheet };

// Exit statuses the scripts around the tool rely on.
inline constexpr int kExitOk = 0;
inline constexpr int kExitTransferFailed = 1;
inline constexpr int kExitUsage = 2;  // also a file or port that cannot be opened

// "-" names standard input (or output) wherever a file is expected.
inline constexpr const char* kStandardStream = "-";

struct CliOptions {
    Command command = Command::None;
    bool help = false;
    bool version = false;
    Byte language = 0;  // 0 English, 1 Czech, 2 German
    std::string machine;
    std::string file;  // empty: standard input
    std::string base;
    std::string port;
    std::string output;  // empty: standard output
    bool csv = false;
    bool msl = false;  // monitor: every frame in the log format
    std::optional<double> seconds;
    bool answerPaced = false;  // read, program, verify: each request as soon as the last answer is in
    std::string changedFrom;   // program: the set the unit holds; only blocks that differ are sent
    bool verifyAll = false;    // program --changed-from: all 21 blocks verified afterwards
    // diff: its operands as given, and how many of them came before --port,
    // which stands in for one of them.
    std::vector<std::string> operands;
    std::size_t portOperand = 0;
    // sheet: the reference of "Changed since" (empty: the newest differing
    // Program point), the note (none: the one kept beside the file) and the
    // paper ("a4" or "letter"; empty: the locale's).
    std::string against;
    std::optional<std::string> note;
    std::string paper;
};

// Parses the arguments after the program name. Returns false with a one-line
// reason in error for anything the command does not take.
bool ParseCliArguments(const std::vector<std::string>& args, CliOptions& options, std::string& error);

// The help text of a command, or of the whole tool for Command::None.
std::string UsageText(Command command);

}  // namespace ign::cli
