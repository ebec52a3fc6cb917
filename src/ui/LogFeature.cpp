#include "LogFeature.h"

#include "DatalogSettings.h"
#include "LiveChartWindow.h"
#include "LogRecorder.h"
#include "OwnText.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>

namespace ign {
namespace {

QAction* AddAction(QMenu& menu, QMainWindow& window, const char* name, const char* text) {
    auto* action = new QAction(QString::fromUtf8(text), &window);
    action->setObjectName(QString::fromLatin1(name));
    menu.addAction(action);
    return action;
}

void ShowBeside(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace

LogFeature::LogFeature(Link& link, QMainWindow& window, QMenu& tools, QMenu& view,
                       LogViewerWindow::Sources sources, std::function<std::uint8_t()> language)
    : recorder_(std::make_unique<LogRecorder>(link, nullptr)),
      language_(std::move(language)),
      window_(window) {
    // Recording acts on the monitor stream as the other tools act on the set,
    // and F6 sits beside Tools' F4 and F5; the windows that show logs are views.
    tools.addSeparator();
    start_ = AddAction(tools, window, "MenuRecordStart", "Start recording");
    stop_ = AddAction(tools, window, "MenuRecordStop", "Stop recording");
    mark_ = AddAction(tools, window, "MenuRecordMark", "Marker");
    mark_->setShortcut(QKeySequence(Qt::Key_F6));
    automatic_ = AddAction(tools, window, "MenuRecordAuto", "Record automatically");
    automatic_->setCheckable(true);
    QAction* chartItem = AddAction(view, window, "MenuLiveChart", "Live chart");
    QAction* viewerItem = AddAction(view, window, "MenuLogViewer", "Log viewer...");
    cannotRecord_ = new OwnText("RecordCannotCreate", "The log cannot be created:", &window);
    automaticOff_ =
        new OwnText("RecordAutomaticOff", "Recording stopped; automatic recording is off", &window);

    state_ = new QLabel(&window);
    state_->setObjectName(QStringLiteral("RecordingState"));
    window.statusBar()->addPermanentWidget(state_);
    chart_ = new LiveChartWindow(*recorder_, language_, sources, &window);
    viewer_ = new LogViewerWindow(std::move(sources), &window);

    connect(start_, &QAction::triggered, recorder_.get(), &LogRecorder::Start);
    connect(stop_, &QAction::triggered, recorder_.get(), &LogRecorder::Stop);
    connect(mark_, &QAction::triggered, recorder_.get(), &LogRecorder::Mark);
    connect(automatic_, &QAction::toggled, recorder_.get(), [this](bool on) {
        recorder_->setAutomatic(on);
        saysAutomaticOff_ = false;
        showState();
    });
    connect(recorder_.get(), &LogRecorder::automaticStopped, this, [this] {
        const QSignalBlocker quiet(automatic_);
        automatic_->setChecked(false);
        saysAutomaticOff_ = true;
        showState();
    });
    connect(chartItem, &QAction::triggered, chart_, [this] { ShowBeside(*chart_); });
    connect(viewerItem, &QAction::triggered, viewer_, [this] { ShowBeside(*viewer_); });
    connect(recorder_.get(), &LogRecorder::progressed, this, &LogFeature::showState);
    connect(recorder_.get(), &LogRecorder::cannotRecord, this, [this](const QString& detail) {
        QMessageBox box(QMessageBox::Warning, window_.windowTitle(),
                        cannotRecord_->text() + QLatin1Char('\n') + detail, QMessageBox::Ok, &window_);
        box.setObjectName(QStringLiteral("Message"));
        box.exec();
    });
    showState();
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
    chart_->setLanguage(language_());
    viewer_->setLanguage(language_());
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
