#include "app/QuitSignals.h"

#include <QSocketNotifier>

#if defined(__linux__)
#include <sys/signalfd.h>
#include <unistd.h>
#include <csignal>
#endif

namespace ign {

#if defined(__linux__)

namespace {

sigset_t QuitSet() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGHUP);
    return set;
}

}  // namespace

void QuitSignals::BlockForWatching() {
    const sigset_t set = QuitSet();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

QuitSignals::QuitSignals(QObject* parent) : QObject(parent) {
    // A signal file reads the blocked signals as data: no handler, nothing shared with one.
    const sigset_t set = QuitSet();
    fd_ = signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
    if (fd_ < 0) return;
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &QuitSignals::readSignal);
}

QuitSignals::~QuitSignals() {
    if (fd_ >= 0) ::close(fd_);
}

void QuitSignals::readSignal() {
    signalfd_siginfo info{};
    while (::read(fd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info))
        emit quitRequested(static_cast<int>(info.ssi_signo));
}

#else

void QuitSignals::BlockForWatching() {}
QuitSignals::QuitSignals(QObject* parent) : QObject(parent) {}
QuitSignals::~QuitSignals() = default;
void QuitSignals::readSignal() {}

#endif

}  // namespace ign
