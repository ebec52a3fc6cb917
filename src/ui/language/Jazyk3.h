#pragma once

#include "language/LanguageTable.h"

namespace ign {

// The German texts of the main window.
const LanguageTable& GermanTable();

}  // namespace ign
