#pragma once

namespace ign::cli {

// Turns SIGINT and SIGTERM into a request the tick loop looks at, so that the
// tool ends its output cleanly instead of dying mid-line. The previous
// handlers come back when the watch ends. On Windows the same comes from the
// console's control events (Ctrl+C, Ctrl+Break, its window closed).
class InterruptWatch {
public:
    InterruptWatch();
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    bool requested() const;
};

}  // namespace ign::cli
