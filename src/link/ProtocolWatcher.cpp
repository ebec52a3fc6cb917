#include "ProtocolWatcher.h"

#include "Frame.h"

namespace ign {

namespace {

bool UnitMaySend(Byte code) {
    if ((code & 0xF0) == kMonitorCode) return (code & 0x0F) <= 3;
    if ((code & kAnswerBit) == 0) return false;
    const Byte request = static_cast<Byte>(code & ~kAnswerBit);
    if ((request & kReadCode) != 0) return (request & 0x3F) < kBlockCount;
    return request < kWritableBlocks;
}

}  // namespace

std::size_t CountUnitFrames(const Byte* bytes, std::size_t count) {
    // Random bytes pass the check byte once in 256 tries; only the codes the
    // unit uses count, so noise at full line speed seldom makes a frame.
    std::size_t frames = 0;
    for (std::size_t at = 0; at + kFrameSize <= count;) {
        if (UnitMaySend(bytes[at]) && FrameValid(bytes + at)) {
            ++frames;
            at += kFrameSize;
        } else {
            ++at;
        }
    }
    return frames;
}

void ProtocolWatcher::take(std::size_t bytes, std::size_t validFrames) {
    if (bytes == 0) return;
    const std::int64_t now = clock_();
    lastByte_ = now;
    if (validFrames > 0) {
        unframedSince_.reset();
    } else if (!unframedSince_) {
        unframedSince_ = now;
    }
}

bool ProtocolWatcher::speaksNonsense() const {
    if (!unframedSince_) return false;
    const std::int64_t now = clock_();
    return now - *unframedSince_ >= kPatienceMs && now - lastByte_ < kPatienceMs;
}

void ProtocolWatcher::reset() { unframedSince_.reset(); }

void ProtocolWatcher::received(const Byte* bytes, std::size_t count) {
    take(count, CountUnitFrames(bytes, count));
}

}  // namespace ign
