#pragma once

#include <QString>
#include <cstdint>

namespace ign {

// The About box's text for a language code, with the program's build date and
// time as the compiler spells them ("May  4 2002", "11:43:06"). A code that no
// language has gets the English text.
QString AboutText(std::uint8_t languageCode, const char* buildDate, const char* buildTime);

// F1's text; the same in every language.
inline QString HelpNotAvailableText() { return QStringLiteral("Help file not available"); }

}  // namespace ign
