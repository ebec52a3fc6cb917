#pragma once

#include "HeatColour.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace ign {

// What the tune sheet is drawn from: boxes, lines and texts at places on the
// paper, in millimetres from its top-left corner. The painter only draws
// them; every decision of content and place is taken here, without Qt.

enum class Paper : std::uint8_t { A4, Letter };

struct PaperSize {
    double width = 0;  // mm, portrait
    double height = 0;
};
PaperSize SizeOf(Paper paper);

struct Box {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    double right() const { return x + width; }
    double bottom() const { return y + height; }
};

struct PointMm {
    double x = 0;
    double y = 0;
};

// Sizes in points; the painter may make a text smaller to fit its box, never larger.
enum class TextStyle : std::uint8_t {
    Title,    // the sheet's name and the machine
    Heading,  // a page of the window
    Group,    // a group of a page
    Label,    // a caption beside or above a value
    Value,    // a value
    Cell,     // a value of the injection map
    Small,    // axis labels, the colour scale, the footer
    Note,     // the tuner's note and the changes
};
double PointSizeOf(TextStyle style);
bool IsBold(TextStyle style);

enum class TextAlign : std::uint8_t { Left, Centre, Right };

// What a text says: a caption of the window's language tables by its key
// (an objectName there, or a row of the table of new texts), with %1, %2 ...
// filled from args; or, without a key, the words as they are (values, and
// the window's own texts that no table changes, such as "RPM" or "[rpm]").
// A caption may carry words after it, such as the unit the window shows in a
// label of its own beside the field ("Cooling" and " [°C]").
struct SheetText {
    std::string_view key;
    std::string literal;  // the words without a key; after a key's caption, what follows it
    std::vector<std::string> args;

    static SheetText Caption(std::string_view key, std::vector<std::string> args = {}) {
        return {key, {}, std::move(args)};
    }
    static SheetText CaptionThen(std::string_view key, std::string after) {
        return {key, std::move(after), {}};
    }
    static SheetText Literal(std::string text) { return {{}, std::move(text), {}}; }
};

struct TextItem {
    Box box;
    SheetText text;
    TextStyle style = TextStyle::Value;
    TextAlign align = TextAlign::Left;
    Rgb colour = kBlack;
    bool wrap = false;  // broken into lines at blanks within the box (the note)
};

struct RectItem {
    Box box;
    std::optional<Rgb> fill;
    std::optional<Rgb> stroke;
    double strokeWidth = 0.2;  // mm
};

struct LineItem {
    std::vector<PointMm> points;  // a polyline
    Rgb colour = kBlack;
    double width = 0.2;  // mm
};

struct DotItem {
    PointMm centre;
    double diameter = 1.0;  // mm
    Rgb colour = kBlack;
};

// Drawn in order, so later items lie on earlier ones.
using SheetItem = std::variant<RectItem, LineItem, DotItem, TextItem>;

struct SheetPage {
    std::vector<SheetItem> items;
};

struct SheetLayout {
    Paper paper = Paper::A4;
    PaperSize size;
    std::vector<SheetPage> pages;
};

}  // namespace ign
