#pragma once

#include "ViewSettings.h"
#include "maps/MapTableWindow.h"
#include "window/FeatureHost.h"

#include <QObject>

class QAction;
class QMenu;

namespace ign {

class CurvesWindow;
class EditorBinding;
class Link;
class HeatMapColours;
class OperatingPointView;
class ParameterDocument;
class ProfileFile;

// The map views: heat colours on the pages, the live operating point on the
// map and the curves, the map's table editor and the Curves window, with their View menu items
// and their settings section.
class MapViews : public QObject, public Feature {
    Q_OBJECT

public:
    explicit MapViews(FeatureHost& host);
    ~MapViews() override;

    OperatingPointView& OperatingPoint() { return *operatingPoint_; }
    MapTableWindow& TableWindow() { return *table_; }
    CurvesWindow& Curves() { return *curves_; }

    // [VIEW], read after the specified settings and written just before the file.
    void LoadSettings(const ProfileFile& file);
    void StoreSettings(ProfileFile& file) const;

private:
    void Follow();
    void FollowReplay(FeatureHost& host);

    Link& link_;
    ViewSettings settings_;
    HeatMapColours* heat_ = nullptr;
    OperatingPointView* operatingPoint_ = nullptr;
    MapTableWindow* table_ = nullptr;
    CurvesWindow* curves_ = nullptr;
    QAction* heatAction_ = nullptr;
    QAction* pointAction_ = nullptr;
};

}  // namespace ign
