#pragma once

#include <QWidget>

namespace ign {

class EditorBinding;

// The page "Injection 2": the injection positions, what they are given for,
// and the corrections of cylinders 2 and 3.
class Injection2Page : public QWidget {
    Q_OBJECT

public:
    Injection2Page(EditorBinding& editors, QWidget* parent);
};

}  // namespace ign
