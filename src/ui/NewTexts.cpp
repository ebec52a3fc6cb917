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
    // Monitor logs: recording, the live chart and the log viewer.
    NewText{ActionText, "MenuRecordStart", {"&Start recording", "&Spustit záznam", "Aufzeichnung &starten"}},
    NewText{ActionText, "MenuRecordStop", {"S&top recording", "&Zastavit záznam", "Aufzeichnung &beenden"}},
    NewText{ActionText, "MenuRecordMark", {"&Marker", "Z&načka", "&Markierung"}},
    NewText{ActionText,
            "MenuRecordAuto",
            {"Record &automatically", "Zaznamenávat &automaticky", "&Automatisch aufzeichnen"}},
    NewText{StatusHint,
            "MenuRecordStart",
            {"Record every monitor frame into a log", "Zaznamenávat každý rámec monitoru do záznamu",
             "Jeden Monitor-Rahmen in ein Log aufzeichnen"}},
    NewText{StatusHint,
            "MenuRecordMark",
            {"Write a marker into the log", "Zapsat značku do záznamu", "Eine Markierung ins Log schreiben"}},
    NewText{
        StatusHint,
        "MenuRecordAuto",
        {"Start and stop recording by the engine speed", "Spouštět a zastavovat záznam podle otáček motoru",
         "Aufzeichnung nach der Motordrehzahl starten und beenden"}},
    NewText{ActionText, "MenuLiveChart", {"Live &chart", "Živý &graf", "Live-&Diagramm"}},
    NewText{ActionText, "MenuLogViewer", {"&Log viewer...", "&Prohlížeč záznamů...", "&Log-Betrachter..."}},
    NewText{Message,
            "RecordCannotCreate",
            {"The log cannot be created:", "Záznam nelze vytvořit:", "Das Log kann nicht angelegt werden:"}},
    NewText{WindowTitle, "LiveChartWindow", {"Live chart", "Živý graf", "Live-Diagramm"}},
    NewText{Caption, "LiveChartStart", {"Start recording", "Spustit záznam", "Aufzeichnung starten"}},
    NewText{Caption, "LiveChartStop", {"Stop recording", "Zastavit záznam", "Aufzeichnung beenden"}},
    NewText{Message, "LiveChartRecording", {"Recording %1", "Záznam %1", "Aufzeichnung %1"}},
    NewText{Message, "LiveChartLastLog", {"Last log: %1", "Poslední záznam: %1", "Letztes Log: %1"}},
    NewText{WindowTitle, "LogViewerWindow", {"Log viewer", "Prohlížeč záznamů", "Log-Betrachter"}},
    NewText{Caption, "LogViewerOpen", {"Open log...", "Otevřít záznam...", "Log öffnen..."}},
    NewText{Caption, "LogViewerShowTime", {"Time per cell", "Čas v buňce", "Zeit je Zelle"}},
    NewText{Caption, "LogViewerShowLambda", {"Lambda per cell", "Lambda v buňce", "Lambda je Zelle"}},
    NewText{Message,
            "LogViewerTruncated",
            {"The last line was cut off and is left out.", "Poslední řádek byl useknut a je vynechán.",
             "Die letzte Zeile war abgeschnitten und wird ausgelassen."}},
    NewText{Message,
            "LogViewerCannotOpen",
            {"The file cannot be opened.", "Soubor nelze otevřít.", "Die Datei kann nicht geöffnet werden."}},
    NewText{Message,
            "LogViewerNoChannels",
            {"This is no log: the channel names and units are missing.",
             "Toto není záznam: chybí názvy kanálů a jednotky.",
             "Das ist kein Log: Kanalnamen und Einheiten fehlen."}},
    NewText{Message,
            "LogViewerNoCells",
            {"No cell table: the log lacks speed, throttle or lambda.",
             "Bez tabulky buněk: v záznamu chybí otáčky, plyn nebo lambda.",
             "Keine Zellentabelle: dem Log fehlen Drehzahl, Drosselklappe oder Lambda."}},
    NewText{Message, "LogViewerDialog", {"Open log", "Otevřít záznam", "Log öffnen"}},
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
