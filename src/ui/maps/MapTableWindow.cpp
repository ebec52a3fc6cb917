#include "maps/MapTableWindow.h"

#include "MapGeometry.h"
#include "ParameterDocument.h"
#include "Validation.h"
#include "language/OwnText.h"
#include "maps/HeatPalette.h"
#include "maps/OperatingPointOverlay.h"
#include "maps/OperatingPointView.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace ign {
namespace {

constexpr const char* kThrottleHeadings[kMapSize] = {"0%",  "10%", "20%", "30%", "40%",
                                                     "50%", "60%", "70%", "80%", "100%"};

int Cell(int row, int column) { return row * kMapSize + column; }

// Selected cells keep their heat colour: a light shade and a frame around the
// selection instead of the style's solid highlight, which would read as a value.
class SelectionOverHeat : public QStyledItemDelegate {
public:
    explicit SelectionOverHeat(QTableWidget& table) : QStyledItemDelegate(&table), table_(table) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem plain(option);
        plain.state &= ~QStyle::State_Selected;
        QStyledItemDelegate::paint(painter, plain, index);
        if (!Selected(index.row(), index.column())) return;
        painter->save();
        painter->fillRect(option.rect, QColor(0, 0, 0, 36));
        painter->setPen(QPen(option.palette.color(QPalette::Highlight), 3));
        const QRect r = option.rect.adjusted(1, 1, -2, -2);
        if (!Selected(index.row() - 1, index.column())) painter->drawLine(r.topLeft(), r.topRight());
        if (!Selected(index.row() + 1, index.column())) painter->drawLine(r.bottomLeft(), r.bottomRight());
        if (!Selected(index.row(), index.column() - 1)) painter->drawLine(r.topLeft(), r.bottomLeft());
        if (!Selected(index.row(), index.column() + 1)) painter->drawLine(r.topRight(), r.bottomRight());
        painter->restore();
    }

private:
    bool Selected(int row, int column) const {
        const QModelIndex cell = table_.model()->index(row, column);
        return cell.isValid() && table_.selectionModel()->isSelected(cell);
    }

    QTableWidget& table_;
};

}  // namespace

MapTableWindow::MapTableWindow(ParameterDocument& document, Hooks hooks, QWidget* parent)
    : QDialog(parent), document_(document), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("MapTableWindow"));
    setWindowTitle(QStringLiteral("Map table"));
    setModal(false);
    validatedText_ = new OwnText("MapTableValidated", "Validation changed %1 values", this);
    clampedText_ = new OwnText("MapTableClamped", "Pasted values brought into the range 5 to 250: %1", this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeTable(), 1);
    layout->addLayout(MakeTools());
    layout->addLayout(MakeFills());

    send_ = new QCheckBox(QStringLiteral("Send changes to the unit"), this);
    send_->setObjectName(QStringLiteral("MapTableSend"));
    layout->addWidget(send_);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("MapTableNote"));
    note_->setWordWrap(true);
    layout->addWidget(note_);

    overlay_ = new OperatingPointOverlay(
        *table_->viewport(), kMapSize, kMapSize,
        [this](int row, int column) { return table_->visualRect(table_->model()->index(row, column)); }, {});
    overlay_->setObjectName(QStringLiteral("MapTableOperatingPoint"));
    overlay_->setPlacement(MapPlacement(document_));

    Show(document_.Parameters());
    document_.Listen([this](const ParameterChange& change) { Show(change.after); });
}

QTableWidget* MapTableWindow::MakeTable() {
    table_ = new QTableWidget(kMapSize, kMapSize, this);
    table_->setObjectName(QStringLiteral("MapTableCells"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int row = 0; row < kMapSize; ++row) {
        table_->setVerticalHeaderItem(row, new QTableWidgetItem(QString::fromLatin1(kThrottleHeadings[row])));
        for (int column = 0; column < kMapSize; ++column) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            table_->setItem(row, column, item);
        }
    }
    for (int column = 0; column < kMapSize; ++column)
        table_->setHorizontalHeaderItem(column, new QTableWidgetItem);
    table_->setItemDelegate(new SelectionOverHeat(*table_));
    // A frame drawn over a neighbour must go when the selection moves away.
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, table_->viewport(),
            qOverload<>(&QWidget::update));
    table_->installEventFilter(this);
    return table_;
}

