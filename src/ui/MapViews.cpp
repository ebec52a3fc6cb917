#include "MapViews.h"

#include "CurvesWindow.h"
#include "HeatMapColours.h"
#include "OperatingPointView.h"

#include <QAction>
#include <QMenu>

namespace ign {
namespace {

QAction* AddItem(QMenu& menu, const char* name, const char* caption, bool checkable) {
    QAction* action = menu.addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(checkable);
    return action;
}

}  // namespace

MapViews::MapViews(const EditorBinding& editors, ParameterDocument& document, QMenu& viewMenu,
                   MapTableWindow::Hooks hooks, QWidget& window)
    : QObject(&window) {
    setObjectName(QStringLiteral("MapViews"));
    heat_ = new HeatMapColours(editors, document, this);
    operatingPoint_ = new OperatingPointView(editors, document, this);
    table_ = new MapTableWindow(document, std::move(hooks), &window);
    operatingPoint_->AlsoOn(table_->Overlay());
    curves_ = new CurvesWindow(document, &window);
    connect(operatingPoint_, &OperatingPointView::moved, curves_, &CurvesWindow::ShowLive);

    heatAction_ = AddItem(viewMenu, "ViewHeatMap", "&Heat-map colours", true);
    pointAction_ = AddItem(viewMenu, "ViewOperatingPoint", "&Operating point", true);
    QAction* tableAction = AddItem(viewMenu, "ViewMapTable", "Map &table...", false);
    connect(heatAction_, &QAction::toggled, this, [this](bool on) {
        settings_.heatMap = on;
        Follow();
    });
    connect(pointAction_, &QAction::toggled, this, [this](bool on) {
        settings_.operatingPoint = on;
        Follow();
    });
    QAction* curvesAction = AddItem(viewMenu, "ViewCurves", "&Curves...", false);
    connect(tableAction, &QAction::triggered, table_, &MapTableWindow::Open);
    connect(curvesAction, &QAction::triggered, curves_, &CurvesWindow::Open);
    Follow();
}

void MapViews::LoadSettings(const ProfileFile& file) {
    LoadViewSettings(file, settings_);
    Follow();
}

void MapViews::StoreSettings(ProfileFile& file) const { StoreViewSettings(file, settings_); }

void MapViews::Follow() {
    heatAction_->setChecked(settings_.heatMap);
    pointAction_->setChecked(settings_.operatingPoint);
    heat_->SetEnabled(settings_.heatMap);
    table_->SetHeatMap(settings_.heatMap);
    operatingPoint_->SetEnabled(settings_.operatingPoint);
    operatingPoint_->SetTrailSeconds(settings_.trailSeconds);
}

}  // namespace ign
