#pragma once

#include "EditorBindings.h"

#include <QSpinBox>

class QKeyEvent;
class QLineEdit;
class QWheelEvent;

namespace ign {

// A numeric editor field: text box and up/down arrows in one, set up from its
// row of the field table. It reports arrow steps separately from typing,
// because a step runs the edit cycle at once while typed text waits.
//
// Typed text is kept as typed: a number beyond the field's range stays in the
// box until it is taken, and is then taken as the nearest limit, so no digit
// is ever dropped on the way. Only what is no number at all (letters) is refused.
// The wheel acts only on the box that has the keyboard focus, one step per notch;
// over any other box it goes on to whatever scrolls. Enter and Escape are the
// owner's to handle: Enter takes what was typed, Escape puts back what was taken.
class FieldBox : public QSpinBox {
    Q_OBJECT

public:
    FieldBox(const EditorField& field, QWidget* parent);

    void stepBy(int steps) override;
    // The text box part, where typing and clicks happen.
    QLineEdit* TextBox() const { return lineEdit(); }
    // After a focus loss: true when the focus went to another control of the
    // same window. A dialog, a message box or another program taking the focus
    // is not leaving the box, so pending text stays pending until then.
    bool leftForAnotherControl() const;
    // Whether a point of the box lies on its up/down arrows rather than on its text.
    bool OnArrows(const QPoint& point) const;
    // Text typed and not yet taken is in the box, and the value it says
    // (the value taken when it says none); nothing is taken by asking.
    bool HasTypedText() const;
    int TypedValue() const;

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

signals:
    void stepped();
    void entered();
    void escaped();

protected:
    int valueFromText(const QString& text) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int wheelRemainder_ = 0;  // part of a notch turned so far (high-resolution wheels)
};

}  // namespace ign
