// The tune sheet wired into the window: its File menu item and what the
// dialog takes from the window.
#include "HistorySettings.h"
#include "Hlav.h"
#include "IgnitionPage.h"
#include "SheetPainter.h"
#include "TuneSheetDialog.h"
#include "UserSettingsFile.h"

#include <QAction>
#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace ign {

void TFormHlav::WireTuneSheet() {
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    TuneSheetDialog::Sources sources;
    sources.window = [this] {
        SheetInput input;
        input.set = ShownParameters();
        input.language = languageCode_;
        // The unit's identification is known once a Read has shown it.
        if (!unitIdentification_.version.empty()) input.unit = unitIdentification_;
        // The file "File:" shows: a Read clears it, though the path stays for the dialogs.
        input.fileName = QFileInfo(ignitionPage_->FileName()).fileName().toStdString();
        const QLocale locale;
        input.madeAt = SheetTimeText(QDateTime::currentDateTime(), locale);
        input.groupSeparator = GroupSeparatorOf(locale);
        input.version = IGN_VERSION;
        return input;
    };
    sources.askForPath = [this](QFileDialog& dialog) { return AskForPath(dialog); };
    sources.printer = [this]() -> std::unique_ptr<QPrinter> {
        if (printerSource_) return printerSource_();
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        QPrintDialog dialog(printer.get(), this);
        if (dialog.exec() != QDialog::Accepted) return nullptr;
        return printer;
    };
    sources.showMessage = [this](const QString& text) { ShowMessage(text); };
    auto* dialog = new TuneSheetDialog(HistoryFolder(FileSystemPath(dataFolder)), std::move(sources), this);

    auto* item = new QAction(QStringLiteral("&Tune sheet..."), this);
    item->setObjectName(QStringLiteral("MenuTuneSheet"));
    AddToFileMenu(actions_, item);
    connect(item, &QAction::triggered, dialog,
            [this, dialog] { RunGuarded([this, dialog] { dialog->Open(ignitionPage_->FileName()); }); });
    connect(this, &TFormHlav::setRestored, dialog, &TuneSheetDialog::SetRestorePoint);
    connect(this, &TFormHlav::setMatchesFile, dialog, [dialog] { dialog->SetRestorePoint({}); });
    connect(this, &TFormHlav::fileNameCleared, dialog, [dialog] { dialog->SetRestorePoint({}); });
}

}  // namespace ign
