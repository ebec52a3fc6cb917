#include "CliOptions.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

namespace ign::cli {

namespace {

enum Option : unsigned {
    kPort = 1u << 0,
    kOutput = 1u << 1,
    kBase = 1u << 2,
    kCsv = 1u << 3,
    kSeconds = 1u << 4,
    kPortOperand = 1u << 5,  // --port may stand in for an operand
    kMsl = 1u << 6,
    kAgainst = 1u << 7,
    kNote = 1u << 8,
    kPaper = 1u << 9,
    kAnswerPaced = 1u << 10,
    kChangedFrom = 1u << 11,
    kVerifyAll = 1u << 12,
};

struct CommandInfo {
    Command command;
    std::string_view name;
    unsigned options;   // the options it takes besides --lang and --help
    int minPositional;  // operands after the command name
    int maxPositional;
    std::string_view usage;
};

constexpr std::array<CommandInfo, 10> kCommands{{
    {Command::Defaults, "defaults", 0, 1, 1,
     "Usage: ignition-cli defaults MACHINE\n"
     "Writes the default parameter set of a machine as a parameter file to standard output.\n"
     "MACHINE is its index 0 to 5 or its name:\n"
     "  0 Aprilia MILE, 1 Honda CBR 600, 2 Honda VTR 1000, 3 Kawasaki ZX12 R,\n"
     "  4 Suzuki GSX 600 R, 5 Suzuki GSX 1000 R\n"},
    {Command::Normalize, "normalize", kBase, 0, 1,
     "Usage: ignition-cli normalize [--base FILE] [FILE]\n"
     "Reads a parameter file (standard input without FILE) onto the default set of machine 0,\n"
     "or onto the set of the --base file, validates it and writes it to standard output.\n"},
    {Command::Image, "image", kBase, 0, 1,
     "Usage: ignition-cli image [--base FILE] [FILE]\n"
     "The set that normalize gives, packed: blocks 0 to 20 of the device image as 21 lines\n"
     "of ten hexadecimal bytes.\n"},
    {Command::Read, "read", kPort | kOutput | kAnswerPaced, 0, 0,
     "Usage: ignition-cli read --port PORT [-o FILE] [--answer-paced]\n"
     "Reads the unit and verifies it; writes the parameter file to FILE or standard output\n"
     "and the unit's version, date and time to standard error.\n"
     "--answer-paced sends each request as soon as the answer to the last one is in, rather\n"
     "than on the next 55 ms tick.\n"},
    {Command::Program, "program", kPort | kBase | kAnswerPaced | kChangedFrom | kVerifyAll, 1, 1,
     "Usage: ignition-cli program --port PORT [--base FILE] [--changed-from OLD [--verify-all]]\n"
     "                            [--answer-paced] FILE\n"
     "Programs the set of FILE into the unit, then verifies it.\n"
     "With --changed-from, the unit is taken to hold the set of OLD: only the blocks in which\n"
     "FILE's image differs from OLD's are written and read back; --verify-all then also\n"
     "verifies all 21 blocks. --answer-paced as for read.\n"},
    {Command::Verify, "verify", kPort | kBase | kAnswerPaced, 1, 1,
     "Usage: ignition-cli verify --port PORT [--base FILE] [--answer-paced] FILE\n"
     "Compares the unit with the set of FILE. --answer-paced as for read.\n"},
    {Command::Monitor, "monitor", kPort | kCsv | kMsl | kSeconds, 0, 0,
     "Usage: ignition-cli monitor --port PORT [--csv | --msl] [--seconds N]\n"
     "Shows the unit's live values until N seconds have passed or the program is interrupted:\n"
     "the monitor page's texts, or with --csv one row per frame under a header, or with --msl\n"
     "every frame as a log of the window's recorder (tab-separated, for log viewers).\n"},
    {Command::Diff, "diff", kPort | kPortOperand, 2, 2,
     "Usage: ignition-cli diff A B\n"
     "Lists every difference between two parameter sets, one line each (\"Curve A, 6 000 rpm:\n"
     "31° → 33°\"). A and B are parameter files, or one of them is --port PORT: the set the\n"
     "unit holds, read without a verify.\n"},
    {Command::Sheet, "sheet", kOutput | kAgainst | kNote | kPaper, 1, 1,
     "Usage: ignition-cli sheet FILE -o OUT.pdf [--against REF] [--note TEXT] [--paper a4|letter]\n"
     "Makes the tune sheet of the set of FILE as a PDF of one or two pages: every value of the set,\n"
     "the injection map in colour, the tuner's note and what changed since REF, a parameter file\n"
     "or a restore point (by default the newest Program restore point whose set differs). The note\n"
     "is TEXT, or else the one kept beside FILE (FILE.txt). The paper is the locale's unless given.\n"},
    {Command::Ports, "ports", 0, 0, 0,
     "Usage: ignition-cli ports\n"
     "Lists the serial ports the system has, one a line, with their details, then the simulated\n"
     "unit; COM1 and COM2 (as the settings file's [PORTS] names them) mark the ports they mean.\n"},
}};

constexpr std::string_view kCommonUsage =
    "\nPORT is a system port (/dev/ttyUSB0, /dev/pts/7, COM3), COM1 or COM2 as the settings\n"
    "file's [PORTS] names them, or 'simulator'. FILE '-' is standard input.\n"
    "Options: --lang en|cs|de  language of the transfer messages, of diff's lines and of the sheet\n"
    "                          (English by default)\n"
    "         --help           this text\n"
    "         --version        the program's version\n";

constexpr std::string_view kExitStatus =
    "Exit status: 0 done (Verify OK), 1 the transfer ended with an error, 2 usage error or\n"
    "a file or port that cannot be opened.\n";

constexpr std::string_view kSheetExitStatus =
    "Exit status: 0 the PDF is written, 2 usage error, a file that cannot be opened or from which\n"
    "no value of a parameter set was read, or a PDF that cannot be written (nothing is written then).\n";

// diff's outcome is no transfer: its statuses say equal or not.
constexpr std::string_view kDiffExitStatus =
    "Exit status: 0 the sets are equal, 1 they differ, 2 usage error, a file that cannot be\n"
    "opened or from which no value of a parameter set was read, or a unit that cannot be read.\n";

const CommandInfo* FindCommand(std::string_view name) {
    for (const CommandInfo& info : kCommands)
        if (info.name == name) return &info;
    return nullptr;
}

const CommandInfo* FindCommand(Command command) {
    for (const CommandInfo& info : kCommands)
        if (info.command == command) return &info;
    return nullptr;
}

bool ParseLanguage(std::string_view text, Byte& language) {
    constexpr std::array<std::string_view, 3> kCodes{"en", "cs", "de"};
    for (std::size_t i = 0; i < kCodes.size(); ++i) {
        if (kCodes[i] == text) {
            language = static_cast<Byte>(i);
            return true;
        }
    }
    return false;
}

bool ParseSeconds(const std::string& text, double& seconds) {
    if (text.empty()) return false;
    char* end = nullptr;
    seconds = std::strtod(text.c_str(), &end);
    // An upper bound keeps the conversion to milliseconds in range.
    return end == text.c_str() + text.size() && seconds > 0.0 && seconds <= 1e9;
}

// Splits "--name=value" into its parts; other arguments come back whole.
std::string_view OptionName(std::string_view arg, std::optional<std::string>& inlineValue) {
    const auto eq = arg.find('=');
    if (arg.size() > 2 && arg.substr(0, 2) == "--" && eq != std::string_view::npos) {
        inlineValue = std::string(arg.substr(eq + 1));
        return arg.substr(0, eq);
    }
    return arg;
}

// One option as the command line gives it: its name, a value written into it
// ("--name=value"), and the arguments after it, where its value may stand.
struct OptionArgument {
    const std::vector<std::string>& args;
    std::size_t& index;
    std::string_view name;
    std::optional<std::string> inlineValue;
    std::string& error;

