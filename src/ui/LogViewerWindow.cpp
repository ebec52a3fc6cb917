#include "LogViewerWindow.h"

#include "CellMap.h"
#include "ChannelList.h"
#include "LogLoading.h"
#include "OwnText.h"
#include "StripChart.h"

#include <QCheckBox>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

namespace ign {

LogViewerWindow::LogViewerWindow(Sources sources, QWidget* parent)
    : QWidget(parent, Qt::Window), sources_(std::move(sources)) {
    setObjectName(QStringLiteral("LogViewerWindow"));
    setWindowTitle(QStringLiteral("Log viewer"));
    truncatedText_ = new OwnText("LogViewerTruncated", "The last line was cut off and is left out.", this);
    cannotOpenText_ = new OwnText("LogViewerCannotOpen", "The file cannot be opened.", this);
    noChannelsText_ =
        new OwnText("LogViewerNoChannels", "This is no log: the channel names and units are missing.", this);
    noCellsText_ =
        new OwnText("LogViewerNoCells", "No cell table: the log lacks speed, throttle or lambda.", this);
    dialogTitle_ = new OwnText("LogViewerDialog", "Open log", this);
    cursorText_ = new OwnText("LogViewerCursorText", "Cursor: %1", this);
    axisText_ = new OwnText("LogViewerAxis", "Time since recording began", this);
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

    auto* top = new QHBoxLayout;
    top->addWidget(open_);
    top->addWidget(file_);
    top->addWidget(note_, 1);
    top->addWidget(cursorTime_);
    top->addWidget(progress_);
    top->addWidget(cancel_);
    top->addWidget(showTime_);
    top->addWidget(showLambda_);
    LayOutLogWindow(*this, top, channels_, allChannels_, chart_, cells_);
    chart_->setTimeAxis({0, std::nullopt, axisText_->text()});
    resize(1000, 760);

    dialog_ = [this](QWidget& owner, const QString& folder) {
        return QFileDialog::getOpenFileName(&owner, dialogTitle_->text(), folder,
                                            QStringLiteral("Logs (*.msl *.log *.txt);;* (*)"));
    };
    connect(open_, &QPushButton::clicked, this, &LogViewerWindow::askForFile);
    connect(cancel_, &QPushButton::clicked, loading_, &LogLoading::cancel);
    connect(progressTimer_, &QTimer::timeout, this, [this] { progress_->setValue(loading_->percent()); });
    connect(chart_, &StripChart::cursorMoved, this, &LogViewerWindow::cursorMoved);
    connect(channels_, &ChannelList::chartedChanged, this,
            [this] { chart_->setColumns(channels_->charted()); });
    connect(showTime_, &QRadioButton::toggled, this,
            [this](bool on) { cells_->setFigure(on ? CellMap::Figure::Time : CellMap::Figure::Lambda); });
    setReading(false);
}

LogViewerWindow::~LogViewerWindow() { loading_->stop(); }

void LogViewerWindow::askForFile() {
    const QString path = dialog_(*this, sources_.folder ? sources_.folder() : QString());
    if (!path.isEmpty()) openFile(path);
}

bool LogViewerWindow::openFile(const QString& path) {
    speedAxis_ = sources_.speedAxis ? sources_.speedAxis() : std::array<double, kMapSize>{};
    const CellStatisticsSettings settings =
        sources_.cellSettings ? sources_.cellSettings() : CellStatisticsSettings{};
    QEventLoop reading;
    connect(loading_, &LogLoading::finished, &reading, &QEventLoop::quit);
    if (!loading_->start(path, speedAxis_, settings)) return false;
    setReading(true);
    reading.exec();
    // The program may be quitting, which ends every event loop: no read outlives this call.
    loading_->stop();
    setReading(false);
    LogLoading::Result read = loading_->take();

    if (read.error == LogReadError::Cancelled) {
        note_->setText(cancelledText_->text());
        return false;
    }
    if (!read.log) {
        // The log shown stays, with its name; the note says what became of the other file.
        note_->setText(errorText(read.error) + QStringLiteral(" (") + QFileInfo(path).fileName() +
                       QLatin1Char(')'));
        return false;
    }
    file_->setText(QFileInfo(path).fileName());
    log_ = std::move(read.log);
    QStringList notes;
    if (log_->truncated) notes << truncatedText_->text();
    if (log_->outOfRangeRows > 0) notes << outOfRangeText_->text().arg(log_->outOfRangeRows);
    if (!read.cells && notes.isEmpty()) notes << noCellsText_->text();
    note_->setText(notes.join(QLatin1Char(' ')));
    channels_->setData(&*log_, {"rpm", "tps_percent", "lambda_mv", "water_c"});
    chart_->setData(&*log_);
    chart_->setColumns(channels_->charted());
    const double start = log_->rows() == 0 ? 0 : log_->timeS.front();
    chart_->setTimeAxis({start, std::nullopt, axisText_->text()});
    chart_->setRange(start, log_->rows() == 0 ? 1 : log_->timeS.back());
    cells_->setTable(std::move(read.cells), speedAxis_);
    setCursorTime(log_->rows() == 0 ? 0 : log_->timeS.front());
    return true;
}

void LogViewerWindow::setReading(bool reading) {
    progress_->setValue(0);
    progress_->setVisible(reading);
    cancel_->setVisible(reading);
    open_->setEnabled(!reading);
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
    channels_->setLanguage(code);
    chart_->setLanguage(code);
    StripChart::TimeAxis axis{log_ && log_->rows() > 0 ? log_->timeS.front() : 0, std::nullopt,
                              axisText_->text()};
    chart_->setTimeAxis(std::move(axis));
    cursorTime_->setText(cursorText());
}

}  // namespace ign
