#include "LogSession.h"

#include "ParameterFile.h"
#include "SetDigest.h"

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

// Anything at the path, a dangling link included, takes the name.
bool Taken(const fs::path& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

// Created like the log, never over anything: not even over the set file of
// another log that happens to have this name. A file cut short is removed,
// as a part of a set is worse than none. 0, or the system's reason.
int WriteNewFile(const fs::path& path, std::string_view bytes) {
    errno = 0;
    std::FILE* file = CreateNew(path);
    if (!file) return errno != 0 ? errno : EIO;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    int reason = written ? 0 : errno;
    if (std::fclose(file) != 0 && reason == 0) reason = errno != 0 ? errno : EIO;
    if (!written && reason == 0) reason = EIO;
    if (reason != 0) {
        std::error_code ignored;
        fs::remove(path, ignored);
    }
    return reason;
}

}  // namespace

void LogSession::FileCloser::operator()(std::FILE* file) const { std::fclose(file); }

LogSession::LogSession(const fs::path& folder, std::string_view program, const LogStartTime& started,
                       std::int64_t startMs, const std::optional<LogSetAtStart>& set)
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
        // Its set file's name is taken too: by the later sets of a log
        // started in the same second ("X_2.ign"), or by a file of the user's.
        if (Taken(LogSetFilePath(path_, 1))) continue;  // reason stays EEXIST
        errno = 0;
        file_.reset(CreateNew(path_));
        reason = file_ ? 0 : errno;
    }
    if (!file_) {
        fail(LogProblem::CannotCreate, reason);
        return;
    }
    sink_.emplace(file_.get());
    std::optional<LogSetStamp> stamp;
    if (set) {
        writeSetFile(set->set);
        stamp = LogSetStamp{SetDigest(set->set), set->unitState};
    }
    writer_.emplace(*sink_, program, started, startMs, stamp);
    flush();
}

LogSession::~LogSession() { close(); }

void LogSession::fail(LogProblem problem, int error) {
    // Frames once lost stay reported whatever happens after.
    if (status_.problem == LogProblem::FramesLost && problem == LogProblem::WriteFailed) return;
    status_.problem = problem;
    status_.detail = path_.string() + ": " + std::generic_category().message(error != 0 ? error : EIO);
}

void LogSession::writeSetFile(const ParameterSet& set) {
    const fs::path file = LogSetFilePath(path_, setFiles_);
    if (const int reason = WriteNewFile(file, WriteParameterFile(set)); reason != 0)
        failSetFile(file, reason);
}

void LogSession::failSetFile(const fs::path& file, int error) {
    ++status_.setFilesNotWritten;
    setFileDetail_ = file.string() + ": " + std::generic_category().message(error);
    // A log that loses frames or bytes says that first.
    if (status_.problem != LogProblem::None && status_.problem != LogProblem::SetFileFailed) return;
    status_.problem = LogProblem::SetFileFailed;
    status_.detail = setFileDetail_;
}

void LogSession::flush() {
    errno = 0;
    const bool flushed = writer_->flush();
    fileBytes_ = writer_->bytesWritten();
    if (flushed) {
        // Over, but a set file that was not written stays said.
        if (status_.problem == LogProblem::WriteFailed) {
            const bool setFileFailed = status_.setFilesNotWritten > 0;
            status_.problem = setFileFailed ? LogProblem::SetFileFailed : LogProblem::None;
            status_.detail = setFileFailed ? setFileDetail_ : std::string();
        }
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

int LogSession::setChanged(std::int64_t timeMs, const ParameterSet& set) {
    if (!writer_) return 0;
    ++setFiles_;
    writeSetFile(set);
    return writer_->addSetMarker(timeMs, SetDigest(set));
}

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
    constexpr std::array<Texts, 6> kTexts{{
        {"", "", ""},
        {"Log file could not be created", "Soubor záznamu nelze vytvořit",
         "Logdatei kann nicht angelegt werden"},
        {"Log file write error", "Chyba zápisu souboru záznamu", "Schreibfehler der Logdatei"},
        {"Log file write error, frames lost", "Chyba zápisu souboru záznamu, data ztracena",
         "Schreibfehler der Logdatei, Daten verloren"},
        {"Log file could not be closed", "Soubor záznamu nelze uzavřít",
         "Logdatei kann nicht geschlossen werden"},
        {"Parameter file beside the log could not be written", "Soubor parametrů u záznamu nelze zapsat",
         "Parameterdatei zum Log kann nicht geschrieben werden"},
    }};
    const auto index = static_cast<std::size_t>(problem);
    if (index >= kTexts.size()) return {};
    return kTexts[index][language < 3 ? language : 0];
}

}  // namespace ign
