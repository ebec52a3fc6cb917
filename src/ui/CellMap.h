#pragma once

#include "CellStatistics.h"
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

    // A cell's text as shown: its figures, "(n)" for n samples too few to judge by, "" for none.
    QString cellText(int row, int column) const;

    QSize sizeHint() const override { return {560, 300}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<CellStatistics> table_;
    std::array<double, kMapSize> speedAxis_{};
    Figure figure_ = Figure::Lambda;
    std::optional<MapPoint> marker_;
};

}  // namespace ign
