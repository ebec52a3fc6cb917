#include "HistoryWindow.h"

#include "NewTexts.h"
#include "OwnText.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMetaMethod>
#include <QPushButton>
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

void RestorePointModel::SetPoints(std::vector<RestorePoint> points) {
    beginResetModel();
    points_ = std::move(points);
    endResetModel();
}

const RestorePoint* RestorePointModel::PointAt(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < points_.size()
               ? &points_[static_cast<std::size_t>(row)]
               : nullptr;
}

int RestorePointModel::RowOf(RestorePointName name) const {
    const auto found = std::find_if(points_.begin(), points_.end(), [&](const RestorePoint& p) {
        name.keep = p.name.keep;
        return p.name == name;
    });
    return found == points_.end() ? -1 : static_cast<int>(found - points_.begin());
}

int RestorePointModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(points_.size());
}

int RestorePointModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RestorePointModel::data(const QModelIndex& index, int role) const {
    const RestorePoint* point = PointAt(index.row());
    if (point == nullptr) return {};
    if (role == Qt::ToolTipRole) return QString::fromStdString(point->path.filename().string());
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
        new OwnText("HistoryColumnTime", "Time", this),
        new OwnText("HistoryColumnReason", "Reason", this),
        new OwnText("HistoryColumnUnit", "Unit", this),
        new OwnText("HistoryColumnKeep", "Keep", this),
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
    layout->addWidget(list_, 1);
    layout->addWidget(buttons_);

    connect(compare_, &QPushButton::clicked, this, [this] {
        if (const RestorePoint* point = Selected())
            emit compareRequested(QString::fromStdString(point->path.string()));
    });
    connect(restore_, &QPushButton::clicked, this, [this] {
        if (const RestorePoint* point = Selected())
            emit restoreRequested(QString::fromStdString(point->path.string()));
    });
    connect(keep_, &QPushButton::clicked, this, [this] {
        if (const RestorePoint* point = Selected()) emit keepRequested(*point, !point->name.keep);
    });
    connect(take, &QPushButton::clicked, this, &HistoryWindow::manualRequested);
    connect(folderButton, &QPushButton::clicked, this, [this] {
        // The folder may not exist before the first point: the file manager then shows nothing useful.
        std::error_code error;
        std::filesystem::create_directories(store_.Folder(), error);
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(store_.Folder().string())));
    });
    SelectionChanged();
    resize(metrics.horizontalAdvance(QLatin1Char('x')) * 80, metrics.height() * 30);
}

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

void HistoryWindow::Refresh() {
    if (!isVisible()) return;
    const RestorePoint* selected = Selected();
    const std::optional<RestorePointName> chosen =
        selected != nullptr ? std::optional(selected->name) : std::nullopt;
    RestorePointList listed = store_.List();
    setToolTip(QString::fromStdString(listed.error));
    model_->SetPoints(std::move(listed.points));
    const int row = chosen ? model_->RowOf(*chosen) : -1;
    if (row >= 0) list_->setCurrentIndex(model_->index(row, 0));
    SelectionChanged();
}

void HistoryWindow::Retranslate(std::uint8_t code) { model_->SetLanguage(code); }

const RestorePoint* HistoryWindow::Selected() const {
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : model_->PointAt(rows.front().row());
}

void HistoryWindow::SelectionChanged() {
    const bool chosen = Selected() != nullptr;
    restore_->setEnabled(chosen);
    keep_->setEnabled(chosen);
    // Until a compare view listens, the button would do nothing.
    compare_->setEnabled(chosen &&
                         isSignalConnected(QMetaMethod::fromSignal(&HistoryWindow::compareRequested)));
}

}  // namespace ign
