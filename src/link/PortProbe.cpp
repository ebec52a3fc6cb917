#include "PortProbe.h"

#include <algorithm>

namespace ign {

namespace {

constexpr Byte kIdentificationRead = kReadCode + PortProbe::kIdentificationBlock;

}  // namespace

void PortProbe::start(std::int64_t nowMs) {
    startMs_ = nowMs;
    sends_ = 0;
    send(nowMs);
}

void PortProbe::send(std::int64_t nowMs) {
    // A read request carries ten zeros: nothing of the set goes out.
    send_(BuildRequest(kIdentificationRead, DeviceImage{}));
    lastSendMs_ = nowMs;
    ++sends_;
}

void PortProbe::received(const Byte* bytes, std::size_t count) {
    if (count == 0) return;
    anyBytes_ = true;
    pending_.insert(pending_.end(), bytes, bytes + count);
    // The answer may come in pieces and after a monitor frame; look for frames wherever they start.
    std::size_t at = 0;
    while (at + kFrameSize <= pending_.size()) {
        const Byte* frame = pending_.data() + at;
        if (!FrameValid(frame)) {
            ++at;
            continue;
        }
        if (frame[0] == (kIdentificationRead | kAnswerBit)) {
            DeviceImage image;
            std::copy(frame + 1, frame + 1 + kBlockSize, image.block(kIdentificationBlock));
            identification_ = DecodeUnitIdentification(image);
            answered_ = true;
        } else if ((frame[0] & 0xFC) == kMonitorCode) {
            ++monitorFrames_;
        } else {
            ++at;
            continue;
        }
        at += kFrameSize;
    }
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(at));
}

ProbeOutcome PortProbe::poll(std::int64_t nowMs) {
    if (answered_) return ProbeOutcome::UnitAnswered;
    if (nowMs - startMs_ < kPatienceMs) {
        if (sends_ < kMaxSends && nowMs - lastSendMs_ >= kResendMs) send(nowMs);
        return ProbeOutcome::Running;
    }
    if (monitorFrames_ > 0) return ProbeOutcome::MonitorFrames;
    return anyBytes_ ? ProbeOutcome::Nonsense : ProbeOutcome::Silent;
}

}  // namespace ign
