#pragma once

#include "OperatingTrail.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QTimer;

namespace ign {

// The engine's operating point drawn over a grid of cells (the map's fields,
// a curve's rows, a table's items) without touching them: a marker between
// the cells, the nearest cell outlined, and a trail that fades over the last
// seconds. It lies on its host as a transparent layer that takes no input, so
// the cells below keep their size, place, focus and behaviour. Nothing of it
// is drawn over the text of a cell: the digits always stay readable, and the
// marker shows through the gaps and the cells' borders.
//
// Anything that knows a speed and a throttle opening may drive it: the live
// monitor frames, or a log played back.
class OperatingPointOverlay : public QWidget {
    Q_OBJECT

public:
    // Where a sample lies on the grid: fractional row and column (a column
    // below 0 marks the whole row, as on a curve), and a text to show with it.
    struct Place {
        double row = 0;
        double column = -1;
        QString label;
    };
    using Placement = std::function<Place(double rpm, double throttlePercent)>;
    // A cell's rectangle in the host's coordinates; also the part of a cell
    // its text may take (by default the cell within a border of 3 pixels).
    using CellRect = std::function<QRect(int row, int column)>;
    using Clock = std::function<std::int64_t()>;

    OperatingPointOverlay(QWidget& host, int rows, int columns, CellRect cellRect, Placement placement);

    void setOperatingPoint(double rpm, double throttlePercent);
    void clearOperatingPoint();
    // New axes, for instance: the same samples placed again.
    void setPlacement(Placement placement);
    void setTrailMs(std::int64_t trailMs);
    std::int64_t trailMs() const { return trail_.trailMs(); }
    // The marker in a colour of its own with a word beside it, for a point
    // that is not the live one (a log played back); black and no word by default.
    void setMarkerStyle(const QColor& colour, const QString& tag);
    void setTextRect(CellRect textRect);
    // The clock the samples and their ages are read by; a steady clock unless a test sets one.
    void setClock(Clock clock);
    // Draws what the samples so far and the clock show now. New samples are
    // drawn a moment after they come (samples close together once); this
    // draws them at once.
    void refresh();

    // What is drawn now, for tests: the marker's centre, the outlined cell
    // (row, column) and the word beside the marker.
    std::optional<QPoint> markerCentre() const;
    std::optional<QPoint> outlinedCell() const;
    QString markerTag() const { return shown_.tagRect.isNull() ? QString() : tag_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Dot {
        QPoint centre;
        int fade = 0;  // steps of kFadeSteps, 0 the newest

        bool operator==(const Dot&) const = default;
    };
    struct Scene {
        std::vector<Dot> trail;
        std::optional<QPoint> marker;
        QSize reach;       // how far the marker's cross reaches either way
        QRect markerLine;  // a whole row's marker; empty on the map
        QRect outline;
        QPoint cell{-1, -1};  // x column, y row; -1 across a row
        QString label;
        QRect labelRect;
        QRect tagRect;  // the word beside the marker

        bool operator==(const Scene&) const = default;
        QRegion area() const;
    };

    Scene Compose() const;
    // The host without the text of any cell: where the cell's frame may go.
    QRegion Free() const;
    // The host without any cell: where the marker, its line and the trail go.
    QRegion Gaps() const;
    QPoint PixelOf(const Place& place) const;
    void Restage();
    void HideWhenDue();

    int rows_;
    int columns_;
    CellRect cellRect_;
    CellRect textRect_;
    Placement placement_;
    Clock clock_;
    QColor markerColour_{Qt::black};
    QString tag_;
    OperatingTrail trail_;
    Scene shown_;
    QTimer* hide_ = nullptr;
    QTimer* restage_ = nullptr;
};

}  // namespace ign
