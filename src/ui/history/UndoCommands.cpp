#include "history/UndoCommands.h"

#include "language/NewTexts.h"
#include "pages/FieldBox.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QWidget>
#include <array>

namespace ign {
namespace {

// By ChangeCause, the objects of the steps' names in the new texts.
constexpr std::array<const char*, 14> kStepNames{
    "StepEdit",       "StepNew",       "StepOpen", "StepRead", "StepLive",    "StepSetTps", "StepMachine",
    "StepExcitation", "StepGasEnable", "StepUndo", "StepRedo", "StepRestore", "StepTake",   "StepMapTable",
};
static_assert(kStepNames.size() == static_cast<std::size_t>(ChangeCause::MapTable) + 1,
              "every cause needs its name");

const QList<QKeySequence>& UndoKeys() {
    static const QList<QKeySequence> keys{QKeySequence(Qt::ControlModifier | Qt::Key_Z)};
    return keys;
}

const QList<QKeySequence>& RedoKeys() {
    static const QList<QKeySequence> keys{QKeySequence(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z),
                                          QKeySequence(Qt::ControlModifier | Qt::Key_Y)};
    return keys;
}

bool IsUndoOrRedoKey(const QKeyEvent& key) {
    const QKeySequence pressed(key.keyCombination());
    return UndoKeys().contains(pressed) || RedoKeys().contains(pressed);
}

QString Caption(const char* bare, const char* withStep, std::optional<ChangeCause> cause,
                std::uint8_t language) {
    if (!cause) return NewTextOf(bare, language);
    const QString step = NewTextOf(kStepNames[static_cast<std::size_t>(*cause)], language);
    return NewTextOf(withStep, language).arg(step);
}

// The field whose text box has the focus, if any.
FieldBox* FocusedField(QWidget& window) {
    for (QWidget* w = window.focusWidget(); w != nullptr && w != &window; w = w->parentWidget())
        if (auto* box = qobject_cast<FieldBox*>(w)) return box;
    return nullptr;
}

}  // namespace

UndoCommands::UndoCommands(FeatureHost& host)
    : host_(host), document_(host.Document()), window_(host.Window()), history_(host.Document()) {
    QWidget& window = window_;
    undo_ = new QAction(&window);
    undo_->setObjectName(QStringLiteral("MenuUndo"));
    undo_->setShortcuts(UndoKeys());
    redo_ = new QAction(&window);
    redo_->setObjectName(QStringLiteral("MenuRedo"));
    redo_->setShortcuts(RedoKeys());
    MenuSection edit = host.Menu(MenuSlot::Edit);
    edit.Add(undo_);
    edit.Add(redo_);
    connect(undo_, &QAction::triggered, this, host.Guard([this] { UndoClick(); }));
    connect(redo_, &QAction::triggered, this, host.Guard([this] { RedoClick(); }));
    connect(&host.Events(), &HostEvents::languageChanged, this,
            host.Guard([this](std::uint8_t code) { Relabel(code); }));
    history_.OnChanged([this] { Relabel(language_); });
    for (FieldBox* box : window.findChildren<FieldBox*>()) {
        box->installEventFilter(this);
        box->TextBox()->installEventFilter(this);
    }
    Relabel(language_);
}

void UndoCommands::Relabel(std::uint8_t language) {
    language_ = language;
    undo_->setText(Caption("TextUndo", "TextUndoStep", history_.UndoCause(), language));
    redo_->setText(Caption("TextRedo", "TextRedoStep", history_.RedoCause(), language));
    undo_->setEnabled(history_.CanUndo());
    redo_->setEnabled(history_.CanRedo());
}

bool UndoCommands::eventFilter(QObject* watched, QEvent* event) {
    // Left unclaimed, the key goes on to the window's shortcuts, and so to the items.
    // With nothing to undo or redo, the text box keeps its own undo of what was typed.
    if (event->type() == QEvent::ShortcutOverride && IsUndoOrRedoKey(*static_cast<QKeyEvent*>(event)) &&
        (undo_->isEnabled() || redo_->isEnabled())) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

// Shows the set again where the focused field differs from it; true when it did.
bool UndoCommands::RevertTypedText() {
    FieldBox* box = FocusedField(window_);
    if (box == nullptr) return false;
    const QString typed = box->text();
    const int value = box->value();  // Return takes the text into the box, not yet into the set
    document_.Refresh();
    return box->text() != typed || box->value() != value;
}

void UndoCommands::UndoClick() {
    if (RevertTypedText()) return;
    history_.Undo();
}

void UndoCommands::RedoClick() { history_.Redo(); }

}  // namespace ign
