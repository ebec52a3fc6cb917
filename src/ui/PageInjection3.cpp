#include "FieldBox.h"
#include "Hlav.h"
#include "PageParts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace ign {
namespace {

// A group with one field and its unit.
QGroupBox* SingleFieldGroup(QWidget* page, const char* name, const char* title, FieldBox* field,
                            const char* unit) {
    QGroupBox* group = MakeGroup(page, name, title);
    auto* row = new QHBoxLayout(group);
    row->addWidget(field);
    row->addWidget(MakeLabel(group, unit));
    row->addStretch(1);
    return group;
}

// Five temperature points under their headings.
QGroupBox* TemperatureGroup(QWidget* page, const char* name, const char* title,
                            FieldBox* const (&fields)[5]) {
    constexpr const char* kHeadings[5] = {"-10 °C", "20 °C", "50 °C", "80 °C", "110 °C"};
    QGroupBox* group = MakeGroup(page, name, title);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(3);
    for (int i = 0; i < 5; ++i) {
        grid->addWidget(MakeLabel(group, kHeadings[i]), 0, i, Qt::AlignHCenter);
        grid->addWidget(fields[i], 1, i);
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

QWidget* TFormHlav::BuildInjection3Page() {
    QWidget* page = MakePage(this, "TabSheet4");
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(4, 4, 4, 4);

    auto* top = new QHBoxLayout;
    top->addWidget(
        SingleFieldGroup(page, "GroupBoxDeadTime", "Dead Injection Time", MakeField("EditDeadTime"), "[us]"));
    top->addWidget(
        SingleFieldGroup(page, "GroupBoxStartJet", "Start Injection", MakeField("EditStartJet"), "[ms]"));
    top->addWidget(SingleFieldGroup(page, "GroupBoxChlazeni", "Cooling", MakeField("EditChlazeni"), "[°C]"));
    grid->addLayout(top, 0, 0, 1, 2);

    QGroupBox* acceleration = MakeGroup(page, "GroupBoxAkcel", "Acceleration");
    auto* accelRows = new QGridLayout(acceleration);
    accelRows->setVerticalSpacing(2);
    accelRows->addWidget(MakeLabel(acceleration, "Práh přístřiku [%/s]"), 0, 0);
    accelRows->addWidget(MakeField("EditAkcelPrah"), 0, 1);
    accelRows->addWidget(MakeLabel(acceleration, "Velikost přístřiku [us]"), 1, 0);
    accelRows->addWidget(MakeField("EditAkcelJet"), 1, 1);
    accelRows->addWidget(MakeLabel(acceleration, "Perioda přístřiku [ms]"), 2, 0);
    accelRows->addWidget(MakeField("EditAkcelPer"), 2, 1);
    accelRows->setColumnStretch(2, 1);
    grid->addWidget(acceleration, 1, 0);

    QGroupBox* tps = MakeGroup(page, "GroupBoxTps", "TPS");
    auto* tpsRows = new QGridLayout(tps);
    tpsRows->setVerticalSpacing(2);
    tpsRows->addWidget(MakeLabel(tps, "0%  [mV]"), 0, 0);
    tpsRows->addWidget(MakeField("EditTps0"), 0, 1);
    tpsRows->addWidget(MakeButton(tps, "BitBtnTps0", "Set TPS 0"), 0, 2);
    tpsRows->addWidget(MakeLabel(tps, "100%  [mv]"), 1, 0);
    tpsRows->addWidget(MakeField("EditTps100"), 1, 1);
    tpsRows->addWidget(MakeButton(tps, "BitBtnTps100", "Set TPS 100"), 1, 2);
    tpsRows->setRowStretch(2, 1);
    tpsRows->setColumnStretch(3, 1);
    grid->addWidget(tps, 1, 1);

    FieldBox* const water[5] = {MakeField("EditVoda_10"), MakeField("EditVoda20"), MakeField("EditVoda50"),
                                MakeField("EditVoda80"), MakeField("EditVoda110")};
    FieldBox* const air[5] = {MakeField("EditVzduch_10"), MakeField("EditVzduch20"),
                              MakeField("EditVzduch50"), MakeField("EditVzduch80"),
                              MakeField("EditVzduch110")};
    grid->addWidget(TemperatureGroup(page, "GroupBoxVoda", "Water Temperature", water), 2, 0);
    grid->addWidget(TemperatureGroup(page, "GroupBoxVzduch", "Air Temperature", air), 2, 1);
    grid->setRowStretch(3, 1);
    return page;
}

}  // namespace ign
