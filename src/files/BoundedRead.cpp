#include "BoundedRead.h"

#include <fstream>
#include <system_error>

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace ign {

namespace fs = std::filesystem;

FileReadResult ReadAtMost(std::istream& in, std::string& bytes, std::uintmax_t maxBytes) {
    bytes.clear();
    char chunk[1 << 16];
    while (in) {
        in.read(chunk, sizeof chunk);
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got > maxBytes - bytes.size()) {
            bytes.clear();
            return FileReadResult::TooLarge;
        }
        bytes.append(chunk, got);
    }
    return in.bad() ? FileReadResult::Unreadable : FileReadResult::Ok;
}

FileReadResult ReadFileUpTo(const fs::path& path, std::string& bytes, std::uintmax_t maxBytes) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) return FileReadResult::Missing;
    if (fs::is_directory(status)) return FileReadResult::NotAFile;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) return FileReadResult::Unreadable;
    return ReadAtMost(in, bytes, maxBytes);
}

#if defined(_WIN32)

FileReadResult ReadRegularFile(const fs::path& path, std::string& bytes, std::uintmax_t maxBytes) {
    bytes.clear();
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) return FileReadResult::Missing;
    if (!fs::is_regular_file(status)) return FileReadResult::NotAFile;
    if (fs::file_size(path, error) > maxBytes) return FileReadResult::TooLarge;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) return FileReadResult::Unreadable;
    return ReadAtMost(in, bytes, maxBytes);
}

#else

namespace {

FileReadResult Classify(const struct stat& info, std::uintmax_t maxBytes) {
    if (!S_ISREG(info.st_mode)) return FileReadResult::NotAFile;
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) return FileReadResult::TooLarge;
    return FileReadResult::Ok;
}

}  // namespace

FileReadResult ReadRegularFile(const fs::path& path, std::string& bytes, std::uintmax_t maxBytes) {
    bytes.clear();
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? FileReadResult::Missing : FileReadResult::Unreadable;
    // Looked at before opening, since opening a device can already do something.
    if (const FileReadResult kind = Classify(info, maxBytes); kind != FileReadResult::Ok) return kind;
    // Non-blocking, in case a pipe took the file's place since.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? FileReadResult::Missing : FileReadResult::Unreadable;
    FileReadResult result = ::fstat(fd, &info) == 0 ? Classify(info, maxBytes) : FileReadResult::Unreadable;
    if (result == FileReadResult::Ok) {
        // The file may still grow while it is read: never more than the limit and one chunk.
        bytes.reserve(static_cast<std::size_t>(info.st_size));
        char chunk[1 << 16];
        for (;;) {
            const ssize_t got = ::read(fd, chunk, sizeof chunk);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) {
                result = FileReadResult::Unreadable;
                break;
            }
            if (got == 0) break;
            if (static_cast<std::uintmax_t>(got) > maxBytes - bytes.size()) {
                result = FileReadResult::TooLarge;
                break;
            }
            bytes.append(chunk, static_cast<std::size_t>(got));
        }
    }
    ::close(fd);
    if (result != FileReadResult::Ok) bytes.clear();
    return result;
}

#endif

}  // namespace ign