QPushButton* MapTableWindow::MakeButton(const char* name, const char* caption,
                                        void (MapTableWindow::*run)()) {
    auto* b = new QPushButton(QString::fromUtf8(caption), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::TabFocus);
    connect(b, &QPushButton::clicked, this, run);
    return b;
}

// The steps, the factor and the value, with the buttons that apply them.
QGridLayout* MapTableWindow::MakeTools() {
    auto* tools = new QGridLayout;
    auto* minus = new QPushButton(QStringLiteral("-"), this);
    minus->setObjectName(QStringLiteral("MapTableMinus"));
    auto* plus = new QPushButton(QStringLiteral("+"), this);
    plus->setObjectName(QStringLiteral("MapTablePlus"));
    for (QPushButton* b : {minus, plus}) {
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::TabFocus);
    }
    // Shift with a click steps ten, as it does with the keys.
    auto steps = [] { return QApplication::keyboardModifiers() & Qt::ShiftModifier ? 10 : 1; };
    connect(minus, &QPushButton::clicked, this, [this, steps] { AddSteps(-steps()); });
    connect(plus, &QPushButton::clicked, this, [this, steps] { AddSteps(steps()); });
    tools->addWidget(minus, 0, 0);
    tools->addWidget(plus, 0, 1);

    auto* factorLabel = new QLabel(QStringLiteral("Factor:"), this);
    factorLabel->setObjectName(QStringLiteral("MapTableFactorLabel"));
    factor_ = new QDoubleSpinBox(this);
    factor_->setObjectName(QStringLiteral("MapTableFactor"));
    factor_->setRange(0.1, 10.0);
    factor_->setDecimals(2);
    factor_->setSingleStep(0.01);
    factor_->setValue(1.0);
    tools->addWidget(factorLabel, 0, 2, Qt::AlignRight);
    tools->addWidget(factor_, 0, 3);
    tools->addWidget(MakeButton("MapTableMultiply", "Multiply", &MapTableWindow::Multiply), 0, 4);

    auto* valueLabel = new QLabel(QStringLiteral("Value:"), this);
    valueLabel->setObjectName(QStringLiteral("MapTableValueLabel"));
    value_ = new QSpinBox(this);
    value_->setObjectName(QStringLiteral("MapTableValue"));
    value_->setRange(5, 250);
    value_->setValue(kHeatNeutral);
    tools->addWidget(valueLabel, 1, 2, Qt::AlignRight);
    tools->addWidget(value_, 1, 3);
    tools->addWidget(MakeButton("MapTableSet", "Set", &MapTableWindow::SetValue), 1, 4);
    return tools;
}

QHBoxLayout* MapTableWindow::MakeFills() {
    auto* fills = new QHBoxLayout;
    fills->addWidget(MakeButton("MapTableFill", "Fill", &MapTableWindow::FillBilinear));
    fills->addWidget(MakeButton("MapTableFillRows", "Fill rows", &MapTableWindow::FillRows));
    fills->addWidget(MakeButton("MapTableFillColumns", "Fill columns", &MapTableWindow::FillColumns));
    fills->addWidget(MakeButton("MapTableSmooth", "Smooth", &MapTableWindow::Smooth));
    fills->addWidget(MakeButton("MapTableCopy", "Copy", &MapTableWindow::Copy));
    fills->addWidget(MakeButton("MapTablePaste", "Paste", &MapTableWindow::Paste));
    return fills;
}

void MapTableWindow::Open() {
    // Sending is asked for anew each time: a window opened for looking sends nothing.
    send_->setChecked(false);
    note_->clear();
    validated_.clear();
    Show(document_.Parameters());
    FitTable();
    show();
    adjustSize();
    raise();
    activateWindow();
}

