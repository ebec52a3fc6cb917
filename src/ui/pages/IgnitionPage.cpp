#include "pages/IgnitionPage.h"

#include "New.h"
#include "pages/FieldBox.h"
#include "pages/FocusedComboBox.h"
#include "pages/PageParts.h"
#include "window/EditorBinding.h"
#include "window/Hint.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPalette>
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

struct Row {
    const char* label;
    const char* caption;
    const char* edit;
};

}  // namespace

// The page is built top to bottom, left to right: the order of the calls is
// the order of the widgets, and so the order the Tab key follows.
IgnitionPage::IgnitionPage(EditorBinding& editors, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet1"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(4);

    int column = AddCurves(editors, *grid);

    QGroupBox* other = MakeOther(editors);
    QGroupBox* activation = MakeActivation(editors);
    auto* middle = new QVBoxLayout;
    middle->addWidget(other);
    middle->addWidget(activation);
    middle->addStretch(1);
    grid->addLayout(middle, 0, column++);

    QGroupBox* gas = MakeGas(editors);
    QGroupBox* outputs = MakeOutputs(editors);
    QHBoxLayout* unit = MakeUnitRow();
    auto* right = new QVBoxLayout;
    right->addWidget(gas);
    right->addWidget(outputs);
    right->addLayout(unit);
    right->addStretch(1);
    grid->addLayout(right, 0, column);

    grid->addLayout(MakeFileRow(), 1, 0, 1, column + 1);
    grid->setRowStretch(0, 1);

    connect(machines_, &QComboBox::currentIndexChanged, this, &IgnitionPage::machineChosen);
    connect(excitation_, &QCheckBox::clicked, this, &IgnitionPage::excitationClicked);
    connect(gasEnable_, &QCheckBox::clicked, this, &IgnitionPage::gasEnableClicked);
}

// The two curves: speed points and their advances, one row per point.
int IgnitionPage::AddCurves(EditorBinding& editors, QGridLayout& grid) {
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
        QGroupBox* group = MakeGroup(this, curve.group, curve.title);
        auto* rows = new QGridLayout(group);
        rows->setVerticalSpacing(2);
        QLabel* rpm = MakeLabel(group, "RPM", curve.rpmLabel);
        SetHint(*rpm, "Round per Minute|Speed - Round per Minute", Tooltip::Yes);
        rows->addWidget(rpm, 0, 0, Qt::AlignHCenter);
        rows->addWidget(MakeLabel(group, "Advance [°]", curve.advanceLabel), 0, 1, Qt::AlignHCenter);
        for (int point = 0; point < 10; ++point) {
            rows->addWidget(editors.MakeField(Numbered(curve.firstRpmEdit + point).c_str(), group), point + 1,
                            0);
            rows->addWidget(editors.MakeField(Numbered(curve.firstRpmEdit + 10 + point).c_str(), group),
                            point + 1, 1);
        }
        rows->setRowStretch(11, 1);
        grid.addWidget(group, 0, column++);
    }
    return column;
}

// Trigger width, limiters, clutch, pilot light and the machine list.
QGroupBox* IgnitionPage::MakeOther(EditorBinding& editors) {
    QGroupBox* other = MakeGroup(this, "GroupBox3", "Other");
    auto* form = new QGridLayout(other);
    form->setVerticalSpacing(2);
    constexpr Row kOther[] = {{"LabelPalec", "Width of triger [°]", "EditPalec"},
                              {"LabelOmez1", "Limiter 1 [rpm]", "EditOmez1"},
                              {"LabelOmez2", "Limiter 2 [rpm]", "EditOmez2"},
                              {"LabelOmezD", "Limiter D [rpm/s]", "EditOmezD"},
                              {nullptr, "Clutch m. [ms]", "Edit45"},
                              {"Label10", "Pilot light [rpm]", "Edit46"}};
    int row = 0;
    for (const Row& r : kOther) {
        form->addWidget(MakeLabel(other, r.caption, r.label), row, 0);
        form->addWidget(editors.MakeField(r.edit, other), row++, 1);
    }
    machines_ = new FocusedComboBox(other);
    machines_->setObjectName(QStringLiteral("ComboBox1"));
    for (std::string_view name : kMachineNames)
        machines_->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    SetHint(*machines_, "Keying system", Tooltip::No);
    editors.Bind(machines_);
    form->addWidget(machines_, row, 0, 1, 2);
    return other;
}

QGroupBox* IgnitionPage::MakeActivation(EditorBinding& editors) {
    QGroupBox* activation = MakeGroup(this, "GroupBox4", "Act. by closing");
    SetHint(*activation, "Activation by closing |Checked items means activation by closing", Tooltip::No);
    auto* checks = new QVBoxLayout(activation);
    checks->setSpacing(2);
    constexpr Row kInputs[] = {{"CheckBox1", "Limiter 1", nullptr},
                               {"CheckBox2", "Pilot light", nullptr},
                               {"CheckBox3", "Clutch m.", nullptr},
                               {"CheckBox4", "Blocking", nullptr}};
    for (const Row& r : kInputs) {
        QCheckBox* box = MakeCheckBox(activation, r.label, r.caption);
        editors.Bind(box);
        checks->addWidget(box);
    }
    return activation;
}

