#include "Hlav.h"

#include "AccessKeys.h"
#include "Application.h"
#include "ApplyLanguage.h"
#include "CaptionRoom.h"
#include "FieldBox.h"
#include "HintHandler.h"
#include "Jazyk1.h"
#include "Jazyk2.h"
#include "Jazyk3.h"
#include "Messages.h"
#include "MonitorLabels.h"
#include "New.h"
#include "OpenSerialLine.h"
#include "SettingsLocation.h"
#include "SpinButton.h"
#include "ToolIcons.h"
#include "UserSettingsFile.h"
#include "Validation.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QScrollArea>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <utility>

namespace ign {

TFormHlav::TFormHlav(QWidget* parent) : TFormHlav(LineOpener{}, parent) {}

TFormHlav::TFormHlav(LineOpener openLine, QWidget* parent)
    : QMainWindow(parent), openLine_(std::move(openLine)), fields_(EditorFields().size(), nullptr) {
    WatchForQuit();
    if (!openLine_) openLine_ = [](const QString& name) { return OpenSerialLine(name); };
    BuildWindow();
    ConnectSignals();
    parameterFilePath_.clear();
    settingsFile_.emplace(OpenUserSettingsFile());
    SayOnStandardError(SettingsReadNote(*settingsFile_));
    timer_->start();
    FormCreate();
    FinishStartUp();
}

TFormHlav::~TFormHlav() {
    if (hintHandler_ != nullptr) qApp->removeEventFilter(hintHandler_);
    // Destroying the controls moves the focus, and a field that loses it must
    // not run the edit cycle on a window that is half gone.
    for (FieldBox* box : fields_) {
        box->disconnect(this);
        box->findChild<QLineEdit*>()->removeEventFilter(this);
    }
}

void TFormHlav::BuildWindow() {
    setObjectName(QStringLiteral("FormHlav"));
    setWindowTitle(QStringLiteral("Programming of Ignition"));
    setWindowIcon(WindowIcon());
    BuildMenus();

    // Everything below the menu bar but the status line scrolls, so a window
    // smaller than its contents (a small screen, large fonts) keeps every
    // control within reach.
    auto* client = new QScrollArea(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFrameShape(QFrame::NoFrame);
    client->setWidgetResizable(true);
    auto* central = new QWidget(client);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(4);
    layout->addWidget(BuildToolArea());

    auto* pages = new QTabWidget(central);
    pages->setObjectName(QStringLiteral("PageControl1"));
    pages->addTab(BuildIgnitionPage(), QStringLiteral("Ignition"));
    pages->addTab(BuildInjection1Page(), QStringLiteral("Injection 1"));
    pages->addTab(BuildInjection2Page(), QStringLiteral("Injection 2"));
    pages->addTab(BuildInjection3Page(), QStringLiteral("Injection 3"));
    pages->addTab(BuildMonitorPage(), QStringLiteral("Monitor"));
    // The style's default margins inside the groups take room the pages need.
    for (QGroupBox* group : pages->findChildren<QGroupBox*>())
        if (QLayout* inside = group->layout()) inside->setContentsMargins(5, 3, 5, 5);
    layout->addWidget(pages, 1);
    layout->addWidget(BuildProgressArea());
    client->setWidget(central);
    setCentralWidget(client);

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(status);
    BuildPrintParts();

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(kTickMs);
    timer_->setTimerType(Qt::PreciseTimer);

    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i] == nullptr)
            throw std::logic_error("editor field " + EditorFields()[i].edit + " has no place on any page");
    }
    ReserveRoomForEveryCaption(*this, {&EnglishTable(), &CzechTable(), &GermanTable()});
    FitToContent();
}

