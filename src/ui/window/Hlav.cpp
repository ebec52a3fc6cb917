#include "window/Hlav.h"

#include "New.h"
#include "SettingsLocation.h"
#include "Tick.h"
#include "UserSettingsFile.h"
#include "app/Application.h"
#include "language/ApplyLanguage.h"
#include "language/CaptionRoom.h"
#include "language/Jazyk1.h"
#include "language/Jazyk2.h"
#include "language/Jazyk3.h"
#include "language/NewTexts.h"
#include "language/QtTranslations.h"
#include "pages/FieldBox.h"
#include "pages/IgnitionPage.h"
#include "pages/Injection1Page.h"
#include "pages/Injection2Page.h"
#include "pages/Injection3Page.h"
#include "pages/MonitorPage.h"
#include "port/PortProbeRun.h"
#include "window/AccessKeys.h"
#include "window/FittedMessage.h"
#include "window/HintHandler.h"
#include "window/PageEditors.h"
#include "window/ProgressArea.h"
#include "window/ReadBeforeProgram.h"
#include "window/ToolArea.h"
#include "window/ToolIcons.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

namespace ign {

TFormHlav::TFormHlav(QWidget* parent) : TFormHlav(PortConnection::Opener{}, parent) {}

TFormHlav::TFormHlav(LineOpener openLine, QWidget* parent)
    : TFormHlav(
          [openLine = std::move(openLine)](const QString& name, PortFacts& why) {
              auto line = openLine(name);
              // An opener of this kind says nothing about why: the message names the port alone.
              if (line == nullptr) {
                  why = PortFacts{};
                  why.port = name.toStdString();
              }
              return line;
          },
          parent) {}

TFormHlav::TFormHlav(PortConnection::Opener openPort, QWidget* parent)
    : TFormHlav(std::move(openPort), FeatureFilter{}, parent) {}

// The one order the window is built in: the window and its designed parts, the
// port, the connections, then FormCreate: the settings and the starting set,
// the features (which find the document begun and the menus complete, and
// then read their sections of the settings), the port opened, the language.
TFormHlav::TFormHlav(PortConnection::Opener openPort, FeatureFilter build, QWidget* parent)
    : QMainWindow(parent) {
    linkClock_.start();
    link_.setClock([this] { return linkClock_.elapsed(); });
    WatchForQuit();
    BuildWindow();
    BuildPortParts(std::move(openPort));
    ConnectSignals();
    settingsFile_.emplace(OpenUserSettingsFile());
    SayOnStandardError(SettingsReadNote(*settingsFile_));
    timer_->start();
    build_ = std::move(build);
    FormCreate();
    FinishStartUp();
}

TFormHlav::~TFormHlav() {
    if (hintHandler_ != nullptr) qApp->removeEventFilter(hintHandler_);
    // Destroying the controls moves the focus, and a field that loses it must
    // not run the edit cycle on a window that is half gone.
    for (FieldBox* box : editors_.Fields()) {
        box->disconnect(this);
        box->TextBox()->removeEventFilter(this);
    }
}

void TFormHlav::BuildWindow() {
    setObjectName(QStringLiteral("FormHlav"));
    setWindowTitle(QStringLiteral("Programming of Ignition"));
    setWindowIcon(WindowIcon());
    qtTranslations_ = new QtTranslations(this);
    actions_ = BuildMenuBar(*this);

    // Everything below the menu bar scrolls but the progress row and the
    // status line, so a window smaller than its contents (a small screen,
    // large fonts) keeps every control within reach and a device run's
    // outcome in sight.
    auto* frame = new QWidget(this);
    auto* rows = new QVBoxLayout(frame);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    client_ = new QScrollArea(frame);
    client_->setObjectName(QStringLiteral("ClientArea"));
    client_->setFrameShape(QFrame::NoFrame);
    client_->setWidgetResizable(true);
    // Tabbing goes from control to control; the area itself is nothing to stop at.
    client_->setFocusPolicy(Qt::NoFocus);
    auto* central = new QWidget(client_);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(4);
    tools_ = new ToolArea(this);
    layout->addWidget(tools_);

    pages_ = new QTabWidget(central);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    ignitionPage_ = new IgnitionPage(editors_, this);
    pages_->addTab(ignitionPage_, QStringLiteral("Ignition"));
    injection1Page_ = new Injection1Page(editors_, this);
    pages_->addTab(injection1Page_, QStringLiteral("Injection 1"));
    pages_->addTab(new Injection2Page(editors_, this), QStringLiteral("Injection 2"));
    injection3Page_ = new Injection3Page(editors_, this);
    pages_->addTab(injection3Page_, QStringLiteral("Injection 3"));
    monitorPage_ = new MonitorPage(this);
    pages_->addTab(monitorPage_, QStringLiteral("Monitor"));
    link_.addView(monitorPage_);
    pageEditors_ = std::make_unique<PageEditors>(editors_, *ignitionPage_);
    document_.SetEditorsOf(pageEditors_.get());
    // The style's default margins inside the groups take room the pages need.
    for (QGroupBox* group : pages_->findChildren<QGroupBox*>())
        if (QLayout* inside = group->layout()) inside->setContentsMargins(5, 3, 5, 5);
    // A row of the tables that no page made is a mistake in the program; every window test meets it here.
    if (const char* missing = editors_.Unmade()) qFatal("no page made the control %s", missing);
    layout->addWidget(pages_, 1);
    client_->setWidget(central);
    rows->addWidget(client_, 1);
    progress_ = new ProgressArea(frame);
    progress_->setContentsMargins(4, 0, 4, 2);
    rows->addWidget(progress_);
    setCentralWidget(frame);

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(status);
    BuildPrintParts();

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(kTickMs);
    timer_->setTimerType(Qt::PreciseTimer);

    ReserveRoomForEveryCaption(*this, {&EnglishTable(), &CzechTable(), &GermanTable(), &NewTextTable(0),
                                       &NewTextTable(1), &NewTextTable(2)});
    FitToContent();
}

void TFormHlav::FitToContent() {
    resize(SizeShowingEverything());
    move(FirstStartPosition());
}

// ---- connections ------------------------------------------------------------

template <typename... Args>
auto TFormHlav::Guarded(void (TFormHlav::*handler)(Args...)) {
    return [this, handler](Args... args) { RunGuarded([&] { (this->*handler)(args...); }); };
}

void TFormHlav::RunGuarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (...) {
        Application::ShowCaughtError();
    }
}

