#include "Application.h"

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
    } catch (const std::exception& error) {
        ShowError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowError(QStringLiteral("Unknown error"));
    }
    return false;
}

void Application::ShowError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, ProgramTitle(), text, QMessageBox::Ok, activeWindow());
    box.setObjectName(QStringLiteral("ErrorMessage"));
    box.exec();
}

}  // namespace ign
