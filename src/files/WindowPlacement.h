#pragma once

#include <span>

namespace ign {

// A rectangle of the desktop in pixels: a screen, or a part of a window.
struct Area {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Whether a window whose frame has its top-left corner at (left, top) and is
// `width` wide would show any part of its title bar (the frame's top
// `titleHeight` pixels) on one of the screens, so that it can be seen and
// dragged. Without any screen to judge by, the answer is yes.
bool TitleBarOnAScreen(int left, int top, int width, int titleHeight, std::span<const Area> screens);

}  // namespace ign
