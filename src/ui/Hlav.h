#pragma once

#include "DeviceImageCodec.h"
#include "EditorBindings.h"
#include "ParameterSet.h"

#include <QMainWindow>
#include <QString>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

class QCloseEvent;
class QTimer;
class QWidget;

namespace ign {

class FieldBox;
class HintHandler;

// The main window. It owns the parameter set and everything else that lives as
// long as the program; the pages are built by their own units (Page*.cpp), the
// menu commands live in Menu.cpp, the editor bindings in Editors.cpp.
class TFormHlav : public QMainWindow {
    Q_OBJECT

public:
    explicit TFormHlav(QWidget* parent = nullptr);
    ~TFormHlav() override;

    // Start-up and close sequences. The constructor runs FormCreate once the
    // window is complete; FormClose runs on every close, however it is asked for.
    void FormCreate();
    void FormClose();
    void Timer1Timer();

    // The edit cycle and its two halves: controls -> blocks -> controls.
    void ReadEditors();
    void RefreshEditors();
    void EditCycle();

    // Languages: each applies its table and keeps the language code.
    void ApplyEnglish();
    void ApplyCzech();
    void ApplyGerman();
    void ApplyLanguage(std::uint8_t code);  // by a stored code; an unknown code applies nothing

    // Menu commands (Menu.cpp). Items and tool buttons that do the same share a handler.
    void MenuNewClick();
    void MenuOpenClick();
    void MenuSaveClick();
    void SpeedButtonPrintClick();
    void MenuExitClick();
    void MenuCom1Click();
    void MenuCom2Click();
    void MenuReadClick();
    void MenuVerifyClick();
    void MenuProgramClick();
    void CurveMinusClick();
    void CurvePlusClick();
    void ButtonJetMinusClick();
    void ButtonJetPlusClick();
    void MenuEnglishClick();
    void MenuCzechClick();
    void MenuGermanClick();
    void MenuContensClick();
    void MenuAboutClick();

    // Live adjustment controls on the injection pages; column is 1..10.
    void CSpinButtonUpClick(int column);
    void CSpinButtonDownClick(int column);
    void BitBtnTps0Click();
    void BitBtnTps100Click();

    // The serial port and the settings file; filled in when those parts join.
    void OpenPort();
    void ClosePort();
    void LoadSettings();
    void SaveSettings();
    // One step of the device link, run by every timer tick.
    void LinkTick();

    ParameterSet& Parameters() { return set_; }
    const ParameterSet& Parameters() const { return set_; }
    std::uint8_t LanguageCode() const { return languageCode_; }
    void SetLanguageCode(std::uint8_t code) { languageCode_ = code; }
    bool UseCom2() const { return useCom2_; }
    void SetUseCom2(bool useCom2) { useCom2_ = useCom2; }
    const QString& ParameterFilePath() const { return parameterFilePath_; }
    void SetParameterFilePath(const QString& path);
    // Texts of the unit's program from the last completed read; shown by RefreshEditors.
    void SetUnitIdentification(const UnitIdentification& id) { unitIdentification_ = id; }

    // Shows a message box titled with the program's name, in front of the window.
    void ShowMessage(const QString& text);

    // The ticks' time base; never stopped or changed.
    static constexpr int kTimerIntervalMs = 55;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction (Hlav.cpp and one unit per area).
    void BuildWindow();
    void BuildMenus();
    QWidget* BuildToolArea();
    QWidget* BuildProgressArea();
    QWidget* BuildIgnitionPage();
    QWidget* BuildInjection1Page();
    QWidget* BuildInjection2Page();
    QWidget* BuildInjection3Page();
    QWidget* BuildMonitorPage();
    void ConnectSignals();
    // A control by its objectName; a missing one is a construction error.
    template <typename T>
    T* Child(const char* name) const;
    void FitToContent();

    // A numeric field by its text box name, created and registered for the table walk.
    FieldBox* MakeField(const char* editName);

    // Editors.cpp: the controls' own handlers and the effects of a refresh.
    void CheckBox5Click(bool checked);
    void CheckBoxGasClick(bool checked);
    void ComboBox1Change(int index);
    void ShowExcitationColour();
    void ShowGasFields();

    void UpdatePortMarks();
    void HideProgress();
    void StoreLanguage(std::uint8_t code);

    ParameterSet set_{};
    std::uint8_t languageCode_ = 0;
    bool useCom2_ = false;
    QString parameterFilePath_;
    UnitIdentification unitIdentification_;

    std::vector<FieldBox*> fields_;  // parallel to EditorFields()
    QTimer* timer_ = nullptr;
    HintHandler* hintHandler_ = nullptr;
};

template <typename T>
T* TFormHlav::Child(const char* name) const {
    T* child = findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr) throw std::logic_error(std::string("the window has no control named ") + name);
    return child;
}

}  // namespace ign