    bool Value(std::string& out) {
        if (inlineValue) {
            out = *inlineValue;
        } else if (index + 1 < args.size()) {
            out = args[++index];
        } else {
            error = std::string(name) + " needs a value";
            return false;
        }
        return true;
    }
    bool Flag() {
        if (!inlineValue) return true;
        error = std::string(name) + " takes no value";
        return false;
    }
};

enum class Applied { NotThis, Done, Failed };

// The options that take no value.
Applied ApplyFlag(OptionArgument& option, CliOptions& options, unsigned& given) {
    constexpr std::array<std::string_view, 7> kFlags{
        "--help", "-h", "--version", "--csv", "--msl", "--answer-paced", "--verify-all"};
    const std::string_view name = option.name;
    if (std::find(kFlags.begin(), kFlags.end(), name) == kFlags.end()) return Applied::NotThis;
    if (!option.Flag()) return Applied::Failed;
    if (name == "--help" || name == "-h") {
        options.help = true;
    } else if (name == "--version") {
        options.version = true;
    } else if (name == "--csv") {
        options.csv = true;
        given |= kCsv;
    } else if (name == "--msl") {
        options.msl = true;
        given |= kMsl;
    } else if (name == "--answer-paced") {
        options.answerPaced = true;
        given |= kAnswerPaced;
    } else {
        options.verifyAll = true;
        given |= kVerifyAll;
    }
    return Applied::Done;
}

// The options that take a value; `operands` is the number of operands before
// this option.
Applied ApplyValued(OptionArgument& option, CliOptions& options, unsigned& given, std::size_t operands) {
    const std::string_view name = option.name;
    std::string& error = option.error;
    std::string text;
    if (name == "--lang") {
        if (!option.Value(text)) return Applied::Failed;
        if (!ParseLanguage(text, options.language)) {
            error = "unknown language '" + text + "' (en, cs or de)";
            return Applied::Failed;
        }
    } else if (name == "--port") {
        if (!option.Value(options.port)) return Applied::Failed;
        given |= kPort;
        options.portOperand = operands == 0 ? 0 : operands - 1;
    } else if (name == "-o" || name == "--output") {
        if (!option.Value(options.output)) return Applied::Failed;
        given |= kOutput;
    } else if (name == "--base") {
        if (!option.Value(options.base)) return Applied::Failed;
        given |= kBase;
    } else if (name == "--against") {
        if (!option.Value(options.against)) return Applied::Failed;
        given |= kAgainst;
    } else if (name == "--note") {
        if (!option.Value(text)) return Applied::Failed;
        options.note = text;
        given |= kNote;
    } else if (name == "--paper") {
        if (!option.Value(options.paper)) return Applied::Failed;
        if (options.paper != "a4" && options.paper != "letter") {
            error = "unknown paper '" + options.paper + "' (a4 or letter)";
            return Applied::Failed;
        }
        given |= kPaper;
    } else if (name == "--changed-from") {
        if (!option.Value(options.changedFrom)) return Applied::Failed;
        given |= kChangedFrom;
    } else if (name == "--seconds") {
        double seconds = 0;
        if (!option.Value(text)) return Applied::Failed;
        if (!ParseSeconds(text, seconds)) {
            error = "bad value for --seconds: '" + text + "'";
            return Applied::Failed;
        }
        options.seconds = seconds;
        given |= kSeconds;
    } else {
        return Applied::NotThis;
    }
    return Applied::Done;
}

// The command and its operands, once every option is read: whether the
// options fit the command and the operands are there.
bool CheckCommand(std::vector<std::string>& positional, unsigned given, CliOptions& options,
                  std::string& error) {
    if (positional.empty()) {
        if (options.help || options.version) return true;
        error = "no command given";
        return false;
    }
    const CommandInfo* info = FindCommand(positional.front());
    if (info == nullptr) {
        error = "unknown command '" + positional.front() + "'";
        return false;
    }
    options.command = info->command;
    positional.erase(positional.begin());
    if (options.help || options.version) return true;

    if ((given & ~info->options) != 0) {
        error = std::string(info->name) + " does not take that option";
        return false;
    }
    if (info->command == Command::Sheet && (given & kOutput) == 0) {
        error = "sheet needs -o OUT.pdf";
        return false;
    }
    if (options.verifyAll && options.changedFrom.empty()) {
        error = "--verify-all needs --changed-from";
        return false;
    }
    if (options.csv && options.msl) {
        error = "--csv and --msl exclude each other";
        return false;
    }
    if ((info->options & (kPort | kPortOperand)) == kPort && options.port.empty()) {
        error = std::string(info->name) + " needs --port PORT";
        return false;
    }
    const bool portIsOperand = (info->options & kPortOperand) != 0 && !options.port.empty();
    const int count = static_cast<int>(positional.size()) + (portIsOperand ? 1 : 0);
    if (count < info->minPositional || count > info->maxPositional) {
        error = count < info->minPositional ? std::string(info->name) + ": operand missing"
                                            : "unexpected operand '" + positional.back() + "'";
        return false;
    }
    if (info->command == Command::Defaults) {
        options.machine = positional.front();
    } else if (count == 1) {
        options.file = positional.front();
    }
    options.operands = positional;
    if (options.file == kStandardStream) options.file.clear();
    if (options.output == kStandardStream) options.output.clear();
    const int fromInput = (options.file.empty() ? 1 : 0) + (options.base == kStandardStream ? 1 : 0) +
                          (options.changedFrom == kStandardStream ? 1 : 0) +
                          (options.against == kStandardStream ? 1 : 0);
    if (fromInput > 1) {
        error = "standard input can be read only once";
        return false;
    }
    return true;
}

}  // namespace

bool ParseCliArguments(const std::vector<std::string>& args, CliOptions& options, std::string& error) {
    std::vector<std::string> positional;
    unsigned given = 0;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            positional.push_back(arg);
            continue;
        }
        OptionArgument option{args, i, {}, std::nullopt, error};
        option.name = OptionName(arg, option.inlineValue);
        if (option.name == "--") {
            optionsEnded = true;
            continue;
        }
        Applied applied = ApplyFlag(option, options, given);
        if (applied == Applied::NotThis) applied = ApplyValued(option, options, given, positional.size());
        if (applied == Applied::Failed) return false;
        if (applied == Applied::NotThis) {
            error = "unknown option " + arg;
            return false;
        }
    }
    return CheckCommand(positional, given, options, error);
}

std::string UsageText(Command command) {
    std::string text;
    if (const CommandInfo* info = FindCommand(command)) {
        text = info->usage;
    } else {
        text = "Usage: ignition-cli COMMAND [options]\nCommands:\n";
        for (const CommandInfo& c : kCommands) {
            const std::string_view first = c.usage.substr(0, c.usage.find('\n'));
            text += "  ";
            text += first.substr(std::string_view("Usage: ignition-cli ").size());
            text += '\n';
        }
        text += "'ignition-cli COMMAND --help' describes a command.\n";
    }
    text += kCommonUsage;
    text += command == Command::Diff    ? kDiffExitStatus
            : command == Command::Sheet ? kSheetExitStatus
                                        : kExitStatus;
    return text;
}

}  // namespace ign::cli
