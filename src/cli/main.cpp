// ignition-cli: the window's operations for scripts, batches and a headless
// pit laptop. QtCore only, so it runs without any display; the sheet, which
// draws, starts a GUI application on the offscreen platform for itself.

#include "CliOptions.h"
#include "ConsoleOutput.h"
#include "DiffCommand.h"
#include "FileCommands.h"
#include "MonitorCommand.h"
#include "PortsCommand.h"
#include "SheetCommand.h"
#include "TransferCommands.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <memory>
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
        case Command::Sheet:
            return ign::cli::RunSheet(options);
        case Command::None:
            break;
    }
    return ign::cli::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    // Arguments are taken as the system passed them, before Qt sees any.
    const std::vector<std::string> args(argv + 1, argv + argc);
    ign::cli::CliOptions options;
    std::string error;
    const bool parsed = ign::cli::ParseCliArguments(args, options, error);
    std::unique_ptr<QCoreApplication> app;
    if (parsed && options.command == ign::cli::Command::Sheet && !options.help && !options.version) {
        // Fonts and a paint device without a display, whatever platform the environment would choose.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("ignition-cli"));
    ign::cli::UseBinaryStandardStreams();

    if (!parsed) {
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
