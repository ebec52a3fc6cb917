#pragma once

#include "EditorBinding.h"
#include "Link.h"
#include "LinkView.h"
#include "ParameterDocument.h"
#include "PortConnection.h"
#include "ProfileFile.h"
#include "SerialLine.h"
#include "Settings.h"
#include "SideRead.h"
#include "WindowActions.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

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
class LogFeature;
class QuickLinkFeature;
class Injection1Page;
class Injection3Page;
class MapViews;
class MonitorPage;
class PageEditors;
class OwnText;
class ProgressArea;
class QuitSignals;
class RestorePointRecorder;
class ToolArea;
class CompareWindow;
class UndoCommands;
class ConnectionField;
class PortDialog;
class PortTest;
class QtTranslations;

// The main window. It owns the parameter set (through its document), the
// device link and everything else that lives as long as the program, builds
// the pages, the menus and the rows around them, and wires them: every
// connection is made in ConnectSignals. The pages are classes of their own,
// the menu commands live in Menu.cpp, FileCommands.cpp and DeviceCommands.cpp.
class TFormHlav : public QMainWindow, private LinkView {
    Q_OBJECT

public:
    // Opens the system port (or the simulated unit) behind a port name; null when it cannot.
    using LineOpener = std::function<std::unique_ptr<SerialLine>(const QString& portName)>;

    explicit TFormHlav(QWidget* parent = nullptr);
    // With a line opener of the caller's own, so a test can put a unit of its own behind a port name.
    explicit TFormHlav(LineOpener openLine, QWidget* parent = nullptr);
    // With a port opener that also says why a port would not open.
    explicit TFormHlav(PortConnection::Opener openPort, QWidget* parent = nullptr);
    ~TFormHlav() override;

    // Start-up and close sequences. The constructor runs FormCreate once the
    // window is complete; FormClose runs on every close, however it is asked for.
    void FormCreate();
    void FormClose();
    void Timer1Timer();

    // The window that compares two sets (Edit, Compare...); made with the window.
    CompareWindow& Comparison() { return *compare_; }

    // The set and the one place every change of it passes through.
    ParameterDocument& Document() { return document_; }
    const ParameterSet& Parameters() const { return document_.Parameters(); }
    // The set as the editors show it now, text typed but not yet taken included.
    ParameterSet ShownParameters();
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

    // The serial port and the settings file.
    void OpenPort();
    void ClosePort();
    // The stored state into the window, and the stored set into `set`.
    void LoadSettings(ParameterSet& set);
    void SaveSettings();
    // The sections of later features, after the program's own (SaveSettings).
    void StoreFeatureSettings(ProfileFile& file);
    // One step of the device link, run by every timer tick.
    void LinkTick();

    std::uint8_t LanguageCode() const { return languageCode_; }
    void SetLanguageCode(std::uint8_t code) { languageCode_ = code; }
    bool UseCom2() const { return useCom2_; }
    void SetUseCom2(bool useCom2) { useCom2_ = useCom2; }
    // The path alone: the text beside "File:" is the Ignition page's own, since a Read clears only the label.
    const QString& ParameterFilePath() const { return parameterFilePath_; }
    void SetParameterFilePath(const QString& path) { parameterFilePath_ = path; }
    Link& DeviceLink() { return link_; }
    // The open line, null while the program runs without a port.
    SerialLine* Line() const { return port_->Line(); }
    // The chosen port, kept open (PortConnection.h); its field at the right of the status line.
    const PortConnection& Port() const { return *port_; }
    // The monitor logs: recorder, live chart, log viewer.
    LogFeature& Logs() { return *logs_; }

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
    using PortDialogRunner = std::function<int(PortDialog&)>;
    void SetPortDialogRunner(PortDialogRunner runner) { portDialogRunner_ = std::move(runner); }
    // The Com menu's port dialog (Port.cpp).
    void MenuPortsClick();

