#include "maps/MapViews.h"

#include "Link.h"
#include "ParameterDocument.h"
#include "PortConnection.h"
#include "language/NewTexts.h"
#include "logs/LogFeature.h"
#include "logs/LogViewerWindow.h"
#include "maps/CurvesWindow.h"
#include "maps/HeatMapColours.h"
#include "maps/OperatingPointOverlay.h"
#include "maps/OperatingPointView.h"
#include "port/QuickLinkFeature.h"

#include <QAction>
#include <QMenu>

#include <memory>
#include <optional>
#include <utility>

namespace ign {
namespace {

QAction* AddItem(MenuSection& menu, QWidget& window, const char* name, const char* caption, bool checkable) {
    auto* action = new QAction(QString::fromUtf8(caption), &window);
    menu.Add(action);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(checkable);
    return action;
}

}  // namespace

MapViews::MapViews(FeatureHost& host) : QObject(&host.Window()), link_(host.DeviceLink()) {
    setObjectName(QStringLiteral("MapViews"));
    QWidget& window = host.Window();
    const EditorBinding& editors = host.Editors();
    ParameterDocument& document = host.Document();
    MapTableWindow::Hooks hooks{
        [&host] { return host.LineOwner().IsOpen(); },
        // The end of the injection "+" and "-" buttons' change: the set into the unit.
        [&host] {
            const ParameterSet& set = host.Document().Parameters();
            if (auto* quick = host.Find<QuickLinkFeature>()) {
                quick->LiveProgram(set);
            } else {
                host.DeviceLink().Use(set);
                host.DeviceLink().StartProgram();
            }
        },
        [&host] { return host.Language(); },
    };
    heat_ = new HeatMapColours(editors, document, this);
    operatingPoint_ = new OperatingPointView(editors, document, this);
    table_ = new MapTableWindow(document, std::move(hooks), &window);
    operatingPoint_->AlsoOn(table_->Overlay());
    curves_ = new CurvesWindow(document, &window);
    connect(operatingPoint_, &OperatingPointView::moved, curves_,
            host.Guard([this](const MonitorReadings& readings) { curves_->ShowLive(readings); }));

    MenuSection viewMenu = host.Menu(MenuSlot::View);
    heatAction_ = AddItem(viewMenu, window, "ViewHeatMap", "&Heat-map colours", true);
    pointAction_ = AddItem(viewMenu, window, "ViewOperatingPoint", "&Operating point", true);
    QAction* tableAction = AddItem(viewMenu, window, "ViewMapTable", "Map &table...", false);
    connect(heatAction_, &QAction::toggled, this, host.Guard([this](bool on) {
        settings_.heatMap = on;
        Follow();
    }));
    connect(pointAction_, &QAction::toggled, this, host.Guard([this](bool on) {
        settings_.operatingPoint = on;
        Follow();
    }));
    QAction* curvesAction = AddItem(viewMenu, window, "ViewCurves", "&Curves...", false);
    connect(tableAction, &QAction::triggered, table_, host.Guard([this] { table_->Open(); }));
    connect(curvesAction, &QAction::triggered, curves_, host.Guard([this] { curves_->Open(); }));
    Follow();

    HostEvents* events = &host.Events();
    connect(events, &HostEvents::languageChanged, curves_, host.Guard([this] { curves_->Retranslate(); }));
    connect(events, &HostEvents::settingsLoaded, this,
            host.Guard([this](const ProfileFile& file) { LoadSettings(file); }));
    connect(events, &HostEvents::settingsStoring, this, [this](ProfileFile& file) { StoreSettings(file); });
    link_.addView(operatingPoint_);
    FollowReplay(host);
}

MapViews::~MapViews() { link_.removeView(operatingPoint_); }

// A log played back: the viewer's cursor puts a marker of its own on the
// map, labelled, beside the live one, which it leaves alone. While the
// viewer is open the marker stays where the cursor stands (a point not
// given again fades like a stream that stopped).
void MapViews::FollowReplay(FeatureHost& host) {
    auto* logs = host.Find<LogFeature>();
    if (logs == nullptr) return;
    auto replay = std::make_shared<std::optional<std::pair<double, double>>>();
    OperatingPointOverlay& map = operatingPoint_->ReplayOverlay();
    const auto tag = [&map](std::uint8_t code) {
        map.setMarkerStyle(QColor(0xe6, 0x00, 0x7e), NewTextOf("ReplayMarkerLabel", code));
    };
    tag(host.Language());
    HostEvents* events = &host.Events();
    connect(events, &HostEvents::languageChanged, &map, host.Guard(tag));
    LogViewerWindow* viewer = logs->viewer();
    connect(viewer, &LogViewerWindow::operatingPoint, &map,
            host.Guard([replay, &map](double rpm, double throttle) {
                *replay = std::pair{rpm, throttle};
                map.setOperatingPoint(rpm, throttle);
            }));
    connect(events, &HostEvents::ticked, &map, host.Guard([replay, &map, viewer] {
        if (!*replay) return;
        if (viewer->isVisible()) {
            map.setOperatingPoint((*replay)->first, (*replay)->second);
        } else {
            replay->reset();
            map.clearOperatingPoint();
        }
    }));
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
