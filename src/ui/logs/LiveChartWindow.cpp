#include "logs/LiveChartWindow.h"

#include "MonitorChannels.h"
#include "language/OwnText.h"
#include "logs/CellMap.h"
#include "logs/ChannelList.h"
#include "logs/LogRecorder.h"
#include "logs/StripChart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

namespace ign {
namespace {

constexpr std::array kSpansS{30, 60, 120, 300, 600};
constexpr int kRedrawMs = 200;

QString SpanText(int s) {
    return s < 60 ? QStringLiteral("%1 s").arg(s) : QStringLiteral("%1 min").arg(s / 60);
}

}  // namespace

LiveChartWindow::LiveChartWindow(LogRecorder& recorder, std::function<std::uint8_t()> language,
                                 LogViewerWindow::Sources sources, QWidget* parent)
    : QWidget(parent, Qt::Window),
      recorder_(recorder),
      language_(std::move(language)),
      sources_(std::move(sources)) {
    setObjectName(QStringLiteral("LiveChartWindow"));
    setWindowTitle(QStringLiteral("Live chart"));
    recordingText_ = new OwnText("LiveChartRecording", "Recording %1", this);
    idleText_ = new OwnText("LiveChartLastLog", "Last log: %1", this);
    axisText_ = new OwnText("LiveChartAxis", "Time of day", this);

    for (const MonitorChannel& c : MonitorChannels())
        data_.columns.push_back({std::string(c.name), std::string(c.unit), {}});

    channels_ = new ChannelList(this);
    channels_->setData(&data_, {"rpm", "tps_percent", "lambda_mv", "water_c"});
    chart_ = new StripChart(this);
    chart_->setData(&data_);
    chart_->setColumns(channels_->charted());
    cells_ = new CellMap(this);

    span_ = new QComboBox(this);
    span_->setObjectName(QStringLiteral("LiveChartSpan"));
    for (int s : kSpansS) span_->addItem(SpanText(s), s);
    start_ = new QPushButton(QStringLiteral("Start recording"), this);
    start_->setObjectName(QStringLiteral("LiveChartStart"));
    stop_ = new QPushButton(QStringLiteral("Stop recording"), this);
    stop_->setObjectName(QStringLiteral("LiveChartStop"));
    state_ = new QLabel(this);
    state_->setObjectName(QStringLiteral("LiveChartState"));
    allChannels_ = new QCheckBox(QStringLiteral("All channels"), this);
    allChannels_->setObjectName(QStringLiteral("LiveChartAllChannels"));

    auto* top = new QHBoxLayout;
    top->addWidget(span_);
    top->addWidget(start_);
    top->addWidget(stop_);
    top->addWidget(state_, 1);
    LayOutLogWindow(*this, top, channels_, allChannels_, chart_, cells_);
    setLanguage(0);
    resize(1000, 800);

    redraw_ = new QTimer(this);
    redraw_->setInterval(kRedrawMs);
    connect(redraw_, &QTimer::timeout, this, &LiveChartWindow::refresh);
    redraw_->start();
    connect(channels_, &ChannelList::chartedChanged, this,
            [this] { chart_->setColumns(channels_->charted()); });
    connect(span_, &QComboBox::currentIndexChanged, this, &LiveChartWindow::refresh);
    connect(start_, &QPushButton::clicked, &recorder_, &LogRecorder::Start);
    connect(stop_, &QPushButton::clicked, &recorder_, &LogRecorder::Stop);
    connect(&recorder_, &LogRecorder::progressed, this, &LiveChartWindow::showRecording);
    connect(&recorder_, &LogRecorder::frameArrived, this, &LiveChartWindow::addFrame);
    connect(&recorder_, &LogRecorder::marked, this, [this](int number, std::int64_t timeMs) {
        data_.markers.push_back({number, static_cast<double>(timeMs) / 1000.0, {}});
    });
    connect(&recorder_, &LogRecorder::recordingChanged, this, &LiveChartWindow::recordingChanged);
    showRecording();
}

double LiveChartWindow::spanS() const { return span_->currentData().toDouble(); }

void LiveChartWindow::addFrame(const MonitorFrameEvent& frame) {
    if (frame.type < 0 || frame.type > 3) return;
    seenType_[static_cast<std::size_t>(frame.type)] = true;
    data_.timeS.push_back(static_cast<double>(frame.timeMs) / 1000.0);
    std::size_t i = 0;
    for (const MonitorChannel& c : MonitorChannels()) {
        const bool known = seenType_[static_cast<std::size_t>(c.frameType)];
        data_.columns[i++].values.push_back(known ? static_cast<float>(c.value(frame.readings)) : NAN);
    }
    if (cellTable_ && recorder_.recording()) cellTable_->addFrame(frame.timeMs, frame.type, frame.readings);
    // What no span shows any more goes, in batches so that appending stays cheap.
    const double oldest = data_.timeS.back() - kLongestSpanS;
    if (data_.timeS.front() < oldest - kLongestSpanS / 10) {
        const auto keep = static_cast<std::ptrdiff_t>(data_.rowAt(oldest));
        data_.timeS.erase(data_.timeS.begin(), data_.timeS.begin() + keep);
        for (LogData::Column& c : data_.columns) c.values.erase(c.values.begin(), c.values.begin() + keep);
        std::erase_if(data_.markers, [&](const LogData::Marker& m) { return m.timeS < data_.timeS.front(); });
    }
}

void LiveChartWindow::refresh() {
    if (!isVisible()) return;
    const double end = data_.timeS.empty() ? 0 : data_.timeS.back();
    chart_->setRange(std::max(0.0, end - spanS()), std::max(spanS(), end));
    if (data_.rows() == 0) return;
    const std::size_t last = data_.rows() - 1;
    channels_->showRow(last);
    // The table keeps the map it began with; without one the marker follows the map of the moment.
    if (!cellTable_ && sources_.speedAxis) speedAxis_ = sources_.speedAxis();
    cells_->setTable(cellTable_, speedAxis_);
    const float rpm = data_.columns[static_cast<std::size_t>(Channel::Rpm)].values[last];
    const float tps = data_.columns[static_cast<std::size_t>(Channel::TpsPercent)].values[last];
    cells_->setMarker(std::isnan(rpm) || std::isnan(tps) ? std::nullopt
                                                         : std::optional(MapPosition(speedAxis_, rpm, tps)));
}

void LiveChartWindow::setLanguage(std::uint8_t code) {
    channels_->setLanguage(code);
    chart_->setLanguage(code);
    // The frames' clock against the time of day: what was recorded is then found by the clock.
    const std::int64_t clockAtZero = QDateTime::currentMSecsSinceEpoch() - recorder_.now();
    chart_->setTimeAxis({0, clockAtZero, axisText_->text()});
}

void LiveChartWindow::recordingChanged(bool recording) {
    // A new recording starts a new table, on the map and the filters of the moment.
    if (!recording) return;
    speedAxis_ = sources_.speedAxis ? sources_.speedAxis() : std::array<double, kMapSize>{};
    cellTable_.emplace(speedAxis_,
                       sources_.cellSettings ? sources_.cellSettings() : CellStatisticsSettings{});
    cells_->setTable(cellTable_, speedAxis_);
}

void LiveChartWindow::showRecording() {
    start_->setEnabled(!recorder_.recording());
    stop_->setEnabled(recorder_.recording());
    state_->setText(stateText());
}

QString LiveChartWindow::stateText() const {
    QString text;
    if (recorder_.recording())
        text = recordingText_->text().arg(RecordingFigures(recorder_.elapsedMs(), recorder_.fileBytes()));
    else if (!recorder_.path().isEmpty())
        text = idleText_->text().arg(QFileInfo(recorder_.path()).fileName());
    const LogStatus& status = recorder_.status();
    if (!status.ok()) {
        const std::string_view problem = LogProblemText(status.problem, language_());
        text +=
            QStringLiteral("  ") + QString::fromUtf8(problem.data(), static_cast<qsizetype>(problem.size()));
    }
    return text;
}

}  // namespace ign
