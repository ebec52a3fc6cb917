// The window's side of the settings file: what it shows and holds, to and from
// the stored state.
#include "Application.h"
#include "Hlav.h"
#include "Settings.h"
#include "SettingsLocation.h"

#include <QLabel>
#include <QTabWidget>

namespace ign {
namespace {

// Paths and the file label are stored in the platform's 8-bit encoding.
QString FromStored(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}
std::string ToStored(const QString& text) { return text.toLocal8Bit().toStdString(); }

}  // namespace

void TFormHlav::LoadSettings() {
    WindowState state = settings_;
    state.left = x();
    state.top = y();
    state.useCom2 = useCom2_ ? 1 : 0;
    state.language = languageCode_;
    ign::LoadSettings(*settingsFile_, state, set_.ignition, set_.injection);
    settings_ = state;

    move(state.left, state.top);
    useCom2_ = state.useCom2 != 0;
    languageCode_ = state.language;
    Child<QLabel>("LabelFile2")->setText(FromStored(state.fileLabel));
    parameterFilePath_ = FromStored(state.parameterFilePath);
    SetDialogFileNames(parameterFilePath_);
    Child<QTabWidget>("PageControl1")->setCurrentIndex(state.page - 1);
}

void TFormHlav::SaveSettings() {
    WindowState state = settings_;
    // A window never shown (told to quit during start-up) has no frame yet to
    // measure its position by: it stays where it was placed.
    if (isVisible()) {
        state.left = x();
        state.top = y();
    }
    state.useCom2 = useCom2_ ? 1 : 0;
    state.language = languageCode_;
    state.fileLabel = ToStored(Child<QLabel>("LabelFile2")->text());
    state.parameterFilePath = ToStored(parameterFilePath_);
    state.page = Child<QTabWidget>("PageControl1")->currentIndex() + 1;
    const bool setAsideBefore = !settingsFile_->SetAsidePath().empty();
    const bool saved = ign::SaveSettings(*settingsFile_, state, set_.ignition, set_.injection);
    if (!setAsideBefore) SayOnStandardError(SettingsSetAsideNote(*settingsFile_));
    if (!saved) ShowMessage(FromStored(SettingsWriteErrorText(*settingsFile_)));
}

}  // namespace ign
