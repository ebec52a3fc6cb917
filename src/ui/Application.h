#pragma once

#include <QApplication>
#include <QString>
#include <string_view>

namespace ign {

// The title of every message box the program shows.
QString ProgramTitle();

// "ignition-programmer: <line>" on standard error; nothing for an empty line.
void SayOnStandardError(std::string_view line);

// The application object. An error that escapes an event handler ends up here:
// it is shown in a message box with its text and the program carries on.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows an error's text in a message box over the active window.
    static void ShowError(const QString& text);
};

}  // namespace ign
