#pragma once

#include <QWidget>

namespace ign {

class EditorBinding;

// The page "Injection 1": the injection map under its speed points, with a
// live spin button under each column.
class Injection1Page : public QWidget {
    Q_OBJECT

public:
    Injection1Page(EditorBinding& editors, QWidget* parent);

signals:
    // A half of a column's spin button, column 1..10, once per click and per repeat.
    void columnUp(int column);
    void columnDown(int column);
};

}  // namespace ign
