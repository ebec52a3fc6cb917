#pragma once

#include "Monitor.h"
#include "MonitorView.h"

#include <QWidget>
#include <array>
#include <string>

class QLabel;

namespace ign {

// The page "Monitor": the unit's live values in thirteen lines, a view of the
// link that shows the first frame of each read.
class MonitorPage : public QWidget, public MonitorView {
    Q_OBJECT

public:
    explicit MonitorPage(QWidget* parent);

    // The lines the design hides, shown from start-up on.
    void ShowLinesHiddenInDesign();
    // The monitor's texts. Frames come ten times a second and change a few
    // lines each: a line whose text stays is not touched, and a changed one
    // keeps its size, so nothing is laid out again.
    void Show(const Monitor& monitor);

private:
    void monitorUpdated(const MonitorFrameEvent& /*frame*/) override { Show(monitor()); }

    std::array<QLabel*, kMonitorLabelCount> labels_{};
    std::array<std::string, kMonitorLabelCount> shown_;
};

}  // namespace ign
