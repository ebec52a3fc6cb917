// The map views beside the pages: what they are given of the window.
#include "CurvesWindow.h"
#include "Hlav.h"
#include "LogFeature.h"
#include "LogViewerWindow.h"
#include "MapViews.h"
#include "NewTexts.h"
#include "OperatingPointOverlay.h"
#include "OperatingPointView.h"

#include <QMenu>

#include <memory>
#include <optional>
#include <utility>

namespace ign {

void TFormHlav::BuildMapViews() {
    // Apart from the logs' windows, when they are there.
    if (!actions_.View->isEmpty()) actions_.View->addSeparator();
    MapTableWindow::Hooks hooks{
        [this] { return port_->IsOpen(); },
        // The end of the injection "+" and "-" buttons' change: the set into the unit.
        [this] { LiveProgram(); },
        [this] { return languageCode_; },
    };
    mapViews_ = new MapViews(editors_, document_, *actions_.View, std::move(hooks), *this);
    connect(this, &TFormHlav::languageChanged, &mapViews_->Curves(), &CurvesWindow::Retranslate);
    link_.addView(&mapViews_->OperatingPoint());

    // A log played back: the viewer's cursor puts a marker of its own on the
    // map, labelled, beside the live one, which it leaves alone. While the
    // viewer is open the marker stays where the cursor stands (a point not
    // given again fades like a stream that stopped).
    auto replay = std::make_shared<std::optional<std::pair<double, double>>>();
    OperatingPointOverlay& map = mapViews_->OperatingPoint().ReplayOverlay();
    const auto tag = [&map](std::uint8_t code) {
        map.setMarkerStyle(QColor(0xe6, 0x00, 0x7e), NewTextOf("ReplayMarkerLabel", code));
    };
    tag(languageCode_);
    connect(this, &TFormHlav::languageChanged, &map, tag);
    LogViewerWindow* viewer = logs_->viewer();
    connect(viewer, &LogViewerWindow::operatingPoint, &map, [replay, &map](double rpm, double throttle) {
        *replay = std::pair{rpm, throttle};
        map.setOperatingPoint(rpm, throttle);
    });
    connect(this, &TFormHlav::ticked, &map, [replay, &map, viewer] {
        if (!*replay) return;
        if (viewer->isVisible()) {
            map.setOperatingPoint((*replay)->first, (*replay)->second);
        } else {
            replay->reset();
            map.clearOperatingPoint();
        }
    });
}

}  // namespace ign
