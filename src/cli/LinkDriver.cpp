#include "LinkDriver.h"

#include "InterruptWatch.h"

#include <QEventLoop>
#include <QTimer>

namespace ign::cli {

bool DriveLink(Link& link, const std::function<bool()>& afterTick) {
    InterruptWatch interrupt;
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(kTickMs);
    bool interrupted = false;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        if (interrupt.requested()) {
            interrupted = true;
            loop.quit();
            return;
        }
        link.tick();
        if (afterTick()) loop.quit();
    });
    timer.start();
    loop.exec();
    return !interrupted;
}

}  // namespace ign::cli