namespace {

using Handler = void (TFormHlav::*)();

struct ActionCommand {
    QAction* WindowActions::*action;
    Handler handler;
};
struct ButtonCommand {
    QAbstractButton* ToolArea::*button;
    Handler handler;
};

// Marks the text box of a field that runs the edit cycle when clicked into.
constexpr const char* kCycleOnClick = "cycleOnClick";

}  // namespace

void TFormHlav::ConnectSignals() {
    // Menu items and the buttons that share their handlers.
    static constexpr ActionCommand kActionCommands[] = {
        {&WindowActions::New, &TFormHlav::MenuNewClick},
        {&WindowActions::Open, &TFormHlav::MenuOpenClick},
        {&WindowActions::Save, &TFormHlav::MenuSaveClick},
        {&WindowActions::Print, &TFormHlav::SpeedButtonPrintClick},
        {&WindowActions::Exit, &TFormHlav::MenuExitClick},
        {&WindowActions::Com1, &TFormHlav::MenuCom1Click},
        {&WindowActions::Com2, &TFormHlav::MenuCom2Click},
        {&WindowActions::Read, &TFormHlav::MenuReadClick},
        {&WindowActions::Verify, &TFormHlav::MenuVerifyClick},
        {&WindowActions::Program, &TFormHlav::MenuProgramClick},
        {&WindowActions::CurveMinus, &TFormHlav::CurveMinusClick},
        {&WindowActions::CurvePlus, &TFormHlav::CurvePlusClick},
        {&WindowActions::JetMinus, &TFormHlav::ButtonJetMinusClick},
        {&WindowActions::JetPlus, &TFormHlav::ButtonJetPlusClick},
        {&WindowActions::English, &TFormHlav::MenuEnglishClick},
        {&WindowActions::Czech, &TFormHlav::MenuCzechClick},
        {&WindowActions::German, &TFormHlav::MenuGermanClick},
        {&WindowActions::Contens, &TFormHlav::MenuContensClick},
        {&WindowActions::About, &TFormHlav::MenuAboutClick},
    };
    static constexpr ButtonCommand kButtonCommands[] = {
        {&ToolArea::newButton, &TFormHlav::MenuNewClick},
        {&ToolArea::openButton, &TFormHlav::MenuOpenClick},
        {&ToolArea::saveButton, &TFormHlav::MenuSaveClick},
        {&ToolArea::printButton, &TFormHlav::SpeedButtonPrintClick},
        {&ToolArea::readButton, &TFormHlav::MenuReadClick},
        {&ToolArea::verifyButton, &TFormHlav::MenuVerifyClick},
        {&ToolArea::programButton, &TFormHlav::MenuProgramClick},
        {&ToolArea::curveMinusButton, &TFormHlav::CurveMinusClick},
        {&ToolArea::curvePlusButton, &TFormHlav::CurvePlusClick},
        {&ToolArea::jetMinusButton, &TFormHlav::ButtonJetMinusClick},
        {&ToolArea::jetPlusButton, &TFormHlav::ButtonJetPlusClick},
    };
    for (const ActionCommand& command : kActionCommands)
        connect(actions_.*command.action, &QAction::triggered, this, Guarded(command.handler));
    for (const ButtonCommand& command : kButtonCommands)
        connect(tools_->*command.button, &QAbstractButton::clicked, this, Guarded(command.handler));

    const std::vector<EditorField>& all = EditorFields();
    for (std::size_t i = 0; i < all.size(); ++i) {
        FieldBox* box = editors_.Fields()[i];
        connect(box, &FieldBox::stepped, this, [this, box] { RunGuarded([this, box] { FieldCycle(box); }); });
        // Enter takes the text as leaving the box would, and the box keeps the focus.
        connect(box, &FieldBox::entered, this, [this, box] {
            RunGuarded([this, box] {
                FieldCycle(box);
                box->selectAll();
            });
        });
        connect(box, &FieldBox::escaped, this, [this, box] { editors_.RefreshField(*box, Parameters()); });
        if (TriggerOf(all[i].page) == CycleTrigger::OnLeave) {
            // editingFinished also comes when a dialog takes the focus; only
            // moving to another control of the window counts.
            connect(box, &FieldBox::editingFinished, this, [this, box] {
                if (box->leftForAnotherControl()) RunGuarded([this, box] { FieldCycle(box); });
            });
        } else {
            // The box's frame around its text is the text box too, as far as a click goes.
            for (QWidget* part : {static_cast<QWidget*>(box), static_cast<QWidget*>(box->TextBox())}) {
                part->setProperty(kCycleOnClick, true);
                part->installEventFilter(this);
            }
        }
    }

    connect(ignitionPage_, &IgnitionPage::excitationClicked, this, Guarded(&TFormHlav::CheckBox5Click));
    connect(ignitionPage_, &IgnitionPage::gasEnableClicked, this, Guarded(&TFormHlav::CheckBoxGasClick));
    connect(ignitionPage_, &IgnitionPage::machineChosen, this, Guarded(&TFormHlav::ComboBox1Change));
    connect(injection1Page_, &Injection1Page::columnUp, this, Guarded(&TFormHlav::CSpinButtonUpClick));
    connect(injection1Page_, &Injection1Page::columnDown, this, Guarded(&TFormHlav::CSpinButtonDownClick));
    connect(injection3Page_, &Injection3Page::tps0Clicked, this, Guarded(&TFormHlav::BitBtnTps0Click));
    connect(injection3Page_, &Injection3Page::tps100Clicked, this, Guarded(&TFormHlav::BitBtnTps100Click));
    connect(timer_, &QTimer::timeout, this, Guarded(&TFormHlav::Timer1Timer));
}

