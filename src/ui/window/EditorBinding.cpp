#include "window/EditorBinding.h"

#include "pages/FieldBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
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
        // Taking it rewrites the text; in the field being typed into, that is a new text too.
        const bool typing = box->hasFocus() && box != ownCycle_;
        const QString before = typing ? box->TextBox()->text() : QString();
        {
            const QSignalBlocker quiet(box);
            box->interpretText();
        }
        if (typing && box->TextBox()->text() != before) box->selectAll();
        std::span<Byte> bytes = BytesOf(set, all[i].param);
        bytes[static_cast<std::size_t>(all[i].point)] = FieldToByte(all[i], box->value());
    }
    for (std::size_t row = 0; row < kControlTable.size(); ++row)
        BytesOf(set, kControlTable[row].param)[0] = ControlByte(row);
}

Byte EditorBinding::ControlByte(std::size_t row) const {
    const Bound& control = controls_[row];
    switch (kControlTable[row].binding) {
        case Binding::ListIndex: {
            const int index = control.list->currentIndex();
            return index < 0 ? kNoSelection : static_cast<Byte>(index);
        }
        case Binding::CheckBox:
            return control.box->isChecked() ? 1 : 0;
        case Binding::RadioIndex:
            for (std::size_t item = 0; item < control.items.size(); ++item)
                if (control.items[item]->isChecked()) return static_cast<Byte>(item);
            return kNoSelection;
    }
    return kNoSelection;
}

ParameterSet EditorBinding::Shown(const ParameterSet& taken) const {
    ParameterSet shown = taken;
    const std::vector<EditorField>& all = EditorFields();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (!fields_[i]->HasTypedText()) continue;
        BytesOf(shown, all[i].param)[static_cast<std::size_t>(all[i].point)] =
            FieldToByte(all[i], fields_[i]->TypedValue());
    }
    for (std::size_t row = 0; row < kControlTable.size(); ++row) {
        Byte& byte = BytesOf(shown, kControlTable[row].param)[0];
        const Byte control = ControlByte(row);
        // A flag is on whatever its nonzero byte; a list or choice that shows
        // nothing chosen (a byte out of its range) shows no change either.
        const bool same = kControlTable[row].binding == Binding::CheckBox
                              ? (control != 0) == (byte != 0)
                              : control == kNoSelection || control == byte;
        if (!same) byte = control;
    }
    return shown;
}

void EditorBinding::WhenEdited(QObject& context, const std::function<void()>& edited) const {
    for (FieldBox* box : fields_) {
        QObject::connect(box->TextBox(), &QLineEdit::textEdited, &context, edited);
        QObject::connect(box, &FieldBox::escaped, &context, edited);
    }
    for (const Bound& control : controls_) {
        if (control.box != nullptr) QObject::connect(control.box, &QCheckBox::toggled, &context, edited);
        for (QRadioButton* item : control.items)
            if (item != nullptr) QObject::connect(item, &QRadioButton::toggled, &context, edited);
    }
}

void EditorBinding::ShowField(std::size_t index, const ParameterSet& set) {
    // Signals stay blocked: showing the blocks must never start another cycle.
    const EditorField& field = EditorFields()[index];
    FieldBox* box = fields_[index];
    const QSignalBlocker quiet(box);
    const std::span<const Byte> bytes = BytesOf(set, field.param);
    box->setValue(FieldFromByte(field, bytes[static_cast<std::size_t>(field.point)]));
}

void EditorBinding::RefreshField(FieldBox& box, const ParameterSet& set) {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i] != &box) continue;
        // Setting the value rewrites the text even where the value stays.
        ShowField(i, set);
        box.selectAll();
    }
}

void EditorBinding::RefreshEditors(const ParameterSet& set) {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        FieldBox* box = fields_[i];
        // The spin box keeps the caret where it was in the new text, so the
        // keys that follow would land in the middle of it.
        const bool typing = box->hasFocus() && box != ownCycle_;
        const QString before = typing ? box->TextBox()->text() : QString();
        ShowField(i, set);
        if (typing && box->TextBox()->text() != before) box->selectAll();
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
