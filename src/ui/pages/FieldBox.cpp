#include "pages/FieldBox.h"

#include "Conversion.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QString>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>

namespace ign {
namespace {

// What the text of a box says: no number at all, a number still being typed
// (nothing but a sign, blanks or separators so far), or a number.
struct TypedText {
    enum class Kind { NotANumber, Incomplete, Number } kind = Kind::Incomplete;
    qint64 value = 0;
};

// Far beyond any field's range and far from overflowing: a run of digits
// longer than that still counts as "beyond the limit".
constexpr qint64 kSaturated = 1'000'000'000;

bool TakePrefix(QStringView& text, QStringView prefix) {
    if (prefix.isEmpty() || !text.startsWith(prefix)) return false;
    text = text.mid(prefix.size());
    return true;
}

// Digits with an optional sign in front and the locale's group separators
// anywhere between them. Where the separator is a blank of some kind, an
// ordinary blank counts as one too, since that is what a keyboard types.
TypedText ReadTyped(QStringView text, const QLocale& locale) {
    text = text.trimmed();
    const QString minus = locale.negativeSign();
    const QString plus = locale.positiveSign();
    const bool negative = TakePrefix(text, minus) || TakePrefix(text, u"-");
    if (!negative && !TakePrefix(text, plus)) TakePrefix(text, u"+");

    const QString group = locale.groupSeparator();
    const bool blankGroups = group.size() == 1 && group.front().isSpace();
    TypedText typed;
    qint64 magnitude = 0;
    while (!text.isEmpty()) {
        if (TakePrefix(text, group)) continue;
        const QChar c = text.front();
        text = text.mid(1);
        if (blankGroups && c.isSpace()) continue;
        const int digit = c.digitValue();
        if (digit < 0) return {TypedText::Kind::NotANumber, 0};
        typed.kind = TypedText::Kind::Number;
        magnitude = std::min(magnitude * 10 + digit, kSaturated);
    }
    typed.value = negative ? -magnitude : magnitude;
    return typed;
}

}  // namespace

FieldBox::FieldBox(const EditorField& field, QWidget* parent) : QSpinBox(parent) {
    setObjectName(QString::fromStdString(field.edit));
    setRange(field.min, field.max);
    setSingleStep(field.increment);
    setWrapping(false);
    setKeyboardTracking(false);
    setAccelerated(false);
    // A wheel turned over the window must not give a box the focus, and with it the wheel.
    setFocusPolicy(Qt::StrongFocus);
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

bool FieldBox::OnArrows(const QPoint& point) const {
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QStyle::SubControl part = style()->hitTestComplexControl(QStyle::CC_SpinBox, &option, point, this);
    return part == QStyle::SC_SpinBoxUp || part == QStyle::SC_SpinBoxDown;
}

bool FieldBox::HasTypedText() const { return lineEdit()->text() != textFromValue(value()); }

int FieldBox::TypedValue() const { return valueFromText(lineEdit()->text()); }

// Qt's spin box refuses the keystroke that would take the text past the
// maximum, which silently shortens what was typed. Here a number out of range
// is only unfinished: the box keeps it, and taking it brings it to the limit.
QValidator::State FieldBox::validate(QString& input, int& /*pos*/) const {
    const TypedText typed = ReadTyped(input, locale());
    switch (typed.kind) {
        case TypedText::Kind::NotANumber:
            return QValidator::Invalid;
        case TypedText::Kind::Incomplete:
            return QValidator::Intermediate;
        case TypedText::Kind::Number:
            break;
    }
    return typed.value >= minimum() && typed.value <= maximum() ? QValidator::Acceptable
                                                                : QValidator::Intermediate;
}

void FieldBox::fixup(QString& input) const {
    const TypedText typed = ReadTyped(input, locale());
    if (typed.kind == TypedText::Kind::Number)
        input = textFromValue(static_cast<int>(std::clamp<qint64>(typed.value, minimum(), maximum())));
}

int FieldBox::valueFromText(const QString& text) const {
    const TypedText typed = ReadTyped(text, locale());
    if (typed.kind != TypedText::Kind::Number) return value();
    return static_cast<int>(std::clamp<qint64>(typed.value, minimum(), maximum()));
}

void FieldBox::keyPressEvent(QKeyEvent* event) {
    // Qt's own Enter would take the text into the box alone, past the edit cycle.
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit entered();
            event->accept();
            return;
        case Qt::Key_Escape:
            emit escaped();
            event->accept();
            return;
        default:
            QSpinBox::keyPressEvent(event);
    }
}

void FieldBox::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    // Each notch is one arrow click, with the edit cycle a click runs.
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / 120;
    wheelRemainder_ -= notches * 120;
    const int step = notches > 0 ? 1 : -1;
    for (int i = 0; i < std::abs(notches); ++i) {
        if (!(stepEnabled() & (step > 0 ? StepUpEnabled : StepDownEnabled))) break;
        stepBy(step);
    }
    event->accept();
}

}  // namespace ign
