#include "HeatColour.h"
#include "MapGeometry.h"
#include "New.h"
#include "OperatingTrail.h"

#include <QtTest>

using namespace ign;

Q_DECLARE_METATYPE(ign::Rgb)

namespace {

QString Text(Rgb c) { return QStringLiteral("(%1, %2, %3)").arg(c.r).arg(c.g).arg(c.b); }

QList<qint64> Times(const std::vector<OperatingSample>& samples) {
    QList<qint64> times;
    for (const OperatingSample& s : samples) times << s.timeMs;
    return times;
}

}  // namespace

class MapsTest : public QObject {
    Q_OBJECT
private slots:
    void heatColour_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<Rgb>("base");
        QTest::addColumn<Rgb>("colour");
        QTest::addColumn<Rgb>("text");
        const Rgb white{255, 255, 255}, black{0, 0, 0};
        QTest::newRow("5: beyond the lean end, full blue") << 5 << white << Rgb{33, 102, 172} << white;
        QTest::newRow("99: already a visible blue") << 99 << white << Rgb{224, 233, 243} << black;
        QTest::newRow("100: no tint") << 100 << white << white << black;
        QTest::newRow("100 on a dark field: the field's own")
            << 100 << Rgb{40, 40, 40} << Rgb{40, 40, 40} << white;
        QTest::newRow("101: already a visible red") << 101 << white << Rgb{247, 232, 234} << black;
        QTest::newRow("250: beyond the rich end, full red") << 250 << white << Rgb{178, 24, 43} << white;
    }
    void heatColour() {
        QFETCH(int, value);
        QFETCH(Rgb, base);
        QFETCH(Rgb, colour);
        QFETCH(Rgb, text);
        QCOMPARE(Text(HeatColour(value, base)), Text(colour));
        QCOMPARE(Text(TextColourOn(HeatColour(value, base))), Text(text));
    }

    // Dark text just above the luminance where both contrasts are equal.
    void textContrastTurnsAtTheWcagPoint() {
        QCOMPARE(Text(TextColourOn({118, 118, 118})), Text(kBlack));  // luminance 0.181
        QCOMPARE(Text(TextColourOn({117, 117, 117})), Text(kWhite));  // luminance 0.178
        // The deepest tints on both sides keep readable text.
        for (int v = 0; v <= 250; ++v) {
            const Rgb c = HeatColour(v);
            const double l = RelativeLuminance(c);
            const double contrast = TextColourOn(c) == kBlack ? (l + 0.05) / 0.05 : 1.05 / (l + 0.05);
            QVERIFY2(contrast >= 4.5, qPrintable(QString::number(v)));
        }
    }

    void operatingPoint_data() {
        QTest::addColumn<double>("rpm");
        QTest::addColumn<double>("throttle");
        QTest::addColumn<double>("column");
        QTest::addColumn<double>("row");
        QTest::addColumn<int>("nearestColumn");
        QTest::addColumn<int>("nearestRow");
        // Speed points 1 000, 2 000, 3 000, 4 000, 6 000, ... 16 000; rows 0 .. 80 % and 100 %.
        QTest::newRow("below both axes") << 500.0 << -5.0 << 0.0 << 0.0 << 0 << 0;
        QTest::newRow("on the first points") << 1000.0 << 0.0 << 0.0 << 0.0 << 0 << 0;
        QTest::newRow("halfway goes up") << 3500.0 << 45.0 << 2.5 << 4.5 << 3 << 5;
        QTest::newRow("in a wide interval") << 4900.0 << 85.0 << 3.45 << 8.25 << 3 << 8;
        QTest::newRow("halfway to the 100 % row") << 5000.0 << 90.0 << 3.5 << 8.5 << 4 << 9;
        QTest::newRow("on inner points") << 6000.0 << 80.0 << 4.0 << 8.0 << 4 << 8;
        QTest::newRow("on the last points") << 16000.0 << 100.0 << 9.0 << 9.0 << 9 << 9;
        QTest::newRow("above both axes") << 20000.0 << 120.0 << 9.0 << 9.0 << 9 << 9;
    }
    void operatingPoint() {
        QFETCH(double, rpm);
        QFETCH(double, throttle);
        ParameterSet set;
        ApplyMachineDefaults(set.ignition, set.injection);
        const MapPoint p = MapPosition(set.injection, rpm, throttle);
        QTEST(p.column, "column");
        QTEST(p.row, "row");
        QTEST(p.nearestColumn, "nearestColumn");
        QTEST(p.nearestRow, "nearestRow");
    }

    // A unit may hold an axis that does not rise: positions stay on the axis.
    void axisThatDoesNotRise() {
        const std::array<double, 4> flat{0, 0, 0, 0}, falling{40, 30, 20, 10};
        QCOMPARE(AxisPosition(flat, 0), 0.0);
        QCOMPARE(AxisPosition(flat, 100), 3.0);
        const double p = AxisPosition(falling, 25);
        QVERIFY(p >= 0 && p <= 3);
        QCOMPARE(AxisPosition(flat, std::nan("")), 0.0);
    }

    void advanceOnTheCurve_data() {
        QTest::addColumn<double>("rpm");
        QTest::addColumn<double>("position");
        QTest::addColumn<double>("advance");
        // Machine 0: 13, 14, 20, 28, 31, 33, 31 ... degrees at 1 000, 2 000, 3 000, 4 000, 6 000 ... rpm.
        QTest::newRow("below") << 500.0 << 0.0 << 13.0;
        QTest::newRow("between") << 3500.0 << 2.5 << 24.0;
        QTest::newRow("wide interval") << 5000.0 << 3.5 << 29.5;
        QTest::newRow("above") << 20000.0 << 9.0 << 31.0;
    }
    void advanceOnTheCurve() {
        QFETCH(double, rpm);
        ParameterSet set;
        ApplyMachineDefaults(set.ignition, set.injection);
        const CurvePoint p = CurvePosition(set.ignition.RPM_A, set.ignition.ADV_A, rpm);
        QTEST(p.position, "position");
        QTEST(p.advanceDeg, "advance");
    }

    void trailAgesOut_data() {
        QTest::addColumn<qint64>("trailMs");
        QTest::addColumn<qint64>("nowMs");
        QTest::addColumn<qint64>("current");  // -1: hidden
        QTest::addColumn<QList<qint64>>("trail");
        // Frames every second from 0 to 7 000 ms.
        QTest::newRow("5 s trail") << 5000LL << 7000LL << 7000LL << QList<qint64>{3000, 4000, 5000, 6000};
        QTest::newRow("fading on without frames")
            << 5000LL << 7999LL << 7000LL << QList<qint64>{3000, 4000, 5000, 6000};
        QTest::newRow("1 s without a frame hides it") << 5000LL << 8000LL << -1LL << QList<qint64>{};
        QTest::newRow("trail off") << 0LL << 7000LL << 7000LL << QList<qint64>{};
    }
    void trailAgesOut() {
        QFETCH(qint64, trailMs);
        QFETCH(qint64, nowMs);
        QFETCH(qint64, current);
        OperatingTrail trail(trailMs);
        for (qint64 t = 0; t <= 7000; t += 1000) trail.add({t, 1000.0 + t, 10});
        const std::optional<OperatingSample> now = trail.current(nowMs);
        QCOMPARE(now ? now->timeMs : -1, current);
        QTEST(Times(trail.trail(nowMs)), "trail");
    }
};

QTEST_GUILESS_MAIN(MapsTest)
#include "test_maps.moc"
