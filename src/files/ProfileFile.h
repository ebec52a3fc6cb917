#pragma once

#include <filesystem>
#include <string>
#include <string_view>
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

    // Reads `path` if it exists; a missing or unreadable file is an empty profile.
    explicit ProfileFile(std::filesystem::path path);
    // A profile holding `text`, to be saved to `path` (also accepts LF-only text).
    ProfileFile(std::filesystem::path path, std::string_view text);

    const std::filesystem::path& Path() const { return path_; }

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
    // The previous file is then left as it was.
    bool Save() const;

private:
    struct Entry {
        std::size_t line;
        std::string_view value;
    };
    std::ptrdiff_t FindSection(std::string_view section) const;
    std::size_t SectionEnd(std::size_t header) const;
    bool FindEntry(std::string_view section, std::string_view key, Entry& entry) const;

    std::filesystem::path path_;
    std::vector<std::string> lines_;  // without their line ends
};

}  // namespace ign
