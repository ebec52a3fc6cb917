#include "FieldBox.h"
#include "Hlav.h"
#include "New.h"
#include "Validation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <span>

namespace ign {
namespace {

constexpr Byte kNoSelection = 255;
constexpr const char* kGasControls[] = {"EditGas1",  "EditGas2",  "EditGas3",  "EditGas4",
                                        "LabelGas1", "LabelGas2", "LabelGas3", "LabelGas4"};

QRadioButton* RadioItem(const QWidget& group, int index) {
    return group.findChild<QRadioButton*>(QStringLiteral("RadioGroupPolohaItem%1").arg(index));
}

}  // namespace

void TFormHlav::ReadEditors() {
    const std::vector<EditorField>& all = EditorFields();
    for (std::size_t i = 0; i < all.size(); ++i) {
        FieldBox* box = fields_[i];
        // Text typed but not yet taken by its box is part of what the user sees: take it too.
        {
            const QSignalBlocker quiet(box);
            box->interpretText();
        }
        std::span<Byte> bytes = BytesOf(set_, all[i].param);
        bytes[static_cast<std::size_t>(all[i].point)] = FieldToByte(all[i], box->value());
    }
    for (const ControlBinding& control : kControlTable) {
        Byte value = 0;
        switch (control.binding) {
            case Binding::ListIndex: {
                const int index = Child<QComboBox>(control.control.data())->currentIndex();
                value = index < 0 ? kNoSelection : static_cast<Byte>(index);
                break;
            }
            case Binding::CheckBox:
                value = Child<QCheckBox>(control.control.data())->isChecked() ? 1 : 0;
                break;
            case Binding::RadioIndex: {
                value = kNoSelection;
                const auto* group = Child<QGroupBox>(control.control.data());
                for (int item = 0; item < 3; ++item)
                    if (RadioItem(*group, item)->isChecked()) value = static_cast<Byte>(item);
                break;
            }
        }
        BytesOf(set_, control.param)[0] = value;
    }
}

void TFormHlav::RefreshEditors() {
    // Signals stay blocked throughout: showing the blocks must never start another cycle.
    const std::vector<EditorField>& all = EditorFields();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const QSignalBlocker quiet(fields_[i]);
        const std::span<const Byte> bytes = BytesOf(std::as_const(set_), all[i].param);
        fields_[i]->setValue(FieldFromByte(all[i], bytes[static_cast<std::size_t>(all[i].point)]));
    }
    for (const ControlBinding& control : kControlTable) {
        const Byte value = BytesOf(std::as_const(set_), control.param)[0];
        switch (control.binding) {
            case Binding::ListIndex: {
                auto* list = Child<QComboBox>(control.control.data());
                const QSignalBlocker quiet(list);
                list->setCurrentIndex(value < list->count() ? value : -1);
                break;
            }
            case Binding::CheckBox: {
                auto* box = Child<QCheckBox>(control.control.data());
                const QSignalBlocker quiet(box);
                box->setChecked(value != 0);
                break;
            }
            case Binding::RadioIndex: {
                const auto* group = Child<QGroupBox>(control.control.data());
                for (int item = 0; item < 3; ++item) {
                    // Without auto-exclusion an out-of-range byte can show no item chosen at all.
                    QRadioButton* radio = RadioItem(*group, item);
                    const QSignalBlocker quiet(radio);
                    radio->setAutoExclusive(false);
                    radio->setChecked(item == value);
                    radio->setAutoExclusive(true);
                }
                break;
            }
        }
    }
    ShowExcitationColour();
    ShowGasFields();
    Child<QLabel>("LabelVerze1")->setText(QString::fromStdString(unitIdentification_.version));
    Child<QLabel>("LabelVerze2")->setText(QString::fromStdString(unitIdentification_.date));
    Child<QLabel>("LabelVerze3")->setText(QString::fromStdString(unitIdentification_.time));
}

void TFormHlav::EditCycle() {
    ReadEditors();
    ValidateParameters(set_);
    RefreshEditors();
}

void TFormHlav::ShowExcitationColour() {
    auto* box = Child<QCheckBox>("CheckBox5");
    // A check box fills its background with the button colour role.
    QPalette palette = box->palette();
    const QColor normal = QPalette().color(QPalette::Button);
    palette.setColor(QPalette::Button, set_.ignition.EXCITATION != 0 ? QColor(Qt::red) : normal);
    box->setPalette(palette);
}

void TFormHlav::ShowGasFields() {
    const bool on = set_.ignition.GasEnable != 0;
    for (const char* name : kGasControls) Child<QWidget>(name)->setVisible(on);
}

void TFormHlav::CheckBox5Click(bool checked) {
    set_.ignition.EXCITATION = checked ? 1 : 0;
    ShowExcitationColour();
}

void TFormHlav::CheckBoxGasClick(bool checked) {
    set_.ignition.GasEnable = checked ? 1 : 0;
    ShowGasFields();
}

void TFormHlav::ComboBox1Change(int index) {
    set_.ignition.KEYING = index < 0 ? kNoSelection : static_cast<Byte>(index);
    ApplyMachineTriggerWidth(set_.ignition);
    RefreshEditors();
}

}  // namespace ign
