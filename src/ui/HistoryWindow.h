#pragma once

#include "RestorePointStore.h"

#include <QAbstractTableModel>
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <vector>

class QPushButton;
class QTreeView;

namespace ign {

class OwnText;

// The restore points of a folder as rows, newest first: time, reason, unit, keep.
class RestorePointModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { TimeColumn, ReasonColumn, UnitColumn, KeepColumn, ColumnCount };

    // headers: the column captions, which a language switch changes in place.
    RestorePointModel(const std::vector<const OwnText*>& headers, QObject* parent);

    void SetPoints(std::vector<RestorePoint> points);
    const RestorePoint* PointAt(int row) const;
    // The row of the point of this name, marked keep or not (a keep renames it).
    int RowOf(RestorePointName name) const;
    // The captions and the reasons in another language (0 English, 1 Czech, 2 German).
    void SetLanguage(std::uint8_t code);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<const OwnText*> headers_;
    std::vector<RestorePoint> points_;
    std::uint8_t language_ = 0;
};

// The window of restore points: lists the folder while it is shown, and
// asks its owner to restore, keep, compare or take a point; it changes no
// set and no file itself.
class HistoryWindow : public QWidget {
    Q_OBJECT

public:
    HistoryWindow(std::filesystem::path folder, QWidget* parent);

    // The folder listed again, the selected point kept selected; nothing while hidden.
    void Refresh();
    // The column captions and the reasons in the window's language, after a switch.
    void Retranslate(std::uint8_t code);
    const RestorePoint* Selected() const;
    QTreeView* List() const { return list_; }

signals:
    void restoreRequested(const QString& path);
    void keepRequested(const ign::RestorePoint& point, bool keep);
    void manualRequested();
    // The compare view of the window's set against the point.
    void compareRequested(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* AddButton(const char* name, const char* english);
    void SelectionChanged();

    RestorePointStore store_;
    RestorePointModel* model_ = nullptr;
    QTreeView* list_ = nullptr;
    QPushButton* compare_ = nullptr;
    QPushButton* restore_ = nullptr;
    QPushButton* keep_ = nullptr;
    QWidget* buttons_ = nullptr;
};

}  // namespace ign
