#include "ProfileFile.h"

#include "AtomicFile.h"

#include <cstdint>
#include <ctime>
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

// The value of an entry line, which holds an equals sign.
std::string_view EntryValue(std::string_view line) { return Trim(line.substr(line.find('=') + 1)); }

bool StartsSection(std::string_view line) {
    std::string_view name;
    return SectionName(line, name);
}

// "<name>.refused-20250131-142501", or with "-2", "-3" ... where that exists.
std::filesystem::path RefusedName(const std::filesystem::path& file) {
    const std::time_t now = std::time(nullptr);
    char stamp[32] = "unknown-time";
    if (const std::tm* local = std::localtime(&now))
        std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", local);
    std::filesystem::path name = file;
    name += std::string(".refused-") + stamp;
    std::error_code error;
    for (int n = 2; std::filesystem::exists(std::filesystem::symlink_status(name, error)); ++n) {
        name = file;
        name += std::string(".refused-") + stamp + "-" + std::to_string(n);
    }
    return name;
}

}  // namespace

std::size_t ProfileFile::NameHash::operator()(std::string_view name) const {
    // FNV-1a over the name as it compares.
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : Trim(name)) {
        hash ^= static_cast<unsigned char>(Lower(c));
        hash *= 1099511628211ULL;
    }
    return static_cast<std::size_t>(hash);
}

bool ProfileFile::NameEqual::operator()(std::string_view a, std::string_view b) const {
    a = Trim(a);
    b = Trim(b);
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

ProfileFile::ProfileFile(std::filesystem::path path, std::uintmax_t maxBytes)
    : path_(std::move(path)), maxBytes_(maxBytes) {
    std::string text;
    readResult_ = ReadRegularFile(path_, text, maxBytes);
    if (readResult_ == FileReadResult::Ok) Parse(text);
}

ProfileFile::ProfileFile(std::filesystem::path path, std::string_view text) : path_(std::move(path)) {
    Parse(text);
}

void ProfileFile::Parse(std::string_view text) {
    // CR LF, LF and a lone CR all end a line, the way a value is cut on writing.
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        lines_.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
    IndexSections();
}

void ProfileFile::IndexSections() {
    if (!added_.empty()) {
        std::vector<std::string> lines;
        auto next = added_.begin();
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            lines.push_back(std::move(lines_[i]));
            if (next == added_.end() || next->first != i) continue;
            for (std::string& line : next->second) lines.push_back(std::move(line));
            ++next;
        }
        lines_ = std::move(lines);
        added_.clear();
    }
    sections_.clear();
    Section* current = nullptr;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::string_view name;
        if (SectionName(lines_[i], name)) {
            if (current != nullptr) current->end = i;
            // A later section of a name already seen is never looked into.
            auto [at, fresh] = sections_.try_emplace(std::string(Trim(name)));
            current = fresh ? &at->second : nullptr;
            if (current != nullptr) current->header = current->anchor = i;
        } else if (current != nullptr && !Trim(lines_[i]).empty()) {
            current->anchor = i;
        }
    }
    if (current != nullptr) current->end = lines_.size();
}

ProfileFile::Section* ProfileFile::FindSection(std::string_view section) const {
    const auto at = sections_.find(section);
    return at == sections_.end() ? nullptr : &at->second;
}

void ProfileFile::IndexEntry(Section& section, const Slot& slot) const {
    const std::string_view line = LineAt(slot);
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || IsComment(line)) return;
    section.keys.try_emplace(std::string(Trim(line.substr(0, equals))), slot);
}

void ProfileFile::IndexKeys(Section& section) const {
    for (std::size_t i = section.header + 1; i < section.end; ++i) IndexEntry(section, {i, 0});
    if (const auto added = added_.find(section.anchor); added != added_.end()) {
        for (std::size_t n = 1; n <= added->second.size(); ++n) IndexEntry(section, {section.anchor, n});
    }
    section.indexed = true;
}

bool ProfileFile::FindEntry(std::string_view section, std::string_view key, Slot& slot) const {
    Section* found = FindSection(section);
    if (found == nullptr) return false;
    if (!found->indexed) IndexKeys(*found);
    const auto at = found->keys.find(key);
    if (at == found->keys.end()) return false;
    slot = at->second;
    return true;
}

