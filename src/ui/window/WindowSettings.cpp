// The window's side of the settings file: what it shows and holds, to and from
// the stored state.
#include "Settings.h"
#include "SettingsLocation.h"
#include "WindowPlacement.h"
#include "app/Application.h"
#include "pages/IgnitionPage.h"
#include "window/Hlav.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <limits>
#include <vector>

namespace ign {
namespace {

// Paths and the file label are stored in the platform's 8-bit encoding.
QString FromStored(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}
std::string ToStored(const QString& text) { return text.toLocal8Bit().toStdString(); }

// Whether a stored position shows any of the title bar on a screen.
bool PlacedOnAScreen(const QWidget& window, QPoint stored) {
    // A position that leaves no part of the title bar on any screen would open
    // the window where nobody can see or drag it, and store it there again at
    // close: it opens where the first start opens it instead.
    std::vector<Area> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->geometry();
        screens.push_back({area.x(), area.y(), area.width(), area.height()});
    }
    const int titleHeight = window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    return TitleBarOnAScreen(stored.x(), stored.y(), window.frameGeometry().width(), titleHeight, screens);
}

// A position the settings file holds, both of its numbers.
bool PositionStored(const ProfileFile& file) {
    constexpr int kNone = std::numeric_limits<int>::min();
    return file.ReadInteger("FORM_HLAV", "Left", kNone) != kNone &&
           file.ReadInteger("FORM_HLAV", "Top", kNone) != kNone;
}

}  // namespace

QPoint TFormHlav::FirstStartPosition() {
    const WindowState firstStart;
    return {firstStart.left, firstStart.top};
}

void TFormHlav::LoadSettings(ParameterSet& set) {
    WindowState state = settings_;
    state.left = x();
    state.top = y();
    state.useCom2 = useCom2_ ? 1 : 0;
    state.language = languageCode_;
    ign::LoadSettings(*settingsFile_, state, set.ignition, set.injection);
    // Without a position of its own the window opens as on a first start, and is sized there (FitToScreen).
    firstStart_ = !PositionStored(*settingsFile_) || !PlacedOnAScreen(*this, QPoint(state.left, state.top));
    const QPoint placed = firstStart_ ? FirstStartPosition() : QPoint(state.left, state.top);
    state.left = placed.x();
    state.top = placed.y();
    settings_ = state;

    move(placed);
    useCom2_ = state.useCom2 != 0;
    languageCode_ = state.language;
    ignitionPage_->SetFileName(FromStored(state.fileLabel));
    parameterFilePath_ = FromStored(state.parameterFilePath);
    SetDialogFileNames(parameterFilePath_);
    pages_->setCurrentIndex(state.page - 1);
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
    state.fileLabel = ToStored(ignitionPage_->FileName());
    state.parameterFilePath = ToStored(parameterFilePath_);
    state.page = pages_->currentIndex() + 1;
    const bool setAsideBefore = !settingsFile_->SetAsidePath().empty();
    const bool saved = ign::SaveSettings(*settingsFile_, state, Parameters().ignition, Parameters().injection,
                                         [this](ProfileFile& file) { emit events_.settingsStoring(file); });
    if (!setAsideBefore) SayOnStandardError(SettingsSetAsideNote(*settingsFile_));
    if (!saved) ShowMessage(FromStored(SettingsWriteErrorText(*settingsFile_)));
}

}  // namespace ign
