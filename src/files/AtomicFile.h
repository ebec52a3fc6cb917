#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string_view>

namespace ign {

enum class FileWriteResult {
    Ok,
    CannotOpen,   // the file (or its temporary neighbour) could not be created
    WriteFailed,  // writing, flushing or the final replace failed; the target is untouched, unless
                  // only the flush of the folder after the replace failed
};

// Replaces the file at `target` with `bytes` so that the target holds either
// its previous content or the whole new content, never a part of it: the bytes
// go to a temporary file in the same folder ("<name>.tmp-" and eight hex
// digits), made for this save alone with the target's permissions, flushed to
// disk and then renamed over the target. A target that exists but cannot be
// opened for writing (a read-only file, a folder) gives CannotOpen and stays as
// it is. A symbolic link stays a link: the file it points to is replaced.
// After a save, temporary files of the target left by saves that were cut
// short (a power loss, a killed program) are removed once they are older than
// kStaleTemporaryAge; younger ones may belong to another copy saving right now.
FileWriteResult ReplaceFileContents(const std::filesystem::path& target, std::string_view bytes);

inline constexpr std::chrono::minutes kStaleTemporaryAge{10};

// The name of the file a temporary of ReplaceFileContents stood in for
// ("<target>.tmp-" and eight hex digits), or nothing for any other name.
std::optional<std::string_view> TemporaryTarget(std::string_view name);

}  // namespace ign
