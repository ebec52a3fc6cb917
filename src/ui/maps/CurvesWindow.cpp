#include "maps/CurvesWindow.h"

#include "FieldTyping.h"
#include "MapGeometry.h"
#include "Monitor.h"
#include "OperatingTrail.h"
#include "ParameterDocument.h"
#include "Validation.h"
#include "language/OwnText.h"
#include "maps/CurveChart.h"
#include "pages/PageParts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QTimer>
#include <QVBoxLayout>

namespace ign {
namespace {

using Line = CurveChart::Line;

// The speeds the injection position and the correction rows are labelled with.
constexpr std::array<double, 10> kSpeedLabels{1000, 2000, 3000, 4000, 6000, 8000, 10000, 12000, 14000, 16000};
// The temperatures of the water and air corrections' five points.
constexpr std::array<double, 5> kTemperatures{-10, 20, 50, 80, 110};

std::vector<double> Speeds(const Points10& bytes, Param axis) {
    std::vector<double> x;
    for (Byte b : bytes) x.push_back(ToUser(Info(axis).conversion, b));
    return x;
}

template <std::size_t N>
std::vector<double> Fixed(const std::array<double, N>& values) {
    return {values.begin(), values.end()};
}

QColor RowColour(int row) { return QColor::fromHsv(240 - row * 24, 200, 200); }

// A parameter's points span its field's range.
CurveChart::Spans FieldSpan(Param param) {
    const EditorField* field = FindEditorField(param, 0);
    return [min = double(field->min), max = double(field->max)](const ParameterSet&) {
        return CurveChart::Span{min, max};
    };
}

QString RowName(int row) {
    return QStringLiteral("%1 %").arg(kMapThrottleAxis[static_cast<std::size_t>(row)]);
}

}  // namespace

CurvesWindow::CurvesWindow(ParameterDocument& document, QWidget* parent)
    : QDialog(parent), document_(document) {
    setObjectName(QStringLiteral("CurvesWindow"));
    setWindowTitle(QStringLiteral("Curves"));
    setModal(false);
    const auto name = [this](const char* object, const char* english) {
        const OwnText* text = new OwnText(object, english, this);
        return [text] { return text->text(); };
    };
    const auto curveA = name("CurvesLegendA", "Curve A");
    const auto curveB = name("CurvesLegendB", "Curve B");
    const auto position = name("CurvesLegendPosition", "Injection position");
    const auto cylinders = name("CurvesLegendCylinders", "Cylinders 2/3");
    const auto water = name("CurvesLegendWater", "Water");
    const auto air = name("CurvesLegendAir", "Air");
    struct Design {
        const char* name;
        const char* title;
        CurveChart::Lines lines;
        CurveChart::Spans spans;
    };
    const Design designs[] = {
        {"CurvesAdvance", "Advance [°] / curve A, curve B",
         [=](const ParameterSet& s) {
             return std::vector<Line>{
                 {Param::ADV_A, 0, Speeds(s.ignition.RPM_A, Param::RPM_A), Qt::darkBlue, curveA()},
                 {Param::ADV_B, 0, Speeds(s.ignition.RPM_B, Param::RPM_B), Qt::darkRed, curveB()}};
         },
         // Validation holds every advance to the trigger width: a drag beyond it would snap back.
         [](const ParameterSet& s) {
             return CurveChart::Span{0, double(ToUser(Info(Param::PALEC).conversion, s.ignition.PALEC))};
         }},
        {"CurvesPosition", "Injection position [°]",
         [=](const ParameterSet&) {
             return std::vector<Line>{{Param::POLOHA, 0, Fixed(kSpeedLabels), Qt::darkGreen, position()}};
         },
         FieldSpan(Param::POLOHA)},
        {"CurvesCylinders", "Cylinders 2/3 [%]",
         [=](const ParameterSet&) {
             return std::vector<Line>{{Param::KOR_23, 0, Fixed(kSpeedLabels), Qt::darkMagenta, cylinders()}};
         },
         FieldSpan(Param::KOR_23)},
        {"CurvesTemperatures", "Water, air [%]",
         [=](const ParameterSet&) {
             return std::vector<Line>{{Param::WATER, 0, Fixed(kTemperatures), Qt::darkCyan, water()},
                                      {Param::AIR, 0, Fixed(kTemperatures), Qt::darkYellow, air()}};
         },
         FieldSpan(Param::WATER)},
        {"CurvesMap", "Injection map [%]",
         [](const ParameterSet& s) {
             std::vector<Line> rows;
             const std::vector<double> x = Speeds(s.injection.RPM_JET, Param::RPM_JET);
             for (int row = 0; row < kMapSize; ++row)
                 rows.push_back({Param::JET, row * kMapSize, x, RowColour(row), RowName(row)});
             return rows;
         },
         FieldSpan(Param::JET)},
    };
    auto* grid = new QGridLayout(this);
    for (std::size_t i = 0; i < charts_.size(); ++i) {
        const Design& d = designs[i];
        QGroupBox* group = MakeGroup(this, d.name, d.title);
        auto* inside = new QVBoxLayout(group);
        charts_[i] = new CurveChart(d.lines, d.spans, group);
        inside->addWidget(charts_[i]);
        grid->addWidget(group, static_cast<int>(i) / 2, static_cast<int>(i) % 2);
        connect(charts_[i], &CurveChart::pointDragged, this, &CurvesWindow::Drag);
    }
    hide_ = new QTimer(this);
    hide_->setSingleShot(true);
    hide_->setInterval(static_cast<int>(OperatingTrail::kHideAfterMs));
    connect(hide_, &QTimer::timeout, this, [this] {
        for (CurveChart* chart : charts_) chart->SetLive(std::nullopt);
    });
    for (CurveChart* chart : charts_) chart->Show(document_.Parameters());
    document_.Listen([this](const ParameterChange& change) {
        for (CurveChart* chart : charts_) chart->Show(change.after);
    });
}

void CurvesWindow::Retranslate() {
    for (CurveChart* chart : charts_) chart->Show(document_.Parameters());
}

void CurvesWindow::Open() {
    for (CurveChart* chart : charts_) chart->Show(document_.Parameters());
    show();
    raise();
    activateWindow();
}

void CurvesWindow::ShowLive(const MonitorReadings& readings) {
    if (!isVisible()) return;
    for (std::size_t i = 0; i < charts_.size(); ++i)
        charts_[i]->SetLive(i == 3 ? double(readings.waterC) : double(readings.rpm));
    hide_->start();
}

void CurvesWindow::Drag(Param param, int point, double userValue) {
    const std::optional<Byte> byte = DraggedFieldByte(param, point, userValue);
    if (!byte) return;
    // Typed into the field and taken: the editors, the value, then validation.
    document_.TakeEditors(ChangeCause::Edit, ParameterDocument::Validation::None, [&](ParameterSet& set) {
        BytesOf(set, param)[static_cast<std::size_t>(point)] = *byte;
        ValidateParameters(set);
        return true;
    });
    for (CurveChart* chart : charts_) chart->Show(document_.Parameters());
}

}  // namespace ign
