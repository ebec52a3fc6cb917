// What the device link shows in the window: the progress row, the unit's
// identification after a Read, and the Monitor page.
#include "Hlav.h"
#include "Messages.h"
#include "MonitorPage.h"
#include "ProgressArea.h"

namespace ign {

void TFormHlav::showStatus(MessageId id) {
    // The language of the moment: a text already shown stays as it is after a switch.
    progress_->ShowStatus(QString::fromUtf8(MessageText(id, languageCode_)));
}

void TFormHlav::hideStatus() { HideProgress(); }

void TFormHlav::setProgress(int position) { progress_->SetProgress(position); }

void TFormHlav::showProgress(bool visible) { progress_->ShowBar(visible); }

// The link has unpacked and validated what the unit holds; it packs the image
// again once the editors show it.
void TFormHlav::readCompleted() {
    unitIdentification_ = link_.identification();
    document_.Arrived(ChangeCause::Read);
}

void TFormHlav::monitorUpdated() { monitorPage_->Show(link_.monitor()); }

}  // namespace ign
