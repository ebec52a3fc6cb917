#include "app/Application.h"

#include <QMessageBox>
#include <cstdio>
#include <exception>

namespace ign {

QString ProgramTitle() { return QStringLiteral("Ignition Programmer"); }

void SayOnStandardError(std::string_view line) {
    if (line.empty()) return;
    std::fprintf(stderr, "ignition-programmer: %.*s\n", static_cast<int>(line.size()), line.data());
    std::fflush(stderr);
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowCaughtError();
    }
    return false;
}

void Application::ShowCaughtError() {
    // Our own texts are UTF-8, the translated ones included.
    try {
        throw;
    } catch (const std::exception& error) {
        ShowError(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowError(QStringLiteral("Unknown error"));
    }
}

void Application::ShowError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, ProgramTitle(), text, QMessageBox::Ok, activeWindow());
    box.setObjectName(QStringLiteral("ErrorMessage"));
    box.exec();
}

}  // namespace ign
