#include "AtomicFile.h"

#include "AtomicFilePlatform.h"

#include <cstdio>
#include <random>
#include <string>
#include <system_error>

#include <fstream>

namespace ign {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr std::size_t kTemporaryDigits = 8;
// Read and write for everyone, less what the user's creation mask takes away.
constexpr auto kNewFilePermissions = static_cast<fs::perms>(0666);

fs::path TemporaryNeighbour(const fs::path& target) {
    static std::random_device random;
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, "%.*s%08x", static_cast<int>(kTemporaryMark.size()),
                  kTemporaryMark.data(), static_cast<unsigned>(random()));
    fs::path temporary = target;
    temporary += suffix;
    return temporary;
}

// "<target name>.tmp-" and eight lower-case hex digits: what TemporaryNeighbour makes.
bool IsOurTemporary(const std::string& name, const std::string& target) {
    const auto of = TemporaryTarget(name);
    return of && *of == target;
}

void RemoveStaleTemporaries(const fs::path& target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string name = target.filename().string();
    const auto oldest = fs::file_time_type::clock::now() - kStaleTemporaryAge;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (!IsOurTemporary(it->path().filename().string(), name)) continue;
        if (!it->is_regular_file(ignored) || it->is_symlink(ignored)) continue;
        if (it->last_write_time(ignored) < oldest && !ignored) fs::remove(it->path(), ignored);
    }
}

bool ExistingTargetWritable(const fs::path& target) {
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    if (!fs::exists(status)) return true;
    // Folders, pipes and devices are not files we may replace (opening a pipe
    // would even wait for a reader).
    if (!fs::is_regular_file(status)) return false;
    // Opening for appending changes nothing, but fails where an ordinary open
    // for writing would fail.
    std::ofstream probe(target, std::ios::binary | std::ios::app);
    return probe.is_open();
}

}  // namespace

std::optional<std::string_view> TemporaryTarget(std::string_view name) {
    constexpr std::size_t kSuffix = kTemporaryMark.size() + kTemporaryDigits;
    if (name.size() <= kSuffix) return std::nullopt;
    const std::size_t mark = name.size() - kSuffix;
    if (name.substr(mark, kTemporaryMark.size()) != kTemporaryMark) return std::nullopt;
    for (const char c : name.substr(mark + kTemporaryMark.size()))
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return std::nullopt;
    return name.substr(0, mark);
}

FileWriteResult ReplaceFileContents(const fs::path& path, std::string_view bytes) {
    // A linked file is replaced where it really lives, so the link stays.
    std::error_code error;
    fs::path target = path;
    if (fs::is_symlink(path, error)) {
        const fs::path resolved = fs::canonical(path, error);
        if (!error) target = resolved;
    }
    if (!ExistingTargetWritable(target)) return FileWriteResult::CannotOpen;

    // Keep the permissions the user gave the old file.
    const fs::file_status old = fs::status(target, error);
    const bool replacing = fs::exists(old);
    const fs::perms permissions = replacing ? old.permissions() : kNewFilePermissions;
    fs::path temporary;
    FileWriteResult written = FileWriteResult::CannotOpen;
    for (int attempt = 0; attempt < 8; ++attempt) {
        temporary = TemporaryNeighbour(target);
        written = WriteTemporary(temporary, bytes, permissions, replacing);
        // A name already taken (a stale file, another copy's save) is never reused: another one then.
        if (written != FileWriteResult::CannotOpen || !fs::exists(fs::symlink_status(temporary, error)))
            break;
    }
    if (written != FileWriteResult::Ok) {
        if (written == FileWriteResult::WriteFailed) fs::remove(temporary, error);
        return written;
    }
    if (!MoveOver(temporary, target)) {
        fs::remove(temporary, error);
        return FileWriteResult::WriteFailed;
    }
    if (!FlushFolder(target.has_parent_path() ? target.parent_path() : fs::path("."))) {
        return FileWriteResult::WriteFailed;
    }
    RemoveStaleTemporaries(target);
    return FileWriteResult::Ok;
}

}  // namespace ign
