#include "WindowPlacement.h"

#include <algorithm>
#include <cstdint>

namespace ign {

namespace {

// In 64 bits: a stored position may be anywhere in the int range.
bool Overlap(std::int64_t start, std::int64_t length, std::int64_t otherStart, std::int64_t otherLength) {
    return std::max(start, otherStart) < std::min(start + length, otherStart + otherLength);
}

}  // namespace

bool TitleBarOnAScreen(int left, int top, int width, int titleHeight, std::span<const Area> screens) {
    if (screens.empty()) return true;
    return std::any_of(screens.begin(), screens.end(), [&](const Area& screen) {
        return Overlap(left, width, screen.left, screen.width) &&
               Overlap(top, titleHeight, screen.top, screen.height);
    });
}

Area FirstStartPlacement(const Area& available, int width, int height, int frameWidth, int frameHeight,
                         int left, int top) {
    const int outerWidth = width + frameWidth;
    const int outerHeight = height + frameHeight;
    if (outerWidth <= available.width && outerHeight <= available.height) {
        return {std::clamp(left, available.left, available.left + available.width - outerWidth),
                std::clamp(top, available.top, available.top + available.height - outerHeight), width,
                height};
    }
    return {available.left, available.top, std::max(available.width - frameWidth, 1),
            std::max(available.height - frameHeight, 1)};
}

}  // namespace ign
