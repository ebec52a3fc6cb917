#pragma once

#include "MapTableWindow.h"
#include "ViewSettings.h"

#include <QObject>

class QAction;
class QMenu;

namespace ign {

class CurvesWindow;
class EditorBinding;
class HeatMapColours;
class OperatingPointView;
class ParameterDocument;
class ProfileFile;

// The map views: heat colours on the pages, the live operating point on the
// map and the curves, the map's table editor and the Curves window, with their View menu items
// and their settings section. The window creates it and hands it the link's
// frames through OperatingPoint().
class MapViews : public QObject {
    Q_OBJECT

public:
    MapViews(const EditorBinding& editors, ParameterDocument& document, QMenu& viewMenu,
             MapTableWindow::Hooks hooks, QWidget& window);

    OperatingPointView& OperatingPoint() { return *operatingPoint_; }
    MapTableWindow& TableWindow() { return *table_; }
    CurvesWindow& Curves() { return *curves_; }

    // [VIEW], read after the specified settings and written just before the file.
    void LoadSettings(const ProfileFile& file);
    void StoreSettings(ProfileFile& file) const;

private:
    void Follow();

    ViewSettings settings_;
    HeatMapColours* heat_ = nullptr;
    OperatingPointView* operatingPoint_ = nullptr;
    MapTableWindow* table_ = nullptr;
    CurvesWindow* curves_ = nullptr;
    QAction* heatAction_ = nullptr;
    QAction* pointAction_ = nullptr;
};

}  // namespace ign