const std::string& ProfileFile::LineAt(const Slot& slot) const {
    return slot.added == 0 ? lines_[slot.line] : added_.at(slot.line)[slot.added - 1];
}

std::string& ProfileFile::LineAt(const Slot& slot) {
    return slot.added == 0 ? lines_[slot.line] : added_.at(slot.line)[slot.added - 1];
}

int ProfileFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    Slot slot;
    int value = 0;
    if (FindEntry(section, key, slot) && ParseInteger(EntryValue(LineAt(slot)), value)) return value;
    return defaultValue;
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    Slot slot;
    const std::string_view value = FindEntry(section, key, slot) ? EntryValue(LineAt(slot)) : defaultValue;
    return std::string(value.substr(0, kMaxStringLength));
}

void ProfileFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void ProfileFile::AddLine(Section& section, std::string line) {
    // After the section's last non-blank line, so blank lines that separate
    // it from the next section stay where they are.
    std::vector<std::string>& after = added_[section.anchor];
    after.push_back(std::move(line));
    // A key that begins with "[" has made a section line: everything behind it
    // belongs elsewhere now.
    if (StartsSection(after.back())) {
        IndexSections();
        return;
    }
    if (section.indexed) IndexEntry(section, {section.anchor, after.size()});
}

void ProfileFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    std::string line = std::string(key) + "=" + SingleLine(value);
    Slot slot;
    if (FindEntry(section, key, slot)) {
        LineAt(slot) = std::move(line);
        return;
    }
    if (Section* found = FindSection(section)) {
        AddLine(*found, std::move(line));
        return;
    }
    lines_.push_back("[" + std::string(section) + "]");
    lines_.push_back(std::move(line));
    const std::size_t header = lines_.size() - 2;
    std::string_view name;
    SectionName(lines_[header], name);
    auto [at, fresh] = sections_.try_emplace(std::string(Trim(name)));
    if (StartsSection(lines_.back())) {
        IndexSections();
    } else if (fresh) {
        at->second = Section{header, header + 2, header + 1, true, {}};
        IndexEntry(at->second, {header + 1, 0});
    }
}

std::string ProfileFile::Text() const {
    std::size_t size = 0;
    for (const std::string& line : lines_) size += line.size() + 2;
    for (const auto& [line, after] : added_) {
        for (const std::string& added : after) size += added.size() + 2;
    }
    std::string text;
    text.reserve(size);
    auto next = added_.begin();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        text += lines_[i];
        text += "\r\n";
        if (next == added_.end() || next->first != i) continue;
        for (const std::string& added : next->second) {
            text += added;
            text += "\r\n";
        }
        ++next;
    }
    return text;
}

bool ProfileFile::SetAsideTooLargeFile() {
    namespace fs = std::filesystem;
    std::error_code error;
    // A linked file is renamed where it really lives; the link then names the file saved next.
    fs::path target = path_;
    if (fs::is_symlink(path_, error)) {
        const fs::path resolved = fs::canonical(path_, error);
        if (!error) target = resolved;
    }
    const fs::file_status status = fs::status(target, error);
    // Gone, or replaced by a file of ordinary size since (by another copy of the program).
    if (!fs::is_regular_file(status) || fs::file_size(target, error) <= maxBytes_) return true;
    const fs::path aside = RefusedName(target);
    fs::rename(target, aside, error);
    if (error) return false;
    setAside_ = aside;
    return true;
}

bool ProfileFile::Save() {
    std::error_code error;
    if (path_.has_parent_path() && !std::filesystem::exists(path_.parent_path(), error)) {
        std::filesystem::create_directories(path_.parent_path(), error);
    }
    // Entries of a file that could not be read must not be lost by replacing it.
    if (readResult_ == FileReadResult::TooLarge && setAside_.empty() && !SetAsideTooLargeFile()) return false;
    return ReplaceFileContents(path_, Text()) == FileWriteResult::Ok;
}

}  // namespace ign
