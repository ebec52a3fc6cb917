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
    // Port dialog: the Com menu's item and the dialog's controls.
    NewText{ActionText, "MenuPorts", {"&Ports...", "&Porty...", "&Ports..."}},
    NewText{StatusHint,
            "MenuPorts",
            {"Choose the ports behind Com 1 and Com 2", "Výběr portů pro Com 1 a Com 2",
             "Ports für Com 1 und Com 2 wählen"}},
    NewText{WindowTitle, "PortDialog", {"Ports", "Porty", "Ports"}},
    NewText{Caption, "LabelPortList1", {"System ports:", "Porty systému:", "Ports des Systems:"}},
    NewText{Caption, "LabelPortList2", {"System ports:", "Porty systému:", "Ports des Systems:"}},
    NewText{Caption, "LabelPortPath1", {"Port:", "Port:", "Port:"}},
    NewText{Caption, "LabelPortPath2", {"Port:", "Port:", "Port:"}},
    NewText{Caption, "ButtonTest1", {"Test", "Test", "Testen"}},
    NewText{Caption, "ButtonTest2", {"Test", "Test", "Testen"}},
    NewText{Caption, "ButtonPortsOk", {"OK", "OK", "OK"}},
    NewText{Caption, "ButtonPortsCancel", {"Cancel", "Storno", "Abbrechen"}},
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
