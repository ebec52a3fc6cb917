#pragma once

#include <cstdint>

namespace ign {

// When a log records: started and stopped by hand, or, when automatic, by
// the engine speed. It has no clock: the caller passes the frames' clock with
// every frame and every timer tick, and acts on what each call returns.
//
// Automatic: a frame with the engine speed above the threshold starts a
// recording; it stops kStopAfterMs after the last frame above it, whether the
// speed fell or the frames stopped coming. Time while frames are held back
// (a Read, Verify or Program runs, a spin button is held) does not count: the
// log shows the gap and goes on, and the stop waits until the transfer is over.
//
// By hand: a recording started by hand only stops by hand. A recording
// stopped by hand while the engine runs above the threshold is not started
// again by itself before the speed has dropped to the threshold or frames
// have stopped for kStopAfterMs, so the stop the tuner asked for holds.
class AutoRecord {
public:
    static constexpr std::int64_t kStopAfterMs = 10000;

    enum class Action : std::uint8_t {
        None,
        Start,  // open a new log now
        Stop,   // close the log now
    };

    AutoRecord(bool automatic, int startRpm);

    // Switching automatic off leaves a recording running, as if started by hand.
    void setAutomatic(bool automatic, int startRpm);
    bool automatic() const { return automatic_; }

    // Every valid monitor frame as it arrives, with the latest engine speed
    // (0 before the first speed frame).
    Action frame(std::int64_t timeMs, int rpm);
    // Every timer tick; heldBack while no frames can arrive (transfer, spin button).
    Action tick(std::int64_t nowMs, bool heldBack);

    // The menu's and the chart window's commands: None when already so.
    Action start();
    Action stop();

    bool recording() const { return recording_; }

private:
    void pass(std::int64_t nowMs, bool heldBack);
    Action stopWhenQuiet();

    bool automatic_;
    int startRpm_;
    bool recording_ = false;
    bool byEngine_ = false;  // started by the engine speed, so stopped by it
    bool armed_ = true;      // an automatic start may happen
    bool above_ = false;     // the latest speed lies above the threshold
    std::int64_t quietMs_ = 0;
    std::int64_t lastMs_ = 0;
    bool clockStarted_ = false;
};

}  // namespace ign
