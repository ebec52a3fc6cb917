#include "Conversion.h"
#include "DefaultSets.h"
#include "DeviceImageCodec.h"
#include "EditorBindings.h"
#include "FieldTyping.h"
#include "New.h"
#include "SetDigest.h"
#include "Validation.h"

#include <QCryptographicHash>
#include <QtTest>

#include <set>

using namespace ign;

Q_DECLARE_METATYPE(ign::Conversion)
Q_DECLARE_METATYPE(ign::Param)

namespace {

Points10 Seq(int first, int step) {
    Points10 p{};
    for (int k = 0; k < 10; ++k) p[static_cast<std::size_t>(k)] = static_cast<Byte>(first + k * step);
    return p;
}

}  // namespace

class ParamsTest : public QObject {
    Q_OBJECT
private slots:
    void conversions_data();
    void conversions();
    void userValues_data();
    void userValues();
    void packOffsets();
    void packFlagsAndUntouchedOffsets();
    void unpackFlagMasks_data();
    void unpackFlagMasks();
    void roundTripAfterValidation();
    void identification_data();
    void identification();
    void validationAxes_data();
    void validationAxes();
    void validationScalarRules_data();
    void validationScalarRules();
    void validationPalecTwoPasses();
    void validationInjectionAxis();
    void machineDefaults_data();
    void machineDefaults();
    void machineDefaultsKeepKeyingAndCooling();
    void unknownMachineWritesOnlyCommonValues();
    void triggerWidth_data();
    void triggerWidth();
    void fieldTable();
    void dragGivesTheTypedByte_data();
    void dragGivesTheTypedByte();
    void dragWithoutAField();
    void sha256AgreesWithQt();
    void setDigest();
};

void ParamsTest::conversions_data() {
    QTest::addColumn<Conversion>("conversion");
    QTest::addColumn<uint>("user");
    QTest::addColumn<int>("byte");
    QTest::newRow("1250 rpm drops remainder") << Conversion::Div100 << 1250u << 12;
    QTest::newRow("20100 rpm") << Conversion::Div100 << 20100u << 201;
    QTest::newRow("70000 rpm wraps at 65536") << Conversion::Div100 << 70000u << 44;
    QTest::newRow("position 100 deg") << Conversion::Div3 << 100u << 33;
    QTest::newRow("position 720 deg") << Conversion::Div3 << 720u << 240;
    QTest::newRow("limiter D 32000") << Conversion::Div200 << 32000u << 160;
    QTest::newRow("accel jet 7500 us") << Conversion::Div30 << 7500u << 250;
    QTest::newRow("as is keeps low 8 bits") << Conversion::AsIs << 300u << 44;
    QTest::newRow("TPS 100 at 2500 mV") << Conversion::Tps100 << 2500u << 0;
    QTest::newRow("TPS 100 at 4600 mV") << Conversion::Tps100 << 4600u << 210;
    QTest::newRow("TPS 100 at 5050 mV") << Conversion::Tps100 << 5050u << 255;
    QTest::newRow("TPS 100 at 2000 mV wraps") << Conversion::Tps100 << 2000u << 206;
    QTest::newRow("TPS 100 at 4609 mV") << Conversion::Tps100 << 4609u << 210;
}

void ParamsTest::conversions() {
    QFETCH(Conversion, conversion);
    QFETCH(uint, user);
    QFETCH(int, byte);
    QCOMPARE(int(ToByte(conversion, user)), byte);
}

void ParamsTest::userValues_data() {
    QTest::addColumn<Conversion>("conversion");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("user");
    QTest::newRow("rpm") << Conversion::Div100 << 12 << 1200;
    QTest::newRow("TPS 100 zero") << Conversion::Tps100 << 0 << 2500;
    QTest::newRow("TPS 100 210") << Conversion::Tps100 << 210 << 4600;
    QTest::newRow("TPS 100 255") << Conversion::Tps100 << 255 << 5050;
    QTest::newRow("limiter D") << Conversion::Div200 << 255 << 51000;
    QTest::newRow("position") << Conversion::Div3 << 33 << 99;
}

