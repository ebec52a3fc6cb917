#pragma once

#include "Link.h"
#include "LinkView.h"
#include "ParameterDocument.h"
#include "PortConnection.h"
#include "ProfileFile.h"
#include "SerialLine.h"
#include "Settings.h"
#include "window/EditorBinding.h"
#include "window/FeatureHost.h"
#include "window/WindowActions.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

class QCloseEvent;
class QFileDialog;
class QLabel;
class QPixmap;
class QPoint;
class QPrinter;
class QScrollArea;
class QShowEvent;
class QSize;
class QTabWidget;
class QTimer;

namespace ign {

class FieldBox;
class HintHandler;
class IgnitionPage;
class Injection1Page;
class Injection3Page;
class MonitorPage;
class PageEditors;
class OwnText;
class ProgressArea;
class QuitSignals;
class ToolArea;
class ConnectionField;
class PortDialog;
class PortProbeRun;
class ReadBeforeProgram;
class QtTranslations;

// The main window, the program's composition root. It owns the parameter set
// (through its document), the device link and its port, builds the pages, the
// menus and the rows around them and connects them (ConnectSignals), then
// builds the features (BuildFeatures), each of which reaches the window only
// through the FeatureHost it is handed. The construction order is stated once,
// in the constructor. The pages are classes of their own; the menu commands
// live in Menu.cpp, FileCommands.cpp and DeviceCommands.cpp.
class TFormHlav : public QMainWindow, private LinkView, private FeatureHost {
    Q_OBJECT

public:
    // Opens the system port (or the simulated unit) behind a port name; null when it cannot.
    using LineOpener = std::function<std::unique_ptr<SerialLine>(const QString& portName)>;

    explicit TFormHlav(QWidget* parent = nullptr);
    // With a line opener of the caller's own, so a test can put a unit of its own behind a port name.
    explicit TFormHlav(LineOpener openLine, QWidget* parent = nullptr);
    // With a port opener that also says why a port would not open.
    explicit TFormHlav(PortConnection::Opener openPort, QWidget* parent = nullptr);
    // Decides for each feature, given its type, whether the window builds it; a test leaves one out.
    using FeatureFilter = std::function<bool(const std::type_info& feature)>;
    TFormHlav(PortConnection::Opener openPort, FeatureFilter build, QWidget* parent = nullptr);
    ~TFormHlav() override;

    // Start-up and close sequences. The constructor runs FormCreate once the
    // window is complete; FormClose runs on every close, however it is asked for.
    void Timer1Timer();

    // A feature of the window; null when it was built without it.
    using FeatureHost::Find;
    // What the window tells its features.
    HostEvents& Events() override { return events_; }

    // The set and the one place every change of it passes through.
    ParameterDocument& Document() override { return document_; }
    const ParameterSet& Parameters() const { return document_.Parameters(); }
    // The set as the editors show it now, text typed but not yet taken included.
    ParameterSet ShownParameters() override;
    // The set into the editors again; no step.
    void RefreshEditors();

    // Languages: each applies its table and keeps the language code.
    void ApplyEnglish();
    void ApplyCzech();
    void ApplyGerman();
    void ApplyLanguage(std::uint8_t code);  // by a stored code; an unknown code applies nothing

    // Menu commands. Items and tool buttons that do the same share a handler.
    void MenuNewClick();
    void MenuOpenClick();
    void MenuSaveClick();
    void MenuReadClick();
    void MenuVerifyClick();
    void MenuProgramClick();
    void CurvePlusClick();
    void MenuAboutClick();

    // Live adjustment controls on the injection pages; column is 1..10.
    void CSpinButtonUpClick(int column);

    // The serial port and the settings file.
    // The stored state into the window, and the stored set into `set`.
    // One step of the device link, run by every timer tick.

