#include "NewTexts.h"

#include <vector>

namespace ign {
namespace {

using enum TextTarget;

constexpr std::array kNewTexts{
    // The menus of what is edited (undo, redo, compare, restore) and of what is
    // looked at (maps, logs, charts); the items come with their features.
    NewText{MenuTitle, "MenuEdit", {"&Edit", "Úp&ravy", "&Bearbeiten"}},
    NewText{MenuTitle, "MenuView", {"V&iew", "Z&obrazení", "&Ansicht"}},
};

struct Column {
    std::vector<TextAssignment> assignments;
    LanguageTable table;
};

Column MakeColumn(std::uint8_t code) {
    Column column;
    for (const NewText& row : kNewTexts)
        column.assignments.push_back({row.target, row.object, row.text[code]});
    column.table = {code, column.assignments};
    return column;
}

}  // namespace

std::span<const NewText> NewTexts() { return kNewTexts; }

const LanguageTable& NewTextTable(std::uint8_t code) {
    static const std::array<Column, kLanguageCount> kColumns{MakeColumn(0), MakeColumn(1), MakeColumn(2)};
    static const LanguageTable kNone{};
    return code < kColumns.size() ? kColumns[code].table : kNone;
}

}  // namespace ign
