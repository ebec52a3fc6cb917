#include "AtomicFile.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <system_error>

#if !defined(_WIN32)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace ign {

namespace {

namespace fs = std::filesystem;

fs::path TemporaryNeighbour(const fs::path& target) {
    std::random_device random;
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, ".tmp-%08x", static_cast<unsigned>(random()));
    fs::path temporary = target;
    temporary += suffix;
    return temporary;
}

// A flushed stream only reached the operating system; a power loss may still
// lose it unless the data is forced to the disk before the rename.
bool SyncToDisk([[maybe_unused]] const fs::path& path, [[maybe_unused]] bool directory) {
#if defined(_WIN32)
    return true;
#else
    const int fd = ::open(path.c_str(), directory ? O_RDONLY | O_DIRECTORY : O_RDONLY);
    if (fd < 0) return directory;  // some file systems refuse to open folders; the data is written
    const bool synced = ::fsync(fd) == 0 || directory;
    ::close(fd);
    return synced;
#endif
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

bool WriteAll(const fs::path& path, std::string_view bytes, bool& opened) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    opened = out.is_open();
    if (!opened) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    const bool written = static_cast<bool>(out);
    out.close();
    return written && !out.fail() && SyncToDisk(path, false);
}

}  // namespace

FileWriteResult ReplaceFileContents(const fs::path& path, std::string_view bytes) {
    // A linked file is replaced where it really lives, so the link stays.
    std::error_code error;
    fs::path target = path;
    if (fs::is_symlink(path, error)) {
        const fs::path resolved = fs::canonical(path, error);
        if (!error) target = resolved;
    }
    if (!ExistingTargetWritable(target)) return FileWriteResult::CannotOpen;

    const fs::path temporary = TemporaryNeighbour(target);
    bool opened = false;
    const bool written = WriteAll(temporary, bytes, opened);
    if (!opened) return FileWriteResult::CannotOpen;
    if (!written) {
        fs::remove(temporary, error);
        return FileWriteResult::WriteFailed;
    }

    // Keep the permissions the user gave the old file.
    const fs::file_status old = fs::status(target, error);
    if (!error && fs::exists(old)) fs::permissions(temporary, old.permissions(), error);

    fs::rename(temporary, target, error);
    if (error) {
        fs::remove(temporary, error);
        return FileWriteResult::WriteFailed;
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    SyncToDisk(folder, true);
    return FileWriteResult::Ok;
}

bool ReadFileContents(const fs::path& path, std::string& bytes) {
    std::error_code error;
    if (fs::is_directory(path, error)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

}  // namespace ign
