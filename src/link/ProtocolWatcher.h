#pragma once

#include "LinkView.h"
#include "ParameterSet.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

namespace ign {

// How many frames the unit could have sent are in the bytes of one read:
// answers and monitor frames with a valid check byte, wherever they start.
// Each counts once; the bytes of one are not searched again.
std::size_t CountUnitFrames(const Byte* bytes, std::size_t count);

// Tells a port whose device talks, but not the unit's protocol (a wrong port,
// a wrong speed), from one that speaks it or is silent. It follows a Link as
// one of its views, or is fed by hand.
class ProtocolWatcher final : public LinkView {
public:
    static constexpr std::int64_t kPatienceMs = 3000;

    // clock: milliseconds of a steady clock.
    explicit ProtocolWatcher(std::function<std::int64_t()> clock) : clock_(std::move(clock)) {}

    // One read of the port: its size, and how many valid frames were in it.
    void take(std::size_t bytes, std::size_t validFrames);
    // Bytes have been coming for kPatienceMs and more without one valid frame,
    // and still come. False while frames are valid, and on a silent port.
    bool speaksNonsense() const;
    // Another port, or the same one opened again: what the old one said is no evidence.
    void reset();

    void received(const Byte* bytes, std::size_t count) override;

private:
    std::function<std::int64_t()> clock_;
    std::optional<std::int64_t> unframedSince_;  // first byte after the last valid frame
    std::int64_t lastByte_ = 0;
};

}  // namespace ign
