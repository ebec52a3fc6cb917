#include "LiveAdjust.h"
#include "Monitor.h"
#include "New.h"
#include "SealedFrame.h"
#include "Validation.h"

#include <QtTest>

using namespace ign;

namespace {

QString Text(const Monitor& m, MonitorLabel label) { return QString::fromStdString(m.text(label)); }

}  // namespace

class MonitorTest : public QObject {
    Q_OBJECT
private slots:
    void captionsBeforeTheFirstFrame() {
        Monitor m;
        QCOMPARE(Text(m, MonitorLabel::Voda), QString("Voda= --- [°]= --- [mV]"));
        QCOMPARE(Text(m, MonitorLabel::Napeti), QString("Napětí = --- [mV]"));
        QCOMPARE(Text(m, MonitorLabel::UhelPolohy), QString("Úhel vstřiku = --- [°]"));
        QCOMPARE(LabelInfo(MonitorLabel::Test1).objectName, std::string_view("LabelTest1"));
        QCOMPARE(m.MeasuredTpsMv(), std::uint16_t{0});
    }

    // Each row: a status frame first (type 3), then the frame under test.
    void frames_data() {
        QTest::addColumn<Bytes>("frame");
        QTest::addColumn<int>("label");
        QTest::addColumn<QString>("text");
        const auto L = [](MonitorLabel l) { return static_cast<int>(l); };
        QTest::newRow("tps full scale") << Sealed({0xB0, 0, 0, 0, 0, 0, 0, 0, 0, 0x1F, 0xF8})
                                        << L(MonitorLabel::Tps) << "TPS= 42 [%]= 4860 [mV]";
        QTest::newRow("stps doubled") << Sealed({0xB0, 0x1F, 0xF8, 0, 0, 0, 0, 0, 0, 0, 0})
                                      << L(MonitorLabel::Privera) << "STPS = 4860 [mV]";
        QTest::newRow("iaps") << Sealed({0xB0, 0, 0, 0x03, 0xE8, 0, 0, 0, 0, 0, 0})
                              << L(MonitorLabel::Podtlak) << "IAPS= 55 [%] = 592 [mV]";
        QTest::newRow("lambda not doubled") << Sealed({0xB0, 0, 0, 0, 0, 0, 0, 0x03, 0xE8, 0, 0})
                                            << L(MonitorLabel::Lambda) << "LAMBDA = 296 [mV]";
        QTest::newRow("supply 13.3 V") << Sealed({0xB1, 0, 0, 0, 0, 0x0F, 0x22, 0, 0, 0, 0})
                                       << L(MonitorLabel::Napeti) << "U = 13.3 [V]= 1150 [mV]";
        QTest::newRow("supply zero") << Sealed({0xB1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})
                                     << L(MonitorLabel::Napeti) << "U =  0.6 [V]= 0 [mV]";
        QTest::newRow("water below zero") << Sealed({0xB1, 0x03, 0xE8, 0, 0, 0, 0, 0, 0, 0, 0})
                                          << L(MonitorLabel::Voda) << "TWS= -5 [°]= 296 [mV]";
        QTest::newRow("air") << Sealed({0xB1, 0, 0, 0x03, 0xE8, 0, 0, 0, 0, 0, 0}) << L(MonitorLabel::Vzduch)
                             << "ATS= 30 [°]= 296 [mV]";
        QTest::newRow("injection time") << Sealed({0xB1, 0, 0, 0, 0, 0, 0, 0, 100, 0, 0})
                                        << L(MonitorLabel::CasJet) << "INJ. TIME = 3000 [us]";
        QTest::newRow("position 0") << Sealed({0xB1, 0, 0, 0, 0, 0, 0, 0, 0, 0x02, 0xD0})
                                    << L(MonitorLabel::UhelPolohy) << "INJ. POS. = 0 [°]";
        QTest::newRow("position negative") << Sealed({0xB1, 0, 0, 0, 0, 0, 0, 0, 0, 0x03, 0x20})
                                           << L(MonitorLabel::UhelPolohy) << "INJ. POS. = -80 [°]";
        QTest::newRow("rpm") << Sealed({0xB2, 0x07, 0xD0, 0, 0, 0, 0, 0, 0, 0, 0}) << L(MonitorLabel::Rpm)
                             << "RPM = 1000 ";
        QTest::newRow("rpm zero period")
            << Sealed({0xB2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}) << L(MonitorLabel::Rpm) << "RPM = 0 ";
        QTest::newRow("dwell") << Sealed({0xB2, 0, 100, 0, 40, 0, 0, 0, 0, 0, 0}) << L(MonitorLabel::Buzeni)
                               << "DWELLTIME = 3600 [us]";
        QTest::newRow("dwell negative") << Sealed({0xB2, 0, 40, 0, 100, 0, 0, 0, 0, 0, 0})
                                        << L(MonitorLabel::Buzeni) << "DWELLTIME = -3600 [us]";
        QTest::newRow("test word") << Sealed({0xB2, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})
                                   << L(MonitorLabel::Test1) << "Test = 65535 ";
        QTest::newRow("bad check byte")
            << Bytes{0xB2, 0x07, 0xD0, 0, 0, 0, 0, 0, 0, 0, 0, 0x9B} << L(MonitorLabel::Rpm) << "RPM = ---";
        QTest::newRow("type 4 ignored")
            << Sealed({0xB4, 0x07, 0xD0, 0, 0, 0, 0, 0, 0, 0, 0}) << L(MonitorLabel::Rpm) << "RPM = ---";
        QTest::newRow("answer code ignored")
            << Sealed({0xC2, 0x07, 0xD0, 0, 0, 0, 0, 0, 0, 0, 0}) << L(MonitorLabel::Rpm) << "RPM = ---";
    }
    void frames() {
        QFETCH(Bytes, frame);
        QFETCH(int, label);
        QFETCH(QString, text);
        Monitor m;
        // Throttle 42 %, intake 55 %, water -5 degrees, air 30 degrees.
        QVERIFY(m.ShowMonitorFrame(Sealed({0xB3, 42, 55, 95, 130, 0, 0, 0, 0, 0, 0}).data()));
        m.ShowMonitorFrame(frame.data());
        QCOMPARE(Text(m, static_cast<MonitorLabel>(label)), text);
    }

