#pragma once

#include <QWidget>

class QAbstractButton;

namespace ign {

// The row above the pages: the tool group (New, Open, Save, Print; Read,
// Verify, Program) and the "-" and "+" buttons of curve A and of the
// injection map.
class ToolArea : public QWidget {
    Q_OBJECT

public:
    explicit ToolArea(QWidget* parent);

    QAbstractButton* newButton = nullptr;
    QAbstractButton* openButton = nullptr;
    QAbstractButton* saveButton = nullptr;
    QAbstractButton* printButton = nullptr;
    QAbstractButton* readButton = nullptr;
    QAbstractButton* verifyButton = nullptr;
    QAbstractButton* programButton = nullptr;
    QAbstractButton* curveMinusButton = nullptr;
    QAbstractButton* curvePlusButton = nullptr;
    QAbstractButton* jetMinusButton = nullptr;
    QAbstractButton* jetPlusButton = nullptr;
};

}  // namespace ign
