#pragma once

#include "SheetInput.h"
#include "SheetPage.h"

namespace ign {

// The whole sheet, on one or two pages of the input's paper, portrait:
// the header with the note, the four parameter pages of the window in their
// order, and "Changed since" in what room is left (the differences that do
// not fit are counted on its last line). Every page ends with its footer.
SheetLayout LayOutSheet(const SheetInput& input);

}  // namespace ign
