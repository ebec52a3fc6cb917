#include "Application.h"
#include "Hlav.h"
#include "QuitSignals.h"

#include <exception>

int main(int argc, char** argv) {
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
