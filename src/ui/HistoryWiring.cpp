// Restore points, the history window and the unit-match field, wired into the window.
#include "CompareWindow.h"
#include "HistorySettings.h"
#include "HistoryWindow.h"
#include "Hlav.h"
#include "NewTexts.h"
#include "ParameterFile.h"
#include "PortProbeRun.h"
#include "RestorePointRecorder.h"
#include "StatusRoom.h"
#include "UnitMatchField.h"
#include "UserSettingsFile.h"

#include <QAction>
#include <QFileInfo>
#include <QKeySequence>
#include <QStandardPaths>
#include <QStatusBar>

namespace ign {

void TFormHlav::WireHistory() {
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const std::filesystem::path folder = HistoryFolder(FileSystemPath(dataFolder));
    HistorySettings history;
    LoadHistorySettings(*settingsFile_, history);
    restorePoints_ = new RestorePointRecorder(folder, document_, link_, this);
    restorePoints_->SetSettings(history);

    // Right of the hints, which keep the status line's first panel.
    auto* field = new UnitMatchField(
        document_, link_, [this] { return editors_.Shown(Parameters()); }, statusBar());
    statusBar()->addPermanentWidget(field);
    editors_.WhenEdited(*field, [field] { field->EditorsEdited(); });
    // Where the line is narrow, the fields at its right give way to the hint.
    new StatusRoom(*statusBar(), *field, *connectionField_);

    auto* window = new HistoryWindow(folder, this);
    auto* show = new QAction(QStringLiteral("&History..."), this);
    AddToFileMenu(actions_, show);
    show->setObjectName(QStringLiteral("MenuHistory"));
    show->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));

    connect(show, &QAction::triggered, window, [window] {
        window->show();
        window->raise();
        window->activateWindow();
    });
    connect(window, &HistoryWindow::restoreRequested, this,
            [this](const QString& path) { RunGuarded([this, &path] { RestoreFromPoint(path); }); });
    connect(window, &HistoryWindow::compareRequested, compare_.get(), &CompareWindow::CompareWithWindow);
    connect(window, &HistoryWindow::keepRequested, restorePoints_, &RestorePointRecorder::SetKeep);
    connect(window, &HistoryWindow::manualRequested, this, [this] {
        RunGuarded([this] {
            document_.EditCycle();
            restorePoints_->Manual(Parameters());
        });
    });
    connect(restorePoints_, &RestorePointRecorder::folderChanged, window, &HistoryWindow::Refresh);
    connect(restorePoints_, &RestorePointRecorder::failed, field, &UnitMatchField::RestorePointFailed);
    connect(restorePoints_, &RestorePointRecorder::recovered, field, &UnitMatchField::RestorePointsWritten);
    connect(this, &TFormHlav::deviceCommandStarted, restorePoints_, &RestorePointRecorder::CommandStarted);
    connect(this, &TFormHlav::setMatchesFile, field, &UnitMatchField::FileMatches);
    connect(this, &TFormHlav::fileNameCleared, field, &UnitMatchField::NoFile);
    connect(this, &TFormHlav::portChanged, field, &UnitMatchField::UnitUnknown);
    // The unit may say who it is without a Read: the points of a Program then name it too.
    connect(portProbe_.get(), &PortProbeRun::unitIdentified, restorePoints_,
            [this](const QString& version, bool onWindowsPort) {
                if (onWindowsPort) restorePoints_->UnitIdentified(version);
            });
    connect(compare_.get(), &CompareWindow::unitIdentified, restorePoints_,
            &RestorePointRecorder::UnitIdentified);
    connect(this, &TFormHlav::languageChanged, window, &HistoryWindow::Retranslate);
}

// A restore point back into the window, as Open reads a file: one step, the
// point it replaces kept first. A point that gives no value (damaged, or
// another program's file of that name) would silently restore nothing, so it
// is named instead and nothing changes. What was typed and not yet taken is
// taken first, as every other step takes it, so that Undo brings it back.
void TFormHlav::RestoreFromPoint(const QString& path) {
    ParameterSet scratch;
    ParameterKeys keys;
    if (LoadParameterFile(FileSystemPath(path), scratch, &keys) && keys.found.empty()) {
        ShowMessage(NewTextOf("HistoryNoParameterSet", languageCode_).arg(QFileInfo(path).fileName()));
        return;
    }
    document_.EditCycle();
    if (ApplyParameterFile(ChangeCause::Restore, path)) emit setRestored(path);
}

}  // namespace ign