QGroupBox* IgnitionPage::MakeGas(EditorBinding& editors) {
    QGroupBox* gas = MakeGroup(this, "GroupBoxGas", "Gas");
    auto* gasRows = new QGridLayout(gas);
    gasRows->setVerticalSpacing(2);
    gasEnable_ = MakeCheckBox(gas, "CheckBoxGas", "Gas enable");
    editors.Bind(gasEnable_);
    gasRows->addWidget(gasEnable_, 0, 0, 1, 2);
    constexpr Row kGas[] = {{"LabelGas1", "Gas 1 [%]", "EditGas1"},
                            {"LabelGas2", "Gas 2 [%]", "EditGas2"},
                            {"LabelGas3", "Gas Trans.[ms]", "EditGas3"},
                            {"LabelGas4", "Gas Delay [ms]", "EditGas4"}};
    int row = 1;
    for (std::size_t i = 0; i < std::size(kGas); ++i) {
        QLabel* label = MakeLabel(gas, kGas[i].caption, kGas[i].label);
        FieldBox* box = editors.MakeField(kGas[i].edit, gas);
        // Hidden while the gas function is off, without the group changing size.
        KeepRoomWhenHidden(*label);
        KeepRoomWhenHidden(*box);
        gasControls_[i] = box;
        gasControls_[i + std::size(kGas)] = label;
        gasRows->addWidget(label, row, 0);
        gasRows->addWidget(box, row++, 1);
    }
    return gas;
}

QGroupBox* IgnitionPage::MakeOutputs(EditorBinding& editors) {
    auto* outputs = new QGroupBox(this);
    outputs->setObjectName(QStringLiteral("GroupBoxOutputs"));
    auto* outputRows = new QVBoxLayout(outputs);
    outputRows->setSpacing(2);
    excitation_ = MakeCheckBox(outputs, "CheckBox5", "Excitation High");
    excitation_->setAutoFillBackground(true);
    editors.Bind(excitation_);
    outputRows->addWidget(excitation_);
    QCheckBox* tachometer = MakeCheckBox(outputs, "CheckBox6", "Tachometer 2x");
    editors.Bind(tachometer);
    outputRows->addWidget(tachometer);
    return outputs;
}

// The program in the unit: version, date and time, blank until a read.
QHBoxLayout* IgnitionPage::MakeUnitRow() {
    auto* unit = new QHBoxLayout;
    constexpr Row kUnit[] = {{"LabelVerze1", "Version|Version of program in ignition", " 0.00 "},
                             {"LabelVerze2", "Date|Date of program in ignition", " 05.02.2002 "},
                             {"LabelVerze3", "Time|Time of program in ignition", " 09:07 "}};
    for (std::size_t i = 0; i < std::size(kUnit); ++i) {
        QLabel* label = MakeLabel(this, "", kUnit[i].label);
        SetHint(*label, kUnit[i].caption, Tooltip::Yes);
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QString::fromLatin1(kUnit[i].edit)) +
                               8);
        unitLabels_[i] = label;
        unit->addWidget(label);
    }
    unit->addStretch(1);
    return unit;
}

QHBoxLayout* IgnitionPage::MakeFileRow() {
    auto* file = new QHBoxLayout;
    QLabel* fileCaption = MakeLabel(this, "File:", "LabelFile1");
    file->addWidget(fileCaption);
    // A blank between the caption and the path, as in a line of text, whatever the style's spacing.
    file->setSpacing(fileCaption->fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    fileName_ = MakeLabel(this, "", "LabelFile2");
    fileName_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    file->addWidget(fileName_, 1);
    return file;
}

void IgnitionPage::ShowExcitation(bool on) {
    // A check box fills its background with the button colour role.
    QPalette palette = excitation_->palette();
    const QColor normal = QPalette().color(QPalette::Button);
    palette.setColor(QPalette::Button, on ? QColor(Qt::red) : normal);
    excitation_->setPalette(palette);
}

void IgnitionPage::ShowGasFields(bool on) {
    for (QWidget* control : gasControls_) control->setVisible(on);
}

void IgnitionPage::ShowIdentification(const UnitIdentification& id) {
    unitLabels_[0]->setText(QString::fromStdString(id.version));
    unitLabels_[1]->setText(QString::fromStdString(id.date));
    unitLabels_[2]->setText(QString::fromStdString(id.time));
}

QString IgnitionPage::FileName() const { return fileName_->text(); }

void IgnitionPage::SetFileName(const QString& text) { fileName_->setText(text); }

void IgnitionPage::ClearFileName() { fileName_->clear(); }

}  // namespace ign
