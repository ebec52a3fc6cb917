#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <istream>
#include <limits>
#include <string>
#include <string_view>

namespace ign {

inline constexpr std::uintmax_t kNoSizeLimit = std::numeric_limits<std::uintmax_t>::max();

enum class FileReadResult {
    Ok,
    Missing,     // no such file (a dangling link included)
    NotAFile,    // a folder, pipe, socket or device
    TooLarge,    // more than the limit; nothing is kept
    Unreadable,  // refused or failed while reading
    Silent,      // a pipe or device that gave no first byte in the time allowed
};

// The whole content of a regular file (links followed) of at most maxBytes.
// Anything else is never opened for reading: a pipe would wait for a writer
// and a device may never end.
FileReadResult ReadRegularFile(const std::filesystem::path& path, std::string& bytes,
                               std::uintmax_t maxBytes = kNoSizeLimit);

// A regular file as ReadRegularFile takes it, handed over chunk by chunk so
// that a large one never has to be held whole: `take` gets each chunk and the
// file's size (as it was when opened) and ends the read early by returning
// false, which still gives Ok. TooLarge can come after chunks were taken.
FileReadResult ReadRegularFileInChunks(
    const std::filesystem::path& path, std::uintmax_t maxBytes,
    const std::function<bool(std::string_view chunk, std::uintmax_t fileSize)>& take);

// At most maxBytes of a stream to its end; TooLarge as soon as there is more.
FileReadResult ReadAtMost(std::istream& in, std::string& bytes, std::uintmax_t maxBytes);

// How long a named pipe or a device may take to give its first byte.
inline constexpr std::chrono::milliseconds kFirstByteWait{5000};

// A file of any kind that can be read to its end (a regular file, a pipe,
// a device), at most maxBytes of it; a folder is NotAFile. A pipe with no
// writer (or a quiet device) is given firstByteWait for its first byte and is
// Silent past that, so a name mistyped for a pipe never waits for ever; once
// data flows, it is read to its end however slowly it comes.
FileReadResult ReadFileUpTo(const std::filesystem::path& path, std::string& bytes, std::uintmax_t maxBytes,
                            std::chrono::milliseconds firstByteWait = kFirstByteWait);

}  // namespace ign
