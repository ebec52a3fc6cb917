#include "UnitSimProcess.h"

#include <QElapsedTimer>

namespace ign {

UnitSimProcess::~UnitSimProcess() {
    if (process_.state() != QProcess::NotRunning) stop();
}

bool UnitSimProcess::start(const QString& program, const QStringList& options, QString* error,
                           int timeoutMs) {
    process_.setReadChannel(QProcess::StandardOutput);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(program, options);
    if (!process_.waitForStarted(timeoutMs)) {
        if (error) *error = process_.errorString();
        return false;
    }
    QElapsedTimer waited;
    waited.start();
    while (!process_.canReadLine()) {
        const qint64 left = timeoutMs - waited.elapsed();
        if (left <= 0 || !process_.waitForReadyRead(static_cast<int>(left))) {
            if (error) *error = QStringLiteral("no terminal path from %1").arg(program);
            stop();
            return false;
        }
    }
    terminalPath_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    return !terminalPath_.isEmpty();
}

bool UnitSimProcess::stop(int timeoutMs) {
    if (process_.state() == QProcess::NotRunning) return false;
    process_.terminate();
    if (!process_.waitForFinished(timeoutMs)) {
        process_.kill();
        process_.waitForFinished(timeoutMs);
        return false;
    }
    return process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
}

}  // namespace ign
