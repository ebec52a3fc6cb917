#pragma once

#include "DeviceImageCodec.h"
#include "Frame.h"
#include "ParameterSet.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace ign {

// What a short look at a port found.
enum class ProbeOutcome : std::uint8_t {
    Running,
    UnitAnswered,   // the identification block came back
    MonitorFrames,  // no answer, but the unit's monitor frames arrived
    Nonsense,       // bytes arrived, none of them a frame of the unit
    Silent,         // nothing at all
};

// Asks whatever is on a port for the unit's identification block and listens
// for two seconds: the quickest way to tell the right port from a wrong one.
// It only ever sends the read request of that block, so nothing in the unit
// changes; it has no clock of its own, the owner passes the time in.
class PortProbe {
public:
    static constexpr std::int64_t kPatienceMs = 2000;
    static constexpr std::int64_t kResendMs = 330;  // a lost request or answer costs one of these
    static constexpr int kMaxSends = 5;
    static constexpr int kIdentificationBlock = 21;

    // send writes one request frame; it may do nothing (a port without a line).
    explicit PortProbe(std::function<void(const Frame&)> send) : send_(std::move(send)) {}

    void start(std::int64_t nowMs);
    // Bytes as they came from the port, in pieces of any size.
    void received(const Byte* bytes, std::size_t count);
    // Resends when due; the outcome once the answer is in or the time is up.
    ProbeOutcome poll(std::int64_t nowMs);

    const UnitIdentification& identification() const { return identification_; }
    std::size_t monitorFrames() const { return monitorFrames_; }

private:
    void send(std::int64_t nowMs);

    std::function<void(const Frame&)> send_;
    std::vector<Byte> pending_;  // bytes not yet part of a frame or passed over
    std::int64_t startMs_ = 0;
    std::int64_t lastSendMs_ = 0;
    int sends_ = 0;
    bool anyBytes_ = false;
    bool answered_ = false;
    std::size_t monitorFrames_ = 0;
    UnitIdentification identification_;
};

}  // namespace ign
