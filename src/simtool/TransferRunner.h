#pragma once

#include "Link.h"

#include <QtGlobal>

#include <functional>
#include <optional>

namespace ign {

// How one transfer went when driven by the real kTickMs timer.
struct TransferOutcome {
    int ticks = 0;      // timer ticks until the link fell idle
    qint64 wallMs = 0;  // from the start command to the last tick
    std::optional<MessageId> status;
    bool finished = false;  // false when the tick limit ran out first
};

// Starts a transfer with start() and ticks the link from a kTickMs timer in a
// local event loop until no transfer runs any more.
TransferOutcome RunTransfer(Link& link, const std::function<void()>& start, int maxTicks = 2000);

// Ticks the link for the given number of ticks with no transfer started.
void RunTicks(Link& link, int ticks);

}  // namespace ign
