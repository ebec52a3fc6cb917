#include "window/PageEditors.h"

#include "pages/IgnitionPage.h"
#include "window/EditorBinding.h"

namespace ign {

void PageEditors::ReadEditors(ParameterSet& set) { editors_.ReadEditors(set); }

void PageEditors::RefreshEditors(const ParameterSet& set) {
    editors_.RefreshEditors(set);
    ignition_.ShowExcitation(set.ignition.EXCITATION != 0);
    ignition_.ShowGasFields(set.ignition.GasEnable != 0);
    ignition_.ShowIdentification(identification_);
}

}  // namespace ign
