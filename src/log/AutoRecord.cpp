#include "AutoRecord.h"

namespace ign {

AutoRecord::AutoRecord(bool automatic, int startRpm) : automatic_(automatic), startRpm_(startRpm) {}

void AutoRecord::setAutomatic(bool automatic, int startRpm) {
    automatic_ = automatic;
    startRpm_ = startRpm;
    if (!automatic_) byEngine_ = false;
}

// The quiet spell is the time since the last frame above the threshold,
// less the time frames were held back.
void AutoRecord::pass(std::int64_t nowMs, bool heldBack) {
    if (clockStarted_ && nowMs > lastMs_ && !heldBack) quietMs_ += nowMs - lastMs_;
    if (!clockStarted_ || nowMs > lastMs_) lastMs_ = nowMs;
    clockStarted_ = true;
    if (quietMs_ >= kStopAfterMs) armed_ = true;
}

AutoRecord::Action AutoRecord::stopWhenQuiet() {
    if (!recording_ || !byEngine_ || quietMs_ < kStopAfterMs) return Action::None;
    recording_ = false;
    byEngine_ = false;
    return Action::Stop;
}

AutoRecord::Action AutoRecord::frame(std::int64_t timeMs, int rpm) {
    pass(timeMs, false);
    above_ = rpm > startRpm_;
    if (!above_) {
        armed_ = true;
        return stopWhenQuiet();
    }
    quietMs_ = 0;
    if (!automatic_ || !armed_ || recording_) return Action::None;
    recording_ = true;
    byEngine_ = true;
    return Action::Start;
}

AutoRecord::Action AutoRecord::tick(std::int64_t nowMs, bool heldBack) {
    pass(nowMs, heldBack);
    return stopWhenQuiet();
}

AutoRecord::Action AutoRecord::start() {
    if (recording_) return Action::None;
    recording_ = true;
    byEngine_ = false;
    return Action::Start;
}

AutoRecord::Action AutoRecord::stop() {
    if (!recording_) return Action::None;
    recording_ = false;
    byEngine_ = false;
    armed_ = !above_;
    return Action::Stop;
}

}  // namespace ign
