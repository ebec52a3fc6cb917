#include "SheetLayout.h"

#include "SheetSections.h"

namespace ign {

namespace {

struct Flow {
    SheetLayout& layout;
    double top;
    double bottom;
    double y;

    SheetPage& page() { return layout.pages.back(); }
    void NewPage() {
        layout.pages.emplace_back();
        y = top;
    }
    // A section goes below the one before, or on a new page when it does not fit.
    void Put(const Section& section) {
        if (section.height <= 0) return;
        if (y + section.height > bottom && y > top) NewPage();
        Place(section, kMargin, y, page());
        y += section.height + kSectionGap;
    }
};

}  // namespace

PaperSize SizeOf(Paper paper) {
    return paper == Paper::Letter ? PaperSize{215.9, 279.4} : PaperSize{210, 297};
}

double PointSizeOf(TextStyle style) {
    switch (style) {
        case TextStyle::Title:
            return 15;
        case TextStyle::Heading:
            return 11;
        case TextStyle::Group:
            return 8.5;
        case TextStyle::Label:
        case TextStyle::Value:
            return 8.5;
        case TextStyle::Cell:
            return 9;
        case TextStyle::Small:
            return 6.5;
        case TextStyle::Note:
            return 8;
    }
    return 8.5;
}

bool IsBold(TextStyle style) {
    return style == TextStyle::Title || style == TextStyle::Heading || style == TextStyle::Group ||
           style == TextStyle::Cell;
}

SheetLayout LayOutSheet(const SheetInput& input) {
    SheetLayout layout;
    layout.paper = input.paper;
    layout.size = SizeOf(input.paper);
    const double width = layout.size.width - 2 * kMargin;
    Flow flow{layout, kMargin, layout.size.height - kMargin - kFooterHeight - 1.0, kMargin};
    flow.NewPage();
    for (const Section& section :
         {HeaderSection(input, width), NoteSection(input, width), IgnitionSection(input, width),
          MapSection(input, width), PositionSection(input, width), InjectionValuesSection(input, width)})
        flow.Put(section);

    const std::vector<std::string> lines = ChangeLines(input);
    if (flow.y + ChangesMinimumHeight(lines.size()) > flow.bottom) flow.NewPage();
    std::size_t shown = 0;
    flow.Put(ChangesSection(input, lines, width, flow.bottom - flow.y, shown));

    const int pages = static_cast<int>(layout.pages.size());
    for (int i = 0; i < pages; ++i)
        Place(FooterSection(input, width, i + 1, pages), kMargin,
              layout.size.height - kMargin - kFooterHeight, layout.pages[static_cast<std::size_t>(i)]);
    return layout;
}

}  // namespace ign
