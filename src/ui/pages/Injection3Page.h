#pragma once

#include <QWidget>

namespace ign {

class EditorBinding;

// The page "Injection 3": dead time, start injection, cooling, acceleration,
// the throttle sensor with its two calibration buttons, and the water and
// air temperature corrections.
class Injection3Page : public QWidget {
    Q_OBJECT

public:
    Injection3Page(EditorBinding& editors, QWidget* parent);

signals:
    void tps0Clicked();
    void tps100Clicked();
};

}  // namespace ign
