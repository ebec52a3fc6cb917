#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ign {

enum class FileWriteResult {
    Ok,
    CannotOpen,   // the file (or its temporary neighbour) could not be created
    WriteFailed,  // writing, flushing or the final replace failed; the target is untouched
};

// Replaces the file at `target` with `bytes` so that the target holds either
// its previous content or the whole new content, never a part of it: the bytes
// go to a temporary file in the same folder, which is flushed to disk and then
// renamed over the target. A target that exists but cannot be opened for
// writing (a read-only file, a folder) gives CannotOpen and stays as it is.
// A symbolic link stays a link: the file it points to is replaced.
FileWriteResult ReplaceFileContents(const std::filesystem::path& target, std::string_view bytes);

// The whole content of a file, or false when it cannot be opened or read.
bool ReadFileContents(const std::filesystem::path& path, std::string& bytes);

}  // namespace ign
