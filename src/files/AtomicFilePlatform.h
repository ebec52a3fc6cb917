#pragma once

#include "AtomicFile.h"

#include <filesystem>
#include <string_view>

// The steps of ReplaceFileContents that each system does its own way
// (AtomicFilePosix.cpp, AtomicFileWindows.cpp).
namespace ign {

// Creates `temporary`, which must not exist yet (a file or link of that name
// is never followed), writes `bytes` and puts them on the disk. With `exactly`,
// an existing target's permissions are taken over as they are, where the
// system has permissions.
FileWriteResult WriteTemporary(const std::filesystem::path& temporary, std::string_view bytes,
                               std::filesystem::perms permissions, bool exactly);

// Puts `temporary` in the place of `target` in one step: readers see the old
// or the new file, never neither.
bool MoveOver(const std::filesystem::path& temporary, const std::filesystem::path& target);

// Makes the move itself last, where the system needs a step of its own for it.
bool FlushFolder(const std::filesystem::path& folder);

}  // namespace ign
