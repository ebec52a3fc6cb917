#include "MapTable.h"

#include <array>
#include <cstdio>

namespace ign {

namespace {

using Texts = std::array<const char*, 3>;  // English, Czech, German

// By PasteError; the numbers are filled in in the order they appear.
constexpr std::array<Texts, 6> kPasteErrors{{
    {"", "", ""},
    {"Nothing to paste: the text holds no numbers", "Není co vložit: text neobsahuje čísla",
     "Nichts einzufügen: der Text enthält keine Zahlen"},
    {"Row %d, column %d of the pasted text is not a number",
     "Řádek %d, sloupec %d vkládaného textu není číslo",
     "Zeile %d, Spalte %d des eingefügten Textes ist keine Zahl"},
    {"Row %d of the pasted text has another number of values than the first",
     "Řádek %d vkládaného textu má jiný počet hodnot než první",
     "Zeile %d des eingefügten Textes hat eine andere Anzahl Werte als die erste"},
    {"The pasted block of %d × %d values does not fit into the map from the selected cell",
     "Vkládaný blok %d × %d hodnot se od vybrané buňky do mapy nevejde",
     "Der eingefügte Block von %d × %d Werten passt ab der gewählten Zelle nicht in das Kennfeld"},
    {"No cell of the map is selected", "Není vybrána žádná buňka mapy", "Keine Zelle des Kennfelds gewählt"},
}};

}  // namespace

std::string PasteErrorText(const PasteResult& result, Byte language) {
    const auto error = static_cast<std::size_t>(result.error);
    if (error >= kPasteErrors.size()) return {};
    const char* format = kPasteErrors[error][language < 3 ? language : 0];
    int first = result.row, second = result.column;
    if (result.error == PasteError::DoesNotFit) {
        first = result.rows;
        second = result.columns;
    }
    char text[256];
    std::snprintf(text, sizeof text, format, first, second);
    return text;
}

}  // namespace ign
