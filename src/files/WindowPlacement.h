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

// Where and how big a window opens when nothing placed it before: `width` ×
// `height` is what it needs to show everything, the frame adds `frameWidth` ×
// `frameHeight`, and (left, top) is where it would like its frame to start.
// Where the whole window fits the available area it keeps its size and moves
// only as far as it takes to lie wholly within the area; where it does not,
// it takes the whole area. The result is the frame's corner and the size
// within the frame.
Area FirstStartPlacement(const Area& available, int width, int height, int frameWidth, int frameHeight,
                         int left, int top);

}  // namespace ign
