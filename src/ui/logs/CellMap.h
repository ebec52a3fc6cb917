#pragma once

#include "CellStatistics.h"
#include "HeatColour.h"
#include "LogComparison.h"
#include "MapGeometry.h"

#include <QWidget>
#include <array>
#include <optional>

namespace ign {

// The injection map's grid with what a log says of each cell: the time spent
// there or the mean lambda and the share of rich samples; a cell with too few
// samples or too little time shows only its count of samples, faintly. A
// marker shows the engine's place at the viewer's cursor.
class CellMap : public QWidget {
    Q_OBJECT

public:
    enum class Figure : std::uint8_t { Time, Lambda };

    explicit CellMap(QWidget* parent = nullptr);

    void setTable(std::optional<CellStatistics> table, const std::array<double, kMapSize>& speedAxis);
    const std::optional<CellStatistics>& table() const { return table_; }
    void setFigure(Figure figure);
    Figure figure() const { return figure_; }
    void setMarker(std::optional<MapPoint> point);
    // Two logs: with the lambda figure, per cell the difference of their mean
    // lambda (after - before), coloured by it, both means, and the map's value
    // before and after where the sets behind them differ; the time figure stays
    // the first log's. Nothing shows the one table again.
    void setComparison(std::optional<LogComparison> comparison);
    const std::optional<LogComparison>& comparison() const { return comparison_; }

    // A cell's text as shown: its figures, "(n)" for n samples too few to judge by, "" for none;
    // with two logs "+d" over "before>after" and the map's "m:b>a" where it changed.
    QString cellText(int row, int column) const;

    QSize sizeHint() const override { return {560, 300}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // A cell's colour, and whether its figures are strong enough to show in
    // full; `longest` is the longest time any cell holds.
    struct CellLook {
        Rgb background;
        bool strong = false;
    };
    CellLook Look(int row, int column, double longest) const;

    std::optional<CellStatistics> table_;
    std::array<double, kMapSize> speedAxis_{};
    Figure figure_ = Figure::Lambda;
    std::optional<MapPoint> marker_;
    std::optional<LogComparison> comparison_;
};

}  // namespace ign
