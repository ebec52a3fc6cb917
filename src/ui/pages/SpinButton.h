#pragma once

#include <QWidget>

class QToolButton;

namespace ign {

// A pair of arrow buttons, upper and lower half, with no text box: held down,
// a half repeats after 400 ms and then every 100 ms.
class SpinButton : public QWidget {
    Q_OBJECT

public:
    explicit SpinButton(QWidget* parent = nullptr);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

    static constexpr int kRepeatDelayMs = 400;
    static constexpr int kRepeatIntervalMs = 100;

signals:
    void upClicked();
    void downClicked();

private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace ign
