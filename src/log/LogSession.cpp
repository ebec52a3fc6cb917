#include "LogSession.h"

#include <array>
#include <cerrno>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#endif

namespace ign {

namespace {

namespace fs = std::filesystem;

// Created here and now, or not at all: "x" refuses a name that exists, in the
// same step as the creation, so not even a log started at the same moment by
// another copy of the program is overwritten.
std::FILE* CreateNew(const fs::path& path) {
#ifdef _WIN32
    // The C library Windows programs share ignores "x": the refusal comes from the open itself.
    const int fd = _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd < 0) return nullptr;
    std::FILE* file = _fdopen(fd, "wb");
    if (file == nullptr) _close(fd);
    return file;
#else
    return std::fopen(path.c_str(), "wbx");
#endif
}

}  // namespace

void LogSession::FileCloser::operator()(std::FILE* file) const { std::fclose(file); }

LogSession::LogSession(const fs::path& folder, std::string_view program, const LogStartTime& started,
                       std::int64_t startMs)
    : path_(folder), startMs_(startMs), lastFlushMs_(startMs) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        status_ = {LogProblem::CannotCreate, folder.string() + ": " + error.message()};
        return;
    }
    int reason = EEXIST;
    for (int duplicate = 0; duplicate < kMaxDuplicates && reason == EEXIST; ++duplicate) {
        path_ = folder / LogFileName(started, duplicate);
        errno = 0;
        file_.reset(CreateNew(path_));
        reason = file_ ? 0 : errno;
    }
    if (!file_) {
        fail(LogProblem::CannotCreate, reason);
        return;
    }
    sink_.emplace(file_.get());
    writer_.emplace(*sink_, program, started, startMs);
    flush();
}

LogSession::~LogSession() { close(); }

void LogSession::fail(LogProblem problem, int error) {
    // Frames once lost stay reported whatever happens after.
    if (status_.problem == LogProblem::FramesLost && problem == LogProblem::WriteFailed) return;
    status_.problem = problem;
    status_.detail = path_.string() + ": " + std::generic_category().message(error != 0 ? error : EIO);
}

void LogSession::flush() {
    errno = 0;
    const bool flushed = writer_->flush();
    fileBytes_ = writer_->bytesWritten();
    if (flushed) {
        if (status_.problem == LogProblem::WriteFailed) status_ = {};
        return;
    }
    fail(LogProblem::WriteFailed, errno);
}

void LogSession::addFrame(std::int64_t timeMs, int type, const MonitorReadings& readings) {
    if (!writer_) return;
    if (writer_->pendingBytes() >= kMaxPendingBytes) {
        ++status_.lostFrames;
        fail(LogProblem::FramesLost, ENOSPC);
        return;
    }
    if (writer_->addFrame(timeMs, type, readings)) ++frames_;
}

int LogSession::addMarker(std::int64_t timeMs) { return writer_ ? writer_->addMarker(timeMs) : 0; }

bool LogSession::tick(std::int64_t nowMs) {
    if (!writer_ || nowMs - lastFlushMs_ < kFlushEveryMs) return false;
    const LogProblem before = status_.problem;
    lastFlushMs_ = nowMs;
    flush();
    return status_.problem != before;
}

const LogStatus& LogSession::close() {
    if (!writer_) return status_;
    flush();
    status_.lostBytes = writer_->pendingBytes();
    writer_.reset();
    sink_.reset();
    errno = 0;
    if (std::fclose(file_.release()) != 0) fail(LogProblem::CloseFailed, errno);
    return status_;
}

std::string_view LogProblemText(LogProblem problem, std::uint8_t language) {
    using Texts = std::array<std::string_view, 3>;  // English, Czech, German
    constexpr std::array<Texts, 5> kTexts{{
        {"", "", ""},
        {"Log file could not be created", "Soubor záznamu nelze vytvořit",
         "Logdatei kann nicht angelegt werden"},
        {"Log file write error", "Chyba zápisu souboru záznamu", "Schreibfehler der Logdatei"},
        {"Log file write error, frames lost", "Chyba zápisu souboru záznamu, data ztracena",
         "Schreibfehler der Logdatei, Daten verloren"},
        {"Log file could not be closed", "Soubor záznamu nelze uzavřít",
         "Logdatei kann nicht geschlossen werden"},
    }};
    const auto index = static_cast<std::size_t>(problem);
    if (index >= kTexts.size()) return {};
    return kTexts[index][language < 3 ? language : 0];
}

}  // namespace ign
