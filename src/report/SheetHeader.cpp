// The sheet's header and the tuner's note, its changes and the page footer:
// the parts that say what the set is and where it came from.
#include "DifferenceText.h"
#include "SetDifferences.h"
#include "SetDigest.h"
#include "SheetSections.h"
#include "SheetValues.h"
#include "TuneNote.h"

#include <algorithm>
#include <cmath>

namespace ign {

namespace {

constexpr double kTitleHeight = 8.0;
constexpr double kHeaderLabelWidth = 30.0;
constexpr double kNotePadding = 1.5;
constexpr double kNoteMaxHeight = 70.0;
// Characters of the note's size that fit a millimetre, on average: the
// estimate of its height, which the painter then fits by the font's own measures.
constexpr double kNoteCharactersPerMm = 0.62;

struct HeaderRow {
    std::string_view label;
    SheetText value;
};

double HeaderRows(Section& section, double x, double y, double width, std::span<const HeaderRow> rows) {
    for (const HeaderRow& row : rows) {
        section.Text({x, y, kHeaderLabelWidth, kRowHeight}, SheetText::Caption(row.label), TextStyle::Label);
        section.Text({x + kHeaderLabelWidth, y, width - kHeaderLabelWidth, kRowHeight}, row.value,
                     TextStyle::Value);
        y += kRowHeight;
    }
    return y;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

SheetText UnitText(const SheetInput& input) {
    if (!input.unit) return SheetText::Caption("SheetUnitNotRead");
    return SheetText::Literal(Trimmed(input.unit->version) + "   " + Trimmed(input.unit->date) + "   " +
                              Trimmed(input.unit->time));
}

std::size_t EstimatedNoteLines(const std::string& note, double width) {
    const auto perLine =
        static_cast<std::size_t>(std::max(1.0, (width - 2 * kNotePadding) * kNoteCharactersPerMm));
    std::size_t lines = 0;
    std::size_t start = 0;
    while (start <= note.size()) {
        const auto end = std::min(note.find('\n', start), note.size());
        const std::size_t characters = CharacterCount(std::string_view(note).substr(start, end - start));
        lines += std::max<std::size_t>(1, (characters + perLine - 1) / perLine);
        start = end + 1;
    }
    return lines;
}

}  // namespace

Section HeaderSection(const SheetInput& input, double width) {
    Section section;
    section.Text({0, 0, width * 0.5, kTitleHeight}, SheetText::Caption("SheetTitle"), TextStyle::Title);
    section.Text({width * 0.5, 0, width * 0.5, kTitleHeight}, SheetText::Literal(MachineText(input.set)),
                 TextStyle::Title, TextAlign::Right);
    const double top = kTitleHeight + 1.0;
    const double column = (width - 4.0) / 2;

    std::vector<HeaderRow> left{{"LabelFile1", input.fileName.empty() ? SheetText::Caption("SheetNotSaved")
                                                                      : SheetText::Literal(input.fileName)}};
    if (!input.restorePoint.empty())
        left.push_back({"SheetRestorePoint", SheetText::Literal(input.restorePoint)});
    left.push_back({"SheetDigest", SheetText::Literal(SetDigest(input.set))});
    const std::vector<HeaderRow> right{{"SheetUnit", UnitText(input)},
                                       {"SheetMade", SheetText::Literal(input.madeAt)}};
    const double bottom = std::max(HeaderRows(section, 0, top, column, left),
                                   HeaderRows(section, column + 4.0, top, column, right));
    section.Line({{0, bottom + 1.0}, {width, bottom + 1.0}}, kBlack, 0.4);
    section.height = bottom + 1.5;
    return section;
}

Section NoteSection(const SheetInput& input, double width) {
    Section section;
    const std::string note = CleanNoteText(input.note);
    if (note.empty()) return section;
    const double y = section.Group(0, 0, width, SheetText::Caption("SheetNote"));
    const double lines = static_cast<double>(EstimatedNoteLines(note, width));
    const double height = std::min(kNoteMaxHeight, lines * kNoteLineHeight + 2 * kNotePadding);
    section.Rect({0, y, width, height}, Rgb{248, 248, 248}, kRuleGrey, 0.2);
    section.items.emplace_back(
        TextItem{{kNotePadding, y + kNotePadding, width - 2 * kNotePadding, height - 2 * kNotePadding},
                 SheetText::Literal(note),
                 TextStyle::Note,
                 TextAlign::Left,
                 kBlack,
                 true});
    section.height = y + height;
    return section;
}

std::vector<std::string> ChangeLines(const SheetInput& input) {
    std::vector<std::string> lines;
    if (!input.reference) return lines;
    const DifferenceCaptions& captions = DifferenceCaptionsFor(input.language);
    for (const Difference& difference : FindDifferences(input.reference->set, input.set))
        lines.push_back(FormatDifference(difference, captions));
    return lines;
}

double ChangesMinimumHeight(std::size_t lineCount) {
    const auto rows =
        static_cast<double>(std::min<std::size_t>(std::max<std::size_t>(lineCount, 1), 6) + 1) / 2;
    return kHeadingHeight + std::ceil(rows) * kNoteLineHeight + 1.0;
}

Section ChangesSection(const SheetInput& input, std::span<const std::string> lines, double width,
                       double height, std::size_t& shown) {
    Section section;
    double y = section.Heading(0, width, "SheetChangedSince", width * 0.35);
    section.Text(
        {width * 0.35, 0, width * 0.65, kHeadingHeight - 1.0},
        input.reference ? SheetText::Literal(input.reference->name) : SheetText::Caption("SheetNoReference"),
        TextStyle::Value, TextAlign::Right);
    y += 0.5;
    shown = 0;
    if (input.reference && lines.empty()) {
        section.Text({0, y, width, kNoteLineHeight}, SheetText::Caption("CompareSame"), TextStyle::Note);
        y += kNoteLineHeight;
    }
    const auto rows = static_cast<std::size_t>(std::max(1.0, std::floor((height - y) / kNoteLineHeight)));
    const std::size_t capacity = 2 * rows;
    shown = lines.size() <= capacity ? lines.size() : capacity - 1;
    const std::size_t used = lines.size() <= capacity ? lines.size() : capacity;
    const std::size_t perColumn = std::max<std::size_t>(1, (used + 1) / 2);
    const double column = (width - 4.0) / 2;
    for (std::size_t i = 0; i < used; ++i) {
        const Box box{i < perColumn ? 0.0 : column + 4.0,
                      y + static_cast<double>(i % perColumn) * kNoteLineHeight, column, kNoteLineHeight};
        if (i < shown) {
            section.Text(box, SheetText::Literal(lines[i]), TextStyle::Note);
        } else {
            section.Text(box, SheetText::Caption("SheetMoreChanges", {std::to_string(lines.size() - shown)}),
                         TextStyle::Note, TextAlign::Left, kFaintText);
        }
    }
    section.height = y + static_cast<double>(perColumn) * kNoteLineHeight;
    if (used == 0) section.height = y;
    return section;
}

Section FooterSection(const SheetInput& input, double width, int page, int pages) {
    Section section;
    section.Line({{0, 0}, {width, 0}}, kRuleGrey, 0.2);
    const Box row{0, 1.0, width, kFooterHeight - 1.5};
    section.Text({row.x, row.y, width / 3, row.height},
                 SheetText::Literal(input.program + " " + input.version), TextStyle::Small, TextAlign::Left,
                 kFaintText);
    section.Text({width / 3, row.y, width / 3, row.height}, SheetText::Literal(SetDigest(input.set)),
                 TextStyle::Small, TextAlign::Centre, kFaintText);
    section.Text({2 * width / 3, row.y, width / 3, row.height},
                 SheetText::Caption("SheetPage", {std::to_string(page), std::to_string(pages)}),
                 TextStyle::Small, TextAlign::Right, kFaintText);
    section.height = kFooterHeight;
    return section;
}

}  // namespace ign
