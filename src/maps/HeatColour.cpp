#include "HeatColour.h"

#include <algorithm>
#include <cmath>

namespace ign {

namespace {

constexpr Rgb kLeanFull{33, 102, 172};
constexpr Rgb kRichFull{178, 24, 43};
constexpr double kDarkTextAbove = 0.179;

std::uint8_t Mix(std::uint8_t from, std::uint8_t to, double share) {
    return static_cast<std::uint8_t>(std::lround(from + (to - from) * share));
}

double Linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

Rgb HeatColour(int percent, Rgb base) {
    if (percent == kHeatNeutral) return base;
    const bool lean = percent < kHeatNeutral;
    const double distance = lean ? double(kHeatNeutral - percent) / (kHeatNeutral - kHeatLeanEnd)
                                 : double(percent - kHeatNeutral) / (kHeatRichEnd - kHeatNeutral);
    const double share = std::sqrt(std::min(distance, 1.0));
    const Rgb full = lean ? kLeanFull : kRichFull;
    return {Mix(base.r, full.r, share), Mix(base.g, full.g, share), Mix(base.b, full.b, share)};
}

double RelativeLuminance(Rgb colour) {
    return 0.2126 * Linear(colour.r) + 0.7152 * Linear(colour.g) + 0.0722 * Linear(colour.b);
}

Rgb TextColourOn(Rgb background) { return RelativeLuminance(background) > kDarkTextAbove ? kBlack : kWhite; }

}  // namespace ign
