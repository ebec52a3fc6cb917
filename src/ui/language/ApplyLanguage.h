#pragma once

#include "language/LanguageTable.h"

#include <QString>
#include <cstdint>
#include <string_view>

class QWidget;

namespace ign {

// A hint's short part (tooltip) and long part (status-line text), split at the first "|". A hint without
// "|" is both.
struct HintParts {
    QString tooltip;
    QString status;
};
HintParts SplitHint(std::string_view hint);

// Writes every assignment of the table to the window's children, found by objectName (the window itself
// answers to its own name): the tables are data, so this walk is where controls are looked up by name. A
// target the window lacks is skipped. Returns the table's language code for the window to keep.
std::uint8_t ApplyLanguageTable(QWidget& window, const LanguageTable& table);

}  // namespace ign
