#pragma once

#include "PortFailure.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace ign {

// Where the chosen port stands.
enum class PortState : std::uint8_t {
    Closed,    // no port chosen, or given up by the owner
    Open,      // open and, as far as anyone can tell, there
    Vanished,  // it was open and went away; tried again every second
    Retrying,  // it would not open when chosen; tried again every second
};

// Keeps the chosen port open: when it could not be opened or went away, it
// tries the same port again about once a second, silently, until it opens or
// the owner chooses another. It has no clock and no thread of its own: the
// owner calls tick() from the timer it already runs, so waiting costs nothing.
class PortReconnect {
public:
    // Opens the chosen port: nothing when it opened, the facts otherwise.
    using Opener = std::function<std::optional<PortFacts>()>;
    // Whether the port opened last is still open (a vanished one closes itself).
    using OpenCheck = std::function<bool()>;
    // Milliseconds of a steady clock.
    using Clock = std::function<std::int64_t()>;
    // Whether a reopening may happen now; see setHold().
    using Hold = std::function<bool()>;

    static constexpr std::int64_t kRetryMs = 1000;

    PortReconnect(Opener open, OpenCheck isOpen, Clock clock);

    // While hold() says true no attempt is made. The window holds while a
    // transfer runs, so one cut by a lost port ends in its error text rather
    // than going on over a connection that came back half way through.
    void setHold(Hold hold) { hold_ = std::move(hold); }
    // Another clock from now on: the next attempt is due a retry's time from now by it.
    void setClock(Clock clock) {
        clock_ = std::move(clock);
        nextAttempt_ = clock_() + kRetryMs;
    }

    // The owner chose its port (start, menu, dialog): opens it now. Returns
    // the failure, which the owner reports this once; the retries are silent.
    std::optional<PortFacts> connect();
    // The owner closes the port for good (at exit): no more attempts.
    void disconnect();
    // From the owner's timer: notices a port that went away and tries again
    // when due. Returns true when the state or the cause of the last failure
    // changed, so the owner knows when to say something new.
    bool tick();

    PortState state() const { return state_; }
    // The facts of the last attempt that failed; empty while the port is open.
    const std::optional<PortFacts>& lastFailure() const { return failure_; }

private:
    bool attempt();

    Opener open_;
    OpenCheck isOpen_;
    Clock clock_;
    Hold hold_;
    PortState state_ = PortState::Closed;
    std::optional<PortFacts> failure_;
    std::int64_t nextAttempt_ = 0;
};

}  // namespace ign