bool TFormHlav::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && watched->property(kCycleOnClick).toBool()) {
        auto* box = qobject_cast<const FieldBox*>(watched);
        // A press on the arrows steps the box, and the step runs the cycle itself.
        if (box != nullptr && box->OnArrows(static_cast<QMouseEvent*>(event)->position().toPoint()))
            return QMainWindow::eventFilter(watched, event);
        if (box == nullptr) box = qobject_cast<const FieldBox*>(watched->parent());
        RunGuarded([this, box] { FieldCycle(box); });
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- life cycle -------------------------------------------------------------

void TFormHlav::FormCreate() {
    hintHandler_ = new HintHandler(*this);
    qApp->installEventFilter(hintHandler_);
    // The set the program starts with is no step: nobody is there to be told yet.
    ParameterSet start = Parameters();
    ApplyMachineDefaults(start);
    LoadSettings(start);
    document_.Begin(start);
    BuildFeatures(build_);
    build_ = nullptr;
    emit events_.settingsLoaded(*settingsFile_);
    monitorPage_->ShowLinesHiddenInDesign();
    RefreshEditors();
    OpenPort();
    UpdatePortMarks();
    ApplyLanguage(languageCode_);
    HideProgress();
}

void TFormHlav::FormClose() {
    ClosePort();
    // The editors taken and validated, as the settings are to store them; the window is going, nothing is
    // shown.
    document_.TakeEditors(ChangeCause::Edit, ParameterDocument::Validation::First, {},
                          ParameterDocument::Show::Nothing);
    emit events_.closing();
    SaveSettings();
}

void TFormHlav::closeEvent(QCloseEvent* event) {
    // Whatever asks for the close (Exit, the close box, the system), the set is
    // taken from the fields and stored; the close itself is never refused.
    RunGuarded([this] { FormClose(); });
    closed_ = true;
    event->accept();
}

void TFormHlav::showEvent(QShowEvent* event) {
    closed_ = false;
    // The screen is known once the settings have placed the window.
    if (!fittedToScreen_) {
        fittedToScreen_ = true;
        FitToScreen();
    }
    QMainWindow::showEvent(event);
}

void TFormHlav::Timer1Timer() {
    LinkTick();
    emit events_.ticked();
}

void TFormHlav::LinkTick() {
    SerialLine* const before = Line();
    port_->Tick();
    if (Line() != before) emit events_.portChanged();
    link_.tick();
    readBefore_->Tick();
}

void TFormHlav::HideProgress() { progress_->Hide(); }

void TFormHlav::UpdatePortMarks() {
    actions_.Com1->setChecked(!useCom2_);
    actions_.Com2->setChecked(useCom2_);
}

void TFormHlav::ShowMessage(const QString& text) { ShowMessage(text, QString()); }

void TFormHlav::ShowMessage(const QString& text, const QString& informative) {
    if (quitRequested_) {
        SayOnStandardError(text.toLocal8Bit().toStdString());
        if (!informative.isEmpty()) SayOnStandardError(informative.toLocal8Bit().toStdString());
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, ProgramTitle(), text, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("Message"));
    SetInformativeText(box, informative, screen()->availableGeometry().width());
    box.exec();
}

// ---- languages --------------------------------------------------------------

void TFormHlav::StoreLanguage(std::uint8_t code) {
    qtTranslations_->Use(code);
    ApplyLanguageTable(*this, NewTextTable(code));
    languageCode_ = code;
    GiveMenuBarTheAccessKeys(*this);
    emit events_.languageChanged(code);
}

void TFormHlav::ApplyEnglish() { StoreLanguage(ApplyLanguageTable(*this, EnglishTable())); }
void TFormHlav::ApplyCzech() { StoreLanguage(ApplyLanguageTable(*this, CzechTable())); }
void TFormHlav::ApplyGerman() { StoreLanguage(ApplyLanguageTable(*this, GermanTable())); }

void TFormHlav::ApplyLanguage(std::uint8_t code) {
    // A code no table knows keeps the texts the window was built with.
    switch (code) {
        case 0:
            ApplyEnglish();
            break;
        case 1:
            ApplyCzech();
            break;
        case 2:
            ApplyGerman();
            break;
        default:
            break;
    }
}

void TFormHlav::MenuEnglishClick() { ApplyEnglish(); }
void TFormHlav::MenuCzechClick() { ApplyCzech(); }
void TFormHlav::MenuGermanClick() { ApplyGerman(); }

}  // namespace ign
