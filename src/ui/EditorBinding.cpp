#include "EditorBinding.h"

#include "FieldBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QtGlobal>
#include <span>
#include <utility>

namespace ign {
namespace {

constexpr Byte kNoSelection = 255;

}  // namespace

EditorBinding::EditorBinding() : fields_(EditorFields().size(), nullptr) {}

FieldBox* EditorBinding::MakeField(const char* editName, QWidget* parent) {
    const std::vector<EditorField>& all = EditorFields();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].edit != editName) continue;
        if (fields_[i] == nullptr) fields_[i] = new FieldBox(all[i], parent);
        return fields_[i];
    }
    // A page naming a field the table does not have is a mistake in the program; every window test meets it.
    qFatal("no editor field named %s", editName);
}

EditorBinding::Bound& EditorBinding::RowNamed(const QWidget& control) {
    const QByteArray name = control.objectName().toLatin1();
    for (std::size_t i = 0; i < kControlTable.size(); ++i)
        if (kControlTable[i].control == name.constData()) return controls_[i];
    qFatal("no bound control named %s", name.constData());
}

void EditorBinding::Bind(QComboBox* list) { RowNamed(*list).list = list; }

void EditorBinding::Bind(QCheckBox* box) { RowNamed(*box).box = box; }

void EditorBinding::Bind(QGroupBox* group, const std::array<QRadioButton*, 3>& items) {
    RowNamed(*group).items = items;
}

const char* EditorBinding::Unmade() const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i] == nullptr) return EditorFields()[i].edit.c_str();
    for (std::size_t row = 0; row < kControlTable.size(); ++row) {
        const Bound& control = controls_[row];
        if (control.list == nullptr && control.box == nullptr && control.items[0] == nullptr)
            return kControlTable[row].control.data();
    }
    return nullptr;
}

void EditorBinding::ReadEditors(ParameterSet& set) {
    const std::vector<EditorField>& all = EditorFields();
    for (std::size_t i = 0; i < all.size(); ++i) {
        FieldBox* box = fields_[i];
        // Text typed but not yet taken by its box is part of what the user sees: take it too.
        {
            const QSignalBlocker quiet(box);
            box->interpretText();
        }
        std::span<Byte> bytes = BytesOf(set, all[i].param);
        bytes[static_cast<std::size_t>(all[i].point)] = FieldToByte(all[i], box->value());
    }
    for (std::size_t row = 0; row < kControlTable.size(); ++row) {
        const Bound& control = controls_[row];
        Byte value = 0;
        switch (kControlTable[row].binding) {
            case Binding::ListIndex: {
                const int index = control.list->currentIndex();
                value = index < 0 ? kNoSelection : static_cast<Byte>(index);
                break;
            }
            case Binding::CheckBox:
                value = control.box->isChecked() ? 1 : 0;
                break;
            case Binding::RadioIndex:
                value = kNoSelection;
                for (std::size_t item = 0; item < control.items.size(); ++item)
                    if (control.items[item]->isChecked()) value = static_cast<Byte>(item);
                break;
        }
        BytesOf(set, kControlTable[row].param)[0] = value;
    }
}

void EditorBinding::RefreshEditors(const ParameterSet& set) {
    // Signals stay blocked throughout: showing the blocks must never start another cycle.
    const std::vector<EditorField>& all = EditorFields();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const QSignalBlocker quiet(fields_[i]);
        const std::span<const Byte> bytes = BytesOf(set, all[i].param);
        fields_[i]->setValue(FieldFromByte(all[i], bytes[static_cast<std::size_t>(all[i].point)]));
    }
    for (std::size_t row = 0; row < kControlTable.size(); ++row) {
        const Bound& control = controls_[row];
        const Byte value = BytesOf(set, kControlTable[row].param)[0];
        switch (kControlTable[row].binding) {
            case Binding::ListIndex: {
                const QSignalBlocker quiet(control.list);
                control.list->setCurrentIndex(value < control.list->count() ? value : -1);
                break;
            }
            case Binding::CheckBox: {
                const QSignalBlocker quiet(control.box);
                control.box->setChecked(value != 0);
                break;
            }
            case Binding::RadioIndex:
                for (std::size_t item = 0; item < control.items.size(); ++item) {
                    // Without auto-exclusion an out-of-range byte can show no item chosen at all.
                    QRadioButton* radio = control.items[item];
                    const QSignalBlocker quiet(radio);
                    radio->setAutoExclusive(false);
                    radio->setChecked(item == value);
                    radio->setAutoExclusive(true);
                }
                break;
        }
    }
}

}  // namespace ign
