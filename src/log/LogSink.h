#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

namespace ign {

// Where a log's bytes go: a file the window opened, standard output of the
// command-line tool, memory in a test.
class LogSink {
public:
    virtual ~LogSink() = default;
    // Appends the bytes and pushes them out to the medium (a file: as far as
    // the operating system). Returns how many of them got there; the rest is
    // offered again next time.
    virtual std::size_t write(std::string_view bytes) = 0;
};

// A sink over a C stream (a file opened for appending, or stdout), which it
// makes unbuffered; the stream stays the caller's to close.
class StdioLogSink : public LogSink {
public:
    explicit StdioLogSink(std::FILE* stream);
    std::size_t write(std::string_view bytes) override;

private:
    std::FILE* stream_;
};

}  // namespace ign