    // Shows a message box titled with the program's name, in front of the window;
    // once the program has been told to quit, nobody would answer it, so the
    // text goes to standard error instead.
    void ShowMessage(const QString& text);
    // The same with a second, smaller text under the first.
    void ShowMessage(const QString& text, const QString& informative);
    // Where the window opens on a first start, and where a stored position nobody could see is moved.
    static QPoint FirstStartPosition();
    // Whether a quit signal has come; one during start-up has closed the window already.
    bool QuitRequested() const { return quitRequested_; }

signals:
    // Read, Verify or Program was given and its first frame is out; how it
    // ends the link tells its views. A live adjustment's programming is none
    // of these.
    void deviceCommandStarted(ign::TransferMode mode);
    // The port was opened, chosen anew, lost or found again: what the unit holds is unknown.
    void portChanged();
    // A language table was applied; `code` is the language now shown.
    void languageChanged(std::uint8_t code);
    // The set was just opened from a parameter file or saved to one.
    void setMatchesFile();
    // The set was just restored from the restore point at `path`.
    void setRestored(const QString& path);
    // The set no longer comes from a file: "File:" shows none.
    void fileNameCleared();
    // Every timer tick, after the link's step.
    void ticked();
    // The settings file has been read into the window; features read their sections now.
    void settingsLoaded(const ign::ProfileFile& file);
    // The settings are being stored; features store their sections now, after the specified ones.
    void settingsStoring(ign::ProfileFile& file);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction (Hlav.cpp) and the one place where signals are connected.
    void BuildWindow();
    void BuildPrintParts();
    void ConnectSignals();
    // The Edit menu's features: undo and redo, compare.
    void BuildEditFeatures();
    // The monitor logs: recorder, live chart and log viewer (LogWiring.cpp).
    void BuildLogs();
    // The heat colours, the live operating point and the map's table editor (MapViewsWiring.cpp).
    void BuildMapViews();
    void BuildQuickLink();
    // A live change's set into the unit, as the link's opt-in ways say.
    void LiveProgram();
    // No error of a handler goes on into Qt: each handler Qt calls runs inside
    // Guarded, which shows the error's text in the error box right there.
    template <typename... Args>
    auto Guarded(void (TFormHlav::*handler)(Args...));
    void RunGuarded(const std::function<void()>& handler);

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
    QString AskForPath(QFileDialog& dialog);
    bool ApplyParameterFile(ChangeCause cause, const QString& path);
    void PrintWindowImage(QPrinter& printer);
    QPixmap ClientImage();

    void UpdatePortMarks();
    // The port dialog, the connection field and the reopening of the port, wired (Port.cpp).
    void BuildPortParts(PortConnection::Opener openPort);
    void ShowPortFailure(PortFacts facts);
    void ShowConnection();
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
    // Restore points, the history window and the unit-match field (HistoryWiring.cpp).
    void WireHistory();
    // File, "Tune sheet...": the sheet of the set with its note (TuneSheetWiring.cpp).
    void WireTuneSheet();
    void RestoreFromPoint(const QString& path);
    // Program proper, and the read of the unit aside that may come before it (ReadBeforeProgram).
    void StartProgram();
    void SideReadTick();

    // LinkView: what the device link shows (LinkDisplay.cpp).
    void showStatus(MessageId id) override;
    void hideStatus() override;
    void setProgress(int position) override;
    void showProgress(bool visible) override;
    void readCompleted() override;
    void StoreLanguage(std::uint8_t code);

    ParameterDocument document_;
    std::uint8_t languageCode_ = 0;
    bool useCom2_ = false;
    QString parameterFilePath_;
    UnitIdentification unitIdentification_;  // from the last completed read; shown by every refresh
    QString openDialogFileName_;
    QString saveDialogFileName_;
    FileDialogRunner fileDialogRunner_;  // empty: the real dialog
    PrinterSource printerSource_;        // empty: the system's default printer
    PortDialogRunner portDialogRunner_;  // empty: the real dialog
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
    ConnectionField* connectionField_ = nullptr;
    // Follows the link while it tests: it goes before the link and the port do.
    std::unique_ptr<PortTest> portTest_;
    // Follows the link, so it goes before the link does.
    std::unique_ptr<LogFeature> logs_;
    // Follows the link too.
    std::unique_ptr<QuickLinkFeature> quickLink_;

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
    // Last, so they go first: they follow the document and the link, which must outlive them.
    std::unique_ptr<UndoCommands> undo_;
    std::unique_ptr<CompareWindow> compare_;
    RestorePointRecorder* restorePoints_ = nullptr;
    // The unit read aside between a Program's click and its start, with ReadBeforeProgram.
    struct ReadAside {
        ParameterSet set{};
        SerialLine* line = nullptr;  // the line it reads over; another one ends it
        std::unique_ptr<SideRead> read;
    } beforeProgram_;
    MapViews* mapViews_ = nullptr;
};

}  // namespace ign
