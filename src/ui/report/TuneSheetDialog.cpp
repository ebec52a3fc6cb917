#include "report/TuneSheetDialog.h"

#include "ReferencePoint.h"
#include "RestorePointStore.h"
#include "SheetLayout.h"
#include "TuneNote.h"
#include "UserSettingsFile.h"
#include "history/NoteField.h"
#include "language/NewTexts.h"
#include "report/SheetPainter.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace ign {

namespace {

QLabel* AddLabel(QFormLayout& form, const char* name, const char* english, QWidget* field) {
    auto* label = new QLabel(QString::fromUtf8(english), form.parentWidget());
    label->setObjectName(QString::fromLatin1(name));
    label->setBuddy(field);
    form.addRow(label, field);
    return label;
}

QPushButton* AddButton(QDialogButtonBox& box, const char* name, const char* english,
                       QDialogButtonBox::ButtonRole role) {
    auto* button = box.addButton(QString::fromUtf8(english), role);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace

TuneSheetDialog::TuneSheetDialog(std::filesystem::path historyFolder, Sources sources, QWidget* parent)
    : QDialog(parent), historyFolder_(std::move(historyFolder)), sources_(std::move(sources)) {
    setObjectName(QStringLiteral("TuneSheetDialog"));
    setWindowTitle(QStringLiteral("Tune sheet"));

    note_ = new QPlainTextEdit(this);
    note_->setObjectName(QStringLiteral("TuneSheetNote"));
    note_->setTabChangesFocus(true);
    LimitNoteLength(*note_);
    reference_ = new QComboBox(this);
    reference_->setObjectName(QStringLiteral("TuneSheetReference"));
    reference_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (int i = 0; i < ChosenFile; ++i) reference_->addItem(QString());
    paper_ = new QComboBox(this);
    paper_->setObjectName(QStringLiteral("TuneSheetPaper"));
    paper_->addItem(QStringLiteral("A4"), static_cast<int>(Paper::A4));
    paper_->addItem(QStringLiteral("Letter"), static_cast<int>(Paper::Letter));
    paper_->setCurrentIndex(PaperOf(QLocale()) == Paper::Letter ? 1 : 0);

    auto* form = new QFormLayout;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    // The layout's parent widget is the dialog once the form is in it.
    AddLabel(*form, "TuneSheetNoteLabel", "N&ote:", note_);
    AddLabel(*form, "TuneSheetReferenceLabel", "Chan&ged since:", reference_);
    AddLabel(*form, "TuneSheetPaperLabel", "P&aper:", paper_);

    auto* buttons = new QDialogButtonBox(this);
    save_ = AddButton(*buttons, "TuneSheetSavePdf", "&Save PDF...", QDialogButtonBox::ActionRole);
    print_ = AddButton(*buttons, "TuneSheetPrint", "Pri&nt...", QDialogButtonBox::ActionRole);
    AddButton(*buttons, "TuneSheetClose", "Close", QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    save_->setDefault(true);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(save_, &QPushButton::clicked, this, &TuneSheetDialog::SavePdf);
    connect(print_, &QPushButton::clicked, this, &TuneSheetDialog::Print);
    connect(reference_, &QComboBox::activated, this, &TuneSheetDialog::ReferenceActivated);

    const QFontMetrics metrics = fontMetrics();
    note_->setMinimumSize(metrics.horizontalAdvance(QLatin1Char('x')) * 60, metrics.lineSpacing() * 8);
}

void TuneSheetDialog::Open(const QString& parameterFile) {
    language_ = sources_.window().language;
    const QString noteSource = restorePoint_.isEmpty() ? parameterFile : restorePoint_;
    if (!noteSource_ || *noteSource_ != noteSource) {
        noteSource_ = noteSource;
        const NoteRead read = noteSource.isEmpty() ? NoteRead{} : ReadNote(FileSystemPath(noteSource));
        note_->setPlainText(read.status == NoteStatus::Ours ? QString::fromStdString(read.text) : QString());
    }
    Retranslate();
    show();
    raise();
    activateWindow();
    note_->setFocus();
}

void TuneSheetDialog::Retranslate() {
    // The default named as it stands now, so the tuner sees which point the changes are told against.
    const std::optional<SheetReference> newest = NewestProgramPoint(sources_.window().set);
    reference_->setItemText(NewestProgram, NewTextOf("TuneSheetNewestProgram", language_)
                                               .arg(newest ? QString::fromStdString(newest->name)
                                                           : NewTextOf("SheetNoReference", language_)));
    reference_->setItemText(NoReference, NewTextOf("TuneSheetNoReference", language_));
    reference_->setItemText(ChooseFile, NewTextOf("TuneSheetChooseReference", language_));
}

void TuneSheetDialog::ReferenceActivated(int index) {
    if (index != ChooseFile) return;
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("TuneSheetReferenceDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("Ignition Parametrs(*.ign)"), QStringLiteral("All Files (*.*)")});
    dialog.setDirectory(QString::fromStdString(historyFolder_.string()));
    const QString path = sources_.askForPath(dialog);
    SheetReference reference;
    if (!path.isEmpty() && LoadComparedSet(FileSystemPath(path), reference.set)) {
        reference.name = QFileInfo(path).fileName().toStdString();
        chosen_ = std::move(reference);
        if (reference_->count() == ChosenFile) reference_->addItem(QString());
        reference_->setItemText(ChosenFile, QFileInfo(path).fileName());
        reference_->setCurrentIndex(ChosenFile);
        return;
    }
    if (!path.isEmpty())
        sources_.showMessage(NewTextOf("CompareFileError", language_).arg(QFileInfo(path).fileName()));
    reference_->setCurrentIndex(chosen_ ? ChosenFile : NewestProgram);
}

std::optional<SheetReference> TuneSheetDialog::Reference(const ParameterSet& set) const {
    switch (reference_->currentIndex()) {
        case NoReference:
            return std::nullopt;
        case ChosenFile:
            return chosen_;
        default:
            return NewestProgramPoint(set);
    }
}

std::optional<SheetReference> TuneSheetDialog::NewestProgramPoint(const ParameterSet& set) const {
    const RestorePointStore store(historyFolder_);
    if (auto point = NewestDifferingPoint(store.List(), set))
        return SheetReference{point->point.path.filename().string(), std::move(point->set)};
    return std::nullopt;
}

SheetInput TuneSheetDialog::Input() const {
    SheetInput input = sources_.window();
    input.note = CleanNoteText(note_->toPlainText().toStdString());
    input.paper = static_cast<Paper>(paper_->currentData().toInt());
    input.reference = Reference(input.set);
    if (!restorePoint_.isEmpty()) input.restorePoint = QFileInfo(restorePoint_).fileName().toStdString();
    return input;
}

void TuneSheetDialog::SavePdf() {
    const SheetInput input = Input();
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("TuneSheetSaveDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QStringLiteral("PDF (*.pdf)")});
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (!lastPdf_.isEmpty()) dialog.selectFile(lastPdf_);
    const QString chosen = sources_.askForPath(dialog);
    if (chosen.isEmpty()) return;
    const QString path = QFileInfo(chosen).absoluteFilePath();
    lastPdf_ = path;
    QString error;
    if (!SaveSheetPdf(LayOutSheet(input), input.language, FileSystemPath(path), error))
        sources_.showMessage(NewTextOf("TuneSheetSaveFailed", language_).arg(path, error));
}

void TuneSheetDialog::Print() {
    const SheetInput input = Input();
    std::unique_ptr<QPrinter> printer = sources_.printer();
    if (!printer) return;
    QString error;
    if (!PaintSheet(LayOutSheet(input), input.language, *printer, error))
        sources_.showMessage(NewTextOf("TuneSheetPrintFailed", language_).arg(error));
}

}  // namespace ign
