#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <limits>
#include <string>

namespace ign {

inline constexpr std::uintmax_t kNoSizeLimit = std::numeric_limits<std::uintmax_t>::max();

enum class FileReadResult {
    Ok,
    Missing,     // no such file (a dangling link included)
    NotAFile,    // a folder, pipe, socket or device
    TooLarge,    // more than the limit; nothing is kept
    Unreadable,  // refused or failed while reading
};

// The whole content of a regular file (links followed) of at most maxBytes.
// Anything else is never opened for reading: a pipe would wait for a writer
// and a device may never end.
FileReadResult ReadRegularFile(const std::filesystem::path& path, std::string& bytes,
                               std::uintmax_t maxBytes = kNoSizeLimit);

// At most maxBytes of a stream to its end; TooLarge as soon as there is more.
FileReadResult ReadAtMost(std::istream& in, std::string& bytes, std::uintmax_t maxBytes);

// A file of any kind that can be read to its end (a regular file, a pipe,
// a device), at most maxBytes of it; a folder is NotAFile. Waits for a pipe's
// writer, as a reader of a named pipe expects.
FileReadResult ReadFileUpTo(const std::filesystem::path& path, std::string& bytes, std::uintmax_t maxBytes);

}  // namespace ign
