#pragma once

#include "language/LanguageTable.h"

namespace ign {

// The English texts of the main window.
const LanguageTable& EnglishTable();

}  // namespace ign
