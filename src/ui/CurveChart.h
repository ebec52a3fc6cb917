#pragma once

#include "Conversion.h"

#include <QColor>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

namespace ign {

struct ParameterSet;

// One graph of the Curves window: lines of a parameter's points against an
// axis, the live operating point as an upright line, and points that can be
// dragged. A drag changes nothing itself: it ends in pointDragged, with the
// value in the field's units, and the owner makes the change.
class CurveChart : public QWidget {
    Q_OBJECT

public:
    struct Line {
        Param param;
        int firstPoint = 0;     // the line's points are firstPoint .. firstPoint + x.size() - 1
        std::vector<double> x;  // the axis value of each point
        QColor colour;
    };
    // Where the axis values of a line come from: fixed, or the set's own axis.
    using Lines = std::function<std::vector<Line>(const ParameterSet&)>;

    CurveChart(Lines lines, double yMin, double yMax, QWidget* parent);

    void Show(const ParameterSet& set);
    // The axis value of the engine now (speed or temperature); none hides the line.
    void SetLive(std::optional<double> x);
    std::optional<double> Live() const { return live_; }
    // Where point `index` of line `line` is drawn, for tests.
    QPointF PointAt(std::size_t line, std::size_t index) const;

signals:
    void pointDragged(ign::Param param, int point, double userValue);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Drawn {
        Line line;
        std::vector<double> y;
    };
    QRectF Plot() const;
    QPointF ToPixel(double x, double y) const;
    double ValueAt(double pixelY) const;

    Lines lines_;
    std::vector<Drawn> drawn_;
    double xMin_ = 0, xMax_ = 1, yMin_, yMax_;
    std::optional<double> live_;
    // The point being dragged: line, index and where the pointer holds it.
    struct Grab {
        std::size_t line;
        std::size_t index;
        double y;
    };
    std::optional<Grab> grab_;
};

}  // namespace ign
