#include "Application.h"
#include "Hlav.h"

#include <exception>

int main(int argc, char** argv) {
    ign::Application app(argc, argv);
    // Start-up errors are shown like any other; the program still ends normally.
    try {
        ign::TFormHlav window;
        window.show();
        ign::Application::exec();
    } catch (const std::exception& error) {
        ign::Application::ShowError(QString::fromLocal8Bit(error.what()));
    }
    return 0;
}
