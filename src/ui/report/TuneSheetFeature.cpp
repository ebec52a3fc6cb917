#include "report/TuneSheetFeature.h"
#include "HistorySettings.h"

#include "DeviceImageCodec.h"
#include "ParameterSet.h"
#include "UserSettingsFile.h"
#include "report/SheetPainter.h"
#include "report/TuneSheetDialog.h"

#include <QAction>
#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QPrinter>
#include <QStandardPaths>

namespace ign {

TuneSheetFeature::TuneSheetFeature(FeatureHost& host) {
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    TuneSheetDialog::Sources sources;
    sources.window = [&host] {
        SheetInput input;
        input.set = host.ShownParameters();
        input.language = host.Language();
        // The unit's identification is known once a Read has shown it.
        if (!host.Unit().version.empty()) input.unit = host.Unit();
        // The file "File:" shows: a Read clears it, though the path stays for the dialogs.
        input.fileName = QFileInfo(host.ShownFileName()).fileName().toStdString();
        const QLocale locale;
        input.madeAt = SheetTimeText(QDateTime::currentDateTime(), locale);
        input.groupSeparator = GroupSeparatorOf(locale);
        input.version = IGN_VERSION;
        return input;
    };
    sources.askForPath = [&host](QFileDialog& dialog) { return host.AskForPath(dialog); };
    sources.printer = [&host] { return host.ChoosePrinter(); };
    sources.showMessage = [&host](const QString& text) { host.ShowMessage(text); };
    auto* dialog =
        new TuneSheetDialog(HistoryFolder(FileSystemPath(dataFolder)), std::move(sources), &host.Window());

    auto* item = new QAction(QStringLiteral("&Tune sheet..."), &host.Window());
    item->setObjectName(QStringLiteral("MenuTuneSheet"));
    host.Menu(MenuSlot::File).Add(item);
    HostEvents* events = &host.Events();
    QObject::connect(item, &QAction::triggered, dialog,
                     host.Guard([&host, dialog] { dialog->Open(host.ShownFileName()); }));
    QObject::connect(events, &HostEvents::setRestored, dialog,
                     host.Guard([dialog](const QString& path) { dialog->SetRestorePoint(path); }));
    QObject::connect(events, &HostEvents::setMatchesFile, dialog,
                     host.Guard([dialog] { dialog->SetRestorePoint({}); }));
    QObject::connect(events, &HostEvents::fileNameCleared, dialog,
                     host.Guard([dialog] { dialog->SetRestorePoint({}); }));
}

}  // namespace ign
