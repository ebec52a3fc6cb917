#pragma once

#include "SheetPage.h"

#include <QString>
#include <cstdint>
#include <string_view>

namespace ign {

// A caption of the window in a language, by its key: the language's table
// first, then the table of new texts, English where the language has none.
// Access-key marks are taken out ("&Read" reads "Read"); a key only a hint
// names (the machine list's "Keying system") gives the hint's status text.
// Empty for a key no table has.
QString SheetCaption(std::string_view key, std::uint8_t language);

// What a sheet's text says in a language: the caption with the words after
// it and %1, %2 ... filled, or the words as they are.
QString SheetTextOf(const SheetText& text, std::uint8_t language);

}  // namespace ign
