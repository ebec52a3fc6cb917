#include "app/Application.h"
#include "app/QuitSignals.h"
#include "window/Hlav.h"

#include <cstdio>
#include <exception>
#include <string_view>

namespace {

constexpr const char* kUsage =
    "Usage: ignition-programmer [Qt options]\n"
    "Edits the parameter set of a racing ignition and injection control unit, saves and\n"
    "opens parameter files, and reads, verifies and programs the unit over a serial port.\n"
    "\n"
    "Settings: ignition-programmer/ZIR_OVI.ini in the user's configuration folder\n"
    "(~/.config, or $XDG_CONFIG_HOME, on Linux). Its [PORTS] section names the system\n"
    "ports behind COM1 and COM2 (for example COM1=/dev/ttyUSB0); 'simulator' is a\n"
    "simulated unit inside the program.\n"
    "\n"
    "  --help      show this text\n"
    "  --version   show the program's version\n"
    "Qt's own options (-platform, -style, -reverse ...) are taken as well.\n";

// Answered before the application object exists, so they need no display.
// Returns true when the argument was one of them.
bool AnswerInformation(std::string_view argument) {
    if (argument == "--version") {
        std::printf("ignition-programmer %s\n", IGN_VERSION);
        return true;
    }
    if (argument == "--help") {
        std::fputs(kUsage, stdout);
        return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (AnswerInformation(argv[i])) return 0;
    // Before any thread exists, so that a stop signal reaches the window's watch only.
    ign::QuitSignals::BlockForWatching();
    ign::Application app(argc, argv);
    // Start-up errors are shown like any other; the program still ends normally.
    try {
        ign::TFormHlav window;
        if (window.QuitRequested()) return 0;  // told to stop during start-up: closed and saved already
        window.show();
        ign::Application::exec();
    } catch (const std::exception& error) {
        ign::Application::ShowError(QString::fromLocal8Bit(error.what()));
    }
    return 0;
}
