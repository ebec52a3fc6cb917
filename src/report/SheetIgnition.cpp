// The Ignition page on paper: the two advance curves as graphs with their
// points in a table below, then the page's groups of values and flags.
#include "SheetSections.h"
#include "SheetValues.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ign {

namespace {

constexpr double kGraphHeight = 30.0;
constexpr double kGraphGap = 6.0;
constexpr double kAxisLeft = 9.0;    // room for the advance labels
constexpr double kAxisBottom = 4.0;  // room for the speed labels
constexpr double kCurveLabelWidth = 18.0;
constexpr double kRowLabelWidth = 24.0;
constexpr double kColumnGap = 5.0;
constexpr int kPoints = 10;
constexpr Rgb kCurveColours[2] = {{20, 80, 170}, {190, 70, 0}};

struct Curve {
    std::string_view group;         // its group's caption key
    std::string_view advanceLabel;  // the advance heading's key
    Param rpm;
    Param advance;
};
constexpr std::array<Curve, 2> kCurves{{{"GroupBox1", "Label2", Param::RPM_A, Param::ADV_A},
                                        {"GroupBox2", "Label4", Param::RPM_B, Param::ADV_B}}};

// The axes both graphs share, so the two curves compare at a glance.
struct Axes {
    int rpmMax = 20000;
    int advanceMax = 40;
    int advanceStep = 10;
};

Axes CommonAxes(const ParameterSet& set) {
    Axes axes;
    int rpm = 0;
    int advance = 0;
    for (const Curve& curve : kCurves) {
        for (int k = 0; k < kPoints; ++k) {
            rpm = std::max(rpm, UserValue(set, curve.rpm, k));
            advance = std::max(advance, UserValue(set, curve.advance, k));
        }
    }
    axes.rpmMax = std::max(5000, (rpm + 4999) / 5000 * 5000);
    axes.advanceStep = advance > 60 ? 20 : 10;
    axes.advanceMax =
        std::max(axes.advanceStep, (advance + axes.advanceStep) / axes.advanceStep * axes.advanceStep);
    return axes;
}

void Graph(Section& section, const Box& box, const ParameterSet& set, const Curve& curve, const Axes& axes,
           Rgb colour, std::string_view separator) {
    const Box plot{box.x + kAxisLeft, box.y + 2.0, box.width - kAxisLeft - 2.0,
                   box.height - kAxisBottom - 2.0};
    const auto xOf = [&](int rpm) { return plot.x + plot.width * rpm / axes.rpmMax; };
    const auto yOf = [&](int advance) { return plot.bottom() - plot.height * advance / axes.advanceMax; };
    for (int a = 0; a <= axes.advanceMax; a += axes.advanceStep) {
        section.Line({{plot.x, yOf(a)}, {plot.right(), yOf(a)}}, kGridGrey, 0.1);
        section.Text({box.x, yOf(a) - 1.6, kAxisLeft - 1.0, 3.2}, SheetText::Literal(std::to_string(a) + "°"),
                     TextStyle::Small, TextAlign::Right, kFaintText);
    }
    // No label at 0 rpm, where it would meet the advance labels' 0°.
    for (int rpm = 5000; rpm <= axes.rpmMax; rpm += 5000) {
        section.Line({{xOf(rpm), plot.y}, {xOf(rpm), plot.bottom()}}, kGridGrey, 0.1);
        // The last label ends at the plot's edge rather than reaching past it.
        const bool last = rpm + 5000 > axes.rpmMax;
        section.Text({xOf(rpm) - (last ? 12.0 : 6.0), plot.bottom() + 0.3, 12.0, kAxisBottom - 0.3},
                     SheetText::Literal(Grouped(rpm, separator)), TextStyle::Small,
                     last ? TextAlign::Right : TextAlign::Centre, kFaintText);
    }
    section.Rect(plot, std::nullopt, kRuleGrey, 0.2);
    std::vector<PointMm> points;
    for (int k = 0; k < kPoints; ++k)
        points.push_back({xOf(UserValue(set, curve.rpm, k)), yOf(UserValue(set, curve.advance, k))});
    section.Line(points, colour, 0.45);
    for (const PointMm& p : points) section.Dot(p, 1.2, colour);
}

// RPM and advance of both curves under the graphs, a column per point.
double PointTable(Section& section, double y, double width, const ParameterSet& set,
                  std::string_view separator) {
    const double cell = (width - kCurveLabelWidth - kRowLabelWidth) / kPoints;
    for (std::size_t c = 0; c < kCurves.size(); ++c) {
        const Curve& curve = kCurves[c];
        section.Text({0, y, kCurveLabelWidth, 2 * kRowHeight}, SheetText::Caption(curve.group),
                     TextStyle::Group, TextAlign::Left, kCurveColours[c]);
        const std::array<std::pair<SheetText, Param>, 2> rows{
            {{SheetText::Literal("RPM"), curve.rpm},
             {SheetText::Caption(curve.advanceLabel), curve.advance}}};
        for (const auto& [label, param] : rows) {
            section.Text({kCurveLabelWidth, y, kRowLabelWidth, kRowHeight}, label, TextStyle::Label);
            for (int k = 0; k < kPoints; ++k)
                section.Text({kCurveLabelWidth + kRowLabelWidth + k * cell, y, cell - 0.8, kRowHeight},
                             SheetText::Literal(FieldText(set, param, k, separator)), TextStyle::Value,
                             TextAlign::Right);
            y += kRowHeight;
            section.Line({{kCurveLabelWidth, y}, {width, y}}, kGridGrey, 0.1);
        }
        section.Line({{0, y}, {width, y}}, kRuleGrey, 0.2);
    }
    return y;
}

double OtherGroup(Section& section, double x, double y, double width, const SheetInput& input) {
    const ParameterSet& set = input.set;
    const std::string_view sep = input.groupSeparator;
    y = section.Group(x, y, width, SheetText::Caption("GroupBox3"));
    const std::array<LabelledValue, 6> rows{{
        {SheetText::Caption("LabelPalec"), FieldText(set, Param::PALEC, 0, sep)},
        {SheetText::Caption("LabelOmez1"), FieldText(set, Param::OMEZ1, 0, sep)},
        {SheetText::Caption("LabelOmez2"), FieldText(set, Param::OMEZ2, 0, sep)},
        {SheetText::Caption("LabelOmezD"), FieldText(set, Param::OMEZ_D, 0, sep)},
        {SheetText::Literal("Clutch m. [ms]"), FieldText(set, Param::CLUTCH, 0, sep)},
        {SheetText::Caption("Label10"), FieldText(set, Param::NA, 0, sep)},
    }};
    y = LabelledRows(section, x, y, width, 16.0, rows);
    const std::array<LabelledValue, 1> machine{{{SheetText::Caption("ComboBox1"), MachineText(set)}}};
    return LabelledRows(section, x, y, width, width * 0.55, machine);
}

double FlagGroups(Section& section, double x, double y, double width, const ParameterSet& set) {
    y = section.Group(x, y, width, SheetText::Caption("GroupBox4"));
    const std::array<std::pair<SheetText, Param>, 4> inputs{
        {{SheetText::Caption("CheckBox1"), Param::POV_OM},
         {SheetText::Caption("CheckBox2"), Param::LED_RAZ},
         {SheetText::Literal("Clutch m."), Param::CAS_IN},
         {SheetText::Caption("CheckBox4"), Param::BLOK}}};
    for (const auto& [caption, param] : inputs) {
        FlagRow(section, x, y, width, caption, FlagOn(set, param));
        y += kRowHeight;
    }
    y += 1.0;
    FlagRow(section, x, y, width, "CheckBox5", FlagOn(set, Param::EXCITATION));
    y += kRowHeight;
    FlagRow(section, x, y, width, "CheckBox6", FlagOn(set, Param::RPM2));
    return y + kRowHeight;
}

double GasGroup(Section& section, double x, double y, double width, const SheetInput& input) {
    const ParameterSet& set = input.set;
    const std::string_view sep = input.groupSeparator;
    y = section.Group(x, y, width, SheetText::Caption("GroupBoxGas"));
    const bool on = FlagOn(set, Param::GasEnable);
    FlagRow(section, x, y, width, "CheckBoxGas", on);
    y += kRowHeight;
    // The window hides the gas values while the function is off; they stay in the set, so the sheet shows
    // them faint.
    const Rgb colour = on ? kBlack : kFaintText;
    const std::array<LabelledValue, 4> rows{{
        {SheetText::Caption("LabelGas1"), FieldText(set, Param::Gas1, 0, sep), colour},
        {SheetText::Caption("LabelGas2"), FieldText(set, Param::Gas2, 0, sep), colour},
        {SheetText::Caption("LabelGas3"), FieldText(set, Param::GasT, 0, sep), colour},
        {SheetText::Caption("LabelGas4"), FieldText(set, Param::GasD, 0, sep), colour},
    }};
    return LabelledRows(section, x, y, width, 16.0, rows);
}

}  // namespace

Section IgnitionSection(const SheetInput& input, double width) {
    Section section;
    double y = section.Heading(0, width, "TabSheet1");
    const Axes axes = CommonAxes(input.set);
    const double graphWidth = (width - kGraphGap) / 2;
    for (std::size_t c = 0; c < kCurves.size(); ++c) {
        const double x = static_cast<double>(c) * (graphWidth + kGraphGap);
        section.Group(x, y, graphWidth, SheetText::Caption(kCurves[c].group));
        Graph(section, {x, y + kGroupHeight, graphWidth, kGraphHeight}, input.set, kCurves[c], axes,
              kCurveColours[c], input.groupSeparator);
    }
    y = PointTable(section, y + kGroupHeight + kGraphHeight + 2.0, width, input.set, input.groupSeparator) +
        3.0;

    const double column = (width - 2 * kColumnGap) / 3;
    const double bottom = std::max({OtherGroup(section, 0, y, column, input),
                                    FlagGroups(section, column + kColumnGap, y, column, input.set),
                                    GasGroup(section, 2 * (column + kColumnGap), y, column, input)});
    section.height = bottom;
    return section;
}

}  // namespace ign