void MapTableWindow::FitTable() {
    // Every cell in sight, all columns alike: no scrolling hides a part of the map.
    table_->resizeColumnsToContents();
    // Rows as tall as the marker's frame needs around the digits.
    const int rowHeight = table_->fontMetrics().height() + 10;
    for (int row = 0; row < kMapSize; ++row) table_->setRowHeight(row, rowHeight);
    int columnWidth = 0;
    for (int column = 0; column < kMapSize; ++column)
        columnWidth = std::max(columnWidth, table_->columnWidth(column));
    columnWidth += table_->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (int column = 0; column < kMapSize; ++column) table_->setColumnWidth(column, columnWidth);
    int height = table_->horizontalHeader()->sizeHint().height() + 2 * table_->frameWidth();
    for (int row = 0; row < kMapSize; ++row) height += table_->rowHeight(row);
    const int width =
        table_->verticalHeader()->sizeHint().width() + kMapSize * columnWidth + 2 * table_->frameWidth();
    table_->setFixedSize(width, height);
}

void MapTableWindow::SetHeatMap(bool on) {
    heatMap_ = on;
    Show(document_.Parameters());
}

void MapTableWindow::Show(const ParameterSet& set) {
    const auto speeds = MapSpeedAxis(set.injection);
    for (int column = 0; column < kMapSize; ++column)
        table_->horizontalHeaderItem(column)->setText(
            QString::number(speeds[static_cast<std::size_t>(column)]));
    const QColor base = table_->palette().color(QPalette::Base);
    const QColor text = table_->palette().color(QPalette::Text);
    for (int row = 0; row < kMapSize; ++row) {
        for (int column = 0; column < kMapSize; ++column) {
            const int value = set.injection.JET[static_cast<std::size_t>(Cell(row, column))];
            QTableWidgetItem* item = table_->item(row, column);
            item->setText(QString::number(value));
            const HeatColours colours = heatMap_ ? HeatColoursOf(value, base) : HeatColours{base, text};
            item->setBackground(colours.background);
            item->setForeground(colours.text);
            // What validation made of a value differs from what the operation asked for.
            QFont font = item->font();
            const bool validated = validated_.contains(Cell(row, column));
            font.setItalic(validated);
            font.setUnderline(validated);
            item->setFont(font);
        }
    }
}

MapRect MapTableWindow::Selection() const {
    const QList<QTableWidgetSelectionRange> ranges = table_->selectedRanges();
    if (ranges.isEmpty()) {
        const int row = table_->currentRow(), column = table_->currentColumn();
        if (row < 0 || column < 0) return {-1, -1, -1, -1};
        return {row, column, row, column};
    }
    const QTableWidgetSelectionRange& r = ranges.front();
    return {r.topRow(), r.leftColumn(), r.bottomRow(), r.rightColumn()};
}

void MapTableWindow::Say(const QString& text) { note_->setText(text); }

void MapTableWindow::Run(const std::function<MapChange(const JetMap&)>& operation) {
    MapChange made;
    validated_.clear();
    // The editors are taken first, as a live adjustment takes them, so text
    // typed on the page is neither lost nor overwritten by an old value.
    const bool stood = document_.TakeEditors(ChangeCause::MapTable, ParameterDocument::Validation::None,
                                             [&](ParameterSet& set) {
                                                 made = operation(set.injection.JET);
                                                 if (made.changed.empty()) return false;
                                                 set.injection.JET = made.jet;
                                                 ValidateParameters(set);
                                                 for (int cell : made.changed)
                                                     if (set.injection.JET[static_cast<std::size_t>(cell)] !=
                                                         made.jet[static_cast<std::size_t>(cell)])
                                                         validated_.insert(cell);
                                                 return true;
                                             });
    Show(document_.Parameters());
    Say(validated_.empty() ? QString() : validatedText_->text().arg(validated_.size()));
    if (stood && send_->isChecked() && hooks_.portOpen && hooks_.portOpen() && hooks_.programLive)
        hooks_.programLive();
}

void MapTableWindow::AddSteps(int steps) {
    const MapRect rect = Selection();
    Run([&](const JetMap& jet) { return ign::AddSteps(jet, rect, steps); });
}

void MapTableWindow::Multiply() {
    const MapRect rect = Selection();
    const double factor = factor_->value();
    Run([&](const JetMap& jet) { return MultiplyCells(jet, rect, factor); });
}

void MapTableWindow::SetValue() {
    const MapRect rect = Selection();
    const int value = value_->value();
    Run([&](const JetMap& jet) { return SetCells(jet, rect, value); });
}

