#include "SimOptions.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace ign {

namespace {

bool ParseInt(const std::string& text, long long lo, long long hi, long long& out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end && !text.empty() && out >= lo && out <= hi;
}

bool ParseRate(const std::string& text, double& out) {
    // from_chars for double is missing from older standard libraries; strtod
    // is enough here, checked for a full match.
    if (text.empty()) return false;
    char* end = nullptr;
    out = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size() && out >= 0.0 && out <= 1.0;
}

}  // namespace

static_assert(SimulatedUnit::kDefaultMonitorIntervalMs == 100, "the usage text names the default");
static_assert(SimulatedUnit::kDefaultAnswerMs == 2, "the usage text names the default");

const char* SimUsage() {
    return "Usage: ignition-unit-sim [options]\n"
           "Serves a simulated ignition/injection control unit on a pseudo-terminal.\n"
           "The first line printed is the terminal's path; open it at 9600 baud.\n"
           "\n"
           "The unit starts with machine 0's default set in its memory.\n"
           "\n"
           "  --monitor-ms N   interval of monitor frames in ms (0 = none, default 100)\n"
           "  --blank          start with an all-zero memory instead\n"
           "  --silent         never answer\n"
           "  --drop RATE      drop this share of answers (0..1)\n"
           "  --corrupt RATE   damage this share of answers (0..1)\n"
           "  --split          send each answer in two pieces\n"
           "  --answer-ms MS   the unit's own time to answer a request (default 2)\n"
           "  --delay MS       wait this long before answering\n"
           "  --wrong-echo     answer writes with a wrong echo\n"
           "  --stuck OFFSET   image byte (1..220) that keeps its value when written\n"
           "  --seed N         seed of the fault schedule\n"
           "  --link PATH      also make PATH a symbolic link to the terminal\n"
           "  --trace FILE     write every frame received (<) and sent (>) to FILE in hex\n"
           "  --help           show this text\n"
           "  --version        show the program's version\n";
}

bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        auto bad = [&](const std::string& text) {
            error = "bad value for " + arg + ": " + text;
            return false;
        };
        std::string text;
        long long number = 0;
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--blank") {
            options.blank = true;
        } else if (arg == "--silent") {
            options.faults.silent = true;
        } else if (arg == "--split") {
            options.faults.splitAnswers = true;
        } else if (arg == "--wrong-echo") {
            options.faults.wrongEcho = true;
        } else if (arg == "--drop" || arg == "--corrupt") {
            if (!value(text)) return false;
            double rate = 0;
            if (!ParseRate(text, rate)) return bad(text);
            (arg == "--drop" ? options.faults.dropRate : options.faults.corruptRate) = rate;
        } else if (arg == "--delay") {
            if (!value(text)) return false;
            if (!ParseInt(text, 0, 60000, number)) return bad(text);
            options.faults.answerDelayMs = static_cast<int>(number);
        } else if (arg == "--answer-ms") {
            if (!value(text)) return false;
            if (!ParseInt(text, 0, 60000, number)) return bad(text);
            options.answerMs = static_cast<int>(number);
        } else if (arg == "--stuck") {
            if (!value(text)) return false;
            if (!ParseInt(text, 1, 220, number)) return bad(text);
            options.faults.stuckOffset = static_cast<int>(number);
        } else if (arg == "--seed") {
            if (!value(text)) return false;
            if (!ParseInt(text, 0, std::numeric_limits<std::uint32_t>::max(), number)) return bad(text);
            options.faults.seed = static_cast<std::uint32_t>(number);
        } else if (arg == "--monitor-ms") {
            if (!value(text)) return false;
            if (!ParseInt(text, 0, 60000, number)) return bad(text);
            options.monitorMs = static_cast<int>(number);
        } else if (arg == "--trace") {
            if (!value(options.tracePath)) return false;
            if (options.tracePath.empty()) return bad(options.tracePath);
        } else if (arg == "--link") {
            if (!value(options.linkPath)) return false;
            if (options.linkPath.empty()) return bad(options.linkPath);
        } else {
            error = "unknown option " + arg;
            return false;
        }
    }
    return true;
}

}  // namespace ign
