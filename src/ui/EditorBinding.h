#pragma once

#include "EditorBindings.h"
#include "ParameterSet.h"

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
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
    // The blocks into every control, with the controls' signals blocked.
    void RefreshEditors(const ParameterSet& set);

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

    std::vector<FieldBox*> fields_;
    std::array<Bound, kControlTable.size()> controls_{};
};

}  // namespace ign
