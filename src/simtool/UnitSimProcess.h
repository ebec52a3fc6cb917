#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace ign {

// ignition-unit-sim run as a child process, for the end-to-end test and the
// benchmark: started with its options, it names its terminal on the first
// line; stop() ends it with SIGTERM, as a user's kill would.
class UnitSimProcess {
public:
    UnitSimProcess() = default;
    ~UnitSimProcess();
    UnitSimProcess(const UnitSimProcess&) = delete;
    UnitSimProcess& operator=(const UnitSimProcess&) = delete;

    // Starts the program and waits (at most timeoutMs) for the terminal's path.
    bool start(const QString& program, const QStringList& options, QString* error = nullptr,
               int timeoutMs = 5000);
    const QString& terminalPath() const { return terminalPath_; }
    // SIGTERM, then waits for the exit; true when the tool ended cleanly with code 0.
    bool stop(int timeoutMs = 5000);

private:
    QProcess process_;
    QString terminalPath_;
};

}  // namespace ign
