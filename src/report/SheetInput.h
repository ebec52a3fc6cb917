#pragma once

#include "DeviceImageCodec.h"
#include "ParameterSet.h"
#include "SheetPage.h"

#include <optional>
#include <string>

namespace ign {

// The set a sheet tells its changes since, and the name it goes by there.
struct SheetReference {
    std::string name;  // a restore point's or a parameter file's name
    ParameterSet set;
};

// Everything a tune sheet shows. Texts are UTF-8; what depends on the
// system's locale (the time, the digit grouping, the paper) the caller takes
// from it, so the sheet reads as the window does.
struct SheetInput {
    ParameterSet set;
    std::uint8_t language = 0;  // 0 English, 1 Czech, 2 German: the window's language code
    Paper paper = Paper::A4;
    // What a Read showed of the unit; nothing before one.
    std::optional<UnitIdentification> unit;
    std::string madeAt;        // the sheet's date and time in the locale's long form
    std::string fileName;      // the parameter file's name, no folder; empty for a set never saved
    std::string restorePoint;  // the restore point's name when the set came from one
    std::string note;          // the tuner's note, at most kMaxNoteCharacters
    // The reference of "Changed since"; nothing gives "no reference".
    std::optional<SheetReference> reference;
    // The locale's digit grouping for the fields the window groups (those
    // that reach 1 000); empty groups nothing.
    std::string groupSeparator = " ";
    std::string program = "Ignition Programmer";
    std::string version;
};

}  // namespace ign
