#pragma once

#include "Messages.h"
#include "language/LanguageTable.h"

#include <QString>
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace ign {

// A text the window carries beyond its design: a menu, an item or a control
// of a feature that came later, in English, Czech and German.
struct NewText {
    TextTarget target;
    std::string_view object;  // objectName of the target
    std::array<std::string_view, kLanguageCount> text;
};

// Every new text, in one table beside the language tables. A language
// switch applies the language's column right after its own table, the same
// way, so a feature's texts switch with the rest. The rules, which the
// language tests hold each row to:
// - no object of the language tables is named here, so nothing specified changes;
// - an access key ("&") repeats neither among the top-level menus nor among
//   them and the buttons of the window, in any language;
// - new top-level menus stand after "Tools"; new items of an existing menu
//   go at its end, after a separator, but File's, which go before Exit.
std::span<const NewText> NewTexts();

// The text of a new object in a language (English for a code no language
// has): for what a feature puts together when it shows it, such as an item
// with the name of a step in it. Status texts are not looked up here.
QString NewTextOf(std::string_view object, std::uint8_t code);

// One language's column as a table of its own; empty for a code no language has.
const LanguageTable& NewTextTable(std::uint8_t code);

}  // namespace ign
