#pragma once

#include "EditorBindings.h"

#include <optional>

namespace ign {

// The field that edits one point of a parameter; null for the parameters
// that have no numeric field (flags, KEYING, POLOHA_PRO) and for points
// beyond the parameter's count.
const EditorField* FindEditorField(Param param, int point);

// The byte a field stores when `typed` is typed into it and taken: the box
// takes a number beyond its range as the nearest limit, and the conversion
// drops the remainder below the step (1 250 rpm gives the byte of 1 200).
// Validation is not part of it: the window's change runs it as after typing.
Byte TypedFieldByte(const EditorField& field, long long typed);

// The same for a value a graph's drag points at, in the field's user units:
// rounded to the nearest whole unit, as a person would type it, then taken as
// typed. Nothing for a point without a field and for a value that is no
// number (NaN), so a drag that leaves the graph changes nothing.
std::optional<Byte> DraggedFieldByte(Param param, int point, double userValue);

}  // namespace ign
