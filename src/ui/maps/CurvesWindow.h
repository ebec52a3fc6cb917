#pragma once

#include "Conversion.h"

#include <QDialog>
#include <array>

class QTimer;

namespace ign {

class CurveChart;
class ParameterDocument;
struct MonitorReadings;

// Graphs of every curve: both advance curves against their speeds, the
// injection position and the cylinder 2/3 correction against the speed
// labels, the water and air corrections against their temperatures, and the
// injection map as one line per throttle row, each named in a legend. A point
// dragged to a new height is typed into its field: the same step, range and
// validation, one change; the advance curves reach up to the trigger width,
// the others span their fields' ranges.
class CurvesWindow : public QDialog {
    Q_OBJECT

public:
    CurvesWindow(ParameterDocument& document, QWidget* parent);

    void Open();
    // The legends in the window's language, after a switch.
    void Retranslate();
    // The engine now; the upright lines go when nothing came for a second.
    void ShowLive(const MonitorReadings& readings);
    CurveChart& Chart(int index) { return *charts_.at(static_cast<std::size_t>(index)); }

private:
    void Drag(Param param, int point, double userValue);

    ParameterDocument& document_;
    std::array<CurveChart*, 5> charts_{};
    QTimer* hide_ = nullptr;
};

}  // namespace ign
