// The ways the program is ended from outside the window. Each one closes the
// window as the close box does, so the port is closed and the settings saved.
#include "app/QuitSignals.h"
#include "window/Hlav.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QSessionManager>

namespace ign {

void TFormHlav::WatchForQuit() {
    // First of all, so that a signal during a slow start-up is read as soon as
    // any event loop runs (a start-up message box has one).
    quitSignals_ = new QuitSignals(this);
    connect(quitSignals_, &QuitSignals::quitRequested, this, &TFormHlav::QuitFromOutside);
    // A desktop session that ends asks the program to save first; quitting by
    // any other road still passes aboutToQuit.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &TFormHlav::CloseForQuit);
    connect(qGuiApp, &QCoreApplication::aboutToQuit, this, &TFormHlav::CloseForQuit);
}

void TFormHlav::CloseForQuit() {
    if (!closed_) close();
}

void TFormHlav::QuitFromOutside() {
    // Nobody is there to answer a message box or a file dialog: each is
    // cancelled, and texts that would open one go to standard error.
    quitRequested_ = true;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog != nullptr && dialog->isVisible())
            dialog->done(QDialog::Rejected);
    }
    // During start-up the window closes once FormCreate has finished.
    if (!starting_) CloseForQuit();
}

void TFormHlav::FinishStartUp() {
    starting_ = false;
    // A signal that came while a start-up message box was open, or while no
    // event loop ran at all: the window closes before it is ever shown.
    quitSignals_->poll();
    if (quitRequested_) CloseForQuit();
}

}  // namespace ign
