// ignition-unit-sim: the simulated control unit on a pseudo-terminal, so the
// window, the command-line tool and the end-to-end test can reach a unit
// through a real serial device path.

#include "FactorySet.h"
#include "PseudoTerminal.h"
#include "SimOptions.h"
#include "SimulatedUnit.h"
#include "UnitServer.h"

#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

volatile std::sig_atomic_t g_stop = 0;

void RequestStop(int) { g_stop = 1; }

void InstallStopHandlers() {
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: a pending poll() returns at once
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    ign::SimOptions options;
    std::string error;
    if (!ign::ParseSimOptions(args, options, error)) {
        std::fprintf(stderr, "ignition-unit-sim: %s\n\n%s", error.c_str(), ign::SimUsage());
        return 2;
    }
    if (options.help) {
        std::fputs(ign::SimUsage(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("ignition-unit-sim %s\n", IGN_VERSION);
        return 0;
    }

    InstallStopHandlers();
    ign::PseudoTerminal terminal;
    if (!terminal.open(error)) {
        std::fprintf(stderr, "ignition-unit-sim: %s\n", error.c_str());
        return 1;
    }
    const bool linked = !options.linkPath.empty();
    if (linked && ::symlink(terminal.slavePath().c_str(), options.linkPath.c_str()) != 0) {
        std::fprintf(stderr, "ignition-unit-sim: cannot create %s: %s\n", options.linkPath.c_str(),
                     std::strerror(errno));
        return 1;
    }
    std::printf("%s\n", terminal.slavePath().c_str());
    std::fflush(stdout);

    ign::SimulatedUnit unit(options.faults);
    if (!options.blank) ign::LoadFactorySet(unit);
    unit.setMonitorIntervalMs(options.monitorMs);
    unit.setAnswerMs(options.answerMs);
    std::FILE* trace = nullptr;
    if (!options.tracePath.empty() && (trace = std::fopen(options.tracePath.c_str(), "w")) == nullptr) {
        std::fprintf(stderr, "ignition-unit-sim: cannot write %s: %s\n", options.tracePath.c_str(),
                     std::strerror(errno));
        if (linked) ::unlink(options.linkPath.c_str());
        return 1;
    }
    ign::UnitServer server(unit, terminal.master());
    server.setTrace(trace);
    server.run(g_stop);
    if (trace != nullptr) std::fclose(trace);

    if (linked) ::unlink(options.linkPath.c_str());
    return 0;
}
