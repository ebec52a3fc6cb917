#include "history/HistoryWindow.h"

#include "history/NoteField.h"
#include "language/NewTexts.h"
#include "language/OwnText.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

namespace ign {

namespace {

QString TimeText(const LocalTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return QString::fromLatin1(text);
}

// The reasons' texts in the window's tables, in the order of RestoreReason.
constexpr std::array<std::string_view, kRestoreReasonCount> kReasonObjects{
    "HistoryReasonRead",          "HistoryReasonProgram",    "HistoryReasonUnitBeforeProgram",
    "HistoryReasonBeforeRead",    "HistoryReasonBeforeOpen", "HistoryReasonBeforeNew",
    "HistoryReasonBeforeRestore", "HistoryReasonBeforeLive", "HistoryReasonClose",
    "HistoryReasonManual",
};

QString ReasonCaption(RestoreReason reason, std::uint8_t language) {
    return NewTextOf(kReasonObjects[static_cast<std::size_t>(reason)], language);
}

}  // namespace

RestorePointModel::RestorePointModel(const std::vector<const OwnText*>& headers, QObject* parent)
    : QAbstractTableModel(parent), headers_(headers) {}

void RestorePointModel::SetPoints(std::vector<RestorePoint> points, std::vector<QString> notes) {
    beginResetModel();
    points_ = std::move(points);
    notes_ = std::move(notes);
    notes_.resize(points_.size());
    Select();
    endResetModel();
}

void RestorePointModel::SetFilter(const QString& text) {
    if (text == filter_) return;
    beginResetModel();
    filter_ = text;
    Select();
    endResetModel();
}

void RestorePointModel::Select() {
    shown_.clear();
    const QString wanted = filter_.trimmed();
    for (std::size_t i = 0; i < points_.size(); ++i)
        if (wanted.isEmpty() || notes_[i].contains(wanted, Qt::CaseInsensitive)) shown_.push_back(i);
}

const RestorePoint* RestorePointModel::PointAt(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < shown_.size()
               ? &points_[shown_[static_cast<std::size_t>(row)]]
               : nullptr;
}

QString RestorePointModel::NoteAt(int row) const {
    return PointAt(row) != nullptr ? notes_[shown_[static_cast<std::size_t>(row)]] : QString();
}

void RestorePointModel::SetNoteAt(int row, const QString& note) {
    if (PointAt(row) == nullptr) return;
    notes_[shown_[static_cast<std::size_t>(row)]] = note;
    emit dataChanged(index(row, NoteColumn), index(row, NoteColumn));
}

int RestorePointModel::RowOf(RestorePointName name) const {
    for (std::size_t row = 0; row < shown_.size(); ++row) {
        const RestorePoint& p = points_[shown_[row]];
        name.keep = p.name.keep;
        if (p.name == name) return static_cast<int>(row);
    }
    return -1;
}

int RestorePointModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int RestorePointModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RestorePointModel::data(const QModelIndex& index, int role) const {
    const RestorePoint* point = PointAt(index.row());
    if (point == nullptr) return {};
    if (role == Qt::ToolTipRole) {
        if (index.column() == NoteColumn && !NoteAt(index.row()).isEmpty()) return NoteAt(index.row());
        return QString::fromStdString(point->path.filename().string());
    }
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
        case TimeColumn:
            return TimeText(point->name.time);
        case ReasonColumn:
            return ReasonCaption(point->name.reason, language_);
        case UnitColumn:
            return QString::fromStdString(point->name.unit);
        case KeepColumn:
            return point->name.keep ? QStringLiteral("✓") : QString();
        case NoteColumn: {
            // The first line; the whole note is in the field below and in the tooltip.
            const QString note = NoteAt(index.row());
            const qsizetype end = note.indexOf(QLatin1Char('\n'));
            return end < 0 ? note : note.left(end) + QStringLiteral(" …");
        }
        default:
            return {};
    }
}

void RestorePointModel::SetLanguage(std::uint8_t code) {
    language_ = code;
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (!points_.empty()) emit dataChanged(index(0, ReasonColumn), index(rowCount() - 1, ReasonColumn));
}

QVariant RestorePointModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section < 0 || static_cast<std::size_t>(section) >= headers_.size()) return {};
    return headers_[static_cast<std::size_t>(section)]->text();
}

