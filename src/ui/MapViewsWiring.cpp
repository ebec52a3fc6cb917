// The map views beside the pages: what they are given of the window.
#include "Hlav.h"
#include "MapViews.h"
#include "OperatingPointView.h"

namespace ign {

void TFormHlav::BuildMapViews() {
    MapTableWindow::Hooks hooks{
        [this] { return line_ != nullptr; },
        // The end of the injection "+" and "-" buttons' change: the set into the unit.
        [this] { link_.StartLiveProgram(); },
        [this] { return languageCode_; },
    };
    mapViews_ = new MapViews(editors_, document_, *actions_.View, std::move(hooks), *this);
    link_.addView(&mapViews_->OperatingPoint());
}

}  // namespace ign
