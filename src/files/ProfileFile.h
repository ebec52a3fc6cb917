#pragma once

#include "BoundedRead.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ign {

// A private-profile (INI) file held in memory: "[section]" lines and
// "key=value" entries. Sections and keys match without regard to letter case
// and to blanks at their ends; lines it does not touch (unknown sections and
// entries, comments, blank lines) are kept byte for byte. Nothing reaches the
// disk before Save(), which replaces the whole file at once.
class ProfileFile {
public:
    static constexpr std::size_t kMaxStringLength = 2047;

    // Reads `path` when it is a regular file of at most maxBytes; anything else
    // (missing, a folder, a pipe, a device, too large, unreadable) is an empty
    // profile, and ReadResult() tells which.
    explicit ProfileFile(std::filesystem::path path, std::uintmax_t maxBytes = kNoSizeLimit);
    // A profile holding `text`, to be saved to `path` (also accepts LF-only text).
    ProfileFile(std::filesystem::path path, std::string_view text);

    const std::filesystem::path& Path() const { return path_; }
    // How the file was found when the profile was read from it; Ok for a text.
    FileReadResult ReadResult() const { return readResult_; }
    // Where Save() put a file too large to read before replacing it; empty until then.
    const std::filesystem::path& SetAsidePath() const { return setAside_; }

    // The value as a signed integer: decimal with optional sign, or hexadecimal
    // with 0x; the default when the entry is missing or holds anything else.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // The value, cut to kMaxStringLength characters; the default when missing.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;

    void WriteInteger(std::string_view section, std::string_view key, int value);
    // Creates the section or the entry as needed. A value cannot span lines:
    // it ends at its first CR or LF.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);

    // The whole file as Save() writes it, every line ended by CR LF.
    std::string Text() const;
    // Writes the file (creating its folder) atomically; false when refused.
    // The previous file is then left as it was. A file that was too large to
    // be read is first renamed aside once (see SetAsidePath()), so that none
    // of what it held is lost.
    bool Save();

private:
    // Names match without regard to letter case and to blanks at their ends;
    // lookups hash and compare them as they are, with no folded copy.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const;
    };
    struct NameEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    template <typename T>
    using ByName = std::unordered_map<std::string, T, NameHash, NameEqual>;

    // Where an entry's line is: a line of the file as read, or the n-th line
    // written after it (added > 0), so that adding an entry never moves the
    // lines behind it.
    struct Slot {
        std::size_t line = 0;
        std::size_t added = 0;
    };
    // The first section of each name; its keys are indexed on first use,
    // each by its first entry, as a scan from the top would find them.
    struct Section {
        std::size_t header = 0;
        std::size_t end = 0;     // one past its last line as read
        std::size_t anchor = 0;  // its last non-blank line: new entries follow it
        bool indexed = false;
        ByName<Slot> keys;
    };

    void Parse(std::string_view text);
    void IndexSections();
    Section* FindSection(std::string_view section) const;
    void IndexKeys(Section& section) const;
    void IndexEntry(Section& section, const Slot& slot) const;
    bool FindEntry(std::string_view section, std::string_view key, Slot& slot) const;
    const std::string& LineAt(const Slot& slot) const;
    std::string& LineAt(const Slot& slot);
    void AddLine(Section& section, std::string line);
    bool SetAsideTooLargeFile();

    std::filesystem::path path_;
    std::vector<std::string> lines_;                         // without their line ends
    std::map<std::size_t, std::vector<std::string>> added_;  // lines written after lines_[i], in order
    // The index only speeds up lookups, which read as if the lines were scanned.
    mutable ByName<Section> sections_;
    FileReadResult readResult_ = FileReadResult::Ok;
    std::uintmax_t maxBytes_ = kNoSizeLimit;
    std::filesystem::path setAside_;
};

}  // namespace ign
