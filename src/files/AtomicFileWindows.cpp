#include "AtomicFilePlatform.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>

namespace ign {

namespace fs = std::filesystem;

// CREATE_NEW: made here and nowhere else. Windows keeps no POSIX permissions:
// the new file gets the folder's, as any file made there.
FileWriteResult WriteTemporary(const fs::path& temporary, std::string_view bytes, fs::perms, bool) {
    const HANDLE file =
        CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return FileWriteResult::CannotOpen;
    bool written = true;
    while (written && !bytes.empty()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 30U));
        DWORD n = 0;
        written = WriteFile(file, bytes.data(), chunk, &n, nullptr) && n > 0;
        if (written) bytes.remove_prefix(n);
    }
    // On the disk before the move, not only handed to the system.
    written = written && FlushFileBuffers(file);
    written = CloseHandle(file) && written;
    return written ? FileWriteResult::Ok : FileWriteResult::WriteFailed;
}

// Write-through: the call returns once the move is on the disk.
bool MoveOver(const fs::path& temporary, const fs::path& target) {
    return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

bool FlushFolder(const fs::path&) { return true; }

}  // namespace ign