HistoryWindow::HistoryWindow(std::filesystem::path folder, QWidget* parent)
    : QWidget(parent, Qt::Window), store_(std::move(folder)) {
    setObjectName(QStringLiteral("HistoryWindow"));
    setWindowTitle(QStringLiteral("History"));
    const std::vector<const OwnText*> headers{
        new OwnText("HistoryColumnTime", "Time", this), new OwnText("HistoryColumnReason", "Reason", this),
        new OwnText("HistoryColumnUnit", "Unit", this), new OwnText("HistoryColumnKeep", "Keep", this),
        new OwnText("HistoryColumnNote", "Note", this),
    };
    model_ = new RestorePointModel(headers, this);

    list_ = new QTreeView(this);
    list_->setObjectName(QStringLiteral("HistoryList"));
    list_->setRootIsDecorated(false);
    // Every row the same height: ten thousand points open as fast as ten.
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setModel(model_);
    SetColumnWidths();
    const QFontMetrics metrics = list_->fontMetrics();

    QHBoxLayout* filterRow = MakeFilterRow();

    auto* noteLabel = new QLabel(QStringLiteral("Note:"), this);
    noteLabel->setObjectName(QStringLiteral("HistoryNoteLabel"));
    note_ = new QPlainTextEdit(this);
    note_->setObjectName(QStringLiteral("HistoryNote"));
    note_->setTabChangesFocus(true);
    note_->setFixedHeight(metrics.lineSpacing() * 5 + 2 * note_->frameWidth() + 8);
    LimitNoteLength(*note_);
    noteLabel->setBuddy(note_);
    saveNote_ = new QPushButton(QStringLiteral("Save note"), this);
    saveNote_->setObjectName(QStringLiteral("HistorySaveNote"));
    connect(saveNote_, &QPushButton::clicked, this, [this] { SaveNote(); });
    noteError_ = new QLabel(this);
    noteError_->setObjectName(QStringLiteral("HistoryNoteError"));
    noteError_->setWordWrap(true);
    noteError_->setStyleSheet(QStringLiteral("color: #b00000"));
    noteError_->hide();
    auto* noteRow = new QHBoxLayout;
    noteRow->addWidget(note_, 1);
    noteRow->addWidget(saveNote_, 0, Qt::AlignTop);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &HistoryWindow::SelectionChanged);
    connect(list_, &QTreeView::doubleClicked, this, [this] { restore_->click(); });

    buttons_ = new QWidget(this);
    auto* row = new QHBoxLayout(buttons_);
    row->setContentsMargins(0, 0, 0, 0);
    compare_ = AddButton("HistoryCompare", "Compare with window");
    restore_ = AddButton("HistoryRestore", "Restore");
    keep_ = AddButton("HistoryKeep", "Keep");
    row->addStretch(1);
    QPushButton* take = AddButton("HistoryTakeNow", "Take restore point");
    QPushButton* folderButton = AddButton("HistoryOpenFolder", "Open folder");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(list_, 1);
    layout->addWidget(noteLabel);
    layout->addLayout(noteRow);
    layout->addWidget(noteError_);
    layout->addWidget(buttons_);

    ConnectButtons(*take, *folderButton);
    SelectionChanged();
    resize(metrics.horizontalAdvance(QLatin1Char('x')) * 100, metrics.height() * 36);
}

// Each column as wide as its widest text in any language, so that a switch cuts none off.
void HistoryWindow::SetColumnWidths() {
    const QFontMetrics metrics = list_->fontMetrics();
    list_->setColumnWidth(RestorePointModel::TimeColumn,
                          metrics.horizontalAdvance(QStringLiteral("0000-00-00 00:00:00__")));
    // Room for the longest reason of any language, so that a switch cuts none off.
    int reasonWidth = 0;
    for (int reason = 0; reason < kRestoreReasonCount; ++reason)
        for (std::uint8_t code = 0; code < kLanguageCount; ++code)
            reasonWidth =
                std::max(reasonWidth,
                         metrics.horizontalAdvance(ReasonCaption(static_cast<RestoreReason>(reason), code)));
    list_->setColumnWidth(RestorePointModel::ReasonColumn,
                          reasonWidth + metrics.horizontalAdvance(QStringLiteral("__")));
    list_->setColumnWidth(RestorePointModel::UnitColumn,
                          metrics.horizontalAdvance(QStringLiteral("SIM12.V3.____")));
    int keepWidth = 0;
    for (std::uint8_t code = 0; code < kLanguageCount; ++code)
        keepWidth = std::max(keepWidth, metrics.horizontalAdvance(NewTextOf("HistoryColumnKeep", code)));
    list_->setColumnWidth(RestorePointModel::KeepColumn,
                          keepWidth + metrics.horizontalAdvance(QStringLiteral("__")));
}

QHBoxLayout* HistoryWindow::MakeFilterRow() {
    auto* filterRow = new QHBoxLayout;
    auto* filterLabel = new QLabel(QStringLiteral("Find in notes:"), this);
    filterLabel->setObjectName(QStringLiteral("HistoryFilterLabel"));
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("HistoryFilter"));
    filter_->setClearButtonEnabled(true);
    filterLabel->setBuddy(filter_);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filter_, 1);
    connect(filter_, &QLineEdit::textChanged, this, [this](const QString& text) {
        // What was typed goes beside its point before the point may leave the list.
        SaveNote();
        model_->SetFilter(text);
        // The chosen point stays chosen while it matches; otherwise the first match shows its note.
        int row = notePoint_ ? model_->RowOf(*notePoint_) : -1;
        if (row < 0 && model_->rowCount() > 0) row = 0;
        if (row >= 0) list_->setCurrentIndex(model_->index(row, 0));
        SelectionChanged();
    });
    return filterRow;
}

