#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace ign {

// The tuner's note of a set: why it is what it is. It lives in a text file of
// its own beside the set's file (a restore point or a saved parameter file),
// so the parameter file keeps its fixed layout. The note file is UTF-8 with
// CR LF line ends; its first line is kNoteHeader, by which the program tells
// its own notes from a text file of the same name that someone else wrote.

inline constexpr std::string_view kNoteHeader = "Ignition Programmer note";
inline constexpr std::string_view kNoteExtension = ".txt";
// Characters (code points), not bytes.
inline constexpr std::size_t kMaxNoteCharacters = 4000;
// What a note file may take on disk: the header, and every character as four
// bytes with a line end after each. Anything larger is no note of ours.
inline constexpr std::size_t kMaxNoteFileBytes = 64 * 1024;

// "<file>.txt" beside "<file>": race.ign has its note in race.ign.txt.
std::filesystem::path NotePathOf(const std::filesystem::path& setFile);

// Whether a file name is a note's ("<anything>.txt"); the name of its set's file when it is.
bool IsNoteName(std::string_view fileName, std::string* setFileName = nullptr);

enum class NoteStatus : std::uint8_t {
    None,        // no note file: an empty note
    Ours,        // a note this program wrote; text holds it
    Foreign,     // a file of that name that is not one of our notes (first line not our header)
    Unreadable,  // there, but not a regular file, too large, or refused
};

struct NoteRead {
    NoteStatus status = NoteStatus::None;
    std::string text;  // UTF-8, LF line ends; at most kMaxNoteCharacters
};

// Reads the note beside a set's file. Bytes that are no UTF-8 come back as
// U+FFFD, so a damaged note still shows what it can.
NoteRead ReadNote(const std::filesystem::path& setFile);

enum class NoteWriteStatus : std::uint8_t {
    Written,  // the note is on disk
    Removed,  // an empty note: our note file is gone (or there was none)
    Foreign,  // a file of the note's name that we did not write is there: left alone, nothing written
    TooLong,  // more than kMaxNoteCharacters: nothing written
    Failed,   // could not be written or removed; what was there stays
};

struct NoteWriteResult {
    NoteWriteStatus status = NoteWriteStatus::Written;
    std::string error;  // for Foreign, TooLong and Failed: "<what>: <path>: <reason>", English

    bool failed() const { return status != NoteWriteStatus::Written && status != NoteWriteStatus::Removed; }
};

// Writes the note beside a set's file atomically (all of it or what was
// there before). An empty note (nothing but blanks and line ends) removes
// our note file and writes none. A file of the note's name that this program
// did not write is never overwritten nor removed.
NoteWriteResult WriteNote(const std::filesystem::path& setFile, std::string_view text);

// The note's text as it is kept: UTF-8 made valid, CR LF and CR made LF,
// blanks and line ends at the end taken off. Counts what is left.
std::string CleanNoteText(std::string_view text);
std::size_t CharacterCount(std::string_view utf8);

// The bytes of a note file for a text (CleanNoteText first).
std::string NoteFileBytes(std::string_view text);

}  // namespace ign
