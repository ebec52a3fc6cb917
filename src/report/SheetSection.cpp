#include "SheetSection.h"

namespace ign {

namespace {

constexpr double kCheckBox = 3.0;

Box Moved(Box box, double dx, double dy) {
    box.x += dx;
    box.y += dy;
    return box;
}

struct Mover {
    double dx;
    double dy;

    SheetItem operator()(RectItem item) const {
        item.box = Moved(item.box, dx, dy);
        return item;
    }
    SheetItem operator()(LineItem item) const {
        for (PointMm& p : item.points) p = {p.x + dx, p.y + dy};
        return item;
    }
    SheetItem operator()(DotItem item) const {
        item.centre = {item.centre.x + dx, item.centre.y + dy};
        return item;
    }
    SheetItem operator()(TextItem item) const {
        item.box = Moved(item.box, dx, dy);
        return item;
    }
};

}  // namespace

void Section::Text(const Box& box, SheetText text, TextStyle style, TextAlign align, Rgb colour) {
    items.emplace_back(TextItem{box, std::move(text), style, align, colour, false});
}

void Section::Rect(const Box& box, std::optional<Rgb> fill, std::optional<Rgb> stroke, double strokeWidth) {
    items.emplace_back(RectItem{box, fill, stroke, strokeWidth});
}

void Section::Line(std::vector<PointMm> points, Rgb colour, double width) {
    items.emplace_back(LineItem{std::move(points), colour, width});
}

void Section::Dot(PointMm centre, double diameter, Rgb colour) {
    items.emplace_back(DotItem{centre, diameter, colour});
}

double Section::Heading(double y, double width, std::string_view key, double captionWidth) {
    Text({0, y, captionWidth > 0 ? captionWidth : width, kHeadingHeight - 1.0}, SheetText::Caption(key),
         TextStyle::Heading);
    Line({{0, y + kHeadingHeight - 0.8}, {width, y + kHeadingHeight - 0.8}}, kRuleGrey, 0.3);
    return y + kHeadingHeight;
}

double Section::Group(double x, double y, double width, SheetText caption) {
    Text({x, y, width, kGroupHeight}, std::move(caption), TextStyle::Group);
    return y + kGroupHeight;
}

double LabelledRows(Section& section, double x, double y, double width, double valueWidth,
                    std::span<const LabelledValue> rows) {
    for (const LabelledValue& row : rows) {
        section.Text({x, y, width - valueWidth - 1.0, kRowHeight}, row.label, TextStyle::Label,
                     TextAlign::Left, row.colour);
        section.Text({x + width - valueWidth, y, valueWidth, kRowHeight}, SheetText::Literal(row.value),
                     TextStyle::Value, TextAlign::Right, row.colour);
        section.Line({{x, y + kRowHeight}, {x + width, y + kRowHeight}}, kGridGrey, 0.1);
        y += kRowHeight;
    }
    return y;
}

void FlagRow(Section& section, double x, double y, double width, std::string_view key, bool on) {
    FlagRow(section, x, y, width, SheetText::Caption(key), on);
}

void FlagRow(Section& section, double x, double y, double width, SheetText caption, bool on) {
    const double top = y + (kRowHeight - kCheckBox) / 2;
    section.Rect({x, top, kCheckBox, kCheckBox}, kWhite, kBlack, 0.25);
    // The tick is a glyph, so the sheet's text says which flags are on.
    if (on)
        section.Text({x, top - 0.3, kCheckBox, kCheckBox + 0.6}, SheetText::Literal("✓"), TextStyle::Value,
                     TextAlign::Centre);
    section.Text({x + kCheckBox + 1.5, y, width - kCheckBox - 1.5, kRowHeight}, std::move(caption),
                 TextStyle::Label);
}

void Place(const Section& section, double left, double top, SheetPage& page) {
    const Mover mover{left, top};
    for (const SheetItem& item : section.items) page.items.push_back(std::visit(mover, item));
}

}  // namespace ign
