#include "logs/LogViewerWindow.h"

#include "DatalogSettings.h"
#include "UnitMatch.h"
#include "language/OwnText.h"
#include "logs/CellMap.h"
#include "logs/ChannelList.h"
#include "logs/LogLoading.h"
#include "logs/StripChart.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStringList>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>
#include <string_view>

namespace ign {
namespace {

// The state a log's first line names, in the window's words where it is one of ours.
QString StateText(const std::string& state, std::uint8_t language) {
    const std::pair<std::string_view, UnitMatch> known[] = {
        {kLogUnitEqualsWindow, UnitMatch::UnitEqualsWindow},
        {kLogChangedSinceProgram, UnitMatch::ChangedSinceProgram},
        {kLogUnitDiffers, UnitMatch::UnitDiffers},
        {kLogUnitNotChecked, UnitMatch::UnitNotChecked},
    };
    for (const auto& [text, match] : known)
        if (state == text) return QString::fromUtf8(UnitMatchText(match, language));
    return QString::fromStdString(state);
}

QLabel* Caption(const char* name, const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QPushButton* Button(const char* name, const char* text, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace

LogViewerWindow::LogViewerWindow(Sources sources, QWidget* parent)
    : QWidget(parent, Qt::Window), sources_(std::move(sources)) {
    setObjectName(QStringLiteral("LogViewerWindow"));
    setWindowTitle(QStringLiteral("Log viewer"));
    makeTexts();
    makeControls();
    layOut();
    connectControls();
    setReading(false);
    showSet();
}

void LogViewerWindow::makeTexts() {
    truncatedText_ = new OwnText("LogViewerTruncated", "The last line was cut off and is left out.", this);
    cannotOpenText_ = new OwnText("LogViewerCannotOpen", "The file cannot be opened.", this);
    noChannelsText_ =
        new OwnText("LogViewerNoChannels", "This is no log: the channel names and units are missing.", this);
    noCellsText_ =
        new OwnText("LogViewerNoCells", "No cell table: the log lacks speed, throttle or lambda.", this);
    dialogTitle_ = new OwnText("LogViewerDialog", "Open log", this);
    cursorText_ = new OwnText("LogViewerCursorText", "Cursor: %1", this);
    axisText_ = new OwnText("LogViewerAxis", "Time since start", this);
    outOfRangeText_ =
        new OwnText("LogViewerOutOfRange", "Rows left out (time beyond 10 years or no number): %1", this);
    cancelledText_ = new OwnText("LogViewerCancelled", "Reading cancelled: the log shown stays.", this);
    notAFileText_ = new OwnText("LogViewerNotAFile", "This is no log: it is not a regular file.", this);
    tooLargeText_ = new OwnText("LogViewerTooLarge", "This is no log: it is larger than 1 GiB.", this);
    tooManyColumnsText_ =
        new OwnText("LogViewerTooManyColumns", "This is no log: it has more than 256 columns.", this);
    lineTooLongText_ =
        new OwnText("LogViewerLineTooLong", "This is no log: a line is longer than 64 KiB.", this);
    tooSparseText_ =
        new OwnText("LogViewerTooSparse", "This is no log: its rows lack most of the columns.", this);
    tooMuchDataText_ = new OwnText(
        "LogViewerTooMuchData", "This is no log: its columns would take more than 1.5 GiB of memory.", this);

    setText_ = new OwnText("LogViewerSetText", "Set: %1 (%2), %3", this);
    setUnknownText_ = new OwnText("LogViewerSetUnknown", "set unknown", this);
}

void LogViewerWindow::makeControls() {
    open_ = new QPushButton(QStringLiteral("Open log..."), this);
    open_->setObjectName(QStringLiteral("LogViewerOpen"));
    file_ = new QLabel(this);
    file_->setObjectName(QStringLiteral("LogViewerFile"));
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("LogViewerNote"));
    note_->setStyleSheet(QStringLiteral("color: #b00000"));
    showTime_ = new QRadioButton(QStringLiteral("Time per cell"), this);
    showTime_->setObjectName(QStringLiteral("LogViewerShowTime"));
    showLambda_ = new QRadioButton(QStringLiteral("Lambda per cell"), this);
    showLambda_->setObjectName(QStringLiteral("LogViewerShowLambda"));
    showLambda_->setChecked(true);
    cursorTime_ = new QLabel(this);
    cursorTime_->setObjectName(QStringLiteral("LogViewerCursor"));
    allChannels_ = new QCheckBox(QStringLiteral("All channels"), this);
    allChannels_->setObjectName(QStringLiteral("LogViewerAllChannels"));

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("LogViewerProgress"));
    progress_->setRange(0, 100);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("LogViewerCancel"));
    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(100);
    loading_ = new LogLoading(this);

