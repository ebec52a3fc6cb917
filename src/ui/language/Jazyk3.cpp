#include "language/Jazyk3.h"

#include <array>

namespace ign {
namespace {

using enum TextTarget;

constexpr std::array kGerman{
    TextAssignment{CheckMark, "MenuGerman", kCheckOn},
    TextAssignment{CheckMark, "MenuEnglish", kCheckOff},
    TextAssignment{CheckMark, "MenuCzech", kCheckOff},

    TextAssignment{WindowTitle, "FormHlav", "Programmierung der Zündbox"},

    TextAssignment{MenuTitle, "MenuFile", "&Datei"},
    TextAssignment{ActionText, "MenuNew", "&Neu"},
    TextAssignment{ActionText, "MenuOpen", "&öffnen"},
    TextAssignment{ActionText, "MenuSave", "&Speichern"},
    TextAssignment{ActionText, "MenuPrint", "&Drucken"},
    TextAssignment{ActionText, "MenuExit", "&Beenden"},
    TextAssignment{MenuTitle, "MenuCom", "&ComPort"},
    TextAssignment{MenuTitle, "MenuDevice", "&Zündbox"},
    TextAssignment{ActionText, "MenuRead", "&Lesen"},
    TextAssignment{ActionText, "MenuVerify", "&Vergleichen"},
    TextAssignment{ActionText, "MenuProgram", "&Programmieren"},
    TextAssignment{MenuTitle, "MenuTools", "&Werkzeug"},
    TextAssignment{ActionText, "CurveMinus", "Kurve A-"},
    TextAssignment{ActionText, "CurvePlus", "Kurve A+"},
    TextAssignment{MenuTitle, "MenuLanguage", "&Sprache"},
    TextAssignment{ActionText, "MenuEnglish", "Englisch"},
    TextAssignment{ActionText, "MenuCzech", "&Tschechisch"},
    TextAssignment{ActionText, "MenuGerman", "&Deutch"},
    TextAssignment{MenuTitle, "MenuHelp", "&Hilfe"},
    TextAssignment{ActionText, "MenuContens", "&Inhalt"},
    TextAssignment{ActionText, "MenuAbout", "&über Programming"},

    TextAssignment{Caption, "GroupBoxZapal", "Zündung"},
    TextAssignment{Caption, "GroupBoxJet", "Einspritz"},
    TextAssignment{Caption, "Button1", "&Lesen"},
    TextAssignment{Caption, "BitBtn1", "&Programmieren"},
    TextAssignment{Caption, "BitBtn2", "&Vergleichen"},
    TextAssignment{Caption, "TabSheet1", "Zündung"},
    TextAssignment{Caption, "TabSheet2", "Einspritz 1"},
    TextAssignment{Caption, "TabSheet3", "Einspritz 2"},
    TextAssignment{Caption, "TabSheet4", "Einspritz 3"},
    TextAssignment{StatusHint, "ComboBox1", "Keying system"},
    TextAssignment{Caption, "GroupBox1", "Kurve A"},
    TextAssignment{Caption, "GroupBox2", "Kurve B"},
    TextAssignment{Caption, "GroupBox3", "Andere"},
    TextAssignment{Caption, "GroupBox4", "Schaltautomatik"},
    TextAssignment{Caption, "Label2", "Vorzündung [°]"},
    TextAssignment{Caption, "Label4", "Vorzündung [°]"},
    TextAssignment{Caption, "LabelPalec", "Triggerbreite [°]"},
    TextAssignment{Caption, "LabelOmez1", "Begrenzer 1 [rpm]"},
    TextAssignment{Caption, "LabelOmez2", "Begrenzer 2 [rpm]"},
    TextAssignment{Caption, "LabelOmezD", "Begrenzer D [rpm/s]"},
    TextAssignment{Caption, "Label10", "Schaltblitz [rpm]"},
    TextAssignment{Caption, "GroupBoxGas", "Gemisch"},
    TextAssignment{Caption, "CheckBoxGas", "Gemisch zugelast"},
    TextAssignment{Caption, "LabelGas1", "Gemisch 1 [%]"},
    TextAssignment{Caption, "LabelGas2", "Gemisch 2 [%]"},
    TextAssignment{Caption, "LabelGas3", "G.Anlauf. [ms]"},
    TextAssignment{Caption, "LabelGas4", "G.Verspät. [ms]"},
    TextAssignment{Caption, "CheckBox1", "Begrenzer 1"},
    TextAssignment{Caption, "CheckBox2", "Schaltblitz"},
    TextAssignment{Caption, "CheckBox4", "Blockierung"},
    TextAssignment{Caption, "CheckBox5", "Erregung Groß"},
    TextAssignment{Caption, "CheckBox6", "Drehzahl verdoppeln"},
    TextAssignment{Caption, "LabelFile1", "Datei:"},
    TextAssignment{Caption, "GroupBoxKor23", "Korrektion des Zylinders 2 und 3"},
    TextAssignment{Caption, "GroupBoxAkcel", "Acceleration"},
    TextAssignment{Caption, "GroupBoxChlazeni", "Kühlung"},
    TextAssignment{Caption, "GroupBoxVoda", "Wasser Temperatur"},
    TextAssignment{Caption, "GroupBoxVzduch", "Luft Temperatur"},
    TextAssignment{Caption, "GroupBox12", "Einspritzlage"},
    TextAssignment{Caption, "GroupBoxDeadTime", "Tote Einspritz Zeit"},
    TextAssignment{Caption, "GroupBoxStartJet", "Start Einspritz"},

    TextAssignment{Caption, "RadioGroupPoloha", "Lage für:"},
    TextAssignment{RadioItems, "RadioGroupPolohaItem0", "Beginn"},
    TextAssignment{RadioItems, "RadioGroupPolohaItem1", "Mitte"},
    TextAssignment{RadioItems, "RadioGroupPolohaItem2", "Ende"},

    // German hints have no short part: the one text is both tooltip and status text.
    TextAssignment{Hint, "Label1", "Umdrehungen pro Minute"},
    TextAssignment{Hint, "Label3", "Umdrehungen pro Minute"},
    TextAssignment{Hint, "LabelVerze1", "Version des Programms der Zündung"},
    TextAssignment{Hint, "LabelVerze2", "Datum des Programms der Zündung"},
    TextAssignment{Hint, "LabelVerze3", "Zeit des Programms der Zündung"},
    TextAssignment{Hint, "SpeedButton5", "öffnen Datei mit Kenndaten"},
    TextAssignment{Hint, "SpeedButtonNew", "neue Kenndatendatei erstellen"},
    TextAssignment{Hint, "SpeedButton7", "Kenndaten in Datei speichern"},
    TextAssignment{Hint, "SpeedButtonPrint", "Druck der Kenndaten"},
    TextAssignment{Hint, "BitBtn1", "Programmieren der Kenndaten auf die Zündbox"},
    TextAssignment{Hint, "BitBtn2", "Vergleich der Kenndaten mit Zündboxkenndaten"},
    TextAssignment{Hint, "BitBtnIgnMinus", "Kurve A minus 1 Grad"},
    TextAssignment{Hint, "BitBtnIgnPlus", "Kurve A plus 1 Grad"},
    TextAssignment{Hint, "Button1", "Lesen Kenndaten aus Zündbox"},

    TextAssignment{StatusHint, "MenuNew", "neue Kenndatendatei erstellen"},
    TextAssignment{StatusHint, "MenuOpen", "öffnen Datei mit Kenndaten"},
    TextAssignment{StatusHint, "MenuSave", "Kenndaten in Datei speichern"},
    TextAssignment{StatusHint, "MenuPrint", "Druck der Kenndaten"},
    TextAssignment{StatusHint, "MenuExit", "speichern"},
    TextAssignment{StatusHint, "MenuCom", "Com Port festlegen"},
    TextAssignment{StatusHint, "MenuCom1", "Com 1 festlegen"},
    TextAssignment{StatusHint, "MenuCom2", "Com 2 festlegen"},
    TextAssignment{StatusHint, "MenuRead", "Lesen Kenndaten aus Zündbox"},
    TextAssignment{StatusHint, "MenuVerify", "Vergleich der Kenndaten Programm mit Kenndaten der Zündbox"},
    TextAssignment{StatusHint, "MenuProgram", "Programmieren der Kenndaten auf die Zündbox"},
    TextAssignment{StatusHint, "CurveMinus", "Kurve minus 1 Grad"},
    TextAssignment{StatusHint, "CurvePlus", "Kurve plus 1 Grad"},
    TextAssignment{StatusHint, "MenuLanguage", "Sprache"},
    TextAssignment{StatusHint, "MenuEnglish", "Engliches Menü"},
    TextAssignment{StatusHint, "MenuCzech", "Tschechisches Menü"},
    TextAssignment{StatusHint, "MenuGerman", "Deutches Menü"},
    TextAssignment{StatusHint, "MenuHelp", "Nicht verfügbar"},

    TextAssignment{Message, "MessageNoPrinter",
                   "Kein Drucker verfügbar: zum Drucken einen Standarddrucker einrichten"},
    TextAssignment{Message, "MessagePrintNotStarted", "Der Drucker konnte den Druckauftrag nicht beginnen"},
    TextAssignment{Message, "MessagePrintImageFailed",
                   "Das Fensterbild für den Druck konnte nicht erstellt werden"},
    TextAssignment{Message, "MessagePrintNotFinished",
                   "Der Drucker konnte den Druckauftrag nicht abschließen"},
};

constexpr LanguageTable kGermanTable{2, kGerman};

}  // namespace

const LanguageTable& GermanTable() { return kGermanTable; }

}  // namespace ign
