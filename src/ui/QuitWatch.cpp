// The ways the program is ended from outside the window. Each one closes the
// window as the close box does, so the port is closed and the settings saved.
#include "Hlav.h"
#include "QuitSignals.h"

#include <QGuiApplication>
#include <QSessionManager>

namespace ign {

void TFormHlav::WatchForQuit() {
    connect(new QuitSignals(this), &QuitSignals::quitRequested, this, &TFormHlav::CloseForQuit);
    // A desktop session that ends asks the program to save first; quitting by
    // any other road still passes aboutToQuit.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &TFormHlav::CloseForQuit);
    connect(qGuiApp, &QCoreApplication::aboutToQuit, this, &TFormHlav::CloseForQuit);
}

void TFormHlav::CloseForQuit() {
    if (!closed_) close();
}

}  // namespace ign