void ParamsTest::userValues() {
    QFETCH(Conversion, conversion);
    QFETCH(int, byte);
    QFETCH(int, user);
    QCOMPARE(ToUser(conversion, static_cast<Byte>(byte)), user);
}

void ParamsTest::packOffsets() {
    ParameterSet s;
    s.ignition.RPM_A = Seq(10, 10);
    s.ignition.ADV_B[9] = 77;
    s.ignition.OMEZ1 = 0xA1;
    s.ignition.KEYING = 3;
    s.ignition.PALEC = 0x5C;
    s.ignition.Gas1 = 0xE1;
    s.ignition.GasD = 0xE4;
    s.injection.POLOHA[0] = 0x51;
    JetCell(s.injection, 0, 0) = 0x61;
    JetCell(s.injection, 9, 9) = 0x9F;
    s.injection.KOR_23[0] = 0xA2;
    s.injection.TPS_0 = 0xAB;
    s.injection.TPS_100 = 0xAC;
    s.injection.AKCEL_JET = 0xAF;
    s.injection.DEAD_TIME = 0xB5;
    s.injection.POLOHA_PRO = 2;
    s.injection.START_JET = 0xB7;
    s.injection.CHLAZENI = 0xB8;
    s.injection.WATER[0] = 0xBF;
    s.injection.AIR[4] = 0xC8;
    s.injection.RPM_JET[9] = 0xD2;
    PackDeviceImage(s);

    const auto& im = s.image;
    QCOMPARE(int(im.at(1)), 10);
    QCOMPARE(int(im.at(10)), 100);
    QCOMPARE(int(im.at(40)), 77);
    QCOMPARE(int(im.at(42)), 0xA1);
    QCOMPARE(int(im.at(47)), 3);
    QCOMPARE(int(im.at(50)), 0x5C);
    QCOMPARE(int(im.at(51)), 0x51);
    QCOMPARE(int(im.at(61)), 0x61);
    QCOMPARE(int(im.at(160)), 0x9F);
    QCOMPARE(int(im.at(161)), 0xA2);
    QCOMPARE(int(im.at(171)), 0xAB);
    QCOMPARE(int(im.at(172)), 0xAC);
    QCOMPARE(int(im.at(175)), 0xAF);
    QCOMPARE(int(im.at(181)), 0xB5);
    QCOMPARE(int(im.at(182)), 2);
    QCOMPARE(int(im.at(183)), 0xB7);
    QCOMPARE(int(im.at(184)), 0xB8);
    QCOMPARE(int(im.at(187)), 0xE1);
    QCOMPARE(int(im.at(190)), 0xE4);
    QCOMPARE(int(im.at(191)), 0xBF);
    QCOMPARE(int(im.at(200)), 0xC8);
    QCOMPARE(int(im.at(210)), 0xD2);
}

void ParamsTest::packFlagsAndUntouchedOffsets() {
    ParameterSet s = DefaultSet(0);
    // What an earlier read left in offsets the tool never writes must survive.
    const std::array<int, 15> untouched{48,  49,  176, 177, 178, 179, 180, 185,
                                        186, 211, 214, 217, 219, 220, 215};
    for (int off : untouched) s.image.at(off) = static_cast<Byte>(0x30 + off % 7);
    s.ignition.LED_RAZ = 0;
    s.ignition.POV_OM = 7;  // any nonzero value counts as on
    s.ignition.CAS_IN = 0;
    s.ignition.BLOK = 1;
    s.ignition.GasEnable = 1;
    s.ignition.EXCITATION = 0x40;
    s.ignition.RPM2 = 1;
    PackDeviceImage(s);
    QCOMPARE(int(s.image.at(41)), 0x02 | 0x08 | 0x10 | 0x40 | 0x80);
    for (int off : untouched) QCOMPARE(int(s.image.at(off)), 0x30 + off % 7);
}

