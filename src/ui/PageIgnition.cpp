#include "FieldBox.h"
#include "FocusedComboBox.h"
#include "Hint.h"
#include "Hlav.h"
#include "New.h"
#include "PageParts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <string>

namespace ign {
namespace {

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const char* caption) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

std::string Numbered(int number) { return "Edit" + std::to_string(number); }

}  // namespace

QWidget* TFormHlav::BuildIgnitionPage() {
    QWidget* page = MakePage(this, "TabSheet1");
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(4);

    // The two curves: speed points and their advances, one row per point.
    struct Curve {
        const char* group;
        const char* title;
        const char* rpmLabel;
        const char* advanceLabel;
        int firstRpmEdit;
    };
    constexpr Curve kCurves[] = {{"GroupBox1", "Curve A", "Label1", "Label2", 1},
                                 {"GroupBox2", "Curve B", "Label3", "Label4", 21}};
    int column = 0;
    for (const Curve& curve : kCurves) {
        QGroupBox* group = MakeGroup(page, curve.group, curve.title);
        auto* rows = new QGridLayout(group);
        rows->setVerticalSpacing(2);
        QLabel* rpm = MakeLabel(group, "RPM", curve.rpmLabel);
        SetHint(*rpm, "Round per Minute|Speed - Round per Minute", Tooltip::Yes);
        rows->addWidget(rpm, 0, 0, Qt::AlignHCenter);
        rows->addWidget(MakeLabel(group, "Advance [°]", curve.advanceLabel), 0, 1, Qt::AlignHCenter);
        for (int point = 0; point < 10; ++point) {
            rows->addWidget(MakeField(Numbered(curve.firstRpmEdit + point).c_str()), point + 1, 0);
            rows->addWidget(MakeField(Numbered(curve.firstRpmEdit + 10 + point).c_str()), point + 1, 1);
        }
        rows->setRowStretch(11, 1);
        grid->addWidget(group, 0, column++);
    }

    // Trigger width, limiters, clutch, pilot light and the machine list.
    QGroupBox* other = MakeGroup(page, "GroupBox3", "Other");
    auto* form = new QGridLayout(other);
    form->setVerticalSpacing(2);
    struct Row {
        const char* label;
        const char* caption;
        const char* edit;
    };
    constexpr Row kOther[] = {{"LabelPalec", "Width of triger [°]", "EditPalec"},
                              {"LabelOmez1", "Limiter 1 [rpm]", "EditOmez1"},
                              {"LabelOmez2", "Limiter 2 [rpm]", "EditOmez2"},
                              {"LabelOmezD", "Limiter D [rpm/s]", "EditOmezD"},
                              {nullptr, "Clutch m. [ms]", "Edit45"},
                              {"Label10", "Pilot light [rpm]", "Edit46"}};
    int row = 0;
    for (const Row& r : kOther) {
        form->addWidget(MakeLabel(other, r.caption, r.label), row, 0);
        form->addWidget(MakeField(r.edit), row++, 1);
    }
    auto* machines = new FocusedComboBox(other);
    machines->setObjectName(QStringLiteral("ComboBox1"));
    for (std::string_view name : kMachineNames)
        machines->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    SetHint(*machines, "Keying system", Tooltip::No);
    form->addWidget(machines, row, 0, 1, 2);

    QGroupBox* activation = MakeGroup(page, "GroupBox4", "Act. by closing");
    SetHint(*activation, "Activation by closing |Checked items means activation by closing", Tooltip::No);
    auto* checks = new QVBoxLayout(activation);
    checks->setSpacing(2);
    checks->addWidget(MakeCheckBox(activation, "CheckBox1", "Limiter 1"));
    checks->addWidget(MakeCheckBox(activation, "CheckBox2", "Pilot light"));
    checks->addWidget(MakeCheckBox(activation, "CheckBox3", "Clutch m."));
    checks->addWidget(MakeCheckBox(activation, "CheckBox4", "Blocking"));

    auto* middle = new QVBoxLayout;
    middle->addWidget(other);
    middle->addWidget(activation);
    middle->addStretch(1);
    grid->addLayout(middle, 0, column++);

    QGroupBox* gas = MakeGroup(page, "GroupBoxGas", "Gas");
    auto* gasRows = new QGridLayout(gas);
    gasRows->setVerticalSpacing(2);
    gasRows->addWidget(MakeCheckBox(gas, "CheckBoxGas", "Gas enable"), 0, 0, 1, 2);
    constexpr Row kGas[] = {{"LabelGas1", "Gas 1 [%]", "EditGas1"},
                            {"LabelGas2", "Gas 2 [%]", "EditGas2"},
                            {"LabelGas3", "Gas Trans.[ms]", "EditGas3"},
                            {"LabelGas4", "Gas Delay [ms]", "EditGas4"}};
    row = 1;
    for (const Row& r : kGas) {
        QLabel* label = MakeLabel(gas, r.caption, r.label);
        FieldBox* box = MakeField(r.edit);
        // Hidden while the gas function is off, without the group changing size.
        for (QWidget* w : {static_cast<QWidget*>(label), static_cast<QWidget*>(box)}) {
            QSizePolicy policy = w->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            w->setSizePolicy(policy);
        }
        gasRows->addWidget(label, row, 0);
        gasRows->addWidget(box, row++, 1);
    }

    auto* outputs = new QGroupBox(page);
    outputs->setObjectName(QStringLiteral("GroupBoxOutputs"));
    auto* outputRows = new QVBoxLayout(outputs);
    outputRows->setSpacing(2);
    QCheckBox* excitation = MakeCheckBox(outputs, "CheckBox5", "Excitation High");
    excitation->setAutoFillBackground(true);
    outputRows->addWidget(excitation);
    outputRows->addWidget(MakeCheckBox(outputs, "CheckBox6", "Tachometer 2x"));

    // The program in the unit: version, date and time, blank until a read.
    auto* unit = new QHBoxLayout;
    constexpr Row kUnit[] = {{"LabelVerze1", "Version|Version of program in ignition", " 0.00 "},
                             {"LabelVerze2", "Date|Date of program in ignition", " 05.02.2002 "},
                             {"LabelVerze3", "Time|Time of program in ignition", " 09:07 "}};
    for (const Row& r : kUnit) {
        QLabel* label = MakeLabel(page, "", r.label);
        SetHint(*label, r.caption, Tooltip::Yes);
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QString::fromLatin1(r.edit)) + 8);
        unit->addWidget(label);
    }
    unit->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(gas);
    right->addWidget(outputs);
    right->addLayout(unit);
    right->addStretch(1);
    grid->addLayout(right, 0, column);

    auto* file = new QHBoxLayout;
    file->addWidget(MakeLabel(page, "File:", "LabelFile1"));
    QLabel* fileName = MakeLabel(page, "", "LabelFile2");
    fileName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    file->addWidget(fileName, 1);
    grid->addLayout(file, 1, 0, 1, column + 1);
    grid->setRowStretch(0, 1);
    return page;
}

}  // namespace ign
