#pragma once

#include "CellStatistics.h"
#include "LogReader.h"
#include "LogSets.h"
#include "MapGeometry.h"

#include <QObject>
#include <QString>
#include <array>
#include <atomic>
#include <optional>

class QThread;

namespace ign {

// A log read on a thread of its own, and its cell table made there too, so
// that the window stays alive whatever the file is and however long it takes.
// One read at a time; it can be cancelled between two pieces of the file.
class LogLoading : public QObject {
    Q_OBJECT

public:
    struct Result {
        std::optional<LogData> log;
        LogReadError error = LogReadError::None;
        std::optional<CellStatistics> cells;
        LogSets sets;  // the sets beside the log, read with it
    };

    explicit LogLoading(QObject* parent = nullptr);
    // Cancels a read still running and waits for its thread.
    ~LogLoading() override;
    LogLoading(const LogLoading&) = delete;
    LogLoading& operator=(const LogLoading&) = delete;

    // False while a read runs. The speed axis and the settings are the
    // window's at this moment, which the table then keeps.
    bool start(const QString& path, const std::array<double, kMapSize>& speedAxis,
               const CellStatisticsSettings& settings);
    void cancel() { cancelled_ = true; }
    // Cancels a read still running and waits for its thread to end, without finished().
    void stop();
    bool running() const { return thread_ != nullptr; }
    // How far the read has come, 0 to 100.
    int percent() const;
    // The result of the read that finished; empty again afterwards.
    Result take();

signals:
    void finished();

private:
    void done();

    QThread* thread_ = nullptr;
    int reads_ = 0;  // tells the end of the current read from one stop() has taken care of
    std::atomic<bool> cancelled_{false};
    std::atomic<std::uint64_t> bytesRead_{0};
    std::atomic<std::uint64_t> bytesInAll_{0};
    Result result_;
};

}  // namespace ign
