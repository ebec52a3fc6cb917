#pragma once

#include "DeviceImageCodec.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;

namespace ign {

class EditorBinding;

// The page "Ignition": both curves, the limiters and the machine list, the
// activation inputs, excitation and tachometer, the gas function, the
// program in the unit and the current file's name.
class IgnitionPage : public QWidget {
    Q_OBJECT

public:
    IgnitionPage(EditorBinding& editors, QWidget* parent);

    // What a refresh shows beyond the bound controls.
    void ShowExcitation(bool on);  // "Excitation High" red while the flag is on
    void ShowGasFields(bool on);   // the four gas fields and their labels only while the function is on
    void ShowIdentification(const UnitIdentification& id);

    // The text beside "File:", which a Read clears and the settings carry.
    QString FileName() const;
    void SetFileName(const QString& text);
    void ClearFileName();

signals:
    void machineChosen(int index);
    void excitationClicked(bool checked);
    void gasEnableClicked(bool checked);

private:
    int AddCurves(EditorBinding& editors, QGridLayout& grid);  // the number of columns they take
    QGroupBox* MakeOther(EditorBinding& editors);
    QGroupBox* MakeActivation(EditorBinding& editors);
    QGroupBox* MakeGas(EditorBinding& editors);
    QGroupBox* MakeOutputs(EditorBinding& editors);
    QHBoxLayout* MakeUnitRow();
    QHBoxLayout* MakeFileRow();

    QComboBox* machines_ = nullptr;
    QCheckBox* excitation_ = nullptr;
    QCheckBox* gasEnable_ = nullptr;
    std::array<QWidget*, 8> gasControls_{};  // the four fields, then their labels
    std::array<QLabel*, 3> unitLabels_{};    // version, date, time
    QLabel* fileName_ = nullptr;
};

}  // namespace ign
