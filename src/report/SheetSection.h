#pragma once

#include "SheetPage.h"

#include <span>
#include <string>
#include <vector>

namespace ign {

// Measures of the sheet, in millimetres.
inline constexpr double kMargin = 12.0;
inline constexpr double kFooterHeight = 6.0;
inline constexpr double kSectionGap = 3.5;
inline constexpr double kHeadingHeight = 6.5;
inline constexpr double kGroupHeight = 4.6;
inline constexpr double kRowHeight = 4.4;
inline constexpr double kNoteLineHeight = 3.8;

inline constexpr Rgb kRuleGrey{150, 150, 150};
inline constexpr Rgb kGridGrey{200, 200, 200};
inline constexpr Rgb kFaintText{110, 110, 110};

// One part of the sheet (the header, a page of the window, the changes), laid
// out from its own top-left corner; the flow puts it on a page.
struct Section {
    double height = 0;
    std::vector<SheetItem> items;

    void Text(const Box& box, SheetText text, TextStyle style, TextAlign align = TextAlign::Left,
              Rgb colour = kBlack);
    void Rect(const Box& box, std::optional<Rgb> fill, std::optional<Rgb> stroke, double strokeWidth = 0.2);
    void Line(std::vector<PointMm> points, Rgb colour = kBlack, double width = 0.2);
    void Dot(PointMm centre, double diameter, Rgb colour);

    // A page's caption with a rule under it across the width; returns the y
    // below it. The caption takes `captionWidth` of the line (all of it when 0).
    double Heading(double y, double width, std::string_view key, double captionWidth = 0);
    // A group's caption; returns the y below it.
    double Group(double x, double y, double width, SheetText caption);
};

// A label and its value on one row: the label on the left, the value right-aligned.
struct LabelledValue {
    SheetText label;
    std::string value;
    Rgb colour = kBlack;
};
// Rows of such pairs in a column; returns the y below them.
double LabelledRows(Section& section, double x, double y, double width, double valueWidth,
                    std::span<const LabelledValue> rows);

// A flag as the window shows it: a check box, ticked when on, and its caption.
void FlagRow(Section& section, double x, double y, double width, std::string_view key, bool on);
void FlagRow(Section& section, double x, double y, double width, SheetText caption, bool on);

// Puts a section's items on a page with its top-left corner at (left, top).
void Place(const Section& section, double left, double top, SheetPage& page);

}  // namespace ign
