#pragma once

#include "LinkView.h"
#include "maps/OperatingPointOverlay.h"

#include <QObject>
#include <cstdint>
#include <vector>

class QWidget;

namespace ign {

class EditorBinding;
class ParameterDocument;

// Where a speed and an opening lie on the injection map of the set as it is now.
OperatingPointOverlay::Placement MapPlacement(const ParameterDocument& document);

// The live operating point on the pages: on the injection map (page
// "Injection 1") and on curves A and B (page "Ignition"), from the speed and
// the throttle opening of every monitor frame. It follows the link as one of
// its views and the set's axes as a listener of the document.
class OperatingPointView : public QObject, public LinkView {
    Q_OBJECT

public:
    OperatingPointView(const EditorBinding& editors, ParameterDocument& document, QObject* parent);

    void SetTrailSeconds(int seconds);
    // Off: every marker goes at once and frames move nothing.
    void SetEnabled(bool on);
    bool Enabled() const { return enabled_; }
    // Another map that shows the same live point (the table editor's).
    void AlsoOn(OperatingPointOverlay& mapOverlay);
    // The map's overlay of the live point.
    OperatingPointOverlay& MapOverlay() { return *map_; }
    // A second marker on the map, in a colour of its own, for a log played
    // back: the live one goes on beside it.
    OperatingPointOverlay& ReplayOverlay() { return *replay_; }
    OperatingPointOverlay& CurveOverlay(int curve) { return curve == 0 ? *curveA_ : *curveB_; }

    void monitorFrame(const MonitorFrameEvent& frame) override;

signals:
    // The readings of a frame that moved the point, for the other views of it.
    void moved(const ign::MonitorReadings& readings);

private:
    std::vector<OperatingPointOverlay*> Overlays() const;

    bool enabled_ = true;
    OperatingPointOverlay* map_ = nullptr;
    OperatingPointOverlay* replay_ = nullptr;
    std::vector<OperatingPointOverlay*> otherMaps_;
    OperatingPointOverlay* curveA_ = nullptr;
    OperatingPointOverlay* curveB_ = nullptr;
};

}  // namespace ign