void ParamsTest::unpackFlagMasks_data() {
    QTest::addColumn<int>("bit");
    QTest::addColumn<int>("param");
    QTest::newRow("bit 0 LED_RAZ") << 0 << int(Param::LED_RAZ);
    QTest::newRow("bit 1 POV_OM") << 1 << int(Param::POV_OM);
    QTest::newRow("bit 2 CAS_IN") << 2 << int(Param::CAS_IN);
    QTest::newRow("bit 3 BLOK") << 3 << int(Param::BLOK);
    QTest::newRow("bit 4 GasEnable") << 4 << int(Param::GasEnable);
    QTest::newRow("bit 6 EXCITATION") << 6 << int(Param::EXCITATION);
    QTest::newRow("bit 7 RPM2") << 7 << int(Param::RPM2);
}

void ParamsTest::unpackFlagMasks() {
    QFETCH(int, bit);
    QFETCH(int, param);
    ParameterSet s;
    s.image.at(41) = static_cast<Byte>(1 << bit);
    UnpackDeviceImage(s);
    const std::array flags{Param::LED_RAZ,   Param::POV_OM,     Param::CAS_IN, Param::BLOK,
                           Param::GasEnable, Param::EXCITATION, Param::RPM2};
    for (Param f : flags) {
        const int expected = int(f) == param ? (1 << bit) : 0;
        QCOMPARE(int(BytesOf(s, f)[0]), expected);
    }
}

void ParamsTest::roundTripAfterValidation() {
    for (Byte keying = 0; keying < kMachineCount; ++keying) {
        ParameterSet s = DefaultSet(keying);
        s.ignition.RPM2 = 1;
        s.ignition.GasEnable = 1;
        s.injection.KOR_23[3] = 255;
        s.injection.DEAD_TIME = 251;
        ValidateParameters(s);
        PackDeviceImage(s);
        ParameterSet back;
        back.image = s.image;
        UnpackDeviceImage(back);
        // Flags come back as their masks; everything else byte for byte.
        QCOMPARE(int(back.ignition.RPM2), 0x80);
        QCOMPARE(int(back.ignition.GasEnable), 0x10);
        back.ignition.RPM2 = s.ignition.RPM2;
        back.ignition.GasEnable = s.ignition.GasEnable;
        back.ignition.EXCITATION = back.ignition.EXCITATION ? s.ignition.EXCITATION : 0;
        for (Byte* f :
             {&back.ignition.POV_OM, &back.ignition.LED_RAZ, &back.ignition.CAS_IN, &back.ignition.BLOK}) {
            *f = *f ? 1 : 0;
        }
        QVERIFY(back.ignition == s.ignition);
        QVERIFY(back.injection == s.injection);
    }
}

void ParamsTest::identification_data() {
    QTest::addColumn<QByteArray>("block");  // offsets 211..219
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::newRow("day below ten, February") << QByteArray("ABC\x07\x05\x0d\x02\x09\x07", 9) << "ABC07"
                                             << " 5. 2.2002"
                                             << "09:07";
    QTest::newRow("December, two-digit day") << QByteArray("ZR1\x2a\x1f\x0c\x63\x17\x3b", 9) << "ZR142"
                                             << "31.12.2099"
                                             << "23:59";
    QTest::newRow("October") << QByteArray("V\x20\x20\x00\x0a\x26\x00\x00\x00", 9) << "V  00"
                             << "10.10.2000"
                             << "00:00";
    QTest::newRow("unknown month code") << QByteArray("XYZ\x01\x0b\x63\x05\x0c\x1e", 9) << "XYZ01"
                                        << "11.00.2005"
                                        << "12:30";
}

void ParamsTest::identification() {
    QFETCH(QByteArray, block);
    QFETCH(QString, version);
    QFETCH(QString, date);
    QFETCH(QString, time);
    DeviceImage im;
    for (int i = 0; i < 9; ++i) im.at(211 + i) = static_cast<Byte>(block[i]);
    const auto id = DecodeUnitIdentification(im);
    QCOMPARE(QString::fromStdString(id.version), version);
    QCOMPARE(QString::fromStdString(id.date), date);
    QCOMPARE(QString::fromStdString(id.time), time);
}

