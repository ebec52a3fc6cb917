#include "logs/LogLoading.h"

#include <QThread>
#include <filesystem>

namespace ign {

LogLoading::LogLoading(QObject* parent) : QObject(parent) {}

LogLoading::~LogLoading() { stop(); }

void LogLoading::stop() {
    if (thread_ == nullptr) return;
    cancel();
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
    ++reads_;
}

bool LogLoading::start(const QString& path, const std::array<double, kMapSize>& speedAxis,
                       const CellStatisticsSettings& settings) {
    if (running()) return false;
    cancelled_ = false;
    bytesRead_ = 0;
    bytesInAll_ = 0;
    result_ = {};
    const std::filesystem::path file(path.toStdU16String());
    // The thread writes result_ alone until it ends; finished() reaches this
    // object's thread only after that.
    thread_ = QThread::create([this, file, speedAxis, settings] {
        LogReadError error = LogReadError::None;
        std::optional<LogData> log = ReadLogFile(file, error, [this](std::uint64_t read, std::uint64_t all) {
            bytesRead_ = read;
            bytesInAll_ = all;
            return !cancelled_;
        });
        if (log && cancelled_) {
            log.reset();
            error = LogReadError::Cancelled;
        }
        if (log) {
            result_.cells = CellStatisticsOfLog(*log, speedAxis, settings);
            result_.sets = ReadLogSets(*log, file);
        }
        result_.log = std::move(log);
        result_.error = error;
    });
    connect(thread_, &QThread::finished, this, [this, read = ++reads_] {
        if (read == reads_ && thread_ != nullptr) done();  // not one that stop() has ended
    });
    thread_->start();
    return true;
}

int LogLoading::percent() const {
    const std::uint64_t all = bytesInAll_;
    return all == 0 ? 0 : static_cast<int>(bytesRead_ * 100 / all);
}

LogLoading::Result LogLoading::take() {
    Result taken = std::move(result_);
    result_ = {};
    return taken;
}

void LogLoading::done() {
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
    emit finished();
}

}  // namespace ign
