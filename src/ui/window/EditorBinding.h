#pragma once

#include "EditorBindings.h"
#include "ParameterSet.h"

#include <array>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QObject;
class QRadioButton;
class QWidget;

namespace ign {

class FieldBox;

// The pages' editor controls as the field table and the control table bind
// them: every numeric field, the machine list, the check boxes and the
// injection-position choice. The pages make and hand in their controls while
// they are built; ReadEditors and RefreshEditors then walk the tables.
class EditorBinding {
public:
    EditorBinding();

    // The field whose text box is named `editName` (a row of EditorFields()).
    FieldBox* MakeField(const char* editName, QWidget* parent);
    // A list or check box of the control table, under its own objectName.
    void Bind(QComboBox* list);
    void Bind(QCheckBox* box);
    // The choice of the control table: its group, with its three items in order.
    void Bind(QGroupBox* group, const std::array<QRadioButton*, 3>& items);

    // Every control into the blocks, text typed but not yet taken included.
    void ReadEditors(ParameterSet& set);
    // The set the controls show: `taken` with what was typed or ticked since
    // in place of its bytes, read without taking anything into the controls.
    ParameterSet Shown(const ParameterSet& taken) const;
    // `edited` runs whenever the user types into a field or ticks a control.
    void WhenEdited(QObject& context, const std::function<void()>& edited) const;
    // The blocks into every control, with the controls' signals blocked. The
    // field with the keyboard focus whose text this replaces has the new text
    // selected whole, so the next key replaces it rather than merging into it;
    // only the field whose own edit cycle this is keeps its caret.
    void RefreshEditors(const ParameterSet& set);
    // The field whose own edit cycle runs now; null when none does.
    void SetOwnCycle(const FieldBox* box) { ownCycle_ = box; }
    // One field shows its value in the blocks again, its text selected whole.
    void RefreshField(FieldBox& box, const ParameterSet& set);

    // Parallel to EditorFields().
    const std::vector<FieldBox*>& Fields() const { return fields_; }
    // The name of a row of either table that no page has handed in, null when every one is there.
    const char* Unmade() const;

private:
    struct Bound {
        QComboBox* list = nullptr;
        QCheckBox* box = nullptr;
        std::array<QRadioButton*, 3> items{};
    };
    Bound& RowNamed(const QWidget& control);
    // The byte of a row of the control table as the control shows it.
    Byte ControlByte(std::size_t row) const;

    void ShowField(std::size_t index, const ParameterSet& set);

    std::vector<FieldBox*> fields_;
    const FieldBox* ownCycle_ = nullptr;
    std::array<Bound, kControlTable.size()> controls_{};
};

}  // namespace ign
