// What the device link shows in the window: the progress row, the unit's
// identification after a Read, and the Monitor page.
#include "Hlav.h"
#include "Messages.h"
#include "Monitor.h"

#include <QLabel>
#include <QProgressBar>

namespace ign {

void TFormHlav::showStatus(MessageId id) {
    // The language of the moment: a text already shown stays as it is after a switch.
    auto* label = Child<QLabel>("LabelHlaseni");
    label->setText(QString::fromUtf8(MessageText(id, languageCode_)));
    label->show();
}

void TFormHlav::hideStatus() { HideProgress(); }

void TFormHlav::setProgress(int position) { Child<QProgressBar>("ProgressBar1")->setValue(position); }

void TFormHlav::showProgress(bool visible) { Child<QProgressBar>("ProgressBar1")->setVisible(visible); }

void TFormHlav::readCompleted() {
    SetUnitIdentification(link_.identification());
    RefreshEditors();
}

void TFormHlav::monitorUpdated() {
    const Monitor& monitor = link_.monitor();
    for (int i = 0; i < kMonitorLabelCount; ++i) {
        const auto line = static_cast<MonitorLabel>(i);
        const std::string name(LabelInfo(line).objectName);
        auto* label = Child<QLabel>(name.c_str());
        const QString text = QString::fromUtf8(monitor.text(line));
        // Most frames change a few lines; leave the rest alone so nothing is laid out again.
        if (label->text() != text) label->setText(text);
    }
}

}  // namespace ign
