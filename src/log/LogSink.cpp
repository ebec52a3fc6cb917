#include "LogSink.h"

namespace ign {

StdioLogSink::StdioLogSink(std::FILE* stream) : stream_(stream) {
    // Unbuffered: what fwrite reports written has reached the operating
    // system, so the count returned is the truth and nothing waits in between.
    std::setvbuf(stream_, nullptr, _IONBF, 0);
}

std::size_t StdioLogSink::write(std::string_view bytes) {
    const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), stream_);
    // A full disk may have room again later: let the next write try.
    if (written < bytes.size()) std::clearerr(stream_);
    return written;
}

}  // namespace ign
