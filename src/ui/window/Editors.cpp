// The edit events: the cycle the fields run and the controls with handlers of
// their own.
#include "New.h"
#include "pages/FieldBox.h"
#include "pages/IgnitionPage.h"
#include "window/Hlav.h"

namespace ign {

void TFormHlav::RefreshEditors() { document_.Refresh(); }

ParameterSet TFormHlav::ShownParameters() {
    ParameterSet shown = Parameters();
    editors_.ReadEditors(shown);
    return shown;
}

void TFormHlav::EditCycle() { document_.EditCycle(); }

void TFormHlav::FieldCycle(const FieldBox* box) {
    struct Own {
        EditorBinding& editors;
        ~Own() { editors.SetOwnCycle(nullptr); }
    } own{editors_};
    editors_.SetOwnCycle(box);
    EditCycle();
}

// The two check boxes write their flag at once and show its effect; no cycle.
void TFormHlav::CheckFlag(ChangeCause cause, Byte IgnitionBlock::*flag, bool checked) {
    document_.Apply(
        cause,
        [flag, checked](ParameterSet& set) {
            set.ignition.*flag = checked ? 1 : 0;
            return true;
        },
        ParameterDocument::Show::Nothing);
}

void TFormHlav::CheckBox5Click(bool checked) {
    CheckFlag(ChangeCause::Excitation, &IgnitionBlock::EXCITATION, checked);
    ignitionPage_->ShowExcitation(Parameters().ignition.EXCITATION != 0);
}

void TFormHlav::CheckBoxGasClick(bool checked) {
    CheckFlag(ChangeCause::GasEnable, &IgnitionBlock::GasEnable, checked);
    ignitionPage_->ShowGasFields(Parameters().ignition.GasEnable != 0);
}

// Another machine: its keying and trigger width, shown at once; the editors are not read.
void TFormHlav::ComboBox1Change(int index) {
    document_.Apply(ChangeCause::Machine, [index](ParameterSet& set) {
        set.ignition.KEYING = index < 0 ? Byte{255} : static_cast<Byte>(index);
        ApplyMachineTriggerWidth(set.ignition);
        return true;
    });
}

}  // namespace ign
