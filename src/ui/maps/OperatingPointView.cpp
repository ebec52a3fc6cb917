#include "maps/OperatingPointView.h"

#include "FieldTyping.h"
#include "MapGeometry.h"
#include "ParameterDocument.h"
#include "maps/OperatingPointOverlay.h"
#include "pages/FieldBox.h"
#include "window/EditorBinding.h"

#include <QLineEdit>
#include <QLocale>

namespace ign {
namespace {

FieldBox& FieldOf(const EditorBinding& editors, Param param, int point) {
    const EditorField* field = FindEditorField(param, point);
    return *editors.Fields()[static_cast<std::size_t>(field - EditorFields().data())];
}

// The overlay over fields laid out as rows × columns: row-major points of one
// parameter (the map), or one parameter per column (a curve: speed, advance).
OperatingPointOverlay* Overlay(const EditorBinding& editors, std::initializer_list<Param> columns, int rows,
                               int columnCount) {
    std::vector<FieldBox*> cells;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columnCount; ++column) {
            if (columns.size() == 1)
                cells.push_back(&FieldOf(editors, *columns.begin(), row * columnCount + column));
            else
                cells.push_back(&FieldOf(editors, columns.begin()[column], row));
        }
    QWidget& host = *cells.front()->parentWidget();
    auto cellRect = [cells, columnCount](int row, int column) {
        return cells[static_cast<std::size_t>(row * columnCount + column)]->geometry();
    };
    auto* overlay = new OperatingPointOverlay(host, rows, columnCount, cellRect, {});
    // The text box within the field, where the digits are.
    overlay->setTextRect([cells, columnCount](int row, int column) {
        const FieldBox* box = cells[static_cast<std::size_t>(row * columnCount + column)];
        return box->TextBox()->geometry().translated(box->pos());
    });
    return overlay;
}

// Each curve's place from the set as it is at the time: the axes change with every step.
OperatingPointOverlay::Placement CurvePlacement(const ParameterDocument& document,
                                                Points10 IgnitionBlock::*rpm,
                                                Points10 IgnitionBlock::*advance) {
    return [&document, rpm, advance](double speed, double) {
        const IgnitionBlock& ignition = document.Parameters().ignition;
        const CurvePoint point = CurvePosition(ignition.*rpm, ignition.*advance, speed);
        return OperatingPointOverlay::Place{point.position, -1,
                                            QLocale::c().toString(point.advanceDeg, 'f', 1) + QChar(0x00B0)};
    };
}

}  // namespace

OperatingPointOverlay::Placement MapPlacement(const ParameterDocument& document) {
    return [&document](double rpm, double throttle) {
        const MapPoint point = MapPosition(document.Parameters().injection, rpm, throttle);
        return OperatingPointOverlay::Place{point.row, point.column, {}};
    };
}

OperatingPointView::OperatingPointView(const EditorBinding& editors, ParameterDocument& document,
                                       QObject* parent)
    : QObject(parent) {
    map_ = Overlay(editors, {Param::JET}, kMapSize, kMapSize);
    map_->setObjectName(QStringLiteral("MapOperatingPoint"));
    replay_ = Overlay(editors, {Param::JET}, kMapSize, kMapSize);
    replay_->setObjectName(QStringLiteral("MapReplayPoint"));
    replay_->setTrailMs(0);
    curveA_ = Overlay(editors, {Param::RPM_A, Param::ADV_A}, 10, 2);
    curveA_->setObjectName(QStringLiteral("CurveAOperatingPoint"));
    curveB_ = Overlay(editors, {Param::RPM_B, Param::ADV_B}, 10, 2);
    curveB_->setObjectName(QStringLiteral("CurveBOperatingPoint"));
    map_->setPlacement(MapPlacement(document));
    replay_->setPlacement(MapPlacement(document));
    curveA_->setPlacement(CurvePlacement(document, &IgnitionBlock::RPM_A, &IgnitionBlock::ADV_A));
    curveB_->setPlacement(CurvePlacement(document, &IgnitionBlock::RPM_B, &IgnitionBlock::ADV_B));
    // New axes move the point the samples stand for.
    document.Listen([this](const ParameterChange&) {
        for (OperatingPointOverlay* overlay : Overlays()) overlay->refresh();
        replay_->refresh();
    });
}

void OperatingPointView::SetTrailSeconds(int seconds) {
    for (OperatingPointOverlay* overlay : Overlays()) overlay->setTrailMs(std::int64_t{seconds} * 1000);
}

void OperatingPointView::SetEnabled(bool on) {
    enabled_ = on;
    if (!on)
        for (OperatingPointOverlay* overlay : Overlays()) overlay->clearOperatingPoint();
}

void OperatingPointView::AlsoOn(OperatingPointOverlay& mapOverlay) {
    mapOverlay.setTrailMs(map_->trailMs());
    otherMaps_.push_back(&mapOverlay);
}

std::vector<OperatingPointOverlay*> OperatingPointView::Overlays() const {
    std::vector<OperatingPointOverlay*> all{map_, curveA_, curveB_};
    all.insert(all.end(), otherMaps_.begin(), otherMaps_.end());
    return all;
}

void OperatingPointView::monitorFrame(const MonitorFrameEvent& frame) {
    // Speed comes with type 2, the opening with type 3; the others move nothing.
    if (!enabled_ || (frame.type != 2 && frame.type != 3) || !frame.readings.haveType2) return;
    const double rpm = frame.readings.rpm;
    const double throttle = frame.readings.tpsPercent;
    for (OperatingPointOverlay* overlay : Overlays()) overlay->setOperatingPoint(rpm, throttle);
    emit moved(frame.readings);
}

}  // namespace ign
