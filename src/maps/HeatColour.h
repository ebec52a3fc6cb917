#pragma once

#include <cstdint>

namespace ign {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;

    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};

// The background of a map or correction value (a percentage, 100 neutral) on
// a diverging scale: below 100 towards blue (leaner), above towards red
// (richer), saturated at kHeatLeanEnd and kHeatRichEnd. The tint grows with
// the square root of the distance so that 99 and 101 already read as off
// neutral; exactly 100 gives `base` unchanged, so a dark palette keeps its own
// field colour.
inline constexpr int kHeatNeutral = 100;
inline constexpr int kHeatLeanEnd = 50;
inline constexpr int kHeatRichEnd = 200;
Rgb HeatColour(int percent, Rgb base = kWhite);

// WCAG relative luminance, 0 (black) .. 1 (white).
double RelativeLuminance(Rgb colour);
// Dark text on backgrounds lighter than about 0.18, light text on darker ones:
// where the contrast against black and against white is the same.
Rgb TextColourOn(Rgb background);

}  // namespace ign
