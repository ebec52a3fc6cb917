#pragma once

#include "SheetInput.h"

#include <QDialog>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QFileDialog;
class QLabel;
class QPlainTextEdit;
class QPrinter;
class QPushButton;

namespace ign {

// The tune sheet made from the window: a small dialog with the note, the set
// the sheet tells its changes since, and the paper, and the two ways out,
// a PDF file or a printer. It knows nothing of the window: what the sheet
// shows of it, and how the window asks for a path or a printer, come as
// functions, so the dialog can move with the window's other features.
class TuneSheetDialog : public QDialog {
    Q_OBJECT

public:
    struct Sources {
        // What the window shows now: set, language, machine, unit, file and point names.
        std::function<SheetInput()> window;
        // Shows the configured file dialog; the chosen path, "" when cancelled.
        std::function<QString(QFileDialog&)> askForPath;
        // The printer to use; null when there is none or the tuner cancelled.
        std::function<std::unique_ptr<QPrinter>()> printer;
        std::function<void(const QString&)> showMessage;
    };

    TuneSheetDialog(std::filesystem::path historyFolder, Sources sources, QWidget* parent);

    // Opens the dialog for the window's set as it is now. The note field
    // takes the note kept beside the set's file or point whenever the set
    // comes from another one than last time; otherwise it keeps what was typed.
    void Open(const QString& parameterFile);
    // The restore point the window's set came from; "" once another set replaced it.
    void SetRestorePoint(const QString& path) { restorePoint_ = path; }

    // The reference chosen ("Changed since"), the default worked out now.
    std::optional<SheetReference> Reference(const ParameterSet& set) const;
    // The sheet as it would be made now.
    SheetInput Input() const;

    QPlainTextEdit* NoteField() const { return note_; }
    QComboBox* ReferenceChoice() const { return reference_; }
    QComboBox* PaperChoice() const { return paper_; }

    void SavePdf();
    void Print();

private:
    enum ReferenceItem { NewestProgram, NoReference, ChooseFile, ChosenFile };

    void ReferenceActivated(int index);
    std::optional<SheetReference> NewestProgramPoint(const ParameterSet& set) const;
    void Retranslate();

    std::filesystem::path historyFolder_;
    Sources sources_;
    QPlainTextEdit* note_ = nullptr;
    QComboBox* reference_ = nullptr;
    QComboBox* paper_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* print_ = nullptr;
    std::optional<SheetReference> chosen_;  // a file or point the tuner chose
    std::optional<QString> noteSource_;     // the file the note field's note was taken from
    QString lastPdf_;                       // where the dialog starts next time
    QString restorePoint_;
    std::uint8_t language_ = 0;
};

}  // namespace ign
