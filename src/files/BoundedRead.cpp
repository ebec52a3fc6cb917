#include "BoundedRead.h"

#include <fstream>
#include <system_error>
#include <vector>

#if !defined(_WIN32)
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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

#if defined(_WIN32)

FileReadResult ReadFileUpTo(const fs::path& path, std::string& bytes, std::uintmax_t maxBytes,
                            std::chrono::milliseconds) {
    bytes.clear();
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) return FileReadResult::Missing;
    if (fs::is_directory(status)) return FileReadResult::NotAFile;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) return FileReadResult::Unreadable;
    return ReadAtMost(in, bytes, maxBytes);
}

FileReadResult ReadRegularFileInChunks(const fs::path& path, std::uintmax_t maxBytes,
                                       const std::function<bool(std::string_view, std::uintmax_t)>& take) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) return FileReadResult::Missing;
    if (!fs::is_regular_file(status)) return FileReadResult::NotAFile;
    const std::uintmax_t size = fs::file_size(path, error);
    if (size > maxBytes) return FileReadResult::TooLarge;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) return FileReadResult::Unreadable;
    std::vector<char> chunk(1 << 16);
    std::uintmax_t total = 0;
    while (in) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got == 0) break;
        if (got > maxBytes - total) return FileReadResult::TooLarge;
        total += got;
        if (!take(std::string_view(chunk.data(), got), size)) return FileReadResult::Ok;
    }
    return in.bad() ? FileReadResult::Unreadable : FileReadResult::Ok;
}

FileReadResult ReadRegularFile(const fs::path& path, std::string& bytes, std::uintmax_t maxBytes) {
    bytes.clear();
    const FileReadResult result =
        ReadRegularFileInChunks(path, maxBytes, [&](std::string_view chunk, std::uintmax_t) {
            bytes.append(chunk);
            return true;
        });
    if (result != FileReadResult::Ok) bytes.clear();
    return result;
}

#else

namespace {

FileReadResult Classify(const struct stat& info, std::uintmax_t maxBytes) {
    if (!S_ISREG(info.st_mode)) return FileReadResult::NotAFile;
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) return FileReadResult::TooLarge;
    return FileReadResult::Ok;
}

// The rest of an open file in chunks, at most maxBytes in all (the file may
// still grow while it is read): never more than the limit and one chunk.
FileReadResult ReadChunks(int fd, std::uintmax_t maxBytes,
                          const std::function<bool(std::string_view)>& take) {
    std::vector<char> chunk(1 << 16);
    std::uintmax_t total = 0;
    for (;;) {
        const ssize_t got = ::read(fd, chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return FileReadResult::Unreadable;
        if (got == 0) return FileReadResult::Ok;
        if (static_cast<std::uintmax_t>(got) > maxBytes - total) return FileReadResult::TooLarge;
        total += static_cast<std::uintmax_t>(got);
        if (!take(std::string_view(chunk.data(), static_cast<std::size_t>(got)))) return FileReadResult::Ok;
    }
}

FileReadResult ReadToEnd(int fd, std::string& bytes, std::uintmax_t maxBytes) {
    return ReadChunks(fd, maxBytes, [&bytes](std::string_view chunk) {
        bytes.append(chunk);
        return true;
    });
}

// Whether the descriptor has something to read (data or its end) within `wait`.
FileReadResult WaitForFirstByte(int fd, std::chrono::milliseconds wait) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point until = Clock::now() + wait;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
        pollfd watch{fd, POLLIN, 0};
        const int ready = ::poll(&watch, 1, static_cast<int>(std::max<std::int64_t>(left.count(), 0)));
        if (ready > 0) return FileReadResult::Ok;
        if (ready == 0) return FileReadResult::Silent;
        if (errno != EINTR) return FileReadResult::Unreadable;
    }
}

}  // namespace

FileReadResult ReadRegularFileInChunks(const fs::path& path, std::uintmax_t maxBytes,
                                       const std::function<bool(std::string_view, std::uintmax_t)>& take) {
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
        const auto size = static_cast<std::uintmax_t>(info.st_size);
        result = ReadChunks(fd, maxBytes, [&](std::string_view chunk) { return take(chunk, size); });
    }
    ::close(fd);
    return result;
}

FileReadResult ReadRegularFile(const fs::path& path, std::string& bytes, std::uintmax_t maxBytes) {
    bytes.clear();
    const FileReadResult result =
        ReadRegularFileInChunks(path, maxBytes, [&](std::string_view chunk, std::uintmax_t size) {
            if (bytes.empty()) bytes.reserve(static_cast<std::size_t>(size));
            bytes.append(chunk);
            return true;
        });
    if (result != FileReadResult::Ok) bytes.clear();
    return result;
}

FileReadResult ReadFileUpTo(const fs::path& path, std::string& bytes, std::uintmax_t maxBytes,
                            std::chrono::milliseconds firstByteWait) {
    bytes.clear();
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? FileReadResult::Missing : FileReadResult::Unreadable;
    if (S_ISDIR(info.st_mode)) return FileReadResult::NotAFile;
    // Opening a pipe without O_NONBLOCK would wait for a writer, unseen and for ever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? FileReadResult::Missing : FileReadResult::Unreadable;
    FileReadResult result = WaitForFirstByte(fd, firstByteWait);
    // From the first byte on it is read as any pipe is: its writer's pace, to its end.
    const int flags = ::fcntl(fd, F_GETFL);
    if (result == FileReadResult::Ok && (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0))
        result = FileReadResult::Unreadable;
    if (result == FileReadResult::Ok) result = ReadToEnd(fd, bytes, maxBytes);
    ::close(fd);
    if (result != FileReadResult::Ok) bytes.clear();
    return result;
}

#endif

}  // namespace ign
