#include "New.h"
#include "app/AboutText.h"
#include "window/Hlav.h"

namespace ign {

void TFormHlav::MenuNewClick() {
    // The file name, port, language and page stay as they are; nothing is validated.
    document_.Apply(ChangeCause::New, [](ParameterSet& set) {
        ApplyMachineDefaults(set);
        return true;
    });
    HideProgress();
}

void TFormHlav::MenuExitClick() { close(); }

void TFormHlav::MenuContensClick() { ShowMessage(HelpNotAvailableText()); }

void TFormHlav::MenuAboutClick() { ShowMessage(AboutText(languageCode_, __DATE__, __TIME__)); }

void TFormHlav::MenuCom1Click() {
    // A checkable item toggles itself before we get here; the port choice decides.
    if (!useCom2_) {
        UpdatePortMarks();
        return;
    }
    useCom2_ = false;
    UpdatePortMarks();
    ClosePort();
    OpenPort();
}

void TFormHlav::MenuCom2Click() {
    if (useCom2_) {
        UpdatePortMarks();
        return;
    }
    useCom2_ = true;
    UpdatePortMarks();
    ClosePort();
    OpenPort();
}

}  // namespace ign
