#include "TransferRunner.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace ign {

namespace {

constexpr int kTickMs = 55;

// Runs tick() from the timer until done() says so or maxTicks have passed.
int Tick(Link& link, int maxTicks, const std::function<bool()>& done) {
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(kTickMs);
    int ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        link.tick();
        ++ticks;
        if (done() || ticks >= maxTicks) loop.quit();
    });
    timer.start();
    loop.exec();
    return ticks;
}

}  // namespace

TransferOutcome RunTransfer(Link& link, const std::function<void()>& start, int maxTicks) {
    TransferOutcome outcome;
    QElapsedTimer clock;
    clock.start();
    start();
    auto idle = [&link] {
        return link.state().TransferMode == TransferMode::None && !link.state().AwaitingResponse;
    };
    outcome.ticks = Tick(link, maxTicks, idle);
    outcome.wallMs = clock.elapsed();
    outcome.finished = idle();
    outcome.status = link.display().status;
    return outcome;
}

void RunTicks(Link& link, int ticks) {
    Tick(link, ticks, [] { return false; });
}

}  // namespace ign
