#include "LinkDriver.h"

#include "InterruptWatch.h"
#include "TickDriver.h"

namespace ign::cli {

bool DriveLink(Link& link, const std::function<bool()>& afterTick) {
    InterruptWatch interrupt;
    bool interrupted = false;
    DriveTicks([&] {
        if (interrupt.requested()) {
            interrupted = true;
            return true;
        }
        link.tick();
        return afterTick();
    });
    return !interrupted;
}

}  // namespace ign::cli