    channels_ = new ChannelList(this);
    chart_ = new StripChart(this);
    chart_->setInteractive(true);
    cells_ = new CellMap(this);

    set_ = Caption("LogViewerSet", "", this);
    set_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    compareSet_ = Button("LogViewerCompareSet", "Compare with window", this);
    openSecond_ = Button("LogViewerOpenSecond", "Second log...", this);
    secondFile_ = Caption("LogViewerSecondFile", "", this);
    offsetLabel_ = Caption("LogViewerOffsetLabel", "Offset:", this);
    offsetField_ = new QDoubleSpinBox(this);
    offsetField_->setObjectName(QStringLiteral("LogViewerOffset"));
    offsetField_->setDecimals(2);
    // As far as two logs' times can lie apart, so that the field shows every offset there is.
    offsetField_->setRange(-2 * kMaxLogTimeS, 2 * kMaxLogTimeS);
    offsetField_->setSuffix(QStringLiteral(" s"));
    offsetLabel_->setBuddy(offsetField_);
    align_ = Button("LogViewerAlign", "Align at cursor", this);
    delayLabel_ = Caption("LogViewerDelayLabel", "Lambda delay:", this);
    delay_ = new QSpinBox(this);
    delay_->setObjectName(QStringLiteral("LogViewerLambdaDelay"));
    delay_->setRange(0, DatalogSettings::kMaxLambdaDelayMs);
    delay_->setSingleStep(50);
    delay_->setSuffix(QStringLiteral(" ms"));
    delayLabel_->setBuddy(delay_);
    delay_->setValue(DatalogSettings::kDefaultLambdaDelayMs);
}

void LogViewerWindow::layOut() {
    auto* first = new QHBoxLayout;
    // The set behind the log and the cell table's delay; then the second log.
    auto* sets = new QHBoxLayout;
    sets->addWidget(set_);
    sets->addWidget(compareSet_);
    sets->addStretch(1);
    sets->addWidget(delayLabel_);
    sets->addWidget(delay_);
    auto* second = new QHBoxLayout;
    second->addWidget(openSecond_);
    second->addWidget(secondFile_);
    second->addSpacing(12);
    second->addWidget(offsetLabel_);
    second->addWidget(offsetField_);
    second->addWidget(align_);
    second->addStretch(1);
    auto* top = new QVBoxLayout;
    top->addLayout(first);
    top->addLayout(sets);
    top->addLayout(second);
    first->addWidget(open_);
    first->addWidget(file_);
    first->addWidget(note_, 1);
    first->addWidget(cursorTime_);
    first->addWidget(progress_);
    first->addWidget(cancel_);
    first->addWidget(showTime_);
    first->addWidget(showLambda_);
    LayOutLogWindow(*this, top, channels_, allChannels_, chart_, cells_);
    chart_->setTimeAxis({0, std::nullopt, axisText_->text()});
    resize(1000, 760);
}

void LogViewerWindow::connectControls() {
    dialog_ = [this](QWidget& owner, const QString& folder) {
        return QFileDialog::getOpenFileName(&owner, dialogTitle_->text(), folder,
                                            QStringLiteral("Logs (*.msl *.log *.txt);;* (*)"));
    };
    connect(open_, &QPushButton::clicked, this, &LogViewerWindow::askForFile);
    connect(openSecond_, &QPushButton::clicked, this, [this] {
        const QString path = dialog_(*this, sources_.folder ? sources_.folder() : QString());
        if (!path.isEmpty()) openSecondFile(path);
    });
    connect(compareSet_, &QPushButton::clicked, this, [this] {
        const LogSetSpan* span = cursorAt_ ? sets_.at(*cursorAt_) : nullptr;
        if (span != nullptr && span->known())
            emit compareSetRequested(QString::fromStdU16String(span->file.u16string()));
    });
    connect(offsetField_, &QDoubleSpinBox::valueChanged, this, &LogViewerWindow::setOffset);
    connect(align_, &QPushButton::clicked, this, &LogViewerWindow::alignAtCursor);
    connect(delay_, &QSpinBox::valueChanged, this, &LogViewerWindow::setLambdaDelay);
    connect(cancel_, &QPushButton::clicked, loading_, &LogLoading::cancel);
    connect(progressTimer_, &QTimer::timeout, this, [this] { progress_->setValue(loading_->percent()); });
    connect(chart_, &StripChart::cursorMoved, this, &LogViewerWindow::cursorMoved);
    connect(channels_, &ChannelList::chartedChanged, this,
            [this] { chart_->setColumns(channels_->charted()); });
    connect(showTime_, &QRadioButton::toggled, this,
            [this](bool on) { cells_->setFigure(on ? CellMap::Figure::Time : CellMap::Figure::Lambda); });
}

LogViewerWindow::~LogViewerWindow() { loading_->stop(); }

void LogViewerWindow::askForFile() {
    const QString path = dialog_(*this, sources_.folder ? sources_.folder() : QString());
    if (!path.isEmpty()) openFile(path);
}

void LogViewerWindow::showEvent(QShowEvent* event) {
    // The setting as it stands, until the tuner types another here.
    if (!lambdaDelayMs_) {
        const QSignalBlocker quiet(delay_);
        delay_->setValue(cellSettings().lambdaDelayMs);
    }
    QWidget::showEvent(event);
}

CellStatisticsSettings LogViewerWindow::cellSettings() const {
    CellStatisticsSettings settings =
        sources_.cellSettings ? sources_.cellSettings() : CellStatisticsSettings{};
    if (lambdaDelayMs_) settings.lambdaDelayMs = *lambdaDelayMs_;
    return settings;
}

std::optional<LogLoading::Result> LogViewerWindow::read(const QString& path) {
    QEventLoop reading;
    connect(loading_, &LogLoading::finished, &reading, &QEventLoop::quit);
    if (!loading_->start(path, speedAxis_, cellSettings())) return std::nullopt;
    setReading(true);
    reading.exec();
    // The program may be quitting, which ends every event loop: no read outlives this call.
    loading_->stop();
    setReading(false);
    LogLoading::Result read = loading_->take();

    if (read.error == LogReadError::Cancelled) {
        note_->setText(cancelledText_->text());
        return std::nullopt;
    }
    if (!read.log) {
        // The log shown stays, with its name; the note says what became of the other file.
        note_->setText(errorText(read.error) + QStringLiteral(" (") + QFileInfo(path).fileName() +
                       QLatin1Char(')'));
        return std::nullopt;
    }
    return read;
}

bool LogViewerWindow::openFile(const QString& path) {
    speedAxis_ = sources_.speedAxis ? sources_.speedAxis() : std::array<double, kMapSize>{};
    {
        const QSignalBlocker quiet(delay_);
        delay_->setValue(cellSettings().lambdaDelayMs);
    }
    std::optional<LogLoading::Result> read = this->read(path);
    if (!read) return false;
    file_->setText(QFileInfo(path).fileName());
    log_ = std::move(read->log);
    sets_ = std::move(read->sets);
    QStringList notes;
    if (log_->truncated) notes << truncatedText_->text();
    if (log_->outOfRangeRows > 0) notes << outOfRangeText_->text().arg(log_->outOfRangeRows);
    if (!read->cells && notes.isEmpty()) notes << noCellsText_->text();
    note_->setText(notes.join(QLatin1Char(' ')));
    channels_->setData(&*log_, {"rpm", "tps_percent", "lambda_mv", "water_c"});
    chart_->setData(&*log_);
    chart_->setColumns(channels_->charted());
    const double start = log_->rows() == 0 ? 0 : log_->timeS.front();
    chart_->setTimeAxis({start, std::nullopt, axisText_->text()});
    chart_->setRange(start, log_->rows() == 0 ? 1 : log_->timeS.back());
    cells_->setTable(std::move(read->cells), speedAxis_);
    compareLogs();
    setCursorTime(log_->rows() == 0 ? 0 : log_->timeS.front());
    return true;
}

bool LogViewerWindow::openSecondFile(const QString& path) {
    if (!log_) return openFile(path);
    std::optional<LogLoading::Result> read = this->read(path);
    if (!read) return false;
    secondFile_->setText(QFileInfo(path).fileName());
    second_ = std::move(read->log);
    secondSets_ = std::move(read->sets);
    secondCells_ = std::move(read->cells);
    // Both from their starts, until the tuner shifts it.
    const double firstStart = log_->rows() == 0 ? 0 : log_->timeS.front();
    const double secondStart = second_->rows() == 0 ? 0 : second_->timeS.front();
    offset_ = LogTimeOffset::AlignAt(firstStart, secondStart);
    {
        const QSignalBlocker quiet(offsetField_);
        offsetField_->setValue(offset_.offsetS);
    }
    chart_->setOverlay(&*second_, offset_.offsetS);
    compareLogs();
    showSet();
    return true;
}

void LogViewerWindow::setOffset(double seconds) {
    offset_ = LogTimeOffset::Of(seconds);
    chart_->setOverlay(second_ ? &*second_ : nullptr, offset_.offsetS);
    if (offsetField_->value() != offset_.offsetS) {
        const QSignalBlocker quiet(offsetField_);
        offsetField_->setValue(offset_.offsetS);
    }
}

void LogViewerWindow::alignAtCursor() {
    const std::optional<double> secondAt = chart_->secondCursorTime();
    if (!second_ || !cursorAt_ || !secondAt) return;
    // The second log's moment under its own cursor goes under the first's.
    setOffset(LogTimeOffset::AlignAt(*cursorAt_, offset_.toSecond(*secondAt)).offsetS);
    chart_->setSecondCursorTime(*cursorAt_);
}

void LogViewerWindow::setLambdaDelay(int ms) {
    lambdaDelayMs_ = std::clamp(ms, 0, DatalogSettings::kMaxLambdaDelayMs);
    if (delay_->value() != *lambdaDelayMs_) {
        const QSignalBlocker quiet(delay_);
        delay_->setValue(*lambdaDelayMs_);
    }
    if (sources_.keepLambdaDelay) sources_.keepLambdaDelay(*lambdaDelayMs_);
    recompute();
}

// The cell tables again with the settings as they are now.
void LogViewerWindow::recompute() {
    const CellStatisticsSettings settings = cellSettings();
    if (log_) cells_->setTable(CellStatisticsOfLog(*log_, speedAxis_, settings), speedAxis_);
    if (second_) secondCells_ = CellStatisticsOfLog(*second_, speedAxis_, settings);
    compareLogs();
}

void LogViewerWindow::compareLogs() {
    if (!log_ || !second_ || !cells_->table() || !secondCells_) {
        cells_->setComparison(std::nullopt);
        return;
    }
    const auto setOf = [](const LogSets& sets, const LogData& log) -> const ParameterSet* {
        if (log.rows() == 0) return nullptr;
        const LogSetSpan* span = sets.longest(log.timeS.front(), log.timeS.back());
        return span != nullptr && span->known() ? &*span->set : nullptr;
    };
    cells_->setComparison(
        CompareLogCells(*cells_->table(), *secondCells_, setOf(sets_, *log_), setOf(secondSets_, *second_)));
}

QString LogViewerWindow::setText() const {
    const LogSetSpan* span = cursorAt_ ? sets_.at(*cursorAt_) : nullptr;
    if (span == nullptr || !span->known()) return setUnknownText_->text();
    return setText_->text().arg(QString::fromStdU16String(span->file.filename().u16string()),
                                QString::fromStdString(span->digest), StateText(span->state, language_));
}

void LogViewerWindow::showSet() {
    const LogSetSpan* span = cursorAt_ && log_ ? sets_.at(*cursorAt_) : nullptr;
    set_->setText(log_ ? setText() : QString());
    compareSet_->setEnabled(span != nullptr && span->known());
    const bool two = second_.has_value();
    for (QWidget* w : std::initializer_list<QWidget*>{offsetLabel_, offsetField_, align_}) w->setEnabled(two);
    openSecond_->setEnabled(log_.has_value());
}

void LogViewerWindow::setReading(bool reading) {
    progress_->setValue(0);
    progress_->setVisible(reading);
    cancel_->setVisible(reading);
    open_->setEnabled(!reading);
    openSecond_->setEnabled(!reading && log_.has_value());
    if (reading) {
        progressTimer_->start();
    } else {
        progressTimer_->stop();
    }
}

QString LogViewerWindow::errorText(LogReadError error) const {
    switch (error) {
        case LogReadError::NoChannels:
            return noChannelsText_->text();
        case LogReadError::NotAFile:
            return notAFileText_->text();
        case LogReadError::TooLarge:
            return tooLargeText_->text();
        case LogReadError::TooManyColumns:
            return tooManyColumnsText_->text();
        case LogReadError::LineTooLong:
            return lineTooLongText_->text();
        case LogReadError::TooSparse:
            return tooSparseText_->text();
        case LogReadError::TooMuchData:
            return tooMuchDataText_->text();
        case LogReadError::Cancelled:
            return cancelledText_->text();
        case LogReadError::None:
        case LogReadError::CannotOpen:
            break;
    }
    return cannotOpenText_->text();
}

void LogViewerWindow::setCursorTime(double timeS) {
    chart_->setCursorTime(timeS);
    cursorMoved(timeS);
}

void LogViewerWindow::cursorMoved(double timeS) {
    if (!log_ || log_->rows() == 0) return;
    cursorAt_ = timeS;
    cursorTime_->setText(cursorText());
    showSet();
    const std::size_t row = log_->rowAt(timeS);
    channels_->showRow(row);
    const int rpmColumn = log_->columnIndex("rpm");
    const int tpsColumn = log_->columnIndex("tps_percent");
    if (rpmColumn < 0 || tpsColumn < 0) return;
    const float rpm = log_->columns[static_cast<std::size_t>(rpmColumn)].values[row];
    const float tps = log_->columns[static_cast<std::size_t>(tpsColumn)].values[row];
    if (std::isnan(rpm) || std::isnan(tps)) {
        cells_->setMarker(std::nullopt);
        return;
    }
    cells_->setMarker(MapPosition(speedAxis_, rpm, tps));
    emit operatingPoint(rpm, tps);
}

QString LogViewerWindow::note() const { return note_->text(); }

QString LogViewerWindow::fileName() const { return file_->text(); }

QString LogViewerWindow::cursorText() const {
    return cursorAt_ ? cursorText_->text().arg(chart_->timeText(*cursorAt_, 2)) : QString();
}

void LogViewerWindow::setLanguage(std::uint8_t code) {
    language_ = code;
    showSet();
    channels_->setLanguage(code);
    chart_->setLanguage(code);
    StripChart::TimeAxis axis{log_ && log_->rows() > 0 ? log_->timeS.front() : 0, std::nullopt,
                              axisText_->text()};
    chart_->setTimeAxis(std::move(axis));
    cursorTime_->setText(cursorText());
}

}  // namespace ign
