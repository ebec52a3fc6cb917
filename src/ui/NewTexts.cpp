#include "NewTexts.h"

#include <QString>
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
    // Undo and redo: the items (their captions are made with the step's name), and the steps' names.
    NewText{StatusHint,
            "MenuUndo",
            {"Take back the last change of the set", "Vrátit poslední změnu parametrů",
             "Letzte Änderung der Kenndaten zurücknehmen"}},
    NewText{StatusHint,
            "MenuRedo",
            {"Make the change taken back again", "Znovu provést vrácenou změnu",
             "Zurückgenommene Änderung wiederherstellen"}},
    NewText{Message, "TextUndo", {"&Undo", "&Zpět", "&Rückgängig"}},
    NewText{Message, "TextUndoStep", {"&Undo %1", "&Zpět: %1", "&Rückgängig: %1"}},
    NewText{Message, "TextRedo", {"&Redo", "Z&novu", "&Wiederholen"}},
    NewText{Message, "TextRedoStep", {"&Redo %1", "Z&novu: %1", "&Wiederholen: %1"}},
    NewText{Message, "StepEdit", {"Edit", "Úprava", "Änderung"}},
    NewText{Message, "StepNew", {"New", "Nový", "Neu"}},
    NewText{Message, "StepOpen", {"Open", "Otevřít", "Öffnen"}},
    NewText{Message, "StepRead", {"Read", "Číst", "Lesen"}},
    NewText{Message, "StepLive", {"Live Adjustment", "Úprava za chodu", "Live-Anpassung"}},
    NewText{Message, "StepSetTps", {"Set TPS", "Nastavit TPS", "TPS setzen"}},
    NewText{Message, "StepMachine", {"Machine", "Motocykl", "Motorrad"}},
    NewText{Message, "StepExcitation", {"Excitation High", "Vysoké buzení", "Erregung Groß"}},
    NewText{Message, "StepGasEnable", {"Gas enable", "Plyn povolen", "Gemisch zugelast"}},
    NewText{Message, "StepUndo", {"Undo", "Zpět", "Rückgängig"}},
    NewText{Message, "StepRedo", {"Redo", "Znovu", "Wiederholen"}},
    NewText{Message, "StepRestore", {"Restore", "Obnovení", "Wiederherstellen"}},
    NewText{Message, "StepTake", {"Take", "Převzetí", "Übernahme"}},
    NewText{Message, "StepMapTable", {"Map Table", "Tabulka mapy", "Kennfeldtabelle"}},
    // Compare: the Edit menu's item, the window, its sources and what it says.
    NewText{ActionText, "MenuCompare", {"&Compare...", "&Porovnat...", "&Vergleichen..."}},
    NewText{StatusHint,
            "MenuCompare",
            {"Compare two sets: the window, a file, a restore point or the unit",
             "Porovnání dvou sad: okno, soubor, bod obnovení nebo zapalování",
             "Zwei Sätze vergleichen: Fenster, Datei, Wiederherstellungspunkt oder Zündbox"}},
    NewText{WindowTitle, "CompareWindow", {"Compare", "Porovnání", "Vergleich"}},
    NewText{Caption, "CompareFirst", {"First set", "První sada", "Erster Satz"}},
    NewText{Caption, "CompareSecond", {"Second set", "Druhá sada", "Zweiter Satz"}},
    NewText{Caption, "CompareMapTitle", {"Injection map", "Vstřikovací mapa", "Einspritzkennfeld"}},
    NewText{Caption, "CompareTake", {"Take into window", "Převzít do okna", "Ins Fenster übernehmen"}},
    NewText{Caption, "CompareTakeAll", {"Take all", "Převzít vše", "Alle übernehmen"}},
    NewText{Caption, "CompareClose", {"Close", "Zavřít", "Schließen"}},
    NewText{Message, "CompareSourceWindow", {"Window", "Okno", "Fenster"}},
    NewText{Message, "CompareSourceFile", {"Parameter file...", "Soubor parametrů...", "Parameterdatei..."}},
    NewText{Message,
            "CompareSourceRestorePoint",
            {"Restore point...", "Bod obnovení...", "Wiederherstellungspunkt..."}},
    NewText{Message, "CompareSourceUnit", {"Unit", "Zapalování", "Zündbox"}},
    NewText{Message, "CompareSame", {"No differences", "Žádné rozdíly", "Keine Unterschiede"}},
    NewText{Message, "CompareCount", {"Differences: %1", "Rozdílů: %1", "Unterschiede: %1"}},
    NewText{Message,
            "CompareFileError",
            {"The file could not be read: %1", "Soubor nelze přečíst: %1",
             "Die Datei kann nicht gelesen werden: %1"}},
    NewText{Message,
            "CompareUnitBusy",
            {"The unit cannot be read while a transfer runs", "Zapalování nelze číst během přenosu",
             "Die Zündbox kann während einer Übertragung nicht gelesen werden"}},
    NewText{Message,
            "CompareNoPort",
            {"No port is open to read the unit", "Není otevřen port pro čtení zapalování",
             "Kein Port zum Lesen der Zündbox geöffnet"}},
    // Restore points: the history window, its File menu item, and the unit-match field.
    NewText{ActionText, "MenuHistory", {"&History...", "&Historie...", "&Verlauf..."}},
    NewText{StatusHint,
            "MenuHistory",
            {"Restore points the program took of the set", "Body obnovení, které program uložil",
             "Wiederherstellungspunkte, die das Programm angelegt hat"}},
    // The window is called what its menu item says.
    NewText{WindowTitle, "HistoryWindow", {"History", "Historie", "Verlauf"}},
    // Why a point was taken, as its list says it; the file names keep their own tags.
    NewText{Message, "HistoryReasonRead", {"Read", "Čtení", "Lesen"}},
    NewText{Message, "HistoryReasonProgram", {"Program", "Programování", "Programmieren"}},
    NewText{Message,
            "HistoryReasonUnitBeforeProgram",
            {"Unit before Program", "Zapalování před programováním", "Zündbox vor dem Programmieren"}},
    NewText{Message, "HistoryReasonBeforeRead", {"Before Read", "Před čtením", "Vor dem Lesen"}},
    NewText{Message, "HistoryReasonBeforeOpen", {"Before Open", "Před otevřením", "Vor dem Öffnen"}},
    NewText{Message, "HistoryReasonBeforeNew", {"Before New", "Před novým", "Vor Neu"}},
    NewText{Message,
            "HistoryReasonBeforeRestore",
            {"Before Restore", "Před obnovením", "Vor dem Wiederherstellen"}},
    NewText{Message,
            "HistoryReasonBeforeLive",
            {"Before Live Adjustment", "Před úpravou za chodu", "Vor der Live-Anpassung"}},
    NewText{Message, "HistoryReasonClose", {"Close", "Zavření", "Schließen"}},
    NewText{Message, "HistoryReasonManual", {"Manual", "Ručně", "Manuell"}},
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
    NewText{
        Message,
        "HistoryNoParameterSet",
        {"The restore point %1 holds no parameter set", "Bod obnovení %1 neobsahuje žádnou sadu parametrů",
         "Der Wiederherstellungspunkt %1 enthält keinen Parametersatz"}},
    NewText{Caption, "UnitMatchEqual", kUnitMatchTexts[0]},
    NewText{Caption, "UnitMatchChanged", kUnitMatchTexts[1]},
    NewText{Caption, "UnitMatchNotChecked", kUnitMatchTexts[2]},
    NewText{Caption, "UnitMatchDiffersFromFile", kUnitMatchTexts[kDiffersFromFileRow]},
    NewText{Caption, "RestorePointFailed", kUnitMatchTexts[kRestorePointFailedRow]},
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
            "RecordAutomaticOff",
            {"Recording stopped; automatic recording is off", "Záznam zastaven; automatický záznam je vypnut",
             "Aufzeichnung beendet; automatische Aufzeichnung ist aus"}},
    NewText{Message,
            "RecordCannotCreate",
            {"The log cannot be created:", "Záznam nelze vytvořit:", "Das Log kann nicht angelegt werden:"}},
    NewText{WindowTitle, "LiveChartWindow", {"Live chart", "Živý graf", "Live-Diagramm"}},
    NewText{Caption, "LiveChartStart", {"Start recording", "Spustit záznam", "Aufzeichnung starten"}},
    NewText{Caption, "LiveChartStop", {"Stop recording", "Zastavit záznam", "Aufzeichnung beenden"}},
    NewText{Message, "LiveChartRecording", {"Recording %1", "Záznam %1", "Aufzeichnung %1"}},
    NewText{Message, "LiveChartLastLog", {"Last log: %1", "Poslední záznam: %1", "Letztes Log: %1"}},
    NewText{Message, "LiveChartAxis", {"Time of day", "Denní čas", "Uhrzeit"}},
    NewText{Caption, "LiveChartAllChannels", {"All channels", "Všechny kanály", "Alle Kanäle"}},
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
    NewText{Message, "LogViewerCursorText", {"Cursor: %1", "Kurzor: %1", "Cursor: %1"}},
    NewText{Message,
            "LogViewerAxis",
            {"Time since recording began", "Čas od začátku záznamu", "Zeit seit Aufzeichnungsbeginn"}},
    NewText{Caption, "LogViewerAllChannels", {"All channels", "Všechny kanály", "Alle Kanäle"}},
    // The log's point on the map beside the live one.
    NewText{Message, "ReplayMarkerLabel", {"log", "záznam", "Log"}},
    NewText{Caption, "LogViewerCancel", {"Cancel", "Zrušit", "Abbrechen"}},
    NewText{Message,
            "LogViewerCancelled",
            {"Reading cancelled: the log shown stays.", "Čtení zrušeno: zobrazený záznam zůstává.",
             "Lesen abgebrochen: das angezeigte Log bleibt."}},
    NewText{Message,
            "LogViewerOutOfRange",
            {"Rows left out (time beyond 10 years or no number): %1",
             "Vynechané řádky (čas za hranicí 10 let nebo není číslo): %1",
             "Ausgelassene Zeilen (Zeit jenseits von 10 Jahren oder keine Zahl): %1"}},
    NewText{Message,
            "LogViewerNotAFile",
            {"This is no log: it is not a regular file.", "Toto není záznam: není to běžný soubor.",
             "Das ist kein Log: es ist keine gewöhnliche Datei."}},
    NewText{Message,
            "LogViewerTooLarge",
            {"This is no log: it is larger than 1 GiB.", "Toto není záznam: je větší než 1 GiB.",
             "Das ist kein Log: es ist größer als 1 GiB."}},
    NewText{Message,
            "LogViewerTooManyColumns",
            {"This is no log: it has more than 256 columns.", "Toto není záznam: má více než 256 sloupců.",
             "Das ist kein Log: es hat mehr als 256 Spalten."}},
    NewText{Message,
            "LogViewerLineTooLong",
            {"This is no log: a line is longer than 64 KiB.", "Toto není záznam: řádek je delší než 64 KiB.",
             "Das ist kein Log: eine Zeile ist länger als 64 KiB."}},
    NewText{Message,
            "LogViewerTooSparse",
            {"This is no log: its rows lack most of the columns.",
             "Toto není záznam: jeho řádkům chybí většina sloupců.",
             "Das ist kein Log: seinen Zeilen fehlt der Großteil der Spalten."}},
    NewText{Message,
            "LogViewerTooMuchData",
            {"This is no log: its columns would take more than 1.5 GiB of memory.",
             "Toto není záznam: jeho sloupce by zabraly víc než 1,5 GiB paměti.",
             "Das ist kein Log: seine Spalten bräuchten mehr als 1,5 GiB Speicher."}},
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
            {"Send changes to the unit", "Posílat změny do zapalování", "Änderungen an die Zündbox senden"}},
    NewText{
        Message,
        "MapTableValidated",
        {"Validation changed %1 values", "Kontrola změnila %1 hodnot", "Die Prüfung hat %1 Werte geändert"}},
    NewText{Message,
            "MapTableClamped",
            {"Pasted values brought into the range 5 to 250: %1",
             "Vložené hodnoty upravené do rozsahu 5 až 250: %1",
             "In den Bereich 5 bis 250 gebrachte eingefügte Werte: %1"}},
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
    NewText{Message, "CurvesLegendA", {"Curve A", "Křivka A", "Kurve A"}},
    NewText{Message, "CurvesLegendB", {"Curve B", "Křivka B", "Kurve B"}},
    NewText{Message, "CurvesLegendPosition", {"Injection position", "Poloha vstřiku", "Einspritzlage"}},
    NewText{Message, "CurvesLegendCylinders", {"Cylinders 2/3", "Válce 2/3", "Zylinder 2/3"}},
    NewText{Message, "CurvesLegendWater", {"Water", "Voda", "Wasser"}},
    NewText{Message, "CurvesLegendAir", {"Air", "Vzduch", "Luft"}},
    // The tune sheet: its header, "Changed since" and the page footer.
    NewText{Message, "SheetTitle", {"Tune sheet", "Seřizovací list", "Abstimmungsblatt"}},
    NewText{Message, "SheetUnit", {"Unit:", "Zapalování:", "Zündbox:"}},
    NewText{Message, "SheetUnitNotRead", {"not read", "nečteno", "nicht gelesen"}},
    NewText{Message, "SheetMade", {"Sheet made:", "List vytvořen:", "Blatt erstellt:"}},
    NewText{Message, "SheetNotSaved", {"not saved", "neuloženo", "nicht gespeichert"}},
    NewText{Message, "SheetRestorePoint", {"Restore point:", "Bod obnovení:", "Wiederherst.-Punkt:"}},
    NewText{Message, "SheetDigest", {"Digest:", "Otisk:", "Prüfwert:"}},
    NewText{Message, "SheetNote", {"Note:", "Poznámka:", "Notiz:"}},
    NewText{Message, "SheetChangedSince", {"Changed since", "Změny od", "Geändert seit"}},
    NewText{Message, "SheetNoReference", {"no reference", "bez srovnání", "keine Referenz"}},
    NewText{Message, "SheetMoreChanges", {"… and %1 more", "… a dalších %1", "… und %1 weitere"}},
    NewText{Message, "SheetPage", {"Page %1 of %2", "Strana %1 z %2", "Seite %1 von %2"}},
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

QString NewTextOf(std::string_view object, std::uint8_t code) {
    const std::uint8_t column = code < kLanguageCount ? code : 0;
    for (const NewText& row : kNewTexts) {
        if (row.object == object && row.target != StatusHint && row.target != Hint) {
            const std::string_view text = row.text[column];
            return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        }
    }
    return {};
}

const LanguageTable& NewTextTable(std::uint8_t code) {
    static const std::array<Column, kLanguageCount> kColumns{MakeColumn(0), MakeColumn(1), MakeColumn(2)};
    static const LanguageTable kNone{};
    return code < kColumns.size() ? kColumns[code].table : kNone;
}

}  // namespace ign
