// The monitor logs wired into the window.
#include "CompareWindow.h"
#include "DatalogSettings.h"
#include "Hlav.h"
#include "LogFeature.h"
#include "LogRecorder.h"
#include "LogSetStamp.h"
#include "MapGeometry.h"
#include "UnitMatchField.h"

#include <QMenu>

namespace ign {
namespace {

std::string_view LogUnitState(UnitMatch state) {
    switch (state) {
        case UnitMatch::UnitEqualsWindow:
            return kLogUnitEqualsWindow;
        case UnitMatch::ChangedSinceProgram:
            return kLogChangedSinceProgram;
        case UnitMatch::UnitDiffers:
            return kLogUnitDiffers;
        case UnitMatch::UnitNotChecked:
            break;
    }
    return kLogUnitNotChecked;
}

}  // namespace

void TFormHlav::BuildLogs() {
    LogViewerWindow::Sources sources{
        [this] { return MapSpeedAxis(Parameters().injection); },
        [this] { return logs_->recorder().settings().cells; },
        [this] { return QString::fromStdU16String(logs_->recorder().folder().u16string()); },
        [this](int lambdaDelayMs) {
            DatalogSettings settings = logs_->recorder().settings();
            settings.cells.lambdaDelayMs = lambdaDelayMs;
            logs_->recorder().setSettings(settings);
        },
    };
    logs_ = std::make_unique<LogFeature>(link_, *this, *actions_.Tools, *actions_.View, std::move(sources),
                                         [this] { return languageCode_; });
    // The set the window holds, as Save would write it, and what the field says of the unit then.
    logs_->recorder().setSetSource([this]() -> std::optional<LogSetAtStart> {
        const auto* field = findChild<UnitMatchField*>();
        const UnitMatch state = field != nullptr ? field->State() : UnitMatch::UnitNotChecked;
        return LogSetAtStart{Parameters(), std::string(LogUnitState(state))};
    });
    // The set behind the log is a parameter file like any other: the compare window's File side.
    connect(logs_->viewer(), &LogViewerWindow::compareSetRequested, compare_.get(),
            [this](const QString& path) {
                compare_->SetSide(0, CompareWindow::Source::File, path);
                compare_->SetSide(1, CompareWindow::Source::Window);
                compare_->Open();
            });
    connect(this, &TFormHlav::ticked, logs_.get(), &LogFeature::tick);
    connect(this, &TFormHlav::settingsLoaded, logs_.get(), &LogFeature::loadSettings);
    connect(this, &TFormHlav::settingsStoring, logs_.get(), &LogFeature::storeSettings);
    connect(this, &TFormHlav::languageChanged, logs_.get(), &LogFeature::retranslate);
}

}  // namespace ign