void ParamsTest::validationAxes_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    auto bytes = [](std::initializer_list<int> v) {
        QByteArray a;
        for (int x : v) a.append(static_cast<char>(x));
        return a;
    };
    QTest::newRow("all zero") << bytes({0, 0, 0, 0, 0, 0, 0, 0, 0, 0})
                              << bytes({3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    QTest::newRow("all 255") << bytes({255, 255, 255, 255, 255, 255, 255, 255, 255, 255})
                             << bytes({191, 192, 193, 194, 195, 196, 197, 198, 199, 200});
    QTest::newRow("all ten") << bytes({10, 10, 10, 10, 10, 10, 10, 10, 10, 10})
                             << bytes({10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
    QTest::newRow("one step above predecessor") << bytes({50, 40, 60, 70, 80, 90, 100, 110, 120, 130})
                                                << bytes({50, 51, 60, 70, 80, 90, 100, 110, 120, 130});
    QTest::newRow("default axis unchanged") << bytes({10, 20, 30, 40, 60, 80, 100, 120, 140, 160})
                                            << bytes({10, 20, 30, 40, 60, 80, 100, 120, 140, 160});
    QTest::newRow("typed 2000 into point 3") << bytes({10, 20, 30, 20, 60, 80, 100, 120, 140, 160})
                                             << bytes({10, 20, 30, 31, 60, 80, 100, 120, 140, 160});
}

void ParamsTest::validationAxes() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    ParameterSet s = DefaultSet(0);
    for (int k = 0; k < 10; ++k) {
        s.ignition.RPM_A[k] = static_cast<Byte>(before[k]);
        s.ignition.RPM_B[k] = static_cast<Byte>(before[k]);
        s.injection.RPM_JET[k] = static_cast<Byte>(before[k]);
    }
    ValidateParameters(s);
    for (int k = 0; k < 10; ++k) {
        QCOMPARE(int(s.ignition.RPM_A[k]), int(Byte(after[k])));
        QCOMPARE(int(s.ignition.RPM_B[k]), int(Byte(after[k])));
        QCOMPARE(int(s.injection.RPM_JET[k]), int(Byte(after[k])));
    }
}

void ParamsTest::validationScalarRules_data() {
    QTest::addColumn<int>("param");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("otherParam");
    QTest::addColumn<int>("otherValue");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("expectedOther");
    const int none = int(Param::KEYING);  // an unlimited byte as a harmless partner
    auto row = [&](const char* name, Param p, int v, Param o, int ov, int e, int eo) {
        QTest::newRow(name) << int(p) << v << int(o) << ov << e << eo;
    };
    row("OMEZ2 raised to OMEZ1", Param::OMEZ1, 200, Param::OMEZ2, 150, 200, 200);
    row("OMEZ1 below 10", Param::OMEZ1, 5, Param::OMEZ2, 255, 10, 250);
    row("Gas1 lowered to Gas2", Param::Gas1, 80, Param::Gas2, 60, 60, 60);
    row("Gas1 zero becomes 1", Param::Gas1, 0, Param::Gas2, 60, 1, 60);
    row("GasT zero becomes 1, GasD zero stays", Param::GasT, 0, Param::GasD, 0, 1, 0);
    row("GasT and GasD above 200", Param::GasT, 201, Param::GasD, 255, 200, 200);
    row("OMEZ_D limits", Param::OMEZ_D, 9, Param(none), 0, 10, 0);
    row("OMEZ_D upper", Param::OMEZ_D, 161, Param(none), 0, 160, 0);
    row("CLUTCH no lower limit", Param::CLUTCH, 0, Param(none), 0, 0, 0);
    row("CLUTCH upper", Param::CLUTCH, 101, Param(none), 0, 100, 0);
    row("NA limits", Param::NA, 0, Param(none), 0, 10, 0);
    row("CHLAZENI capped, KOR_23 not", Param::CHLAZENI, 255, Param::KOR_23, 255, 250, 255);
    row("TPS_0 and TPS_100 capped", Param::TPS_0, 251, Param::TPS_100, 255, 250, 250);
    row("START_JET", Param::START_JET, 51, Param::DEAD_TIME, 255, 50, 255);
    row("POLOHA and AKCEL unlimited", Param::POLOHA, 255, Param::AKCEL_JET, 255, 255, 255);
    row("water capped, air capped", Param::WATER, 251, Param::AIR, 252, 250, 250);
    row("map cell capped", Param::JET, 255, Param::POLOHA_PRO, 9, 250, 9);
}

void ParamsTest::validationScalarRules() {
    QFETCH(int, param);
    QFETCH(int, value);
    QFETCH(int, otherParam);
    QFETCH(int, otherValue);
    QFETCH(int, expected);
    QFETCH(int, expectedOther);
    ParameterSet s = DefaultSet(1);
    BytesOf(s, Param(param))[0] = static_cast<Byte>(value);
    BytesOf(s, Param(otherParam))[0] = static_cast<Byte>(otherValue);
    ValidateParameters(s);
    QCOMPARE(int(BytesOf(s, Param(param))[0]), expected);
    QCOMPARE(int(BytesOf(s, Param(otherParam))[0]), expectedOther);
}

void ParamsTest::validationPalecTwoPasses() {
    // Small trigger width: advances follow the old width, then the width is raised.
    ParameterSet s = DefaultSet(0);
    s.ignition.PALEC = 5;
    s.ignition.ADV_A.fill(30);
    s.ignition.ADV_B.fill(30);
    ValidateParameters(s);
    QCOMPARE(int(s.ignition.PALEC), 10);
    QCOMPARE(int(s.ignition.ADV_A[0]), 5);
    QCOMPARE(int(s.ignition.ADV_B[9]), 5);

    // Large width from a file: the first pass leaves the advance, the second lowers it.
    s = DefaultSet(0);
    s.ignition.PALEC = 200;
    s.ignition.ADV_A[4] = 150;
    ValidateParameters(s);
    QCOMPARE(int(s.ignition.PALEC), 125);
    QCOMPARE(int(s.ignition.ADV_A[4]), 150);
    ValidateParameters(s);
    QCOMPARE(int(s.ignition.ADV_A[4]), 125);
}

void ParamsTest::validationInjectionAxis() {
    // The injection axis also gets the window before the ordering.
    ParameterSet s = DefaultSet(0);
    s.injection.RPM_JET = {0, 255, 0, 0, 0, 0, 0, 0, 0, 0};
    ValidateParameters(s);
    const Points10 expected{3, 192, 193, 194, 195, 196, 197, 198, 199, 200};
    QCOMPARE(s.injection.RPM_JET, expected);
}

void ParamsTest::machineDefaults_data() {
    QTest::addColumn<int>("keying");
    QTest::addColumn<int>("poloha0");
    QTest::addColumn<int>("poloha9");
    QTest::addColumn<int>("polohaPro");
    QTest::addColumn<int>("startJet");
    QTest::addColumn<int>("water0");
    QTest::addColumn<int>("air4");
    QTest::addColumn<int>("tps0");
    QTest::addColumn<int>("tps100");
    QTest::addColumn<int>("excitation");
    QTest::addColumn<int>("adv0");
    QTest::addColumn<int>("adv9");
    QTest::addColumn<int>("palec");
    QTest::newRow("Aprilia MILE") << 0 << 124 << 114 << 1 << 20 << 150 << 84 << 65 << 153 << 1 << 13 << 31
                                  << 75;
    QTest::newRow("Honda CBR 600") << 1 << 152 << 227 << 0 << 20 << 136 << 100 << 50 << 192 << 0 << 19 << 31
                                   << 90;
    QTest::newRow("Honda VTR 1000") << 2 << 152 << 227 << 0 << 20 << 139 << 97 << 50 << 192 << 0 << 13 << 38
                                    << 90;
    QTest::newRow("Kawasaki ZX12 R") << 3 << 127 << 24 << 2 << 20 << 125 << 93 << 108 << 169 << 0 << 19 << 31
                                     << 90;
    QTest::newRow("Suzuki GSX 600 R")
        << 4 << 124 << 80 << 1 << 20 << 112 << 100 << 110 << 180 << 0 << 16 << 34 << 90;
    QTest::newRow("Suzuki GSX 1000 R")
        << 5 << 78 << 146 << 1 << 25 << 113 << 100 << 110 << 180 << 0 << 10 << 29 << 90;
}

void ParamsTest::machineDefaults() {
    QFETCH(int, keying);
    ParameterSet s = DefaultSet(static_cast<Byte>(keying));
    const auto& g = s.ignition;
    const auto& j = s.injection;
    QTEST(int(j.POLOHA[0]), "poloha0");
    QTEST(int(j.POLOHA[9]), "poloha9");
    QTEST(int(j.POLOHA_PRO), "polohaPro");
    QTEST(int(j.START_JET), "startJet");
    QTEST(int(j.WATER[0]), "water0");
    QTEST(int(j.AIR[4]), "air4");
    QTEST(int(j.TPS_0), "tps0");
    QTEST(int(j.TPS_100), "tps100");
    QTEST(int(g.EXCITATION), "excitation");
    QTEST(int(g.ADV_A[0]), "adv0");
    QTEST(int(g.ADV_B[9]), "adv9");
    QCOMPARE(g.ADV_A, g.ADV_B);
    QTEST(int(g.PALEC), "palec");
    // Common values.
    const Points10 axis{10, 20, 30, 40, 60, 80, 100, 120, 140, 160};
    QCOMPARE(g.RPM_A, axis);
    QCOMPARE(g.RPM_B, axis);
    QCOMPARE(j.RPM_JET, axis);
    QCOMPARE(int(j.JET[37]), 100);
    QCOMPARE(int(j.KOR_23[5]), 100);
    QCOMPARE(int(j.AKCEL_PRAH), 60);
    QCOMPARE(int(j.AKCEL_PER), 5);
    QCOMPARE(int(j.AKCEL_JET), 80);
    QCOMPARE(int(j.DEAD_TIME), 85);
    QCOMPARE(int(g.OMEZ1), 100);
    QCOMPARE(int(g.OMEZ2), 150);
    QCOMPARE(int(g.OMEZ_D), 150);
    QCOMPARE(int(g.CLUTCH), 20);
    QCOMPARE(int(g.NA), 130);
    QCOMPARE(int(g.Gas1), 20);
    QCOMPARE(int(g.Gas2), 60);
    QCOMPARE(int(g.GasT), 30);
    QCOMPARE(int(g.GasD), 20);
    QCOMPARE(int(g.POV_OM) + g.LED_RAZ + g.CAS_IN + g.BLOK, 4);
    QCOMPARE(int(g.RPM2), 0);
    QCOMPARE(int(g.GasEnable), 0);
    // A default set is valid as built.
    ParameterSet validated = s;
    ValidateParameters(validated);
    QVERIFY(validated == s);
}

void ParamsTest::machineDefaultsKeepKeyingAndCooling() {
    ParameterSet s = DefaultSet(0);
    s.injection.CHLAZENI = 70;
    s.ignition.KEYING = 3;
    ApplyMachineDefaults(s);
    QCOMPARE(int(s.ignition.KEYING), 3);
    QCOMPARE(int(s.injection.CHLAZENI), 70);
    s.ignition.KEYING = 5;
    ApplyMachineDefaults(s);
    QCOMPARE(int(s.injection.CHLAZENI), 90);
}

void ParamsTest::unknownMachineWritesOnlyCommonValues() {
    ParameterSet s;
    s.ignition.KEYING = 9;
    s.ignition.PALEC = 33;
    s.ignition.ADV_A.fill(7);
    s.injection.POLOHA.fill(8);
    s.injection.TPS_0 = 99;
    s.ignition.EXCITATION = 1;
    ApplyMachineDefaults(s);
    QCOMPARE(int(s.ignition.KEYING), 9);
    QCOMPARE(int(s.ignition.PALEC), 33);
    QCOMPARE(int(s.ignition.ADV_A[0]), 7);
    QCOMPARE(int(s.injection.POLOHA[9]), 8);
    QCOMPARE(int(s.injection.TPS_0), 99);
    QCOMPARE(int(s.ignition.EXCITATION), 1);
    QCOMPARE(int(s.injection.JET[0]), 100);
    QCOMPARE(int(s.ignition.OMEZ1), 100);
}

void ParamsTest::triggerWidth_data() {
    QTest::addColumn<int>("keying");
    QTest::addColumn<int>("palec");
    QTest::newRow("Aprilia") << 0 << 75;
    QTest::newRow("Suzuki 600") << 4 << 90;
    QTest::newRow("Suzuki 1000") << 5 << 90;
    QTest::newRow("unknown keeps") << 6 << 42;
    QTest::newRow("255 keeps") << 255 << 42;
}

void ParamsTest::triggerWidth() {
    QFETCH(int, keying);
    ParameterSet s = DefaultSet(1);
    const ParameterSet before = s;
    s.ignition.KEYING = static_cast<Byte>(keying);
    s.ignition.PALEC = 42;
    ApplyMachineTriggerWidth(s.ignition);
    QTEST(int(s.ignition.PALEC), "palec");
    // Nothing but the width changes: curves and maps wait for New.
    s.ignition.PALEC = before.ignition.PALEC;
    s.ignition.KEYING = before.ignition.KEYING;
    QVERIFY(s == before);
}

void ParamsTest::fieldTable() {
    const auto& fields = EditorFields();
    QCOMPARE(int(fields.size()), 198);
    std::set<std::string> names;
    int covered[kParamCount] = {};
    for (const auto& f : fields) {
        QVERIFY2(names.insert(f.edit).second, f.edit.c_str());
        QVERIFY(names.insert(f.upDown).second);
        QCOMPARE(f.conversion, Info(f.param).conversion);
        QVERIFY(f.point < Info(f.param).count);
        // The smallest value of every field lands inside the byte range and back within the field.
        QVERIFY(FieldFromByte(f, FieldToByte(f, f.max)) <= f.max);
        ++covered[int(f.param)];
    }
    // Every byte of every non-flag, non-choice parameter has exactly one field.
    for (const auto& info : AllParams()) {
        const bool control = info.flag || info.param == Param::KEYING || info.param == Param::POLOHA_PRO;
        QCOMPARE(covered[int(info.param)], control ? 0 : info.count);
    }
    // Spot checks of the numbering.
    auto find = [&](const std::string& name) {
        return *std::find_if(fields.begin(), fields.end(),
                             [&](const EditorField& f) { return f.edit == name; });
    };
    QCOMPARE(find("Edit59").point, 9);
    QCOMPARE(find("Edit149").point, 99);
    QCOMPARE(find("Edit10").max, 21000);
    QCOMPARE(find("Edit9").max, 20100);
    QCOMPARE(find("Edit30").max, 21000);
    QCOMPARE(find("EditRpmJet10").max, 20100);
    QCOMPARE(find("Edit175").param, Param::POLOHA);
    QCOMPARE(find("Edit155").param, Param::KOR_23);
    QCOMPARE(find("EditVzduch80").point, 3);
    QVERIFY(find("EditOmezD").grouped());
    QVERIFY(!find("Edit57").grouped());
    QVERIFY(!find("Edit150").grouped());
    QCOMPARE(TriggerOf(find("Edit57").page), CycleTrigger::OnLeave);
    QCOMPARE(TriggerOf(find("EditTps0").page), CycleTrigger::OnClick);
}

void ParamsTest::dragGivesTheTypedByte_data() {
    QTest::addColumn<Param>("param");
    QTest::addColumn<int>("point");
    QTest::addColumn<double>("dragged");   // where the graph's point was let go
    QTest::addColumn<qlonglong>("typed");  // what a person would type there
    QTest::addColumn<int>("byte");
    QTest::newRow("advance between degrees") << Param::ADV_A << 3 << 31.4 << 31LL << 31;
    QTest::newRow("advance above its range") << Param::ADV_B << 0 << 140.0 << 140LL << 125;
    QTest::newRow("speed off the step drops to it") << Param::RPM_A << 4 << 6049.6 << 6050LL << 60;
    QTest::newRow("speed below its range") << Param::RPM_A << 0 << -50.0 << -50LL << 3;
    QTest::newRow("last speed point reaches 21 000") << Param::RPM_A << 9 << 21400.0 << 21400LL << 210;
    QTest::newRow("other speed points stop at 20 100") << Param::RPM_B << 8 << 21400.0 << 21400LL << 201;
    QTest::newRow("map cell halfway goes up") << Param::JET << 57 << 104.5 << 105LL << 105;
    QTest::newRow("map cell below its range") << Param::JET << 57 << 2.0 << 2LL << 5;
    QTest::newRow("TPS 100 keeps its offset") << Param::TPS_100 << 0 << 4100.0 << 4100LL << 160;
    QTest::newRow("injection position drops to 3 degrees") << Param::POLOHA << 2 << 100.0 << 100LL << 33;
}

void ParamsTest::dragGivesTheTypedByte() {
    QFETCH(Param, param);
    QFETCH(int, point);
    QFETCH(double, dragged);
    QFETCH(qlonglong, typed);
    QFETCH(int, byte);
    const EditorField* field = FindEditorField(param, point);
    QVERIFY(field != nullptr);
    QCOMPARE(int(TypedFieldByte(*field, typed)), byte);
    const auto dragByte = DraggedFieldByte(param, point, dragged);
    QVERIFY(dragByte.has_value());
    QCOMPARE(int(*dragByte), byte);
}

void ParamsTest::dragWithoutAField() {
    QVERIFY(!DraggedFieldByte(Param::KEYING, 0, 1.0));
    QVERIFY(!DraggedFieldByte(Param::ADV_A, 10, 20.0));
    QVERIFY(!DraggedFieldByte(Param::ADV_A, 0, std::nan("")));
    QCOMPARE(DraggedFieldByte(Param::ADV_A, 0, HUGE_VAL), std::optional<Byte>(125));
}

// Every length around the chunk boundaries, where padding goes wrong.
void ParamsTest::sha256AgreesWithQt() {
    std::vector<std::uint8_t> bytes;
    std::uint32_t seed = 7;
    for (std::size_t size = 0; size <= 200; ++size) {
        const auto ours = Sha256(bytes.data(), bytes.size());
        const QByteArray qt = QCryptographicHash::hash(
            QByteArrayView(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())),
            QCryptographicHash::Sha256);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(ours.data()), 32).toHex(), qt.toHex());
        bytes.push_back(static_cast<std::uint8_t>((seed = seed * 1664525U + 1013904223U) >> 24));
    }
}

// The digest of machine 0's defaults, pinned: logs and sheets name sets by it,
// so a change of what it covers would orphan every set named so far (the
// same as `ignition-cli image` of the defaults through sha256sum). Bytes
// outside blocks 0-20 (the identification) do not count.
void ParamsTest::setDigest() {
    ParameterSet set = DefaultSet(0);
    QCOMPARE(QString::fromStdString(SetDigest(set)), QString("f0f752b0659e"));
    set.image.block(21)[3] ^= 0xFF;
    QCOMPARE(QString::fromStdString(SetDigest(set)), QString("f0f752b0659e"));
    set.injection.JET[0] = static_cast<Byte>(set.injection.JET[0] + 1);
    QVERIFY(SetDigest(set) != "f0f752b0659e");
}

QTEST_GUILESS_MAIN(ParamsTest)
#include "test_params.moc"
