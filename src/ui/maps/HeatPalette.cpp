#include "maps/HeatPalette.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace ign {

HeatColours HeatColoursOf(int percent, const QColor& base) {
    const Rgb background = HeatColour(percent, ToRgb(base));
    return {ToQColor(background), ToQColor(TextColourOn(background))};
}

void PaintHeat(QWidget& field, std::optional<int> percent) {
    // The palette the field would have without a tint of its own.
    const QPalette inherited =
        field.parentWidget() != nullptr ? field.parentWidget()->palette() : QApplication::palette(&field);
    if (!percent || *percent == kHeatNeutral) {
        if (field.testAttribute(Qt::WA_SetPalette)) field.setPalette(QPalette());
        return;
    }
    const HeatColours colours = HeatColoursOf(*percent, inherited.color(QPalette::Base));
    QPalette tinted = inherited;
    tinted.setColor(QPalette::Base, colours.background);
    tinted.setColor(QPalette::Text, colours.text);
    if (field.palette() != tinted) field.setPalette(tinted);
}

}  // namespace ign
