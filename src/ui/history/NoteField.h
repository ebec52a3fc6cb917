#pragma once

class QPlainTextEdit;

namespace ign {

// A field the tuner writes a set's note in: whatever is typed or pasted past
// the note's greatest length (in characters, as the note file counts them) is
// cut off at once, so what the field shows is what will be kept.
void LimitNoteLength(QPlainTextEdit& field);

}  // namespace ign
