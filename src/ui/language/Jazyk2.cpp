#include "language/Jazyk2.h"

#include <array>

namespace ign {
namespace {

using enum TextTarget;

// The German language item is left alone here: it keeps the caption and status text that the language
// shown before gave it.
constexpr std::array kCzech{
    TextAssignment{CheckMark, "MenuCzech", kCheckOn},
    TextAssignment{CheckMark, "MenuEnglish", kCheckOff},
    TextAssignment{CheckMark, "MenuGerman", kCheckOff},

    TextAssignment{WindowTitle, "FormHlav", "Programování zapalování"},

    TextAssignment{MenuTitle, "MenuFile", "&Soubor"},
    TextAssignment{ActionText, "MenuNew", "&Nový"},
    TextAssignment{ActionText, "MenuOpen", "&Otevřít"},
    TextAssignment{ActionText, "MenuSave", "&Uložit"},
    TextAssignment{ActionText, "MenuPrint", "&Tisk..."},
    TextAssignment{ActionText, "MenuExit", "&Konec"},
    TextAssignment{MenuTitle, "MenuCom", "&Port"},
    TextAssignment{MenuTitle, "MenuDevice", "&Zapalování"},
    TextAssignment{ActionText, "MenuRead", "Čí&st"},
    TextAssignment{ActionText, "MenuVerify", "&Verifikace"},
    TextAssignment{ActionText, "MenuProgram", "&Programovat"},
    TextAssignment{MenuTitle, "MenuTools", "Po&můcky"},
    TextAssignment{ActionText, "CurveMinus", "Křivka A-"},
    TextAssignment{ActionText, "CurvePlus", "Křivka A+"},
    TextAssignment{MenuTitle, "MenuLanguage", "&Jazyk"},
    TextAssignment{ActionText, "MenuEnglish", "&Anglicky"},
    TextAssignment{ActionText, "MenuCzech", "Česky"},
    TextAssignment{MenuTitle, "MenuHelp", "&Nápověda"},
    TextAssignment{ActionText, "MenuContens", "&Obsah"},
    TextAssignment{ActionText, "MenuAbout", "&O programu..."},

    TextAssignment{Caption, "GroupBoxZapal", "Zapalování"},
    TextAssignment{Caption, "GroupBoxJet", "Vstřikování"},
    TextAssignment{Caption, "Button1", "Čí&st"},
    TextAssignment{Caption, "BitBtn1", "&Programovat"},
    TextAssignment{Caption, "BitBtn2", "&Verifikovat"},
    TextAssignment{Caption, "TabSheet1", "Zapalování"},
    TextAssignment{Caption, "TabSheet2", "Vstřikování 1"},
    TextAssignment{Caption, "TabSheet3", "Vstřikování 2"},
    TextAssignment{Caption, "TabSheet4", "Vstřikování 3"},
    TextAssignment{StatusHint, "ComboBox1", "Klíčovací systém"},
    TextAssignment{Caption, "GroupBox1", "Křivka A"},
    TextAssignment{Caption, "GroupBox2", "Křivka B"},
    TextAssignment{Caption, "GroupBox3", "Různé"},
    TextAssignment{Caption, "GroupBox4", "Akt. sepnutím"},
    TextAssignment{Caption, "Label2", "Předstih [°]"},
    TextAssignment{Caption, "Label4", "Předstih [°]"},
    TextAssignment{Caption, "LabelPalec", "Šířka palce [°]"},
    TextAssignment{Caption, "LabelOmez1", "Omezovač 1 [rpm]"},
    TextAssignment{Caption, "LabelOmez2", "Omezovač 2 [rpm]"},
    TextAssignment{Caption, "LabelOmezD", "Omezovač D [rpm/s]"},
    TextAssignment{Caption, "Label10", "K. řazení [rpm]"},
    TextAssignment{Caption, "GroupBoxGas", "Plyn"},
    TextAssignment{Caption, "CheckBoxGas", "Plyn povolen"},
    TextAssignment{Caption, "LabelGas1", "Plyn 1 [%]"},
    TextAssignment{Caption, "LabelGas2", "Plyn 2 [%]"},
    TextAssignment{Caption, "LabelGas3", "Plyn náběh [ms]"},
    TextAssignment{Caption, "LabelGas4", "Plyn zpož.[ms]"},
    TextAssignment{Caption, "CheckBox1", "Omezovač 1"},
    TextAssignment{Caption, "CheckBox2", "Kontr. řazení"},
    TextAssignment{Caption, "CheckBox4", "Blokování"},
    TextAssignment{Caption, "CheckBox5", "Vysoké buzení"},
    TextAssignment{Caption, "CheckBox6", "Otáčkoměr 2x"},
    TextAssignment{Caption, "LabelFile1", "Soubor:"},
    TextAssignment{Caption, "GroupBoxKor23", "Korekce válců 2 a 3"},
    TextAssignment{Caption, "GroupBoxAkcel", "Akcelerace"},
    TextAssignment{Caption, "GroupBoxChlazeni", "Chlazení"},
    TextAssignment{Caption, "GroupBoxVoda", "Teplota vody"},
    TextAssignment{Caption, "GroupBoxVzduch", "Teplota vzduchu"},
    TextAssignment{Caption, "GroupBox12", "Poloha vstřiku"},
    TextAssignment{Caption, "GroupBoxDeadTime", "Mrtvý čas vstřikovače"},
    TextAssignment{Caption, "GroupBoxStartJet", "Startovní přístřik"},

    TextAssignment{Caption, "RadioGroupPoloha", "Poloha zadána pro:"},
    TextAssignment{RadioItems, "RadioGroupPolohaItem0", "Počátek"},
    TextAssignment{RadioItems, "RadioGroupPolohaItem1", "Střed"},
    TextAssignment{RadioItems, "RadioGroupPolohaItem2", "Konec"},

    TextAssignment{Hint, "Label1", "Otáčky za minutu|Rychlost - Otáčky za minutu"},
    TextAssignment{Hint, "Label3", "Otáčky za minutu|Rychlost - Otáčky za minutu"},
    TextAssignment{Hint, "LabelVerze1", "Verze|Verze programu v zapalování"},
    TextAssignment{Hint, "LabelVerze2", "Datum|Datum zhotovení programu v zapalování"},
    TextAssignment{Hint, "LabelVerze3", "Čas|Čas zhotovení programu v zapalování"},
    TextAssignment{Hint, "SpeedButton5", "Otevřít|Otevření souboru s parametry"},
    TextAssignment{Hint, "SpeedButtonNew", "Nový|Nastavení výchozích parametrů"},
    TextAssignment{Hint, "SpeedButton7", "Uložit|Uložení parametrů do souboru"},
    TextAssignment{Hint, "SpeedButtonPrint", "Tisk|Tisk parametrů"},
    TextAssignment{Hint, "BitBtn1",
                   "Programování do zapalování|Programování nastavených parametrů do zapalování"},
    TextAssignment{Hint, "BitBtn2",
                   "Ověření|Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do "
                   "zapalování"},
    TextAssignment{Hint, "BitBtnIgnMinus", "Křivka A minus|Zmenšení předstihu křivky A o 1 stupeň"},
    TextAssignment{Hint, "BitBtnIgnPlus", "Křivka A plus|Zvětšení předstihu křivky A o 1 stupeň"},
    TextAssignment{Hint, "Button1", "Čtení|Čtení parametrů ze zapalování"},

    TextAssignment{StatusHint, "MenuNew", "Nastavení výchozích parametrů"},
    TextAssignment{StatusHint, "MenuOpen", "Otevření souboru s parametry"},
    TextAssignment{StatusHint, "MenuSave", "Uložení parametrů do souboru"},
    TextAssignment{StatusHint, "MenuPrint", "Tisk parametrů"},
    TextAssignment{StatusHint, "MenuExit", "Ukončení programu"},
    TextAssignment{StatusHint, "MenuCom", "Nastavení čísla serivého portu (Com) "},
    TextAssignment{StatusHint, "MenuCom1", "Nastavení komunikace na port com 1"},
    TextAssignment{StatusHint, "MenuCom2", "Nastavení komunikace na port com 2"},
    TextAssignment{StatusHint, "MenuRead", "Čtení parametrů ze zapalování"},
    TextAssignment{StatusHint, "MenuVerify",
                   "Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do zapalování"},
    TextAssignment{StatusHint, "MenuProgram", "Programování nastavených parametrů do zapalování"},
    TextAssignment{StatusHint, "CurveMinus", "Zmenšení předstihu křivky A o 1 stupeň"},
    TextAssignment{StatusHint, "CurvePlus", "Zvětšení předstihu křivky A o 1 stupeň"},
    TextAssignment{StatusHint, "MenuLanguage", "Nastavení anglického nebo českého menu"},
    TextAssignment{StatusHint, "MenuEnglish", "Nastavení angličtiny"},
    TextAssignment{StatusHint, "MenuCzech", "Nastavení češtiny"},
    TextAssignment{StatusHint, "MenuHelp", "Není k dispozici"},

    TextAssignment{Message, "MessageNoPrinter",
                   "Není k dispozici žádná tiskárna: pro tisk nainstalujte výchozí tiskárnu"},
    TextAssignment{Message, "MessagePrintNotStarted", "Tiskárna nemohla zahájit tiskovou úlohu"},
    TextAssignment{Message, "MessagePrintImageFailed", "Obraz okna pro tisk se nepodařilo pořídit"},
    TextAssignment{Message, "MessagePrintNotFinished", "Tiskárna nemohla dokončit tiskovou úlohu"},
};

constexpr LanguageTable kCzechTable{1, kCzech};

}  // namespace

const LanguageTable& CzechTable() { return kCzechTable; }

}  // namespace ign
