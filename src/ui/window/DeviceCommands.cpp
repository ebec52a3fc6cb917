#include "LiveAdjust.h"
#include "history/HistoryFeature.h"
#include "history/RestorePointRecorder.h"
#include "pages/IgnitionPage.h"
#include "pages/MonitorPage.h"
#include "port/QuickLinkFeature.h"
#include "window/Hlav.h"
#include "window/ReadBeforeProgram.h"

namespace ign {

void TFormHlav::PrepareDeviceImage() {
    document_.EditCycle();
    link_.Use(Parameters());
}

void TFormHlav::MenuReadClick() {
    // The editors are not taken: what comes from the unit replaces them anyway.
    link_.StartRead(Parameters());
    // The set no longer comes from the file; its path stays for the dialogs.
    ignitionPage_->ClearFileName();
    emit events_.fileNameCleared();
    emit events_.deviceCommandStarted(TransferMode::Read);
}

void TFormHlav::MenuVerifyClick() {
    PrepareDeviceImage();
    link_.StartVerify();
    emit events_.deviceCommandStarted(TransferMode::Verify);
}

void TFormHlav::MenuProgramClick() {
    PrepareDeviceImage();
    readBefore_->Program();
}

// A live change's set into the unit, the quick way when that is on.
void TFormHlav::LiveProgram() {
    if (auto* quick = Find<QuickLinkFeature>()) {
        quick->LiveProgram(Parameters());
    } else {
        link_.Use(Parameters());
        link_.StartProgram();
    }
}

void TFormHlav::StartProgram() {
    link_.StartProgram();
    emit events_.deviceCommandStarted(TransferMode::Program);
}

// ---- live adjustment --------------------------------------------------------

void TFormHlav::ProgramLiveChange(ChangeCause cause, ParameterDocument::Validation validation,
                                  const ParameterDocument::Change& change) {
    if (document_.TakeEditors(cause, validation, change)) LiveProgram();
}

void TFormHlav::CurveMinusClick() {
    ProgramLiveChange(ChangeCause::Live, ParameterDocument::Validation::First,
                      [](ParameterSet& set) { return CurveMinus(set); });
}

void TFormHlav::CurvePlusClick() {
    ProgramLiveChange(ChangeCause::Live, ParameterDocument::Validation::First,
                      [](ParameterSet& set) { return CurvePlus(set); });
}

void TFormHlav::ButtonJetMinusClick() {
    ProgramLiveChange(ChangeCause::Live, ParameterDocument::Validation::None,
                      [](ParameterSet& set) { return JetMinus(set.injection); });
}

void TFormHlav::ButtonJetPlusClick() {
    ProgramLiveChange(ChangeCause::Live, ParameterDocument::Validation::None,
                      [](ParameterSet& set) { return JetPlus(set.injection); });
}

void TFormHlav::CSpinButtonUpClick(int column) {
    ProgramLiveChange(ChangeCause::Live, ParameterDocument::Validation::None,
                      [column](ParameterSet& set) { return JetColumnPlus(set.injection, column - 1); });
}

void TFormHlav::CSpinButtonDownClick(int column) {
    ProgramLiveChange(ChangeCause::Live, ParameterDocument::Validation::None,
                      [column](ParameterSet& set) { return JetColumnMinus(set.injection, column - 1); });
}

// The calibrations take the voltage the unit reports now; the editors are not read,
// and a voltage out of the point's range does nothing at all.
void TFormHlav::BitBtnTps0Click() {
    const std::uint16_t measured = monitorPage_->monitor().MeasuredTpsMv();
    if (document_.Apply(ChangeCause::SetTps,
                        [measured](ParameterSet& set) { return SetTps0(set.injection, measured); }))
        LiveProgram();
}

void TFormHlav::BitBtnTps100Click() {
    const std::uint16_t measured = monitorPage_->monitor().MeasuredTpsMv();
    if (document_.Apply(ChangeCause::SetTps,
                        [measured](ParameterSet& set) { return SetTps100(set.injection, measured); }))
        LiveProgram();
}

}  // namespace ign
