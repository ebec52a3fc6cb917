// The monitor logs wired into the window.
#include "DatalogSettings.h"
#include "Hlav.h"
#include "LogFeature.h"
#include "LogRecorder.h"
#include "MapGeometry.h"

#include <QMenu>

namespace ign {

void TFormHlav::BuildLogs() {
    LogViewerWindow::Sources sources{
        [this] { return MapSpeedAxis(Parameters().injection); },
        [this] { return logs_->recorder().settings().cells; },
        [this] { return QString::fromStdU16String(logs_->recorder().folder().u16string()); },
    };
    logs_ = std::make_unique<LogFeature>(link_, *this, *actions_.Tools, *actions_.View, std::move(sources),
                                         [this] { return languageCode_; });
    connect(this, &TFormHlav::ticked, logs_.get(), &LogFeature::tick);
    connect(this, &TFormHlav::settingsLoaded, logs_.get(), &LogFeature::loadSettings);
    connect(this, &TFormHlav::settingsStoring, logs_.get(), &LogFeature::storeSettings);
    connect(this, &TFormHlav::languageChanged, logs_.get(), &LogFeature::retranslate);
}

}  // namespace ign
