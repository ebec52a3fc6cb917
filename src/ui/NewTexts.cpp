#include "NewTexts.h"

#include "UnitMatch.h"

#include <vector>

namespace ign {
namespace {

using enum TextTarget;

constexpr std::array kNewTexts{
    // The menus of what is edited (undo, redo, compare, restore) and of what is
    // looked at (maps, logs, charts); the items come with their features.
    NewText{MenuTitle, "MenuEdit", {"&Edit", "Úp&ravy", "&Bearbeiten"}},
    NewText{MenuTitle, "MenuView", {"V&iew", "Z&obrazení", "&Ansicht"}},
    // Restore points: the history window, its File menu item, and the unit-match field.
    NewText{ActionText, "MenuHistory", {"&History...", "&Historie...", "&Verlauf..."}},
    NewText{StatusHint,
            "MenuHistory",
            {"Restore points the program took of the set", "Body obnovení, které program uložil",
             "Wiederherstellungspunkte, die das Programm angelegt hat"}},
    NewText{WindowTitle, "HistoryWindow", {"Restore points", "Body obnovení", "Wiederherstellungspunkte"}},
    NewText{Message, "HistoryColumnTime", {"Time", "Čas", "Zeit"}},
    NewText{Message, "HistoryColumnReason", {"Reason", "Důvod", "Grund"}},
    NewText{Message, "HistoryColumnUnit", {"Unit", "Zapalování", "Zündbox"}},
    NewText{Message, "HistoryColumnKeep", {"Keep", "Ponechat", "Behalten"}},
    NewText{
        Caption, "HistoryCompare", {"Compare with window", "Porovnat s oknem", "Mit Fenster vergleichen"}},
    NewText{Caption, "HistoryRestore", {"Restore", "Obnovit", "Wiederherstellen"}},
    NewText{Caption, "HistoryKeep", {"Keep", "Ponechat", "Behalten"}},
    NewText{Caption, "HistoryTakeNow", {"Take restore point", "Vytvořit bod obnovení", "Punkt anlegen"}},
    NewText{Caption, "HistoryOpenFolder", {"Open folder", "Otevřít složku", "Ordner öffnen"}},
    NewText{Caption, "UnitMatchEqual", kUnitMatchTexts[0]},
    NewText{Caption, "UnitMatchChanged", kUnitMatchTexts[1]},
    NewText{Caption, "UnitMatchNotChecked", kUnitMatchTexts[2]},
    NewText{Caption, "UnitMatchDiffersFromFile", kUnitMatchTexts[kDiffersFromFileRow]},
    NewText{Caption, "RestorePointFailed", kUnitMatchTexts[kRestorePointFailedRow]},
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
