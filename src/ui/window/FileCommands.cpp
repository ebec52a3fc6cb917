#include "Messages.h"
#include "ParameterFile.h"
#include "UserSettingsFile.h"
#include "Validation.h"
#include "pages/IgnitionPage.h"
#include "window/Hlav.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace ign {
namespace {

// The texts stay as the program has always shown them; Qt takes the patterns
// from the parentheses and matches them without regard to letter case, so
// "*.s29" also lists the units' own "*.S29" files.
QStringList OpenFilters() {
    return {QStringLiteral("Ignition Parametrs(*.ign)"), QStringLiteral("Ignition Parametrs(*.s29)"),
            QStringLiteral("All Files (*.*)")};
}
QStringList SaveFilters() { return {QStringLiteral("Ignition Parametrs(*.ign)")}; }

void Configure(QFileDialog& dialog, const char* name, const QStringList& filters, const QString& fileName) {
    dialog.setObjectName(QString::fromLatin1(name));
    // Qt's own dialog behaves the same on every desktop, and tests can drive it.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.front());
    dialog.setDefaultSuffix(QStringLiteral("ign"));
    if (!fileName.isEmpty()) dialog.selectFile(fileName);
}

}  // namespace

QString TFormHlav::AskForPath(QFileDialog& dialog) {
    if (fileDialogRunner_) return fileDialogRunner_(dialog);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

void TFormHlav::MenuSaveClick() {
    QFileDialog dialog(this);
    Configure(dialog, "SaveDialog1", SaveFilters(), saveDialogFileName_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QString chosen = AskForPath(dialog);
    if (chosen.isEmpty()) return;
    const QString path = QFileInfo(chosen).absoluteFilePath();
    // Like any file dialog, this one starts next time where the user last confirmed it.
    saveDialogFileName_ = path;

    // The file holds the validated set the window shows, pending edits included.
    // A save that fails leaves everything as it was, the blocks too, so the user
    // can pick another place without losing what was typed.
    FileWriteResult result = FileWriteResult::Ok;
    const bool saved = document_.TakeEditors(ChangeCause::Edit, ParameterDocument::Validation::First,
                                             [&](ParameterSet& set) {
                                                 result = SaveParameterFile(FileSystemPath(path), set);
                                                 return result == FileWriteResult::Ok;
                                             });
    if (!saved) {
        ShowMessage(QString::fromUtf8(SaveErrorText(result)));
        return;
    }
    ignitionPage_->SetFileName(path);
    parameterFilePath_ = path;
    openDialogFileName_ = path;
    emit events_.setMatchesFile();
}

// A parameter file into the set as one step; "Open file error" when it cannot be read.
bool TFormHlav::ApplyParameterFile(ChangeCause cause, const QString& path) {
    // The editors are not read first: what the file does not name keeps the blocks' values.
    const bool applied = document_.Apply(cause, [&path](ParameterSet& set) {
        if (!LoadParameterFile(FileSystemPath(path), set)) return false;
        ValidateParameters(set);
        return true;
    });
    if (!applied) {
        const std::string_view text = MessageText(MessageId::OpenFileError, languageCode_);
        ShowMessage(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    return applied;
}

void TFormHlav::MenuOpenClick() {
    QFileDialog dialog(this);
    Configure(dialog, "OpenDialog1", OpenFilters(), openDialogFileName_);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QString chosen = AskForPath(dialog);
    if (!chosen.isEmpty()) {
        const QString path = QFileInfo(chosen).absoluteFilePath();
        openDialogFileName_ = path;
        if (ApplyParameterFile(ChangeCause::Open, path)) {
            ignitionPage_->SetFileName(path);
            parameterFilePath_ = path;
            saveDialogFileName_ = path;
            emit events_.setMatchesFile();
        }
    }
    HideProgress();
}

}  // namespace ign
