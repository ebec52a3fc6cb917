#pragma once

#include "RestorePointStore.h"

#include <QAbstractTableModel>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeView;

namespace ign {

class OwnText;

// The restore points of a folder as rows, newest first: time, reason, unit,
// keep and the first line of the tuner's note. A filter shows only the points
// whose note holds a text.
class RestorePointModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { TimeColumn, ReasonColumn, UnitColumn, KeepColumn, NoteColumn, ColumnCount };

    // headers: the column captions, which a language switch changes in place.
    RestorePointModel(const std::vector<const OwnText*>& headers, QObject* parent);

    // notes: each point's note, in the points' order ("" for none).
    void SetPoints(std::vector<RestorePoint> points, std::vector<QString> notes);
    const RestorePoint* PointAt(int row) const;
    QString NoteAt(int row) const;
    void SetNoteAt(int row, const QString& note);
    // Only the points whose note holds `text` (any case); all of them for "".
    void SetFilter(const QString& text);
    // The row of the point of this name, marked keep or not (a keep renames it).
    int RowOf(RestorePointName name) const;
    // The captions and the reasons in another language (0 English, 1 Czech, 2 German).
    void SetLanguage(std::uint8_t code);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void Select();

    std::vector<const OwnText*> headers_;
    std::vector<RestorePoint> points_;
    std::vector<QString> notes_;
    std::vector<std::size_t> shown_;  // the rows: indexes into points_
    QString filter_;
    std::uint8_t language_ = 0;
};

// The window of restore points: lists the folder while it is shown, and
// asks its owner to restore, keep, compare or take a point; it changes no
// set itself. The one file it writes is the tuner's note beside the chosen
// point, when the note field loses the point (another is chosen, the
// window hides) or "Save note" is clicked.
class HistoryWindow : public QWidget {
    Q_OBJECT

public:
    HistoryWindow(std::filesystem::path folder, QWidget* parent);
    ~HistoryWindow() override;

    // The folder listed again, the selected point kept selected; nothing while hidden.
    void Refresh();
    // The column captions and the reasons in the window's language, after a switch.
    void Retranslate(std::uint8_t code);
    const RestorePoint* Selected() const;
    QTreeView* List() const { return list_; }
    // The note of the chosen point, as typed; written by SaveNote.
    QPlainTextEdit* NoteField() const { return note_; }
    QLineEdit* FilterField() const { return filter_; }
    // The note field beside its point; false with the reason shown under the field when it could not be.
    bool SaveNote();
signals:
    void restoreRequested(const QString& path);
    void keepRequested(const ign::RestorePoint& point, bool keep);
    void manualRequested();
    // The compare view of the window's set against the point.
    void compareRequested(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QPushButton* AddButton(const char* name, const char* english);
    void SetColumnWidths();
    QHBoxLayout* MakeFilterRow();
    void ConnectButtons(QPushButton& take, QPushButton& folderButton);
    void SelectionChanged();

    RestorePointStore store_;
    RestorePointModel* model_ = nullptr;
    QTreeView* list_ = nullptr;
    QPushButton* compare_ = nullptr;
    QPushButton* restore_ = nullptr;
    QPushButton* keep_ = nullptr;
    QWidget* buttons_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QPlainTextEdit* note_ = nullptr;
    QPushButton* saveNote_ = nullptr;
    QLabel* noteError_ = nullptr;
    // The point the note field holds the note of.
    std::optional<RestorePointName> notePoint_;
    bool leaveUnsaved_ = false;  // the note could not be written once; the next choice moves on
    std::uint8_t language_ = 0;
};

}  // namespace ign
