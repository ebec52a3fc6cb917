#pragma once

#include "CellStatistics.h"
#include "LogComparison.h"
#include "LogReader.h"
#include "LogSets.h"
#include "MapGeometry.h"
#include "logs/LogLoading.h"

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QCheckBox;
class QDoubleSpinBox;
class QSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;

namespace ign {

class CellMap;
class ChannelList;
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
        // The sensor's delay typed into the viewer, to be kept as the setting.
        std::function<void(int lambdaDelayMs)> keepLambdaDelay;
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
    // A second log over the first, read as the first is; false as openFile.
    bool openSecondFile(const QString& path);
    // The second log's shift on the first's time, as typed.
    void setOffset(double seconds);
    double offset() const { return offset_.offsetS; }
    // The moment of the second log's cursor (Shift and a click) made one with the first's cursor.
    void alignAtCursor();
    // The sensor's delay for both cell tables, recomputed at once and kept.
    void setLambdaDelay(int ms);

    const LogSets& sets() const { return sets_; }
    // The set at the cursor as the viewer words it, "set unknown" included.
    QString setText() const;
    const std::optional<LogData>& secondLog() const { return second_; }

    const std::optional<LogData>& log() const { return log_; }
    QString note() const;
    QString fileName() const;
    QString cursorText() const;
    StripChart* chart() const { return chart_; }
    CellMap* cells() const { return cells_; }

signals:
    // The engine's speed and throttle at the cursor.
    void operatingPoint(double rpm, double throttlePercent);
    // The set at the cursor against the window's set, in the compare window.
    void compareSetRequested(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The window is built in these steps, in this order.
    void makeTexts();
    void makeControls();
    void layOut();
    void connectControls();

    void askForFile();
    std::optional<LogLoading::Result> read(const QString& path);
    void recompute();
    void compareLogs();
    void showSet();
    CellStatisticsSettings cellSettings() const;
    void cursorMoved(double timeS);
    void setReading(bool reading);
    QString errorText(LogReadError error) const;

    Sources sources_;
    DialogRunner dialog_;
    std::optional<LogData> log_;
    LogSets sets_;
    std::optional<LogData> second_;
    LogSets secondSets_;
    std::optional<CellStatistics> secondCells_;
    LogTimeOffset offset_;
    std::uint8_t language_ = 0;
    std::optional<int> lambdaDelayMs_;  // typed here; the window's setting until then
    QLabel* set_ = nullptr;
    QPushButton* compareSet_ = nullptr;
    QPushButton* openSecond_ = nullptr;
    QLabel* secondFile_ = nullptr;
    QLabel* offsetLabel_ = nullptr;
    QDoubleSpinBox* offsetField_ = nullptr;
    QPushButton* align_ = nullptr;
    QLabel* delayLabel_ = nullptr;
    QSpinBox* delay_ = nullptr;
    OwnText* setText_ = nullptr;
    OwnText* setUnknownText_ = nullptr;
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
