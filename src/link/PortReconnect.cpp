#include "PortReconnect.h"

namespace ign {

PortReconnect::PortReconnect(Opener open, OpenCheck isOpen, Clock clock)
    : open_(std::move(open)), isOpen_(std::move(isOpen)), clock_(std::move(clock)) {}

std::optional<PortFacts> PortReconnect::connect() {
    nextAttempt_ = clock_() + kRetryMs;
    state_ = attempt() ? PortState::Open : PortState::Retrying;
    return failure_;
}

void PortReconnect::disconnect() {
    state_ = PortState::Closed;
    failure_.reset();
}

bool PortReconnect::tick() {
    const std::int64_t now = clock_();
    switch (state_) {
        case PortState::Closed:
            return false;
        case PortState::Open:
            if (isOpen_()) return false;
            state_ = PortState::Vanished;
            // The device has only just gone; asking again at once would only be refused.
            nextAttempt_ = now + kRetryMs;
            return true;
        case PortState::Vanished:
        case PortState::Retrying:
            break;
    }
    if (now < nextAttempt_ || (hold_ && hold_())) return false;
    // Attempts keep to a one-second grid; after a hold the grid starts again from now.
    nextAttempt_ += kRetryMs;
    if (nextAttempt_ <= now) nextAttempt_ = now + kRetryMs;
    // A port that just vanished has no cause yet; its first one is news unless it says nothing (Other).
    const PortFailure before = failure_ ? ClassifyPortFailure(*failure_) : PortFailure::Other;
    if (!attempt()) return before != ClassifyPortFailure(*failure_);
    state_ = PortState::Open;
    return true;
}

bool PortReconnect::attempt() {
    failure_ = open_();
    return !failure_.has_value();
}

}  // namespace ign
