// The link's opt-in ways wired into the window.
#include "Hlav.h"
#include "QuickLinkFeature.h"

namespace ign {

void TFormHlav::BuildQuickLink() {
    quickLink_ =
        std::make_unique<QuickLinkFeature>(link_, *this, *actions_.Tools, [this] { return languageCode_; });
    connect(this, &TFormHlav::settingsLoaded, quickLink_.get(), &QuickLinkFeature::loadSettings);
    connect(this, &TFormHlav::ticked, quickLink_.get(), &QuickLinkFeature::showPending);
    connect(this, &TFormHlav::languageChanged, quickLink_.get(), &QuickLinkFeature::showPending);
}

void TFormHlav::LiveProgram() { quickLink_->LiveProgram(Parameters()); }

}  // namespace ign
