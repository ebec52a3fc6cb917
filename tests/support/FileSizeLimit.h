#pragma once

#include "PlatformSkips.h"

#include <cstdint>

#if !defined(Q_OS_WIN)
#include <sys/resource.h>

#include <csignal>
#endif

// Makes every write beyond `bytes` fail while it lives, as on a full disk, even
// for root (SIGXFSZ is ignored so the write returns an error instead). Windows
// has no such limit: a case that needs one starts with IGN_SKIP_WITHOUT_FILE_SIZE_LIMIT().
#define IGN_SKIP_WITHOUT_FILE_SIZE_LIMIT() \
    IGN_SKIP_ON_WINDOWS("no limit on file size to stand in for a full disk")

class FileSizeLimit {
public:
#if defined(Q_OS_WIN)
    explicit FileSizeLimit(std::uint64_t) {}
#else
    explicit FileSizeLimit(std::uint64_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = static_cast<rlim_t>(bytes);
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
#endif
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

#if !defined(Q_OS_WIN)
private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
#endif
};
