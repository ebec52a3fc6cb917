#pragma once

#include "LogReader.h"

#include <QWidget>
#include <optional>
#include <vector>

namespace ign {

// A strip chart of a log's columns: one lane per chosen column, each on its
// own scale with its name and its value (at the cursor, or the latest in
// view), over the times t0 .. t1. Only what the pixels can show is drawn.
// Interactive, the wheel zooms about the mouse, a drag pans and a click or a
// move with the button down sets the cursor.
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
    void setInteractive(bool interactive) { interactive_ = interactive; }

    // The lanes' plotting area's left edge: names and values stand before it.
    static constexpr int kLabelWidth = 150;

signals:
    void cursorMoved(double timeS);
    void rangeChanged(double t0, double t1);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    double timeAt(double x) const;
    double xAt(double timeS) const;
    void drawLane(QPainter& painter, const QRect& lane, int column, int index);
    void moveCursorTo(double x);

    const LogData* data_ = nullptr;
    std::vector<int> columns_;
    double t0_ = 0, t1_ = 30;
    std::optional<double> cursor_;
    bool interactive_ = false;
    std::optional<QPoint> pressedAt_;
    double pressedT0_ = 0;
    bool dragged_ = false;
};

// The value written for a log's column at a row: as many decimals as it
// needs, up to two; "" where the row has none.
QString ColumnValueText(const LogData& data, int column, std::size_t row);

}  // namespace ign
