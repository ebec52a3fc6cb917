#pragma once

#include "LogReader.h"

#include <QString>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

namespace ign {

// A strip chart of a log's columns: one lane per chosen column, each on its
// own scale with its caption and its value (at the cursor, or the latest in
// view), over the times t0 .. t1, with the log's markers as upright lines
// and their numbers. Only what the pixels can show is drawn. Interactive,
// the wheel zooms about the mouse, a drag pans, a click or a move with the
// button down sets the cursor, and the arrow keys step it a row at a time.
class StripChart : public QWidget {
    Q_OBJECT

public:
    explicit StripChart(QWidget* parent = nullptr);

    // Not owned; null shows an empty chart. Call update() after it grows.
    void setData(const LogData* log);
    void setColumns(std::vector<int> columns);
    const std::vector<int>& columns() const { return columns_; }
    void setRange(double t0, double t1);
    double rangeStart() const { return t0_; }
    double rangeEnd() const { return t1_; }
    void setCursorTime(std::optional<double> timeS);
    std::optional<double> cursorTime() const { return cursor_; }
    void setInteractive(bool interactive);
    // A second log over the first, its channels paired by name and drawn
    // fainter on the same scale; its time t stands at t + offsetS. Not owned.
    void setOverlay(const LogData* log, double offsetS);
    const LogData* overlay() const { return overlay_; }
    // The second log's own cursor (on the first log's time), set with Shift
    // and a click, so that "align at cursor" knows which moments are one.
    void setSecondCursorTime(std::optional<double> timeS);
    std::optional<double> secondCursorTime() const { return secondCursor_; }
    // Captions and units in a language (0 English, 1 Czech, 2 German).
    void setLanguage(std::uint8_t code);

    // What the time axis counts: seconds from an origin (the start of a
    // recording), or with a clock the time of day, clockAtZeroMs being the
    // moment of time 0 in ms since the epoch. The caption says which.
    struct TimeAxis {
        double originS = 0;
        std::optional<std::int64_t> clockAtZeroMs;
        QString caption;
    };
    void setTimeAxis(TimeAxis axis);
    // A time as the axis reads it; with `decimals`, to that many places of a second.
    QString timeText(double timeS, int decimals = 0) const;

    // The lanes' plotting area's left edge: names and values stand before it.
    static constexpr int kLabelWidth = 150;

signals:
    void cursorMoved(double timeS);
    void rangeChanged(double t0, double t1);
    void secondCursorMoved(double timeS);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    double timeAt(double x) const;
    double xAt(double timeS) const;
    void drawLane(QPainter& painter, const QRect& lane, int column, int index);
    struct LaneScale {
        float lo = 0;
        float hi = 0;
        bool any = false;  // any value in view
    };
    LaneScale drawCurves(QPainter& painter, const QRect& lane, const LogData::Column& column,
                         const QColor& colour);
    void moveCursorTo(double x);
    void stepCursor(int rows);
    void drawMarkers(QPainter& painter, int plotHeight);
    double axisZero() const;

    const LogData* data_ = nullptr;
    const LogData* overlay_ = nullptr;
    double overlayOffsetS_ = 0;
    std::optional<double> secondCursor_;
    bool pressedWithShift_ = false;
    std::vector<int> columns_;
    double t0_ = 0, t1_ = 30;
    std::optional<double> cursor_;
    bool interactive_ = false;
    std::uint8_t language_ = 0;
    TimeAxis axis_;
    std::optional<QPoint> pressedAt_;
    double pressedT0_ = 0;
    bool dragged_ = false;
};

// The value written for a log's column at a row: as many decimals as it
// needs, up to two; "" where the row has none.
QString ColumnValueText(const LogData& data, int column, std::size_t row);

}  // namespace ign
