#include "LogViewerWindow.h"

#include "CellMap.h"
#include "ChannelList.h"
#include "OwnText.h"
#include "StripChart.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
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

    channels_ = new ChannelList(this);
    chart_ = new StripChart(this);
    chart_->setInteractive(true);
    cells_ = new CellMap(this);

    auto* top = new QHBoxLayout;
    top->addWidget(open_);
    top->addWidget(file_);
    top->addWidget(note_, 1);
    top->addWidget(cursorTime_);
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
    connect(chart_, &StripChart::cursorMoved, this, &LogViewerWindow::cursorMoved);
    connect(channels_, &ChannelList::chartedChanged, this,
            [this] { chart_->setColumns(channels_->charted()); });
    connect(showTime_, &QRadioButton::toggled, this,
            [this](bool on) { cells_->setFigure(on ? CellMap::Figure::Time : CellMap::Figure::Lambda); });
}

void LogViewerWindow::askForFile() {
    const QString path = dialog_(*this, sources_.folder ? sources_.folder() : QString());
    if (!path.isEmpty()) openFile(path);
}

bool LogViewerWindow::openFile(const QString& path) {
    LogReadError error = LogReadError::None;
    std::optional<LogData> read = ReadLogFile(std::filesystem::path(path.toStdU16String()), error);
    if (!read) {
        // The log shown stays, with its name; the note says what became of the other file.
        const QString reason =
            error == LogReadError::NoChannels ? noChannelsText_->text() : cannotOpenText_->text();
        note_->setText(reason + QStringLiteral(" (") + QFileInfo(path).fileName() + QLatin1Char(')'));
        return false;
    }
    file_->setText(QFileInfo(path).fileName());
    log_ = std::move(read);
    note_->setText(log_->truncated ? truncatedText_->text() : QString());
    channels_->setData(&*log_, {"rpm", "tps_percent", "lambda_mv", "water_c"});
    chart_->setData(&*log_);
    chart_->setColumns(channels_->charted());
    const double start = log_->rows() == 0 ? 0 : log_->timeS.front();
    chart_->setTimeAxis({start, std::nullopt, axisText_->text()});
    chart_->setRange(start, log_->rows() == 0 ? 1 : log_->timeS.back());
    showCells();
    setCursorTime(log_->rows() == 0 ? 0 : log_->timeS.front());
    return true;
}

void LogViewerWindow::showCells() {
    speedAxis_ = sources_.speedAxis ? sources_.speedAxis() : std::array<double, kMapSize>{};
    const CellStatisticsSettings settings =
        sources_.cellSettings ? sources_.cellSettings() : CellStatisticsSettings{};
    std::optional<CellStatistics> table = CellStatisticsOfLog(*log_, speedAxis_, settings);
    if (!table && note_->text().isEmpty()) note_->setText(noCellsText_->text());
    cells_->setTable(std::move(table), speedAxis_);
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
