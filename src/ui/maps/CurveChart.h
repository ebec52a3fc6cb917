#pragma once

#include "Conversion.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

namespace ign {

struct ParameterSet;

// One graph of the Curves window: lines of a parameter's points against an
// axis, a legend that names them, the live operating point as an upright
// line, and points that can be dragged. The dragged point shows the value
// its field would take. A drag changes nothing itself: it ends in
// pointDragged, with the value in the field's units, and the owner makes the
// change. The height spans what the values may be, which may follow the set
// (the advance goes up to the trigger width).
class CurveChart : public QWidget {
    Q_OBJECT

public:
    struct Line {
        Param param;
        int firstPoint = 0;     // the line's points are firstPoint .. firstPoint + x.size() - 1
        std::vector<double> x;  // the axis value of each point
        QColor colour;
        QString name;  // in the legend
    };
    // Where the axis values of a line come from: fixed, or the set's own axis.
    using Lines = std::function<std::vector<Line>(const ParameterSet&)>;
    struct Span {
        double min = 0, max = 1;
    };
    using Spans = std::function<Span(const ParameterSet&)>;

    CurveChart(Lines lines, Spans spans, QWidget* parent);

    void Show(const ParameterSet& set);
    // The axis value of the engine now (speed or temperature); none hides the line.
    void SetLive(std::optional<double> x);
    std::optional<double> Live() const { return live_; }
    // Where point `index` of line `line` is drawn, for tests.
    QPointF PointAt(std::size_t line, std::size_t index) const;
    double SpanMax() const { return yMax_; }
    // The legend's names, and the dragged point's value as shown; for tests.
    QStringList LegendNames() const;
    QString DragText() const;

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
    // The legend's entries laid out in rows across the top; its height.
    std::vector<QRectF> LegendBoxes(double& height) const;

    Lines lines_;
    Spans spans_;
    std::vector<Drawn> drawn_;
    double xMin_ = 0, xMax_ = 1, yMin_ = 0, yMax_ = 1;
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
