#include "history/HistoryFeature.h"

#include "HistorySettings.h"
#include "ParameterDocument.h"
#include "ParameterFile.h"
#include "UserSettingsFile.h"
#include "history/CompareFeature.h"
#include "history/CompareWindow.h"
#include "history/HistoryWindow.h"
#include "history/RestorePointRecorder.h"
#include "history/UnitMatchField.h"
#include "language/NewTexts.h"
#include "port/ConnectionField.h"
#include "window/EditorBinding.h"
#include "window/StatusRoom.h"

#include <QAction>
#include <QFileInfo>
#include <QKeySequence>
#include <QStandardPaths>
#include <QStatusBar>

namespace ign {

namespace {

std::filesystem::path Folder() {
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return HistoryFolder(FileSystemPath(dataFolder));
}

}  // namespace

HistoryFeature::HistoryFeature(FeatureHost& host) : host_(host) {
    ParameterDocument& document = host.Document();
    HostEvents* events = &host.Events();
    recorder_ = new RestorePointRecorder(Folder(), document, host.DeviceLink(), &host.Window());
    RestorePointRecorder* recorder = recorder_;
    QObject::connect(events, &HostEvents::settingsLoaded, recorder,
                     host.Guard([recorder](const ProfileFile& file) {
                         HistorySettings history;
                         LoadHistorySettings(file, history);
                         recorder->SetSettings(history);
                     }));
    QObject::connect(events, &HostEvents::settingsStoring, recorder,
                     [recorder](ProfileFile& file) { StoreHistorySettings(file, recorder->Settings()); });
    QObject::connect(events, &HostEvents::closing, recorder, host.Guard([recorder, &document] {
        recorder->Close(document.Parameters());
        recorder->Flush();
    }));
    QObject::connect(events, &HostEvents::deviceCommandStarted, recorder,
                     host.Guard([recorder](TransferMode mode) { recorder->CommandStarted(mode); }));
    // The unit may say who it is without a Read: the points of a Program then name it too.
    QObject::connect(events, &HostEvents::unitIdentified, recorder,
                     host.Guard([recorder](const QString& version) { recorder->UnitIdentified(version); }));

    // Right of the hints, which keep the status line's first panel.
    QStatusBar& line = host.StatusLine();
    auto* field = new UnitMatchField(
        document, host.DeviceLink(), [&host] { return host.Editors().Shown(host.Document().Parameters()); },
        &line);
    host.AddStatusField(*field, StatusPlace::UnitMatch);
    host.Editors().WhenEdited(*field, [field] { field->EditorsEdited(); });
    // Where the line is narrow, the fields at its right give way to the hint.
    if (auto* connection = line.findChild<ConnectionField*>()) new StatusRoom(line, *field, *connection);
    QObject::connect(recorder, &RestorePointRecorder::failed, field,
                     host.Guard([field](const QString& error) { field->RestorePointFailed(error); }));
    QObject::connect(recorder, &RestorePointRecorder::recovered, field,
                     host.Guard([field] { field->RestorePointsWritten(); }));
    QObject::connect(events, &HostEvents::setMatchesFile, field,
                     host.Guard([field] { field->FileMatches(); }));
    QObject::connect(events, &HostEvents::fileNameCleared, field, host.Guard([field] { field->NoFile(); }));
    QObject::connect(events, &HostEvents::portChanged, field, host.Guard([field] { field->UnitUnknown(); }));
    BuildWindow();
}

void HistoryFeature::BuildWindow() {
    auto* window = new HistoryWindow(Folder(), &host_.Window());
    auto* show = new QAction(QStringLiteral("&History..."), &host_.Window());
    host_.Menu(MenuSlot::File).Add(show);
    show->setObjectName(QStringLiteral("MenuHistory"));
    show->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));

    RestorePointRecorder* recorder = recorder_;
    QObject::connect(show, &QAction::triggered, window, host_.Guard([window] {
        window->show();
        window->raise();
        window->activateWindow();
    }));
    QObject::connect(window, &HistoryWindow::restoreRequested, recorder,
                     host_.Guard([this](const QString& path) { RestoreFromPoint(path); }));
    QObject::connect(
        window, &HistoryWindow::keepRequested, recorder,
        host_.Guard([recorder](const RestorePoint& point, bool keep) { recorder->SetKeep(point, keep); }));
    QObject::connect(window, &HistoryWindow::manualRequested, recorder, host_.Guard([this] {
        host_.Document().EditCycle();
        recorder_->Manual(host_.Document().Parameters());
    }));
    QObject::connect(recorder, &RestorePointRecorder::folderChanged, window,
                     host_.Guard([window] { window->Refresh(); }));
    if (auto* compare = host_.Find<CompareFeature>()) {
        CompareWindow* compareWindow = &compare->Window();
        QObject::connect(
            window, &HistoryWindow::compareRequested, compareWindow,
            host_.Guard([compareWindow](const QString& path) { compareWindow->CompareWithWindow(path); }));
    }
    QObject::connect(&host_.Events(), &HostEvents::languageChanged, window,
                     host_.Guard([window](std::uint8_t code) { window->Retranslate(code); }));
}

bool HistoryFeature::ReadBeforeProgram() const { return recorder_->Settings().readBeforeProgram; }

// One step, the point it replaces kept first. A point that gives no value
// (damaged, or another program's file of that name) would silently restore
// nothing, so it is named instead and nothing changes. What was typed and not
// yet taken is taken first, as every other step takes it, so that Undo brings it back.
void HistoryFeature::RestoreFromPoint(const QString& path) {
    ParameterSet scratch;
    ParameterKeys keys;
    if (LoadParameterFile(FileSystemPath(path), scratch, &keys) && keys.found.empty()) {
        host_.ShowMessage(
            NewTextOf("HistoryNoParameterSet", host_.Language()).arg(QFileInfo(path).fileName()));
        return;
    }
    host_.Document().EditCycle();
    if (host_.TakeParameterFile(ChangeCause::Restore, path)) emit host_.Events().setRestored(path);
}

}  // namespace ign
