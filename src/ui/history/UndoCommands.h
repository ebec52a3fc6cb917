#pragma once

#include "UndoHistory.h"
#include "window/FeatureHost.h"

#include <QObject>
#include <cstdint>

class QAction;
class QMenu;
class QWidget;

namespace ign {

class ParameterDocument;

// Undo and Redo in the Edit menu. The items carry the name of the step they
// would take back or make again, in the window's language. Ctrl+Z in a field
// that holds typed text not yet taken puts the field's text back first, as a
// text box's own undo would; only then does it undo a step. Nothing here ever
// sends anything to the unit.
class UndoCommands : public QObject, public Feature {
    Q_OBJECT

public:
    explicit UndoCommands(FeatureHost& host);

    void UndoClick();
    void RedoClick();
    // The items' captions again, in `language`: after every step and every language switch.
    void Relabel(std::uint8_t language);

    const UndoHistory& History() const { return history_; }

protected:
    // A field's text box claims Ctrl+Z and Ctrl+Y for itself; in this window they are the items'.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool RevertTypedText();

    FeatureHost& host_;
    ParameterDocument& document_;
    QWidget& window_;
    UndoHistory history_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    std::uint8_t language_ = 0;
};

}  // namespace ign
