#include "FieldBox.h"

#include "Conversion.h"

#include <QApplication>
#include <QString>

namespace ign {

FieldBox::FieldBox(const EditorField& field, QWidget* parent) : QSpinBox(parent) {
    setObjectName(QString::fromStdString(field.edit));
    // The arrows are part of this one widget; their old name is kept for tools that look for it.
    setProperty("upDownName", QString::fromStdString(field.upDown));
    setRange(field.min, field.max);
    setSingleStep(field.increment);
    setWrapping(false);
    setKeyboardTracking(false);
    setAccelerated(false);
    // The map and the cylinder corrections stay below 1 000; everything that can
    // reach it shows the system's thousands separator.
    const bool neverGrouped = field.param == Param::JET || field.param == Param::KOR_23;
    setGroupSeparatorShown(field.grouped() && !neverGrouped);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void FieldBox::stepBy(int steps) {
    QSpinBox::stepBy(steps);
    emit stepped();
}

bool FieldBox::leftForAnotherControl() const {
    const QWidget* now = QApplication::focusWidget();
    return !hasFocus() && now != nullptr && now->window() == window();
}

}  // namespace ign
