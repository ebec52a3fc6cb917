#include "pages/Injection3Page.h"

#include "pages/FieldBox.h"
#include "pages/PageParts.h"
#include "window/EditorBinding.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace ign {
namespace {

// A group with one field and its unit.
QGroupBox* SingleFieldGroup(QWidget* page, EditorBinding& editors, const char* name, const char* title,
                            const char* edit, const char* unit) {
    QGroupBox* group = MakeGroup(page, name, title);
    auto* row = new QHBoxLayout(group);
    row->addWidget(editors.MakeField(edit, group));
    row->addWidget(MakeLabel(group, unit));
    row->addStretch(1);
    return group;
}

// Five temperature points under their headings.
QGroupBox* TemperatureGroup(QWidget* page, EditorBinding& editors, const char* name, const char* title,
                            const char* const (&edits)[5]) {
    constexpr const char* kHeadings[5] = {"-10 °C", "20 °C", "50 °C", "80 °C", "110 °C"};
    QGroupBox* group = MakeGroup(page, name, title);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(3);
    for (int i = 0; i < 5; ++i) {
        grid->addWidget(MakeLabel(group, kHeadings[i]), 0, i, Qt::AlignHCenter);
        grid->addWidget(editors.MakeField(edits[i], group), 1, i);
    }
    grid->addWidget(MakeLabel(group, "[%]"), 1, 5);
    return group;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace

Injection3Page::Injection3Page(EditorBinding& editors, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet4"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);

    auto* top = new QHBoxLayout;
    top->addWidget(
        SingleFieldGroup(this, editors, "GroupBoxDeadTime", "Dead Injection Time", "EditDeadTime", "[us]"));
    top->addWidget(
        SingleFieldGroup(this, editors, "GroupBoxStartJet", "Start Injection", "EditStartJet", "[ms]"));
    top->addWidget(SingleFieldGroup(this, editors, "GroupBoxChlazeni", "Cooling", "EditChlazeni", "[°C]"));
    grid->addLayout(top, 0, 0, 1, 2);

    QGroupBox* acceleration = MakeGroup(this, "GroupBoxAkcel", "Acceleration");
    auto* accelRows = new QGridLayout(acceleration);
    accelRows->setVerticalSpacing(2);
    accelRows->addWidget(MakeLabel(acceleration, "Práh přístřiku [%/s]"), 0, 0);
    accelRows->addWidget(editors.MakeField("EditAkcelPrah", acceleration), 0, 1);
    accelRows->addWidget(MakeLabel(acceleration, "Velikost přístřiku [us]"), 1, 0);
    accelRows->addWidget(editors.MakeField("EditAkcelJet", acceleration), 1, 1);
    accelRows->addWidget(MakeLabel(acceleration, "Perioda přístřiku [ms]"), 2, 0);
    accelRows->addWidget(editors.MakeField("EditAkcelPer", acceleration), 2, 1);
    accelRows->setColumnStretch(2, 1);
    grid->addWidget(acceleration, 1, 0);

    QGroupBox* tps = MakeGroup(this, "GroupBoxTps", "TPS");
    auto* tpsRows = new QGridLayout(tps);
    tpsRows->setVerticalSpacing(2);
    tpsRows->addWidget(MakeLabel(tps, "0%  [mV]"), 0, 0);
    tpsRows->addWidget(editors.MakeField("EditTps0", tps), 0, 1);
    QPushButton* tps0 = MakeButton(tps, "BitBtnTps0", "Set TPS 0");
    tpsRows->addWidget(tps0, 0, 2);
    tpsRows->addWidget(MakeLabel(tps, "100%  [mv]"), 1, 0);
    tpsRows->addWidget(editors.MakeField("EditTps100", tps), 1, 1);
    QPushButton* tps100 = MakeButton(tps, "BitBtnTps100", "Set TPS 100");
    tpsRows->addWidget(tps100, 1, 2);
    tpsRows->setRowStretch(2, 1);
    tpsRows->setColumnStretch(3, 1);
    grid->addWidget(tps, 1, 1);

    constexpr const char* kWater[5] = {"EditVoda_10", "EditVoda20", "EditVoda50", "EditVoda80",
                                       "EditVoda110"};
    constexpr const char* kAir[5] = {"EditVzduch_10", "EditVzduch20", "EditVzduch50", "EditVzduch80",
                                     "EditVzduch110"};
    grid->addWidget(TemperatureGroup(this, editors, "GroupBoxVoda", "Water Temperature", kWater), 2, 0);
    grid->addWidget(TemperatureGroup(this, editors, "GroupBoxVzduch", "Air Temperature", kAir), 2, 1);
    grid->setRowStretch(3, 1);

    connect(tps0, &QPushButton::clicked, this, &Injection3Page::tps0Clicked);
    connect(tps100, &QPushButton::clicked, this, &Injection3Page::tps100Clicked);
}

}  // namespace ign
