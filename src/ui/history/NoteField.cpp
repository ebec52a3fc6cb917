#include "history/NoteField.h"

#include "TuneNote.h"

#include <QPlainTextEdit>
#include <QTextCursor>

namespace ign {

void LimitNoteLength(QPlainTextEdit& field) {
    QObject::connect(&field, &QPlainTextEdit::textChanged, &field, [&field] {
        const QString text = field.toPlainText();
        // Code points, not UTF-16 units: an emoji is one character of the note.
        const QList<uint> characters = text.toUcs4();
        if (static_cast<std::size_t>(characters.size()) <= kMaxNoteCharacters) return;
        const QString kept = QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()),
                                               static_cast<qsizetype>(kMaxNoteCharacters));
        field.setPlainText(kept);
        field.document()->setModified(true);
        field.moveCursor(QTextCursor::End);
    });
}

}  // namespace ign
