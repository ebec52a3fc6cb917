#include "Frame.h"

#include <algorithm>

namespace ign {

Byte CheckByte(const Byte* frame) {
    Byte x = 0;
    for (std::size_t i = 0; i + 1 < kFrameSize; ++i) x = static_cast<Byte>(x ^ frame[i]);
    return static_cast<Byte>(~x);
}

bool FrameValid(const Byte* frame) {
    Byte x = 0;
    for (std::size_t i = 0; i < kFrameSize; ++i) x = static_cast<Byte>(x ^ frame[i]);
    return x == 0xFF;
}

void Seal(Frame& frame) { frame[kFrameSize - 1] = CheckByte(frame.data()); }

Frame BuildRequest(Byte frameCode, const DeviceImage& image) {
    Frame f{};
    f[0] = frameCode;
    if (frameCode < kReadCode && frameCode < kWritableBlocks) {
        const Byte* block = image.block(frameCode);
        std::copy(block, block + kBlockSize, f.begin() + 1);
    }
    Seal(f);
    return f;
}

}  // namespace ign
