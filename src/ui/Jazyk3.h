#pragma once

#include "LanguageTable.h"

namespace ign {

// The German texts of the main window.
const LanguageTable& GermanTable();

}  // namespace ign
