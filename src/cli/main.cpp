// ignition-cli: the window's operations for scripts, batches and a headless
// pit laptop. QtCore only, so it runs without any display.

#include "CliOptions.h"
#include "ConsoleOutput.h"
#include "DiffCommand.h"
#include "FileCommands.h"
#include "MonitorCommand.h"
#include "PortsCommand.h"
#include "TransferCommands.h"

#include <QCoreApplication>

#include <cstdio>
#include <string>
#include <vector>

namespace {

int Run(const ign::cli::CliOptions& options) {
    using ign::cli::Command;
    switch (options.command) {
        case Command::Defaults:
            return ign::cli::RunDefaults(options);
        case Command::Normalize:
            return ign::cli::RunNormalize(options);
        case Command::Image:
            return ign::cli::RunImage(options);
        case Command::Read:
            return ign::cli::RunRead(options);
        case Command::Program:
            return ign::cli::RunProgram(options);
        case Command::Verify:
            return ign::cli::RunVerify(options);
        case Command::Monitor:
            return ign::cli::RunMonitor(options);
        case Command::Diff:
            return ign::cli::RunDiff(options);
        case Command::Ports:
            return ign::cli::RunPorts(options);
        case Command::None:
            break;
    }
    return ign::cli::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    // Arguments are taken as the system passed them, before Qt sees any.
    const std::vector<std::string> args(argv + 1, argv + argc);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ignition-cli"));
    ign::cli::UseBinaryStandardStreams();

    ign::cli::CliOptions options;
    std::string error;
    if (!ign::cli::ParseCliArguments(args, options, error)) {
        std::fprintf(stderr, "ignition-cli: %s\n\n%s", error.c_str(),
                     ign::cli::UsageText(options.command).c_str());
        return ign::cli::kExitUsage;
    }
    if (options.help) {
        std::fputs(ign::cli::UsageText(options.command).c_str(), stdout);
        return ign::cli::kExitOk;
    }
    if (options.version) {
        std::printf("ignition-cli %s\n", IGN_VERSION);
        return ign::cli::kExitOk;
    }
    return Run(options);
}
