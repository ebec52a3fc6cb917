#pragma once

#include <QObject>

class QSocketNotifier;

namespace ign {

// SIGTERM, SIGINT and SIGHUP as a Qt signal from the event loop, so that a
// program told to stop by the system (a logout, kill, Ctrl+C in its terminal)
// closes its window the ordinary way and keeps its settings. Linux only;
// elsewhere the signals keep their usual effect.
class QuitSignals : public QObject {
    Q_OBJECT

public:
    // Blocks the three signals in the calling thread and every thread it starts
    // afterwards, so that only the watch receives them. Call it first in main(),
    // before the application object starts threads of its own.
    static void BlockForWatching();

    explicit QuitSignals(QObject* parent);
    ~QuitSignals() override;
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

    // Reads the signals that came since, without waiting for the event loop.
    void poll() { readSignal(); }

signals:
    void quitRequested(int signalNumber);

private:
    void readSignal();

    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace ign
