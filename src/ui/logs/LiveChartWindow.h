#pragma once

#include "CellStatistics.h"
#include "LinkView.h"
#include "LogReader.h"
#include "logs/LogViewerWindow.h"

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace ign {

class CellMap;
class ChannelList;
class LogRecorder;
class OwnText;
class StripChart;

// The live chart: the monitor stream of the last 30 s to 10 min against the
// time of day, the chosen channels each in a lane of its own with the
// recording's markers, with the recorder's buttons and its elapsed time and
// size, and below it the cell table of the stream since recording began,
// with the engine's place on the map now. A window of its own that may stay
// open beside the main window; it keeps only the longest span it can show.
class LiveChartWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr double kLongestSpanS = 600;

    // `language` gives the window's language code for the log's problems;
    // `sources` the speed axis and the filters of the cell table.
    LiveChartWindow(LogRecorder& recorder, std::function<std::uint8_t()> language,
                    LogViewerWindow::Sources sources, QWidget* parent);

    void addFrame(const MonitorFrameEvent& frame);
    const LogData& data() const { return data_; }
    StripChart* chart() const { return chart_; }
    CellMap* cells() const { return cells_; }
    // Redraws at the newest frame; the window's own timer calls it while shown.
    void refresh();
    // The recorder's state in words: "Recording 0:01:23, 1.2 MB", or the
    // last log's name, with a problem of the log after it.
    QString stateText() const;
    // Captions in the window's language.
    void setLanguage(std::uint8_t code);

private:
    void showRecording();
    void recordingChanged(bool recording);
    double spanS() const;

    LogRecorder& recorder_;
    std::function<std::uint8_t()> language_;
    LogViewerWindow::Sources sources_;
    std::array<double, kMapSize> speedAxis_{};
    std::optional<CellStatistics> cellTable_;  // while recording
    LogData data_;
    std::array<bool, 4> seenType_{};
    ChannelList* channels_ = nullptr;
    StripChart* chart_ = nullptr;
    CellMap* cells_ = nullptr;
    QComboBox* span_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* stop_ = nullptr;
    QLabel* state_ = nullptr;
    QCheckBox* allChannels_ = nullptr;
    OwnText* axisText_ = nullptr;
    OwnText* recordingText_ = nullptr;
    OwnText* idleText_ = nullptr;
    QTimer* redraw_ = nullptr;
};

}  // namespace ign
