// What the device link shows in the window: the progress row, and the set and
// the unit's identification after a Read.
#include "Messages.h"
#include "window/Hlav.h"
#include "window/PageEditors.h"
#include "window/ProgressArea.h"

namespace ign {

void TFormHlav::showStatus(MessageId id) {
    // The language of the moment: a text already shown stays as it is after a switch.
    progress_->ShowStatus(QString::fromUtf8(MessageText(id, languageCode_)));
}

void TFormHlav::hideStatus() { HideProgress(); }

void TFormHlav::setProgress(int position) { progress_->SetProgress(position); }

void TFormHlav::showProgress(bool visible) { progress_->ShowBar(visible); }

// The link has unpacked and validated what the unit holds: the set becomes
// the document's as one step, before any other view of the link hears of it,
// and the link packs its image again once the editors show it.
void TFormHlav::readCompleted() {
    unitIdentification_ = link_.identification();
    pageEditors_->SetIdentification(unitIdentification_);
    document_.Arrived(ChangeCause::Read, link_.parameters());
}

}  // namespace ign