void HistoryWindow::ConnectButtons(QPushButton& take, QPushButton& folderButton) {
    connect(compare_, &QPushButton::clicked, this, [this] {
        if (const RestorePoint* point = Selected())
            emit compareRequested(QString::fromStdString(point->path.string()));
    });
    connect(restore_, &QPushButton::clicked, this, [this] {
        if (const RestorePoint* point = Selected())
            emit restoreRequested(QString::fromStdString(point->path.string()));
    });
    connect(keep_, &QPushButton::clicked, this, [this] {
        // The note goes on disk first, so the rename carries it with its point.
        if (!SaveNote()) return;
        if (const RestorePoint* point = Selected()) emit keepRequested(*point, !point->name.keep);
    });
    connect(&take, &QPushButton::clicked, this, &HistoryWindow::manualRequested);
    connect(&folderButton, &QPushButton::clicked, this, [this] {
        // The folder may not exist before the first point: the file manager then shows nothing useful.
        std::error_code error;
        std::filesystem::create_directories(store_.Folder(), error);
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(store_.Folder().string())));
    });
}

HistoryWindow::~HistoryWindow() { SaveNote(); }

QPushButton* HistoryWindow::AddButton(const char* name, const char* english) {
    auto* button = new QPushButton(QString::fromUtf8(english), buttons_);
    button->setObjectName(QString::fromLatin1(name));
    buttons_->layout()->addWidget(button);
    return button;
}

void HistoryWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Refresh();
}

void HistoryWindow::hideEvent(QHideEvent* event) {
    SaveNote();
    QWidget::hideEvent(event);
}

void HistoryWindow::Refresh() {
    if (!isVisible()) return;
    SaveNote();
    const RestorePoint* selected = Selected();
    const std::optional<RestorePointName> chosen =
        selected != nullptr ? std::optional(selected->name) : std::nullopt;
    RestorePointList listed = store_.List();
    setToolTip(QString::fromStdString(listed.error));
    std::vector<QString> notes;
    notes.reserve(listed.points.size());
    for (const RestorePoint& point : listed.points) {
        // Only the points the listing saw a note beside cost a read.
        const NoteRead read = point.hasNote ? store_.ReadNote(point) : NoteRead{};
        notes.push_back(read.status == NoteStatus::Ours ? QString::fromStdString(read.text) : QString());
    }
    model_->SetPoints(std::move(listed.points), std::move(notes));
    const int row = chosen ? model_->RowOf(*chosen) : -1;
    if (row >= 0) list_->setCurrentIndex(model_->index(row, 0));
    SelectionChanged();
}

void HistoryWindow::Retranslate(std::uint8_t code) {
    language_ = code;
    model_->SetLanguage(code);
    filter_->setPlaceholderText(NewTextOf("HistoryFilterHint", code));
}

bool HistoryWindow::SaveNote() {
    if (!notePoint_ || !note_->document()->isModified()) return true;
    const int row = model_->RowOf(*notePoint_);
    const RestorePoint* point = model_->PointAt(row);
    NoteWriteResult result;
    if (point == nullptr) {
        result = {NoteWriteStatus::Failed, "the restore point is no longer listed"};
    } else {
        result = store_.WriteNote(*point, note_->toPlainText().toStdString());
    }
    if (result.failed()) {
        noteError_->setText(
            NewTextOf("HistoryNoteFailed", language_).arg(QString::fromStdString(result.error)));
        noteError_->show();
        return false;
    }
    noteError_->hide();
    note_->document()->setModified(false);
    model_->SetNoteAt(row, QString::fromStdString(CleanNoteText(note_->toPlainText().toStdString())));
    return true;
}

const RestorePoint* HistoryWindow::Selected() const {
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : model_->PointAt(rows.front().row());
}

void HistoryWindow::SelectionChanged() {
    const RestorePoint* selected = Selected();
    const bool chosen = selected != nullptr;
    RestorePointName name = chosen ? selected->name : RestorePointName{};
    if (notePoint_) name.keep = notePoint_->keep;
    if (!chosen || !notePoint_ || !(*notePoint_ == name)) {
        // A note that could not be written stays in the field once, with the
        // reason shown, so it can still be copied; choosing again moves on.
        const bool saved = SaveNote();
        if (saved || (chosen && leaveUnsaved_)) {
            leaveUnsaved_ = false;
            notePoint_ = chosen ? std::optional(selected->name) : std::nullopt;
            note_->setPlainText(chosen ? model_->NoteAt(model_->RowOf(selected->name)) : QString());
            note_->moveCursor(QTextCursor::End);  // a note is mostly added to
            note_->setEnabled(chosen);
            saveNote_->setEnabled(chosen);
        } else {
            leaveUnsaved_ = chosen;
        }
    }
    restore_->setEnabled(chosen);
    keep_->setEnabled(chosen);
    // Until a compare view listens, the button would do nothing.
    compare_->setEnabled(chosen &&
                         isSignalConnected(QMetaMethod::fromSignal(&HistoryWindow::compareRequested)));
}

}  // namespace ign
