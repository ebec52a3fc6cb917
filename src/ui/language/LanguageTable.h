#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace ign {

// What an assignment writes to; the object's own type then decides which setter that is.
enum class TextTarget : std::uint8_t {
    WindowTitle,  // the main window itself
    MenuTitle,    // a top-level QMenu
    ActionText,   // a QAction's caption
    Caption,      // QGroupBox title, QAbstractButton/QLabel text, or the tab caption of a page
    RadioItems,   // one of the injection-position choice's items (RadioGroupPolohaItem0..2)
    Hint,         // "short|long": tooltip and status tip
    StatusHint,   // status tip only: the preset list, menus and menu items
    CheckMark,    // a language action's check mark; text is kCheckOn or kCheckOff
    Message,      // one of the program's own message texts (an OwnText object)
};

inline constexpr std::string_view kCheckOn = "on";
inline constexpr std::string_view kCheckOff = "off";

struct TextAssignment {
    TextTarget target;
    std::string_view object;  // objectName of the target
    std::string_view text;    // UTF-8
};

// One language: its code (0 English, 1 Czech, 2 German) and the assignments in the order they are applied.
struct LanguageTable {
    std::uint8_t code;
    std::span<const TextAssignment> assignments;
};

}  // namespace ign
