#include "TransferRunner.h"

#include "TickDriver.h"

#include <QElapsedTimer>

namespace ign {

namespace {

// Runs tick() until done() says so or maxTicks have passed.
int Tick(Link& link, int maxTicks, const std::function<bool()>& done) {
    int ticks = 0;
    DriveTicks([&] {
        link.tick();
        ++ticks;
        return done() || ticks >= maxTicks;
    });
    return ticks;
}

}  // namespace

TransferOutcome RunTransfer(Link& link, const std::function<void()>& start, int maxTicks) {
    TransferOutcome outcome;
    QElapsedTimer clock;
    clock.start();
    start();
    outcome.ticks = Tick(link, maxTicks, [&link] { return link.idle(); });
    outcome.wallMs = clock.elapsed();
    outcome.finished = link.idle();
    outcome.status = link.display().status;
    return outcome;
}

void RunTicks(Link& link, int ticks) {
    Tick(link, ticks, [] { return false; });
}

}  // namespace ign
