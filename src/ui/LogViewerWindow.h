#pragma once

#include "CellStatistics.h"
#include "LogReader.h"
#include "MapGeometry.h"

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;

namespace ign {

class CellMap;
class ChannelList;
class LogLoading;
class OwnText;
class StripChart;

// Opens a log (this program's or any in the same layout) and shows it: a
// chart with zoom, pan, its markers and a cursor, whose time it shows and the
// arrow keys step; every channel's value at the cursor, named as the Monitor
// page names it in the window's language; and per cell of the injection map
// the time spent there and how rich it ran. The time counts from the start
// of the recording. The cursor's speed and throttle are the operating point
// of that moment. A file that is no log leaves the log shown before as it was.
class LogViewerWindow : public QWidget {
    Q_OBJECT

public:
    // What the cell table needs from the window at the moment a log opens.
    struct Sources {
        std::function<std::array<double, kMapSize>()> speedAxis;
        std::function<CellStatisticsSettings()> cellSettings;
        std::function<QString()> folder;  // where the open dialog starts
    };
    using DialogRunner = std::function<QString(QWidget& parent, const QString& folder)>;

    LogViewerWindow(Sources sources, QWidget* parent);
    ~LogViewerWindow() override;

    // Reads and shows the file; false (and the reason shown) when it is no log
    // or the read was cancelled. The file is read on a thread of its own while
    // the events go on, with a progress bar and Cancel; this returns once it is
    // read. False at once while another read runs.
    bool openFile(const QString& path);
    // Captions and texts it puts together in the window's language.
    void setLanguage(std::uint8_t code);
    void setDialogRunner(DialogRunner runner) { dialog_ = std::move(runner); }
    // Puts the cursor at a time, as a click there does.
    void setCursorTime(double timeS);

    const std::optional<LogData>& log() const { return log_; }
    QString note() const;
    QString fileName() const;
    QString cursorText() const;
    StripChart* chart() const { return chart_; }
    CellMap* cells() const { return cells_; }

signals:
    // The engine's speed and throttle at the cursor.
    void operatingPoint(double rpm, double throttlePercent);

private:
    void askForFile();
    void cursorMoved(double timeS);
    void setReading(bool reading);
    QString errorText(LogReadError error) const;

    Sources sources_;
    DialogRunner dialog_;
    std::optional<LogData> log_;
    std::array<double, kMapSize> speedAxis_{};
    QPushButton* open_ = nullptr;
    QLabel* file_ = nullptr;
    QLabel* note_ = nullptr;
    QLabel* cursorTime_ = nullptr;
    QCheckBox* allChannels_ = nullptr;
    QRadioButton* showTime_ = nullptr;
    QRadioButton* showLambda_ = nullptr;
    ChannelList* channels_ = nullptr;
    StripChart* chart_ = nullptr;
    CellMap* cells_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QTimer* progressTimer_ = nullptr;
    LogLoading* loading_ = nullptr;
    OwnText* truncatedText_ = nullptr;
    OwnText* outOfRangeText_ = nullptr;
    OwnText* cancelledText_ = nullptr;
    OwnText* notAFileText_ = nullptr;
    OwnText* tooLargeText_ = nullptr;
    OwnText* tooManyColumnsText_ = nullptr;
    OwnText* lineTooLongText_ = nullptr;
    OwnText* tooSparseText_ = nullptr;
    OwnText* tooMuchDataText_ = nullptr;
    OwnText* cannotOpenText_ = nullptr;
    OwnText* noChannelsText_ = nullptr;
    OwnText* noCellsText_ = nullptr;
    OwnText* dialogTitle_ = nullptr;
    OwnText* cursorText_ = nullptr;
    OwnText* axisText_ = nullptr;
    std::optional<double> cursorAt_;
};

}  // namespace ign
