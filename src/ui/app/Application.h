#pragma once

#include <QApplication>
#include <QString>
#include <string_view>

namespace ign {

// The title of every message box the program shows.
QString ProgramTitle();

// "ignition-programmer: <line>" on standard error; nothing for an empty line.
void SayOnStandardError(std::string_view line);

// The application object. The window's handlers show their own errors where
// they happen (TFormHlav::RunGuarded), so none of them goes on into Qt; what
// a control's own event() throws with nothing of ours around it ends up here,
// shown the same way, and the program carries on.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows an error's text in a message box over the active window.
    static void ShowError(const QString& text);
    // The same for the exception being handled; only inside a catch block.
    static void ShowCaughtError();
};

}  // namespace ign
