#pragma once

#include "HeatColour.h"

#include <QColor>
#include <optional>

class QWidget;

namespace ign {

inline QColor ToQColor(Rgb colour) { return {colour.r, colour.g, colour.b}; }
inline Rgb ToRgb(const QColor& colour) {
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

// The background and text of a percentage on `base`, the field colour of the palette in use.
struct HeatColours {
    QColor background;
    QColor text;
};
HeatColours HeatColoursOf(int percent, const QColor& base);

// Tints a field by its value; nothing (no value, or the colours off) gives
// the field back the palette it inherits.
void PaintHeat(QWidget& field, std::optional<int> percent);

}  // namespace ign