void MapTableWindow::FillBilinear() {
    const MapRect rect = Selection();
    const MapAxes axes = MapAxesOf(document_.Parameters().injection);
    Run([&](const JetMap& jet) { return ign::FillBilinear(jet, rect, axes); });
}

void MapTableWindow::FillRows() {
    const MapRect rect = Selection();
    const MapAxes axes = MapAxesOf(document_.Parameters().injection);
    Run([&](const JetMap& jet) { return ign::FillRows(jet, rect, axes); });
}

void MapTableWindow::FillColumns() {
    const MapRect rect = Selection();
    const MapAxes axes = MapAxesOf(document_.Parameters().injection);
    Run([&](const JetMap& jet) { return ign::FillColumns(jet, rect, axes); });
}

void MapTableWindow::Smooth() {
    const MapRect rect = Selection();
    Run([&](const JetMap& jet) { return SmoothCells(jet, rect); });
}

void MapTableWindow::Copy() {
    const std::string text = CopyCells(document_.Parameters().injection.JET, Selection());
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

void MapTableWindow::Paste() {
    const MapRect rect = Selection();
    const std::string text = QApplication::clipboard()->text().toStdString();
    // Numbers as the window writes them, so "1,000" is what the user sees it as.
    const QLocale locale = table_->locale();
    const NumberFormat format{locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString(),
                              locale.negativeSign().toStdString(), locale.positiveSign().toStdString()};
    PasteResult pasted;
    Run([&](const JetMap& jet) {
        pasted = PasteCells(jet, rect, text, format);
        return pasted.change;
    });
    if (pasted.error != PasteError::None) {
        const std::uint8_t language = hooks_.language ? hooks_.language() : 0;
        Say(QString::fromStdString(PasteErrorText(pasted, language)));
        return;
    }
    if (pasted.clamped.empty()) return;
    // Values held to the range are marked as validation's changes are, even
    // where the cell happened to hold that limit already.
    QStringList notes{clampedText_->text().arg(pasted.clamped.size())};
    if (!validated_.empty()) notes << validatedText_->text().arg(validated_.size());
    validated_.insert(pasted.clamped.begin(), pasted.clamped.end());
    Show(document_.Parameters());
    Say(notes.join(QStringLiteral("; ")));
}

// Digits typed on the table gather in the "Value:" field; Enter sets the
// selection to them, Escape drops them.
bool MapTableWindow::TypeNumber(const QKeyEvent& key) {
    const QString text = key.text();
    const bool digit = text.size() == 1 && text.front().isDigit() &&
                       !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (digit && typed_.size() < 4) {
        typed_ += text;
    } else if (typed_.isEmpty()) {
        return false;
    } else if (key.key() == Qt::Key_Backspace) {
        typed_.chop(1);
    } else if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
        value_->setValue(std::clamp(typed_.toInt(), value_->minimum(), value_->maximum()));
        typed_.clear();
        SetValue();
        return true;
    } else if (key.key() == Qt::Key_Escape) {
        typed_.clear();
    } else if (!digit) {
        return false;
    }
    // What is typed shows as typed, even beyond the field's range, until Enter takes it.
    QLineEdit* field = value_->findChild<QLineEdit*>();
    field->setText(typed_.isEmpty() ? QString::number(value_->value()) : typed_);
    return true;
}

bool MapTableWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != table_ || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Copy)) {
        Copy();
        return true;
    }
    if (key->matches(QKeySequence::Paste)) {
        Paste();
        return true;
    }
    if (TypeNumber(*key)) return true;
    // "+" takes Shift on some layouts and none on others: it steps one either
    // way. Ten are Shift with the keypad's keys, which no layout moves, and
    // Shift with "-" ("_").
    const bool ten = (key->modifiers() & Qt::ShiftModifier) && (key->modifiers() & Qt::KeypadModifier);
    switch (key->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:  // "+" without Shift on many keyboards
            AddSteps(ten ? 10 : 1);
            return true;
        case Qt::Key_Minus:
            AddSteps(ten ? -10 : -1);
            return true;
        case Qt::Key_Underscore:  // Shift with "-"
            AddSteps(-10);
            return true;
        default:
            return QDialog::eventFilter(watched, event);
    }
}

}  // namespace ign
