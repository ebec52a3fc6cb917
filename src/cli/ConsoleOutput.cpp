#include "ConsoleOutput.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace ign::cli {

void UseBinaryStandardStreams() {
#if defined(_WIN32)
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    // The messages too: the same bytes on every system, for the scripts that read them.
    _setmode(_fileno(stderr), _O_BINARY);
#endif
}

bool WriteBytes(std::FILE* stream, std::string_view bytes) {
    const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), stream);
    return written == bytes.size() && std::fflush(stream) == 0;
}

bool StandardErrorIsTerminal() {
#if defined(_WIN32)
    return _isatty(_fileno(stderr)) != 0;
#else
    return ::isatty(STDERR_FILENO) != 0;
#endif
}

}  // namespace ign::cli
