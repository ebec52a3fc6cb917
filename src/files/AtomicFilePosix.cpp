#include "AtomicFilePlatform.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace ign {

namespace fs = std::filesystem;

// Made here and nowhere else (an existing file or link of that name is never
// followed), never readable by more users than the target, and on the disk
// before the rename: a flushed stream would only have reached the system.
// With `exactly`, the permissions are an existing target's and are kept as
// they are; otherwise the user's creation mask applies, as to any new file.
FileWriteResult WriteTemporary(const fs::path& temporary, std::string_view bytes, fs::perms permissions,
                               bool exactly) {
    const auto mode = static_cast<mode_t>(permissions & fs::perms::mask);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
    if (fd < 0) return FileWriteResult::CannotOpen;
    // The creation mask may have taken bits away that the target has.
    bool written = !exactly || ::fchmod(fd, mode) == 0;
    while (written && !bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        written = n > 0;
        if (written) bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    written = written && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    return written ? FileWriteResult::Ok : FileWriteResult::WriteFailed;
}

// Makes the rename itself last. Some file systems cannot open or flush a
// folder at all, which is no failure of the save; an I/O error is.
bool FlushFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return true;
    const bool flushed = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP || errno == EOPNOTSUPP;
    ::close(fd);
    return flushed;
}

bool MoveOver(const fs::path& temporary, const fs::path& target) {
    std::error_code error;
    fs::rename(temporary, target, error);
    return !error;
}

}  // namespace ign
