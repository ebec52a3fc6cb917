#pragma once

#include "language/LanguageTable.h"

namespace ign {

// The Czech texts of the main window.
const LanguageTable& CzechTable();

}  // namespace ign
