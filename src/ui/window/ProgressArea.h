#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

namespace ign {

// The row below the pages where device runs show what they do: the text
// label and the progress bar, both hidden at start.
class ProgressArea : public QWidget {
    Q_OBJECT

public:
    explicit ProgressArea(QWidget* parent);

    void ShowStatus(const QString& text);
    void SetProgress(int position);
    void ShowBar(bool visible);
    // Label and bar out of sight; the row keeps its height, so the pages never jump.
    void Hide();

private:
    QLabel* label_ = nullptr;
    QProgressBar* bar_ = nullptr;
};

}  // namespace ign
