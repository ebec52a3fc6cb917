// The three injection pages on paper: the map in the window's heat colours
// with its colour scale, the rows over the fixed speeds, the single values
// and the temperature corrections.
#include "SheetSections.h"
#include "SheetValues.h"

#include <algorithm>
#include <array>

namespace ign {

namespace {

constexpr double kMapLabelWidth = 12.0;
constexpr double kMapCellHeight = 5.4;
constexpr double kScaleWidth = 22.0;
constexpr double kScaleBarWidth = 6.0;
constexpr int kScaleStep = 2;  // % per band of the scale
constexpr double kRowCaptionWidth = 50.0;
constexpr double kUnitWidth = 9.0;
constexpr double kColumnGap = 5.0;
constexpr Rgb kHeadingGrey{70, 70, 70};

// Row labels of the map as the window writes them; the tenth row stands for full throttle.
constexpr std::array<std::string_view, kMapSize> kThrottleHeadings{"0%",  "10%", "20%", "30%", "40%",
                                                                   "50%", "60%", "70%", "80%", "100%"};
// The fixed speed headings over the injection position and cylinder corrections.
constexpr std::array<std::string_view, 10> kSpeedHeadings{"1 000", "2 000",  "3 000",  "4 000",  "6 000",
                                                          "8 000", "10 000", "12 000", "14 000", "16 000"};
constexpr std::array<std::string_view, 5> kTemperatureHeadings{"-10 °C", "20 °C", "50 °C", "80 °C", "110 °C"};

// A percentage cell tinted as the window tints its field.
void HeatCell(Section& section, const Box& box, int percent, const std::string& text, TextStyle style) {
    const Rgb fill = HeatColour(percent, kWhite);
    section.Rect(box, fill, kGridGrey, 0.1);
    section.Text(box, SheetText::Literal(text), style, TextAlign::Centre, TextColourOn(fill));
}

// The scale beside the map: every colour a value from 50 to 200 % takes, labelled.
void ColourScale(Section& section, double x, double top, double height) {
    const Box bar{x, top, kScaleBarWidth, height};
    const auto yOf = [&](int percent) {
        return bar.bottom() - bar.height * (percent - kHeatLeanEnd) / (kHeatRichEnd - kHeatLeanEnd);
    };
    for (int percent = kHeatLeanEnd; percent < kHeatRichEnd; percent += kScaleStep)
        section.Rect({bar.x, yOf(percent + kScaleStep), bar.width, yOf(percent) - yOf(percent + kScaleStep)},
                     HeatColour(percent + kScaleStep / 2, kWhite), std::nullopt);
    section.Rect(bar, std::nullopt, kBlack, 0.2);
    for (int percent : {50, 75, 100, 125, 150, 175, 200}) {
        section.Line({{bar.right(), yOf(percent)}, {bar.right() + 1.2, yOf(percent)}}, kBlack, 0.2);
        section.Text({bar.right() + 1.6, yOf(percent) - 1.6, kScaleWidth - kScaleBarWidth - 2.0, 3.2},
                     SheetText::Literal(std::to_string(percent)), TextStyle::Small);
    }
    section.Text({x - 2.0, top - kMapCellHeight, kScaleWidth, kMapCellHeight - 1.8},
                 SheetText::Literal("[%]"), TextStyle::Small, TextAlign::Left);
}

// A table of rows over column headings: the caption and unit, then one cell per point.
struct PointRow {
    SheetText caption;
    std::string unit;
    Param param;
    bool heat;  // tinted like a correction in the window
};

struct Headings {
    std::string_view unit;  // "[rpm]" over the speed rows, nothing over the temperatures
    std::span<const std::string_view> texts;
};

double PointRows(Section& section, double y, double cell, const Headings& heads,
                 std::span<const PointRow> rows, const SheetInput& input) {
    const std::span<const std::string_view> headings = heads.texts;
    const double first = kRowCaptionWidth + kUnitWidth;
    if (!heads.unit.empty())
        section.Text({kRowCaptionWidth, y, kUnitWidth, kRowHeight},
                     SheetText::Literal(std::string(heads.unit)), TextStyle::Label);
    for (std::size_t k = 0; k < headings.size(); ++k)
        section.Text({first + static_cast<double>(k) * cell, y, cell, kRowHeight},
                     SheetText::Literal(std::string(headings[k])), TextStyle::Label, TextAlign::Centre,
                     kHeadingGrey);
    y += kRowHeight;
    for (const PointRow& row : rows) {
        section.Text({0, y, kRowCaptionWidth - 1.0, kRowHeight}, row.caption, TextStyle::Label);
        section.Text({kRowCaptionWidth, y, kUnitWidth, kRowHeight}, SheetText::Literal(row.unit),
                     TextStyle::Label);
        for (std::size_t k = 0; k < headings.size(); ++k) {
            const Box box{first + static_cast<double>(k) * cell, y, cell, kRowHeight};
            const std::string text =
                FieldText(input.set, row.param, static_cast<int>(k), input.groupSeparator);
            if (row.heat) {
                HeatCell(section, box, UserValue(input.set, row.param, static_cast<int>(k)), text,
                         TextStyle::Value);
            } else {
                section.Rect(box, std::nullopt, kGridGrey, 0.1);
                section.Text(box, SheetText::Literal(text), TextStyle::Value, TextAlign::Centre);
            }
        }
        y += kRowHeight;
    }
    return y;
}

}  // namespace

Section MapSection(const SheetInput& input, double width) {
    Section section;
    double y = section.Heading(0, width, "TabSheet2");
    y = section.Group(0, y, width, SheetText::Caption("CurvesMap"));
    const double cell = (width - kMapLabelWidth - kScaleWidth - 2.0) / kMapSize;
    section.Text({0, y, kMapLabelWidth - 1.5, kMapCellHeight}, SheetText::Literal("[rpm]"), TextStyle::Label,
                 TextAlign::Right);
    for (int c = 0; c < kMapSize; ++c)
        section.Text({kMapLabelWidth + c * cell, y, cell, kMapCellHeight},
                     SheetText::Literal(FieldText(input.set, Param::RPM_JET, c, input.groupSeparator)),
                     TextStyle::Value, TextAlign::Centre);
    y += kMapCellHeight;
    const double top = y;
    for (int row = 0; row < kMapSize; ++row) {
        section.Text({0, y, kMapLabelWidth - 1.5, kMapCellHeight},
                     SheetText::Literal(std::string(kThrottleHeadings[static_cast<std::size_t>(row)])),
                     TextStyle::Label, TextAlign::Right);
        for (int c = 0; c < kMapSize; ++c) {
            const int point = kMapSize * row + c;
            HeatCell(section, {kMapLabelWidth + c * cell, y, cell, kMapCellHeight},
                     UserValue(input.set, Param::JET, point),
                     FieldText(input.set, Param::JET, point, input.groupSeparator), TextStyle::Cell);
        }
        y += kMapCellHeight;
    }
    ColourScale(section, width - kScaleWidth + 2.0, top, y - top);
    section.height = y;
    return section;
}

Section PositionSection(const SheetInput& input, double width) {
    Section section;
    double y = section.Heading(0, width, "TabSheet3");
    const double cell = (width - kRowCaptionWidth - kUnitWidth) / 10;
    const std::array<PointRow, 2> rows{{{SheetText::Caption("GroupBox12"), "[°]", Param::POLOHA, false},
                                        {SheetText::Caption("GroupBoxKor23"), "[%]", Param::KOR_23, true}}};
    y = PointRows(section, y, cell, {"[rpm]", kSpeedHeadings}, rows, input);
    const int choice = UserValue(input.set, Param::POLOHA_PRO);
    static constexpr std::array<std::string_view, 3> kItems{"RadioGroupPolohaItem0", "RadioGroupPolohaItem1",
                                                            "RadioGroupPolohaItem2"};
    const SheetText chosen = choice >= 0 && choice < 3
                                 ? SheetText::Caption(kItems[static_cast<std::size_t>(choice)])
                                 : SheetText::Literal(std::to_string(choice));
    section.Text({0, y, kRowCaptionWidth - 1.0, kRowHeight}, SheetText::Caption("RadioGroupPoloha"),
                 TextStyle::Label);
    section.Text({kRowCaptionWidth + kUnitWidth, y, 4 * cell, kRowHeight}, chosen, TextStyle::Value);
    section.height = y + kRowHeight;
    return section;
}

Section InjectionValuesSection(const SheetInput& input, double width) {
    Section section;
    double y = section.Heading(0, width, "TabSheet4");
    const ParameterSet& set = input.set;
    const std::string_view sep = input.groupSeparator;
    const double column = (width - 2 * kColumnGap) / 3;
    const std::array<LabelledValue, 3> single{{
        {SheetText::CaptionThen("GroupBoxDeadTime", " [us]"), FieldText(set, Param::DEAD_TIME, 0, sep)},
        {SheetText::CaptionThen("GroupBoxStartJet", " [ms]"), FieldText(set, Param::START_JET, 0, sep)},
        {SheetText::CaptionThen("GroupBoxChlazeni", " [°C]"), FieldText(set, Param::CHLAZENI, 0, sep)},
    }};
    // The window labels the acceleration values in Czech in every language, and so does the sheet.
    const std::array<LabelledValue, 3> acceleration{{
        {SheetText::Literal("Práh přístřiku [%/s]"), FieldText(set, Param::AKCEL_PRAH, 0, sep)},
        {SheetText::Literal("Velikost přístřiku [us]"), FieldText(set, Param::AKCEL_JET, 0, sep)},
        {SheetText::Literal("Perioda přístřiku [ms]"), FieldText(set, Param::AKCEL_PER, 0, sep)},
    }};
    const std::array<LabelledValue, 2> tps{{
        {SheetText::Literal("0%  [mV]"), FieldText(set, Param::TPS_0, 0, sep)},
        {SheetText::Literal("100%  [mv]"), FieldText(set, Param::TPS_100, 0, sep)},
    }};
    const double groupTop = y;
    y = std::max(
        {LabelledRows(section, 0, groupTop + kGroupHeight, column, 14.0, single),
         LabelledRows(
             section, column + kColumnGap,
             section.Group(column + kColumnGap, groupTop, column, SheetText::Caption("GroupBoxAkcel")),
             column, 14.0, acceleration),
         LabelledRows(section, 2 * (column + kColumnGap),
                      section.Group(2 * (column + kColumnGap), groupTop, column, SheetText::Literal("TPS")),
                      column, 14.0, tps)});
    y += 2.0;
    const double cell = (width - kRowCaptionWidth - kUnitWidth) / 10;
    const std::array<PointRow, 2> rows{{{SheetText::Caption("GroupBoxVoda"), "[%]", Param::WATER, true},
                                        {SheetText::Caption("GroupBoxVzduch"), "[%]", Param::AIR, true}}};
    section.height = PointRows(section, y, cell * 1.4, {{}, kTemperatureHeadings}, rows, input);
    return section;
}

}  // namespace ign
