#pragma once

#include "ParameterSet.h"
#include "SetDifferences.h"

#include <QWidget>
#include <array>
#include <optional>
#include <span>

namespace ign {

// The injection map of a comparison as a 10 × 10 grid in the window's
// arrangement (speed points across the top, throttle rows from 0 % down to
// 100 %): each cell that differs shows by how much, second set against
// first, on the map's diverging colours (richer red, leaner blue); the
// others stay plain. A speed point that differs is marked in the heading.
class MapDifferenceView : public QWidget {
    Q_OBJECT

public:
    explicit MapDifferenceView(QWidget* parent = nullptr);

    // The differences of a comparison, the speed headings taken from the first set.
    void Show(const InjectionBlock& first, std::span<const Difference> differences);
    // The cell with a frame around it (a map point, 10 × row + column), or none.
    void Select(std::optional<int> point);

    // By point, second minus first in %; nothing where the cell is the same.
    const std::array<std::optional<int>, kMapSize * kMapSize>& CellDifferences() const { return cells_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void cellClicked(int point);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRect CellRect(int row, int column) const;

    std::array<std::optional<int>, kMapSize * kMapSize> cells_{};
    std::array<int, kMapSize> speeds_{};
    std::array<bool, kMapSize> speedDiffers_{};
    std::optional<int> selected_;
};

}  // namespace ign
