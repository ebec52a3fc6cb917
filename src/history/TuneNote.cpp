#include "TuneNote.h"

#include "AtomicFile.h"
#include "BoundedRead.h"
#include "ParameterFile.h"

#include <system_error>

namespace ign {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// The length of the UTF-8 sequence at `at`, or 0 where no valid one starts.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return 1;
    // The lead byte gives the length, the smallest code point of that length and the first bits.
    struct Form {
        unsigned char first, last;
        std::size_t length;
        unsigned min, bits;
    };
    constexpr Form kForms[] = {
        {0xC2, 0xDF, 2, 0x80, 0x1F}, {0xE0, 0xEF, 3, 0x800, 0x0F}, {0xF0, 0xF4, 4, 0x10000, 0x07}};
    const Form* form = nullptr;
    for (const Form& f : kForms)
        if (lead >= f.first && lead <= f.last) form = &f;
    if (form == nullptr) return 0;
    const std::size_t length = form->length;
    const unsigned min = form->min;
    unsigned code = lead & form->bits;
    if (at + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0u) != 0x80u) return 0;
        code = (code << 6) | (byte(at + i) & 0x3Fu);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are no UTF-8.
    if (code < min || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return 0;
    return length;
}

std::string ValidUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = SequenceLength(text, at);
        if (length == 0) {
            out += kReplacement;
            ++at;
        } else {
            out.append(text.substr(at, length));
            at += length;
        }
    }
    return out;
}

// The first line without its line end, and where the rest begins.
std::string_view FirstLine(std::string_view bytes, std::size_t& rest) {
    const auto end = bytes.find('\n');
    rest = end == std::string_view::npos ? bytes.size() : end + 1;
    std::string_view line = bytes.substr(0, end == std::string_view::npos ? bytes.size() : end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

// Our note: the header as its whole first line (an editor may have put a byte-order mark before it).
bool IsOurs(std::string_view bytes, std::string_view* text) {
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) bytes.remove_prefix(kByteOrderMark.size());
    std::size_t rest = 0;
    if (FirstLine(bytes, rest) != kNoteHeader) return false;
    if (text != nullptr) *text = bytes.substr(rest);
    return true;
}

// The first `count` characters of valid UTF-8.
std::string FirstCharacters(std::string text, std::size_t count) {
    std::size_t at = 0;
    for (std::size_t n = 0; n < count && at < text.size(); ++n) at += SequenceLength(text, at);
    text.resize(at);
    return text;
}

NoteWriteResult Refused(NoteWriteStatus status, std::string_view what, const fs::path& path,
                        std::string_view reason) {
    return {status, std::string(what) + ": " + path.string() + ": " + std::string(reason)};
}

}  // namespace

fs::path NotePathOf(const fs::path& setFile) {
    fs::path note = setFile;
    note += std::string(kNoteExtension);
    return note;
}

bool IsNoteName(std::string_view fileName, std::string* setFileName) {
    if (fileName.size() <= kNoteExtension.size() ||
        fileName.substr(fileName.size() - kNoteExtension.size()) != kNoteExtension)
        return false;
    if (setFileName != nullptr) *setFileName = fileName.substr(0, fileName.size() - kNoteExtension.size());
    return true;
}

std::size_t CharacterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0u) != 0x80u) ++count;
    return count;
}

std::string CleanNoteText(std::string_view text) {
    const std::string valid = ValidUtf8(text);
    std::string out;
    out.reserve(valid.size());
    for (std::size_t i = 0; i < valid.size(); ++i) {
        if (valid[i] != '\r') {
            out += valid[i];
        } else if (i + 1 == valid.size() || valid[i + 1] != '\n') {
            out += '\n';  // a lone CR, as old editors end lines
        }
    }
    while (!out.empty() && (out.back() == '\n' || out.back() == ' ' || out.back() == '\t')) out.pop_back();
    return out;
}

std::string NoteFileBytes(std::string_view text) {
    std::string bytes(kNoteHeader);
    bytes += "\r\n";
    for (char c : CleanNoteText(text)) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    bytes += "\r\n";
    return bytes;
}

NoteRead ReadNote(const fs::path& setFile) {
    std::string bytes;
    switch (ReadRegularFile(NotePathOf(setFile), bytes, kMaxNoteFileBytes)) {
        case FileReadResult::Ok:
            break;
        case FileReadResult::Missing:
            return {};
        default:
            return {NoteStatus::Unreadable, {}};
    }
    std::string_view text;
    if (!IsOurs(bytes, &text)) return {NoteStatus::Foreign, {}};
    return {NoteStatus::Ours, FirstCharacters(CleanNoteText(text), kMaxNoteCharacters)};
}

NoteWriteResult WriteNote(const fs::path& setFile, std::string_view text) {
    const fs::path path = NotePathOf(setFile);
    const std::string clean = CleanNoteText(text);
    if (CharacterCount(clean) > kMaxNoteCharacters)
        return Refused(NoteWriteStatus::TooLong, "Note not written", path, "longer than 4000 characters");

    std::string existing;
    const FileReadResult read = ReadRegularFile(path, existing, kMaxNoteFileBytes);
    const bool missing = read == FileReadResult::Missing;
    const bool ours = read == FileReadResult::Ok && IsOurs(existing, nullptr);
    if (clean.empty()) {
        // Nothing to keep: our own note goes, anybody else's file stays.
        if (!ours) return {NoteWriteStatus::Removed, {}};
        std::error_code error;
        fs::remove(path, error);
        if (error) return Refused(NoteWriteStatus::Failed, "Note not removed", path, error.message());
        return {NoteWriteStatus::Removed, {}};
    }
    if (!missing && !ours)
        return Refused(NoteWriteStatus::Foreign, "Note not written", path,
                       "a file of that name that is no note of this program is there");
    const FileWriteResult written = ReplaceFileContents(path, NoteFileBytes(clean));
    if (written != FileWriteResult::Ok)
        return Refused(NoteWriteStatus::Failed, "Note not written", path, SaveErrorText(written));
    return {NoteWriteStatus::Written, {}};
}

}  // namespace ign
