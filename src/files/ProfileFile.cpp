#include "ProfileFile.h"

#include "AtomicFile.h"

#include <cstdint>
#include <system_error>

namespace ign {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    a = Trim(a);
    b = Trim(b);
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

// The name of a "[section]" line, or false for any other line.
bool SectionName(std::string_view line, std::string_view& name) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return false;
    const std::size_t close = line.find(']');
    name = line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
    return true;
}

bool IsComment(std::string_view line) {
    line = Trim(line);
    return !line.empty() && (line.front() == ';' || line.front() == '#');
}

int Digit(char c, int base) {
    int d = 99;
    if (c >= '0' && c <= '9') d = c - '0';
    if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    return d < base ? d : -1;
}

// Too many digits wrap around in 32 bits, so the low bits stay right.
bool ParseInteger(std::string_view text, int& value) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return false;
    std::uint32_t magnitude = 0;
    for (char c : text) {
        const int d = Digit(c, base);
        if (d < 0) return false;
        magnitude = magnitude * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(d);
    }
    if (negative) magnitude = 0U - magnitude;
    value = static_cast<int>(magnitude);
    return true;
}

std::string SingleLine(std::string_view text) {
    return std::string(text.substr(0, text.find_first_of("\r\n")));
}

}  // namespace

ProfileFile::ProfileFile(std::filesystem::path path) : path_(std::move(path)) {
    std::string text;
    if (ReadFileContents(path_, text)) *this = ProfileFile(path_, text);
}

ProfileFile::ProfileFile(std::filesystem::path path, std::string_view text) : path_(std::move(path)) {
    // CR LF, LF and a lone CR all end a line, the way a value is cut on writing.
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        lines_.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
}

std::ptrdiff_t ProfileFile::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::string_view name;
        if (SectionName(lines_[i], name) && SameName(name, section)) return static_cast<std::ptrdiff_t>(i);
    }
    return -1;
}

std::size_t ProfileFile::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    std::string_view name;
    while (i < lines_.size() && !SectionName(lines_[i], name)) ++i;
    return i;
}

bool ProfileFile::FindEntry(std::string_view section, std::string_view key, Entry& entry) const {
    const std::ptrdiff_t header = FindSection(section);
    if (header < 0) return false;
    const auto first = static_cast<std::size_t>(header);
    const std::size_t end = SectionEnd(first);
    for (std::size_t i = first + 1; i < end; ++i) {
        const std::string_view line = lines_[i];
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || IsComment(line)) continue;
        if (SameName(line.substr(0, equals), key)) {
            entry = {i, Trim(line.substr(equals + 1))};
            return true;
        }
    }
    return false;
}

int ProfileFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    Entry entry{};
    int value = 0;
    if (FindEntry(section, key, entry) && ParseInteger(entry.value, value)) return value;
    return defaultValue;
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    Entry entry{};
    const std::string_view value = FindEntry(section, key, entry) ? entry.value : defaultValue;
    return std::string(value.substr(0, kMaxStringLength));
}

void ProfileFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void ProfileFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    std::string line = std::string(key) + "=" + SingleLine(value);
    Entry entry{};
    if (FindEntry(section, key, entry)) {
        lines_[entry.line] = std::move(line);
        return;
    }
    const std::ptrdiff_t header = FindSection(section);
    if (header < 0) {
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::move(line));
        return;
    }
    // After the section's last non-blank line, so blank lines that separate
    // it from the next section stay where they are.
    const auto first = static_cast<std::size_t>(header);
    std::size_t at = SectionEnd(first);
    while (at > first + 1 && Trim(lines_[at - 1]).empty()) --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

std::string ProfileFile::Text() const {
    std::string text;
    for (const std::string& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

bool ProfileFile::Save() const {
    std::error_code error;
    if (path_.has_parent_path() && !std::filesystem::exists(path_.parent_path(), error)) {
        std::filesystem::create_directories(path_.parent_path(), error);
    }
    return ReplaceFileContents(path_, Text()) == FileWriteResult::Ok;
}

}  // namespace ign
