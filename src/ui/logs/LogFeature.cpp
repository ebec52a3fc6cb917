#include "logs/LogFeature.h"

#include "DatalogSettings.h"
#include "LogSetStamp.h"
#include "MapGeometry.h"
#include "ParameterDocument.h"
#include "history/CompareFeature.h"
#include "history/UnitMatchField.h"
#include "language/OwnText.h"
#include "logs/LiveChartWindow.h"
#include "logs/LogRecorder.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>

namespace ign {
namespace {

QAction* AddAction(MenuSection& menu, QWidget& window, const char* name, const char* text) {
    auto* action = new QAction(QString::fromUtf8(text), &window);
    action->setObjectName(QString::fromLatin1(name));
    menu.Add(action);
    return action;
}

void ShowBeside(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

std::string_view LogUnitState(UnitMatch state) {
    switch (state) {
        case UnitMatch::UnitEqualsWindow:
            return kLogUnitEqualsWindow;
        case UnitMatch::ChangedSinceProgram:
            return kLogChangedSinceProgram;
        case UnitMatch::UnitDiffers:
            return kLogUnitDiffers;
        case UnitMatch::UnitNotChecked:
            break;
    }
    return kLogUnitNotChecked;
}

}  // namespace

LogFeature::LogFeature(FeatureHost& host)
    : recorder_(std::make_unique<LogRecorder>(host.DeviceLink(), nullptr)), host_(host) {
    QWidget& window = host.Window();
    // Recording acts on the monitor stream as the other tools act on the set,
    // and F6 sits beside Tools' F4 and F5; the windows that show logs are views.
    MenuSection tools = host.Menu(MenuSlot::Tools);
    start_ = AddAction(tools, window, "MenuRecordStart", "Start recording");
    stop_ = AddAction(tools, window, "MenuRecordStop", "Stop recording");
    mark_ = AddAction(tools, window, "MenuRecordMark", "Marker");
    mark_->setShortcut(QKeySequence(Qt::Key_F6));
    automatic_ = AddAction(tools, window, "MenuRecordAuto", "Record automatically");
    automatic_->setCheckable(true);
    MenuSection view = host.Menu(MenuSlot::View);
    chartItem_ = AddAction(view, window, "MenuLiveChart", "Live chart");
    viewerItem_ = AddAction(view, window, "MenuLogViewer", "Log viewer...");
    cannotRecord_ = new OwnText("RecordCannotCreate", "The log cannot be created:", &window);
    automaticOff_ =
        new OwnText("RecordAutomaticOff", "Recording stopped; automatic recording is off", &window);

    state_ = new QLabel(&window);
    state_->setObjectName(QStringLiteral("RecordingState"));
    host.AddStatusField(*state_, StatusPlace::Recording);
    LogViewerWindow::Sources sources = SourcesOf(host);
    chart_ = new LiveChartWindow(
        *recorder_, [&host] { return host.Language(); }, sources, &window);
    viewer_ = new LogViewerWindow(std::move(sources), &window);
    // The set the window holds, as Save would write it, and what the field says of the unit then.
    recorder_->setSetSource([&host]() -> std::optional<LogSetAtStart> {
        const auto* field = host.StatusLine().findChild<UnitMatchField*>();
        const UnitMatch state = field != nullptr ? field->State() : UnitMatch::UnitNotChecked;
        return LogSetAtStart{host.Document().Parameters(), std::string(LogUnitState(state))};
    });
    Connect(host);
    showState();
}

LogViewerWindow::Sources LogFeature::SourcesOf(FeatureHost& host) {
    return {
        [&host] { return MapSpeedAxis(host.Document().Parameters().injection); },
        [this] { return recorder_->settings().cells; },
        [this] { return QString::fromStdU16String(recorder_->folder().u16string()); },
        [this](int lambdaDelayMs) {
            DatalogSettings settings = recorder_->settings();
            settings.cells.lambdaDelayMs = lambdaDelayMs;
            recorder_->setSettings(settings);
        },
    };
}

void LogFeature::Connect(FeatureHost& host) {
    LogRecorder* recorder = recorder_.get();
    connect(start_, &QAction::triggered, recorder, host.Guard([recorder] { recorder->Start(); }));
    connect(stop_, &QAction::triggered, recorder, host.Guard([recorder] { recorder->Stop(); }));
    connect(mark_, &QAction::triggered, recorder, host.Guard([recorder] { recorder->Mark(); }));
    connect(automatic_, &QAction::toggled, recorder, host.Guard([this](bool on) {
        recorder_->setAutomatic(on);
        saysAutomaticOff_ = false;
        showState();
    }));
    connect(recorder, &LogRecorder::automaticStopped, this, host.Guard([this] {
        const QSignalBlocker quiet(automatic_);
        automatic_->setChecked(false);
        saysAutomaticOff_ = true;
        showState();
    }));
    connect(chartItem_, &QAction::triggered, chart_, host.Guard([this] { ShowBeside(*chart_); }));
    connect(viewerItem_, &QAction::triggered, viewer_, host.Guard([this] { ShowBeside(*viewer_); }));
    connect(recorder, &LogRecorder::progressed, this, host.Guard([this] { showState(); }));
    connect(recorder, &LogRecorder::cannotRecord, this, host.Guard([this](const QString& detail) {
        QWidget& window = host_.Window();
        QMessageBox box(QMessageBox::Warning, window.windowTitle(),
                        cannotRecord_->text() + QLatin1Char('\n') + detail, QMessageBox::Ok, &window);
        box.setObjectName(QStringLiteral("Message"));
        box.exec();
    }));
    // The set behind a log is a parameter file like any other: the compare window's File side.
    if (auto* compare = host.Find<CompareFeature>())
        connect(viewer_, &LogViewerWindow::compareSetRequested, this,
                host.Guard([compare](const QString& path) { compare->CompareFileWithWindow(path); }));
    HostEvents* events = &host.Events();
    connect(events, &HostEvents::ticked, this, host.Guard([this] { tick(); }));
    connect(events, &HostEvents::settingsLoaded, this,
            host.Guard([this](const ProfileFile& file) { loadSettings(file); }));
    connect(events, &HostEvents::settingsStoring, this, [this](ProfileFile& file) { storeSettings(file); });
    connect(events, &HostEvents::languageChanged, this, host.Guard([this] { retranslate(); }));
}

LogFeature::~LogFeature() = default;

void LogFeature::loadSettings(const ProfileFile& file) {
    DatalogSettings settings = recorder_->settings();
    LoadDatalogSettings(file, settings);
    recorder_->setSettings(settings);
    const QSignalBlocker quiet(automatic_);
    automatic_->setChecked(settings.autoRecord);
}

void LogFeature::storeSettings(ProfileFile& file) const { StoreDatalogSettings(file, recorder_->settings()); }

void LogFeature::tick() { recorder_->Tick(); }

void LogFeature::retranslate() {
    chart_->setLanguage(host_.Language());
    viewer_->setLanguage(host_.Language());
    showState();
}

void LogFeature::showState() {
    const bool recording = recorder_->recording();
    start_->setEnabled(!recording);
    stop_->setEnabled(recording);
    mark_->setEnabled(recording);
    if (recording) saysAutomaticOff_ = false;
    const QString text =
        recording ? chart_->stateText() : (saysAutomaticOff_ ? automaticOff_->text() : QString());
    state_->setText(text);
    state_->setVisible(!text.isEmpty());
}

}  // namespace ign
