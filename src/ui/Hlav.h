#pragma once

#include "DeviceImageCodec.h"
#include "EditorBindings.h"
#include "Link.h"
#include "LinkView.h"
#include "ParameterSet.h"
#include "ProfileFile.h"
#include "SerialLine.h"
#include "Settings.h"

#include <QMainWindow>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

class QCloseEvent;
class QShowEvent;
class QPoint;
class QSize;
class QFileDialog;
class QPixmap;
class QPrinter;
class QTimer;
class QWidget;

namespace ign {

class FieldBox;
class HintHandler;
class QuitSignals;

// The main window. It owns the parameter set and everything else that lives as
// long as the program; the pages are built by their own units (Page*.cpp), the
// menu commands live in Menu.cpp, the editor bindings in Editors.cpp.
class TFormHlav : public QMainWindow, private LinkView {
    Q_OBJECT

public:
    // Opens the system port (or the simulated unit) behind a port name; null when it cannot.
    using LineOpener = std::function<std::unique_ptr<SerialLine>(const QString& portName)>;

    explicit TFormHlav(QWidget* parent = nullptr);
    // With a line opener of the caller's own, so a test can put a unit of its own behind a port name.
    explicit TFormHlav(LineOpener openLine, QWidget* parent = nullptr);
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
    // The path alone: the text beside "File:" is LabelFile2's own, since a Read clears only the label.
    const QString& ParameterFilePath() const { return parameterFilePath_; }
    void SetParameterFilePath(const QString& path) { parameterFilePath_ = path; }
    Link& DeviceLink() { return link_; }
    // The open line, null while the program runs without a port.
    SerialLine* Line() const { return line_.get(); }
    // Texts of the unit's program from the last completed read; shown by RefreshEditors.
    void SetUnitIdentification(const UnitIdentification& id) { unitIdentification_ = id; }

    // The names the Open and Save dialogs start with. The settings give both at
    // start-up; a Save hands its path to the Open dialog and an Open to the Save dialog.
    const QString& OpenDialogFileName() const { return openDialogFileName_; }
    const QString& SaveDialogFileName() const { return saveDialogFileName_; }
    void SetDialogFileNames(const QString& path) {
        openDialogFileName_ = path;
        saveDialogFileName_ = path;
    }

    // Seams for tests (FileCommands.cpp, Print.cpp). A dialog runner shows the
    // configured dialog and returns the chosen path, "" when cancelled; a printer
    // source returns the printer to use, null when there is none.
    using FileDialogRunner = std::function<QString(QFileDialog&)>;
    using PrinterSource = std::function<std::unique_ptr<QPrinter>()>;
    void SetFileDialogRunner(FileDialogRunner runner) { fileDialogRunner_ = std::move(runner); }
    void SetPrinterSource(PrinterSource source) { printerSource_ = std::move(source); }

    // Shows a message box titled with the program's name, in front of the window;
    // once the program has been told to quit, nobody would answer it, so the
    // text goes to standard error instead.
    void ShowMessage(const QString& text);
    // Where the window opens on a first start, and where a stored position nobody could see is moved.
    static QPoint FirstStartPosition();
    // Whether a quit signal has come; one during start-up has closed the window already.
    bool QuitRequested() const { return quitRequested_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
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
    // The window opens as big as it takes to show everything (FitToContent, at
    // construction), within the room of its screen (FitToScreen, when first
    // shown), and shrinks far below that (WindowSize.cpp).
    void FitToContent();
    void FitToScreen();
    QSize SizeShowingEverything() const;
    QSize ClientContentSize() const;  // below the menu bar, above the status line

    // A numeric field by its text box name, created and registered for the table walk.
    FieldBox* MakeField(const char* editName);

    // Editors.cpp: the controls' own handlers and the effects of a refresh.
    void CheckBox5Click(bool checked);
    void CheckBoxGasClick(bool checked);
    void ComboBox1Change(int index);
    void ShowExcitationColour();
    void ShowGasFields();

    // FileCommands.cpp and Print.cpp.
    QString AskForPath(QFileDialog& dialog);
    void BuildPrintParts();
    // The current language's text of one of the program's own messages (OwnText), for an error to carry.
    std::string OwnMessage(const char* name) const;
    void PrintWindowImage(QPrinter& printer);
    QPixmap ClientImage();

    void UpdatePortMarks();
    void HideProgress();
    // DeviceCommands.cpp.
    void PrepareDeviceImage();
    void ProgramLiveChange();
    // Closes the window as the close box does, when the session or a signal ends the program.
    void CloseForQuit();
    void WatchForQuit();
    void QuitFromOutside();
    void FinishStartUp();

    // LinkView: what the device link shows (LinkDisplay.cpp).
    void showStatus(MessageId id) override;
    void hideStatus() override;
    void setProgress(int position) override;
    void showProgress(bool visible) override;
    void readCompleted() override;
    void monitorUpdated() override;
    void StoreLanguage(std::uint8_t code);

    ParameterSet set_{};
    std::uint8_t languageCode_ = 0;
    bool useCom2_ = false;
    QString parameterFilePath_;
    UnitIdentification unitIdentification_;
    QString openDialogFileName_;
    QString saveDialogFileName_;
    FileDialogRunner fileDialogRunner_;  // empty: the real dialog
    PrinterSource printerSource_;        // empty: the system's default printer
    LineOpener openLine_;
    std::optional<ProfileFile> settingsFile_;
    WindowState settings_;  // what the settings carry that the window keeps nowhere else
    bool closed_ = false;
    bool fittedToScreen_ = false;
    bool starting_ = true;  // until the constructor has run FormCreate
    bool quitRequested_ = false;
    QuitSignals* quitSignals_ = nullptr;
    std::unique_ptr<SerialLine> line_;
    Link link_{set_, nullptr, this};

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
