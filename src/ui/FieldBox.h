#pragma once

#include "EditorBindings.h"

#include <QSpinBox>

namespace ign {

// A numeric editor field: text box and up/down arrows in one, set up from its
// row of the field table. It reports arrow steps separately from typing,
// because a step runs the edit cycle at once while typed text waits.
class FieldBox : public QSpinBox {
    Q_OBJECT

public:
    FieldBox(const EditorField& field, QWidget* parent);

    void stepBy(int steps) override;
    // After a focus loss: true when the focus went to another control of the
    // same window. A dialog, a message box or another program taking the focus
    // is not leaving the box, so pending text stays pending until then.
    bool leftForAnotherControl() const;

signals:
    void stepped();
};

}  // namespace ign
