#include "Hlav.h"
#include "LiveAdjust.h"
#include "Validation.h"

#include <QLabel>

namespace ign {

void TFormHlav::PrepareDeviceImage() {
    ReadEditors();
    ValidateParameters(set_);
    RefreshEditors();
    PackDeviceImage(set_);
}

void TFormHlav::MenuReadClick() {
    // The editors are not taken: what comes from the unit replaces them anyway.
    link_.StartRead();
    // The set no longer comes from the file; its path stays for the dialogs.
    Child<QLabel>("LabelFile2")->clear();
}

void TFormHlav::MenuVerifyClick() {
    PrepareDeviceImage();
    link_.StartVerify();
}

void TFormHlav::MenuProgramClick() {
    PrepareDeviceImage();
    link_.StartProgram();
}

// ---- live adjustment --------------------------------------------------------

void TFormHlav::ProgramLiveChange() {
    RefreshEditors();
    link_.StartLiveProgram();
}

void TFormHlav::CurveMinusClick() {
    ReadEditors();
    ValidateParameters(set_);
    if (CurveMinus(set_)) ProgramLiveChange();
}

void TFormHlav::CurvePlusClick() {
    ReadEditors();
    ValidateParameters(set_);
    if (CurvePlus(set_)) ProgramLiveChange();
}

void TFormHlav::ButtonJetMinusClick() {
    ReadEditors();
    if (JetMinus(set_.injection)) ProgramLiveChange();
}

void TFormHlav::ButtonJetPlusClick() {
    ReadEditors();
    if (JetPlus(set_.injection)) ProgramLiveChange();
}

void TFormHlav::CSpinButtonUpClick(int column) {
    ReadEditors();
    if (JetColumnPlus(set_.injection, column - 1)) ProgramLiveChange();
}

void TFormHlav::CSpinButtonDownClick(int column) {
    ReadEditors();
    if (JetColumnMinus(set_.injection, column - 1)) ProgramLiveChange();
}

// The calibrations take the voltage the unit reports now; the editors are not read.
void TFormHlav::BitBtnTps0Click() {
    if (SetTps0(set_.injection, link_.monitor().MeasuredTpsMv())) ProgramLiveChange();
}

void TFormHlav::BitBtnTps100Click() {
    if (SetTps100(set_.injection, link_.monitor().MeasuredTpsMv())) ProgramLiveChange();
}

}  // namespace ign