QWidget* TFormHlav::BuildProgressArea() {
    auto* area = new QWidget(this);
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(4, 0, 0, 0);
    auto* label = new QLabel(area);
    label->setObjectName(QStringLiteral("LabelHlaseni"));
    QFont big = label->font();
    big.setPointSize(10);
    label->setFont(big);
    // As wide as the longest text a device run writes there in any language,
    // so the bar beside it keeps one place and one width.
    constexpr MessageId kProgressTexts[] = {MessageId::ReadStarted,   MessageId::ProgramStarted,
                                            MessageId::VerifyCommand, MessageId::VerifyAfterTransfer,
                                            MessageId::VerifyOk,      MessageId::ReadError,
                                            MessageId::VerifyError,   MessageId::ProgramError};
    std::vector<std::string_view> texts;
    for (MessageId id : kProgressTexts)
        for (Byte language = 0; language < kLanguageCount; ++language)
            texts.push_back(MessageText(id, language));
    ReserveRoom(*label, texts);
    label->setFixedWidth(label->minimumWidth());
    auto* bar = new QProgressBar(area);
    bar->setObjectName(QStringLiteral("ProgressBar1"));
    bar->setRange(0, 40);
    bar->setTextVisible(false);
    bar->setFixedHeight(16);
    // Shown and hidden by device runs; the row keeps its height so the pages never jump.
    for (QWidget* w : {static_cast<QWidget*>(label), static_cast<QWidget*>(bar)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
        w->hide();
    }
    row->addWidget(label);
    row->addWidget(bar, 1);
    return area;
}

void TFormHlav::FitToContent() {
    resize(SizeShowingEverything());
    move(FirstStartPosition());
}

FieldBox* TFormHlav::MakeField(const char* editName) {
    const std::vector<EditorField>& all = EditorFields();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].edit != editName) continue;
        if (fields_[i] == nullptr) fields_[i] = new FieldBox(all[i], this);
        return fields_[i];
    }
    throw std::logic_error(std::string("no editor field named ") + editName);
}

// ---- connections ------------------------------------------------------------

namespace {

using Handler = void (TFormHlav::*)();
struct Command {
    const char* name;
    Handler handler;
};

// Menu items and the buttons that share their handlers.
constexpr Command kMenuCommands[] = {
    {"MenuNew", &TFormHlav::MenuNewClick},         {"MenuOpen", &TFormHlav::MenuOpenClick},
    {"MenuSave", &TFormHlav::MenuSaveClick},       {"MenuPrint", &TFormHlav::SpeedButtonPrintClick},
    {"MenuExit", &TFormHlav::MenuExitClick},       {"MenuCom1", &TFormHlav::MenuCom1Click},
    {"MenuCom2", &TFormHlav::MenuCom2Click},       {"MenuRead", &TFormHlav::MenuReadClick},
    {"MenuVerify", &TFormHlav::MenuVerifyClick},   {"MenuProgram", &TFormHlav::MenuProgramClick},
    {"CurveMinus", &TFormHlav::CurveMinusClick},   {"CurvePlus", &TFormHlav::CurvePlusClick},
    {"JetMinus", &TFormHlav::ButtonJetMinusClick}, {"JetPlus", &TFormHlav::ButtonJetPlusClick},
    {"MenuEnglish", &TFormHlav::MenuEnglishClick}, {"MenuCzech", &TFormHlav::MenuCzechClick},
    {"MenuGerman", &TFormHlav::MenuGermanClick},   {"MenuContens", &TFormHlav::MenuContensClick},
    {"MenuAbout", &TFormHlav::MenuAboutClick},
};
constexpr Command kButtonCommands[] = {
    {"SpeedButtonNew", &TFormHlav::MenuNewClick},
    {"SpeedButton5", &TFormHlav::MenuOpenClick},
    {"SpeedButton7", &TFormHlav::MenuSaveClick},
    {"SpeedButtonPrint", &TFormHlav::SpeedButtonPrintClick},
    {"Button1", &TFormHlav::MenuReadClick},
    {"BitBtn2", &TFormHlav::MenuVerifyClick},
    {"BitBtn1", &TFormHlav::MenuProgramClick},
    {"BitBtnIgnMinus", &TFormHlav::CurveMinusClick},
    {"BitBtnIgnPlus", &TFormHlav::CurvePlusClick},
    {"BitBtnJetMinus", &TFormHlav::ButtonJetMinusClick},
    {"BitBtnJetPlus", &TFormHlav::ButtonJetPlusClick},
    {"BitBtnTps0", &TFormHlav::BitBtnTps0Click},
    {"BitBtnTps100", &TFormHlav::BitBtnTps100Click},
};

// Marks the text box of a field that runs the edit cycle when clicked into.
constexpr const char* kCycleOnClick = "cycleOnClick";

}  // namespace

