#include "TickDriver.h"

#include "Tick.h"

#include <QEventLoop>
#include <QTimer>

namespace ign {

int DriveTicks(const std::function<bool()>& tick) {
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(kTickMs);
    int ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        ++ticks;
        if (tick()) loop.quit();
    });
    timer.start();
    loop.exec();
    return ticks;
}

}  // namespace ign
