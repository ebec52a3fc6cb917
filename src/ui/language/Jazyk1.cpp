#include "language/Jazyk1.h"

#include <array>

namespace ign {
namespace {

using enum TextTarget;

constexpr std::array kEnglish{
    TextAssignment{CheckMark, "MenuEnglish", kCheckOn},
    TextAssignment{CheckMark, "MenuCzech", kCheckOff},
    TextAssignment{CheckMark, "MenuGerman", kCheckOff},

    TextAssignment{WindowTitle, "FormHlav", "Programming of Ignition"},

    TextAssignment{MenuTitle, "MenuFile", "&File"},
    TextAssignment{ActionText, "MenuNew", "&New"},
    TextAssignment{ActionText, "MenuOpen", "&Open"},
    TextAssignment{ActionText, "MenuSave", "&Save"},
    TextAssignment{ActionText, "MenuPrint", "&Print..."},
    TextAssignment{ActionText, "MenuExit", "E&xit"},
    TextAssignment{MenuTitle, "MenuCom", "&Com"},
    TextAssignment{MenuTitle, "MenuDevice", "&Device"},
    TextAssignment{ActionText, "MenuRead", "&Read"},
    TextAssignment{ActionText, "MenuVerify", "&Verify"},
    TextAssignment{ActionText, "MenuProgram", "&Program"},
    TextAssignment{MenuTitle, "MenuTools", "&Tools"},
    TextAssignment{ActionText, "CurveMinus", "Curve A-"},
    TextAssignment{ActionText, "CurvePlus", "Curve A+"},
    TextAssignment{MenuTitle, "MenuLanguage", "&Language"},
    TextAssignment{ActionText, "MenuEnglish", "English"},
    TextAssignment{ActionText, "MenuCzech", "&Czech"},
    TextAssignment{ActionText, "MenuGerman", "&German"},
    TextAssignment{MenuTitle, "MenuHelp", "&Help"},
    TextAssignment{ActionText, "MenuContens", "&Contens"},
    TextAssignment{ActionText, "MenuAbout", "&About..."},

    TextAssignment{Caption, "GroupBoxZapal", "Ignition"},
    TextAssignment{Caption, "GroupBoxJet", "Injection "},
    TextAssignment{Caption, "Button1", "&Read"},
    TextAssignment{Caption, "BitBtn1", "&Program"},
    TextAssignment{Caption, "BitBtn2", "&Verify"},
    TextAssignment{Caption, "TabSheet1", "Ignition"},
    TextAssignment{Caption, "TabSheet2", "Injection 1"},
    TextAssignment{Caption, "TabSheet3", "Injection 2"},
    TextAssignment{Caption, "TabSheet4", "Injection 3"},
    TextAssignment{StatusHint, "ComboBox1", "Keying system"},
    TextAssignment{Caption, "GroupBox1", "Curve A"},
    TextAssignment{Caption, "GroupBox2", "Curve B"},
    TextAssignment{Caption, "GroupBox3", "Other"},
    TextAssignment{Caption, "GroupBox4", "Act. by closing"},
    TextAssignment{Caption, "Label2", "Advance [°]"},
    TextAssignment{Caption, "Label4", "Advance [°]"},
    TextAssignment{Caption, "LabelPalec", "Width of triger [°]"},
    TextAssignment{Caption, "LabelOmez1", "Limiter 1 [rpm]"},
    TextAssignment{Caption, "LabelOmez2", "Limiter 2 [rpm]"},
    TextAssignment{Caption, "LabelOmezD", "Limiter D [rpm/s]"},
    TextAssignment{Caption, "Label10", "Pilot light [rpm]"},
    TextAssignment{Caption, "GroupBoxGas", "Gas"},
    TextAssignment{Caption, "CheckBoxGas", "Gas enable"},
    TextAssignment{Caption, "LabelGas1", "Gas 1 [%]"},
    TextAssignment{Caption, "LabelGas2", "Gas 2 [%]"},
    TextAssignment{Caption, "LabelGas3", "Gas Trans.[ms]"},
    TextAssignment{Caption, "LabelGas4", "Gas Delay [ms]"},
    TextAssignment{Caption, "CheckBox1", "Limiter 1"},
    TextAssignment{Caption, "CheckBox2", "Pilot light"},
    TextAssignment{Caption, "CheckBox4", "Blocking"},
    TextAssignment{Caption, "CheckBox5", "Excitation High"},
    TextAssignment{Caption, "CheckBox6", "Tachometer 2x"},
    TextAssignment{Caption, "LabelFile1", "File:"},
    TextAssignment{Caption, "GroupBoxKor23", "Corrections of Cylinder 2 and 3"},
    TextAssignment{Caption, "GroupBoxAkcel", "Acceleration"},
    TextAssignment{Caption, "GroupBoxChlazeni", "Cooling"},
    TextAssignment{Caption, "GroupBoxVoda", "Water Temperature"},
    TextAssignment{Caption, "GroupBoxVzduch", "Air Temperature"},
    TextAssignment{Caption, "GroupBox12", "Position of Injection"},
    TextAssignment{Caption, "GroupBoxDeadTime", "Dead Injection Time"},
    TextAssignment{Caption, "GroupBoxStartJet", "Start Injection"},

    TextAssignment{Caption, "RadioGroupPoloha", "Position of:"},
    TextAssignment{RadioItems, "RadioGroupPolohaItem0", "Beginning"},
    TextAssignment{RadioItems, "RadioGroupPolohaItem1", "Centre"},
    TextAssignment{RadioItems, "RadioGroupPolohaItem2", "End"},

    TextAssignment{Hint, "Label1", "Round per Minute|Speed - Round per Minute"},
    TextAssignment{Hint, "Label3", "Round per Minute|Speed - Round per Minute"},
    TextAssignment{Hint, "LabelVerze1", "Version|Version of program in ignition"},
    TextAssignment{Hint, "LabelVerze2", "Date|Date of program in ignition"},
    TextAssignment{Hint, "LabelVerze3", "Time|Time of program in ignition"},
    TextAssignment{Hint, "SpeedButton5", "Open|Open file with parametrs"},
    TextAssignment{Hint, "SpeedButtonNew", "New|Set default parametrs"},
    TextAssignment{Hint, "SpeedButton7", "Save|Save parametrs to file"},
    TextAssignment{Hint, "SpeedButtonPrint", "Print|Print parametrs"},
    TextAssignment{Hint, "BitBtn1", "Programing|Programing  set parametrs to ignition"},
    TextAssignment{Hint, "BitBtn2", "Verify|Compare set parametrs  with parametrs of ignition"},
    TextAssignment{Hint, "BitBtnIgnMinus", "Curve A minus|Take off 1 degree of curve A"},
    TextAssignment{Hint, "BitBtnIgnPlus", "Curve A plus|Add 1 degree of curve A"},
    TextAssignment{Hint, "Button1", "Read|Reading parametrs from ignition"},

    TextAssignment{StatusHint, "MenuNew", "Set default parametrs"},
    TextAssignment{StatusHint, "MenuOpen", "Open file with parametrs"},
    TextAssignment{StatusHint, "MenuSave", "Save parametrs to file"},
    TextAssignment{StatusHint, "MenuPrint", "Print parametrs"},
    TextAssignment{StatusHint, "MenuExit", "End of program"},
    TextAssignment{StatusHint, "MenuCom", "Set number of com"},
    TextAssignment{StatusHint, "MenuCom1", "Set com 1"},
    TextAssignment{StatusHint, "MenuCom2", "Set com 2"},
    TextAssignment{StatusHint, "MenuRead", "Reading parametrs from ignition"},
    TextAssignment{StatusHint, "MenuVerify", "Compare set parametrs  with parametrs of ignition"},
    TextAssignment{StatusHint, "MenuProgram", "Programing  set parametrs to ignition"},
    TextAssignment{StatusHint, "CurveMinus", "Take off 1 degree of curve A"},
    TextAssignment{StatusHint, "CurvePlus", "Add 1 degree of curve A"},
    TextAssignment{StatusHint, "MenuLanguage", "Set English or Czech"},
    TextAssignment{StatusHint, "MenuEnglish", "Set Englich menu"},
    TextAssignment{StatusHint, "MenuCzech", "Set Czech menu"},
    TextAssignment{StatusHint, "MenuGerman", "Deutche Menü"},
    TextAssignment{StatusHint, "MenuHelp", "Not available jet"},

    TextAssignment{Message, "MessageNoPrinter", "No printer available: install a default printer to print"},
    TextAssignment{Message, "MessagePrintNotStarted", "The printer could not start the print job"},
    TextAssignment{Message, "MessagePrintImageFailed", "The window image could not be taken for printing"},
    TextAssignment{Message, "MessagePrintNotFinished", "The printer could not finish the print job"},
};

constexpr LanguageTable kEnglishTable{0, kEnglish};

}  // namespace

const LanguageTable& EnglishTable() { return kEnglishTable; }

}  // namespace ign