    void statusFrameAloneChangesNoLabel() {
        Monitor m, fresh;
        m.ShowMonitorFrame(Sealed({0xB3, 42, 55, 95, 130, 1, 2, 3, 4, 5, 6}).data());
        for (int i = 0; i < kMonitorLabelCount; ++i) {
            QCOMPARE(m.text(static_cast<MonitorLabel>(i)), fresh.text(static_cast<MonitorLabel>(i)));
        }
        QCOMPARE(int(m.MonitorStatus().WaterTempCode), 95);
    }

    void measuredTpsFollowsTypeZero() {
        Monitor m;
        m.ShowMonitorFrame(Sealed({0xB0, 0, 0, 0, 0, 0, 0, 0, 0, 0x1F, 0xF8}).data());
        QCOMPARE(m.MeasuredTpsMv(), std::uint16_t{4860});
        QCOMPARE(m.readings().tpsMv, 4860);
    }

    void jetMap_data() {
        QTest::addColumn<int>("before");
        QTest::addColumn<bool>("plus");
        QTest::addColumn<int>("after");
        QTest::newRow("minus at 0") << 0 << false << 0;
        QTest::newRow("minus below editor range") << 5 << false << 4;
        QTest::newRow("plus at 250") << 250 << true << 250;
        QTest::newRow("plus 249") << 249 << true << 250;
    }
    void jetMap() {
        QFETCH(int, before);
        QFETCH(bool, plus);
        QFETCH(int, after);
        InjectionBlock inj;
        inj.JET.fill(static_cast<Byte>(before));
        QVERIFY(plus ? JetPlus(inj) : JetMinus(inj));  // programs even when nothing moved
        for (Byte cell : inj.JET) QCOMPARE(int(cell), after);
    }

    void jetColumnTouchesOnlyItsColumn() {
        ParameterSet set;
        ApplyMachineDefaults(set);
        const ParameterSet before = set;
        QVERIFY(JetColumnPlus(set.injection, 2));
        for (int i = 0; i < 100; ++i) {
            const int delta = set.injection.JET[std::size_t(i)] - before.injection.JET[std::size_t(i)];
            QCOMPARE(delta, i % 10 == 2 ? 1 : 0);
        }
        set.injection.JET = before.injection.JET;
        QVERIFY(set == before);
        QVERIFY(!JetColumnMinus(set.injection, 10));
    }

    void curveAStopsAtItsLimits() {
        ParameterSet set;
        ApplyMachineDefaults(set);
        ValidateParameters(set);
        set.ignition.ADV_A = {0, 1, 2, 3, 4, 5, 6, 7, 8, set.ignition.PALEC};
        CurvePlus(set);
        QCOMPARE(set.ignition.ADV_A[0], Byte(1));
        QCOMPARE(set.ignition.ADV_A[9], set.ignition.PALEC);
        CurveMinus(set);
        CurveMinus(set);
        QCOMPARE(set.ignition.ADV_A[0], Byte(0));
        QCOMPARE(set.ignition.ADV_A[1], Byte(0));
        QCOMPARE(set.ignition.ADV_A[2], Byte(1));
    }

    void tpsCalibration_data() {
        QTest::addColumn<bool>("full");
        QTest::addColumn<int>("mv");
        QTest::addColumn<int>("stored");  // -1: nothing stored
        QTest::newRow("tps 0 1234") << false << 1234 << 123;
        QTest::newRow("tps 0 2600") << false << 2600 << -1;
        QTest::newRow("tps 0 no value yet") << false << 0 << -1;
        QTest::newRow("tps 0 300") << false << 300 << 30;
        QTest::newRow("tps 0 2500") << false << 2500 << 250;
        QTest::newRow("tps 100 4600") << true << 4600 << 210;
        QTest::newRow("tps 100 4601") << true << 4601 << -1;
        QTest::newRow("tps 100 2500") << true << 2500 << 0;
        QTest::newRow("tps 100 2499") << true << 2499 << -1;
    }
    void tpsCalibration() {
        QFETCH(bool, full);
        QFETCH(int, mv);
        QFETCH(int, stored);
        InjectionBlock inj;
        inj.TPS_0 = inj.TPS_100 = 99;
        const auto measured = static_cast<std::uint16_t>(mv);
        QCOMPARE(full ? SetTps100(inj, measured) : SetTps0(inj, measured), stored >= 0);
        QCOMPARE(int(full ? inj.TPS_100 : inj.TPS_0), stored >= 0 ? stored : 99);
        QCOMPARE(int(full ? inj.TPS_0 : inj.TPS_100), 99);
    }
};

QTEST_GUILESS_MAIN(MonitorTest)
#include "test_monitor.moc"