void TFormHlav::ConnectSignals() {
    for (const Command& command : kMenuCommands)
        connect(Child<QAction>(command.name), &QAction::triggered, this, command.handler);
    for (const Command& command : kButtonCommands)
        connect(Child<QAbstractButton>(command.name), &QAbstractButton::clicked, this, command.handler);

    const std::vector<EditorField>& all = EditorFields();
    for (std::size_t i = 0; i < all.size(); ++i) {
        FieldBox* box = fields_[i];
        connect(box, &FieldBox::stepped, this, &TFormHlav::EditCycle);
        if (TriggerOf(all[i].page) == CycleTrigger::OnLeave) {
            // editingFinished also comes with Return and when a dialog takes the
            // focus; only moving to another control of the window counts.
            connect(box, &FieldBox::editingFinished, this, [this, box] {
                if (box->leftForAnotherControl()) EditCycle();
            });
        } else {
            box->findChild<QLineEdit*>()->setProperty(kCycleOnClick, true);
            box->findChild<QLineEdit*>()->installEventFilter(this);
        }
    }

    connect(Child<QCheckBox>("CheckBox5"), &QCheckBox::clicked, this, &TFormHlav::CheckBox5Click);
    connect(Child<QCheckBox>("CheckBoxGas"), &QCheckBox::clicked, this, &TFormHlav::CheckBoxGasClick);
    connect(Child<QComboBox>("ComboBox1"), &QComboBox::currentIndexChanged, this,
            &TFormHlav::ComboBox1Change);

    for (int column = 1; column <= kMapSize; ++column) {
        const std::string name = "CSpinButton" + std::to_string(column);
        auto* spin = Child<SpinButton>(name.c_str());
        connect(spin, &SpinButton::upClicked, this, [this, column] { CSpinButtonUpClick(column); });
        connect(spin, &SpinButton::downClicked, this, [this, column] { CSpinButtonDownClick(column); });
    }
    connect(timer_, &QTimer::timeout, this, &TFormHlav::Timer1Timer);
}

bool TFormHlav::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && watched->property(kCycleOnClick).toBool()) EditCycle();
    return QMainWindow::eventFilter(watched, event);
}

// ---- life cycle -------------------------------------------------------------

void TFormHlav::FormCreate() {
    hintHandler_ = new HintHandler(*this);
    qApp->installEventFilter(hintHandler_);
    ApplyMachineDefaults(set_);
    LoadSettings();
    for (const MonitorLine& line : kMonitorLines) {
        if (line.hiddenInDesign)
            if (auto* label = findChild<QLabel*>(QString::fromUtf8(LabelInfo(line.label).objectName)))
                label->show();
    }
    RefreshEditors();
    OpenPort();
    UpdatePortMarks();
    ApplyLanguage(languageCode_);
    HideProgress();
}

void TFormHlav::FormClose() {
    ClosePort();
    ReadEditors();
    ValidateParameters(set_);
    SaveSettings();
}

void TFormHlav::closeEvent(QCloseEvent* event) {
    // Whatever asks for the close (Exit, the close box, the system), the set is
    // taken from the fields and stored; the close itself is never refused.
    FormClose();
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

void TFormHlav::Timer1Timer() { LinkTick(); }

void TFormHlav::LinkTick() { link_.tick(); }

void TFormHlav::HideProgress() {
    findChild<QLabel*>(QStringLiteral("LabelHlaseni"))->hide();
    findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))->hide();
}

void TFormHlav::UpdatePortMarks() {
    findChild<QAction*>(QStringLiteral("MenuCom1"))->setChecked(!useCom2_);
    findChild<QAction*>(QStringLiteral("MenuCom2"))->setChecked(useCom2_);
}

void TFormHlav::ShowMessage(const QString& text) {
    if (quitRequested_) {
        SayOnStandardError(text.toLocal8Bit().toStdString());
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, ProgramTitle(), text, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("Message"));
    box.exec();
}

// ---- languages --------------------------------------------------------------

void TFormHlav::StoreLanguage(std::uint8_t code) {
    languageCode_ = code;
    GiveMenuBarTheAccessKeys(*this);
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
