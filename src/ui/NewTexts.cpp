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
    // Map views: heat colours, the live operating point, the map's table editor.
    NewText{ActionText, "ViewHeatMap", {"&Heat-map colours", "&Barevná mapa", "&Farbige Kennfelder"}},
    NewText{ActionText, "ViewOperatingPoint", {"&Operating point", "&Pracovní bod", "&Betriebspunkt"}},
    NewText{ActionText, "ViewMapTable", {"Map &table...", "&Tabulka mapy...", "Kennfeld&tabelle..."}},
    NewText{WindowTitle, "MapTableWindow", {"Map table", "Tabulka mapy", "Kennfeldtabelle"}},
    NewText{Caption, "MapTableFactorLabel", {"Factor:", "Násobek:", "Faktor:"}},
    NewText{Caption, "MapTableMultiply", {"Multiply", "Násobit", "Multiplizieren"}},
    NewText{Caption, "MapTableValueLabel", {"Value:", "Hodnota:", "Wert:"}},
    NewText{Caption, "MapTableSet", {"Set", "Nastavit", "Setzen"}},
    NewText{Caption, "MapTableFill", {"Fill", "Vyplnit", "Füllen"}},
    NewText{Caption, "MapTableFillRows", {"Fill rows", "Vyplnit řádky", "Zeilen füllen"}},
    NewText{Caption, "MapTableFillColumns", {"Fill columns", "Vyplnit sloupce", "Spalten füllen"}},
    NewText{Caption, "MapTableSmooth", {"Smooth", "Vyhladit", "Glätten"}},
    NewText{Caption, "MapTableCopy", {"Copy", "Kopírovat", "Kopieren"}},
    NewText{Caption, "MapTablePaste", {"Paste", "Vložit", "Einfügen"}},
    NewText{Caption,
            "MapTableSend",
            {"Send changes to the unit", "Posílat změny do jednotky", "Änderungen an das Gerät senden"}},
    NewText{
        Message,
        "MapTableValidated",
        {"Validation changed %1 values", "Kontrola změnila %1 hodnot", "Die Prüfung hat %1 Werte geändert"}},
    NewText{ActionText, "ViewCurves", {"&Curves...", "&Křivky...", "&Kurven..."}},
    NewText{WindowTitle, "CurvesWindow", {"Curves", "Křivky", "Kurven"}},
    NewText{Caption,
            "CurvesAdvance",
            {"Advance [°] / curve A, curve B", "Předstih [°] / křivka A, křivka B",
             "Frühzündung [°] / Kurve A, Kurve B"}},
    NewText{Caption, "CurvesPosition", {"Injection position [°]", "Poloha vstřiku [°]", "Einspritzlage [°]"}},
    NewText{Caption, "CurvesCylinders", {"Cylinders 2/3 [%]", "Válce 2/3 [%]", "Zylinder 2/3 [%]"}},
    NewText{Caption, "CurvesTemperatures", {"Water, air [%]", "Voda, vzduch [%]", "Wasser, Luft [%]"}},
    NewText{Caption, "CurvesMap", {"Injection map [%]", "Mapa vstřiku [%]", "Einspritzkennfeld [%]"}},
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