    std::uint8_t LanguageCode() const { return languageCode_; }
    void SetLanguageCode(std::uint8_t code) { languageCode_ = code; }
    // The path alone: the text beside "File:" is the Ignition page's own, since a Read clears only the label.
    const QString& ParameterFilePath() const { return parameterFilePath_; }
    void SetParameterFilePath(const QString& path) { parameterFilePath_ = path; }
    Link& DeviceLink() override { return link_; }
    // The open line, null while the program runs without a port.
    SerialLine* Line() const { return port_->Line(); }
    // The chosen port, kept open (PortConnection.h); its field at the right of the status line.
    const PortConnection& Port() const { return *port_; }

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
    // Shows the port dialog and returns its result (QDialog::Accepted when OK); a test fills it in instead.
    void SetPortDialogRunner(std::function<int(PortDialog&)> runner);
    // The clock the port's retries and its protocol watch go by, in ms; a steady clock unless a test sets
    // one.
    void SetPortClock(PortConnection::Clock clock) { port_->SetClock(std::move(clock)); }
    // The Com menu's port dialog (Port.cpp).

    // Shows a message box titled with the program's name, in front of the window;
    // once the program has been told to quit, nobody would answer it, so the
    // text goes to standard error instead.
    // The same with a second, smaller text under the first.
    // Where the window opens on a first start, and where a stored position nobody could see is moved.
    // Whether a quit signal has come; one during start-up has closed the window already.
    bool QuitRequested() const { return quitRequested_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormClose();
    void SpeedButtonPrintClick();
    void MenuExitClick();
    void MenuCom1Click();
    void MenuCom2Click();
    void CurveMinusClick();
    void ButtonJetMinusClick();
    void ButtonJetPlusClick();
    void MenuEnglishClick();
    void MenuCzechClick();
    void MenuGermanClick();
    void MenuContensClick();
    void CSpinButtonDownClick(int column);
    void BitBtnTps0Click();
    void BitBtnTps100Click();
    void OpenPort();
    void ClosePort();
    void LinkTick();
    void LoadSettings(ParameterSet& set);
    void SaveSettings();
    static QPoint FirstStartPosition();
    void ShowMessage(const QString& text, const QString& informative);
    void ShowMessage(const QString& text) override;
    // Construction (Hlav.cpp) and the one place where signals are connected.
    void BuildWindow();
    void BuildPrintParts();
    void ConnectSignals();
    // Every feature, one line each, in the order their menu items and settings sections stand.
    void BuildFeatures(const FeatureFilter& build);
    // A live change's set into the unit, as the link's opt-in ways say.
    void LiveProgram();
    // No error of a handler goes on into Qt: each handler Qt calls runs inside
    // Guarded, which shows the error's text in the error box right there.
    template <typename... Args>
    auto Guarded(void (TFormHlav::*handler)(Args...));
    void RunGuarded(const std::function<void()>& handler) override;

    // The window opens as big as it takes to show everything (FitToContent, at
    // construction), within the room of its screen (FitToScreen, when first
    // shown), and shrinks far below that (WindowSize.cpp).
    void FitToContent();
    void FitToScreen();
    QSize SizeShowingEverything() const;
    QSize ClientContentSize() const;  // below the menu bar, above the status line

    // The edit events (Editors.cpp): the cycle, and the controls with handlers of their own.
    void EditCycle();
    // The cycle a field runs itself (left, clicked into, stepped, Enter): that field keeps its caret.
    void FieldCycle(const FieldBox* box);
    void CheckFlag(ChangeCause cause, Byte IgnitionBlock::*flag, bool checked);
    void CheckBox5Click(bool checked);
    void CheckBoxGasClick(bool checked);
    void ComboBox1Change(int index);

    // FileCommands.cpp and Print.cpp.
    bool ApplyParameterFile(ChangeCause cause, const QString& path);
    void PrintWindowImage(QPrinter& printer);
    QPixmap ClientImage();

    void UpdatePortMarks();
    // The port dialog, the connection field and the reopening of the port, wired (Port.cpp).
    void BuildPortParts(PortConnection::Opener openPort);
    void ShowPortFailure(PortFacts facts);
    void HideProgress();
    // DeviceCommands.cpp.
    void PrepareDeviceImage();
    // A live adjustment through the document; when it stands, the unit is programmed.
    void ProgramLiveChange(ChangeCause cause, ParameterDocument::Validation validation,
                           const ParameterDocument::Change& change);
    // Closes the window as the close box does, when the session or a signal ends the program.
    void CloseForQuit();
    void WatchForQuit();
    void QuitFromOutside();
    void FinishStartUp();
    // FeatureHost: what the features are given of the window (Features.cpp).
    PortConnection& LineOwner() override { return *port_; }
    EditorBinding& Editors() override { return editors_; }
    MenuSection Menu(MenuSlot slot) override;
    QStatusBar& StatusLine() override;
    void AddStatusField(QWidget& field, StatusPlace place) override;
    QWidget& Window() override { return *this; }
    std::uint8_t Language() const override { return languageCode_; }
    bool TakeParameterFile(ChangeCause cause, const QString& path) override;
    QString AskForPath(QFileDialog& dialog) override;
    std::unique_ptr<QPrinter> ChoosePrinter() override;
    QString ShownFileName() const override;
    const UnitIdentification& Unit() const override { return unitIdentification_; }
    std::array<QString, 2> PortNames() const override;
    void ChoosePorts(const std::array<QString, 2>& names) override;
    Feature* FindFeature(const std::function<bool(Feature&)>& matches) override;
    // Program proper, after the read of the unit aside that may come before it (ReadBeforeProgram).
    void StartProgram();

    // LinkView: what the device link shows (LinkDisplay.cpp).
    void showStatus(MessageId id) override;
    void hideStatus() override;
    void setProgress(int position) override;
    void showProgress(bool visible) override;
    void readCompleted() override;
    void StoreLanguage(std::uint8_t code);

    HostEvents events_;
    ParameterDocument document_;
    std::uint8_t languageCode_ = 0;
    bool useCom2_ = false;
    QString parameterFilePath_;
    UnitIdentification unitIdentification_;  // from the last completed read; shown by every refresh
    QString openDialogFileName_;
    QString saveDialogFileName_;
    FileDialogRunner fileDialogRunner_;  // empty: the real dialog
    PrinterSource printerSource_;        // empty: the system's default printer
    std::optional<ProfileFile> settingsFile_;
    WindowState settings_;  // what the settings carry that the window keeps nowhere else
    bool closed_ = false;
    bool fittedToScreen_ = false;
    bool firstStart_ = true;  // no usable position stored: placed and sized as on a first start
    bool starting_ = true;    // until the constructor has run FormCreate
    bool quitRequested_ = false;
    QuitSignals* quitSignals_ = nullptr;
    // Stamps the monitor frames the link reads, from the window's start.
    QElapsedTimer linkClock_;
    Link link_{nullptr, this};
    std::unique_ptr<PortConnection> port_;

    // The controls, built by BuildWindow; the pages own theirs.
    EditorBinding editors_;
    // What the document reads and refreshes: the editors and what the ignition page shows beside them.
    std::unique_ptr<PageEditors> pageEditors_;
    WindowActions actions_;
    ToolArea* tools_ = nullptr;
    QScrollArea* client_ = nullptr;
    QTabWidget* pages_ = nullptr;
    IgnitionPage* ignitionPage_ = nullptr;
    Injection1Page* injection1Page_ = nullptr;
    Injection3Page* injection3Page_ = nullptr;
    MonitorPage* monitorPage_ = nullptr;
    ProgressArea* progress_ = nullptr;
    QLabel* printTime_ = nullptr;  // the date and time line of a print
    struct PrintMessages {
        OwnText* noPrinter = nullptr;
        OwnText* notStarted = nullptr;
        OwnText* imageFailed = nullptr;
        OwnText* notFinished = nullptr;
    } printMessages_;
    QTimer* timer_ = nullptr;
    HintHandler* hintHandler_ = nullptr;
    QtTranslations* qtTranslations_ = nullptr;  // Qt's own dialogs in the window's language
    // The unit read aside between a Program's click and its start; it borrows the port's line.
    std::unique_ptr<ReadBeforeProgram> readBefore_;
    std::vector<std::pair<StatusPlace, QWidget*>> statusFields_;
    FeatureFilter build_;  // until FormCreate has built the features
    // Last, so they go first: they follow the document, the link and the pages, which must outlive them.
    std::vector<std::unique_ptr<Feature>> features_;
};

}  // namespace ign
