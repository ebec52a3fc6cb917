#include "HeatColour.h"
#include "MapGeometry.h"
#include "MapTable.h"
#include "New.h"
#include "OperatingTrail.h"
#include "ViewSettings.h"

#include <QtTest>

using namespace ign;

Q_DECLARE_METATYPE(ign::Rgb)
Q_DECLARE_METATYPE(ign::MapRect)
Q_DECLARE_METATYPE(ign::PasteError)

namespace {

enum class Operation { Add, Multiply, Set, Bilinear, Rows, Columns, Smooth };
using Cells = QMap<int, int>;  // cell (10 × row + column) -> value

// Cell i holds 100 + i, so every cell differs from its neighbours and from
// what a fill makes of it; `cells` override that.
JetMap Map(const Cells& cells = {}) {
    JetMap jet{};
    for (std::size_t i = 0; i < jet.size(); ++i) jet[i] = static_cast<Byte>(100 + i);
    for (auto c = cells.begin(); c != cells.end(); ++c) jet[std::size_t(c.key())] = Byte(c.value());
    return jet;
}

MapChange Run(Operation operation, const JetMap& jet, const MapRect& rect, double argument) {
    switch (operation) {
        case Operation::Add:
            return AddSteps(jet, rect, int(argument));
        case Operation::Multiply:
            return MultiplyCells(jet, rect, argument);
        case Operation::Set:
            return SetCells(jet, rect, int(argument));
        case Operation::Bilinear:
            return FillBilinear(jet, rect);
        case Operation::Rows:
            return FillRows(jet, rect);
        case Operation::Columns:
            return FillColumns(jet, rect);
        case Operation::Smooth:
            return SmoothCells(jet, rect);
    }
    return {};
}

// The change as the cells it changed with their new values.
Cells Changed(const MapChange& change) {
    Cells cells;
    for (const int i : change.changed) cells.insert(i, change.jet[std::size_t(i)]);
    return cells;
}

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

    void tableOperation_data() {
        QTest::addColumn<int>("operation");
        QTest::addColumn<MapRect>("rect");  // top, left, bottom, right
        QTest::addColumn<double>("argument");
        QTest::addColumn<Cells>("before");  // cells set apart from 100 + i
        QTest::addColumn<Cells>("changed");
        const int add = int(Operation::Add), multiply = int(Operation::Multiply), set = int(Operation::Set);
        QTest::newRow("+1 on a rectangle") << add << MapRect{1, 1, 2, 2} << 1.0 << Cells{}
                                           << Cells{{11, 112}, {12, 113}, {21, 122}, {22, 123}};
        QTest::newRow("corners in any order") << add << MapRect{2, 2, 1, 1} << -1.0 << Cells{}
                                              << Cells{{11, 110}, {12, 111}, {21, 120}, {22, 121}};
        QTest::newRow("the part on the map") << add << MapRect{8, 8, 12, 12} << 1.0 << Cells{}
                                             << Cells{{88, 189}, {89, 190}, {98, 199}, {99, 200}};
        QTest::newRow("wholly off the map") << add << MapRect{10, 0, 11, 9} << 1.0 << Cells{} << Cells{};
        QTest::newRow("+10 stops at 250")
            << add << MapRect{0, 0, 0, 1} << 10.0 << Cells{{0, 245}, {1, 6}} << Cells{{0, 250}, {1, 16}};
        QTest::newRow("-10 stops at 5")
            << add << MapRect{0, 1, 0, 1} << -10.0 << Cells{{1, 12}} << Cells{{1, 5}};
        QTest::newRow("a cell below the range comes into it")
            << add << MapRect{9, 9, 9, 9} << -1.0 << Cells{{99, 3}} << Cells{{99, 5}};
        QTest::newRow("multiply rounds halves up")
            << multiply << MapRect{1, 0, 1, 1} << 1.05 << Cells{} << Cells{{10, 116}, {11, 117}};
        QTest::newRow("multiply stops at 250")
            << multiply << MapRect{0, 0, 0, 0} << 3.0 << Cells{} << Cells{{0, 250}};
        QTest::newRow("no number multiplies nothing")
            << multiply << MapRect{0, 0, 9, 9} << std::nan("") << Cells{} << Cells{};
        QTest::newRow("set stops at 250") << set << MapRect{2, 2, 3, 3} << 300.0 << Cells{}
                                          << Cells{{22, 250}, {23, 250}, {32, 250}, {33, 250}};
        QTest::newRow("bilinear from the four corners")
            << int(Operation::Bilinear) << MapRect{0, 0, 2, 2} << 0.0
            << Cells{{0, 100}, {2, 120}, {20, 140}, {22, 200}}
            << Cells{{1, 110}, {10, 120}, {11, 140}, {12, 160}, {21, 170}};
        QTest::newRow("bilinear on one row is linear")
            << int(Operation::Bilinear) << MapRect{5, 0, 5, 4} << 0.0 << Cells{{50, 100}, {54, 200}}
            << Cells{{51, 125}, {52, 150}, {53, 175}};
        QTest::newRow("each row between its ends")
            << int(Operation::Rows) << MapRect{3, 0, 4, 2} << 0.0
            << Cells{{30, 100}, {32, 110}, {40, 200}, {42, 101}} << Cells{{31, 105}, {41, 151}};
        QTest::newRow("each column between its ends")
            << int(Operation::Columns) << MapRect{0, 7, 3, 7} << 0.0 << Cells{{7, 50}, {37, 80}}
            << Cells{{17, 60}, {27, 70}};
        QTest::newRow("smooth inside: 3 x 3 mean")
            << int(Operation::Smooth) << MapRect{5, 5, 5, 5} << 0.0 << Cells{{55, 190}} << Cells{{55, 159}};
        QTest::newRow("smooth at the edge: the neighbours there, as they were")
            << int(Operation::Smooth) << MapRect{0, 0, 0, 1} << 0.0 << Cells{{0, 250}}
            << Cells{{0, 143}, {1, 131}};
    }
    void tableOperation() {
        QFETCH(int, operation);
        QFETCH(MapRect, rect);
        QFETCH(double, argument);
        QFETCH(Cells, before);
        QFETCH(Cells, changed);
        const JetMap jet = Map(before);
        const MapChange change = Run(Operation(operation), jet, rect, argument);
        QCOMPARE(Changed(change), changed);
        Cells after = before;
        after.insert(changed);
        QVERIFY(change.jet == Map(after));
    }

    void paste_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<MapRect>("selection");
        QTest::addColumn<Cells>("changed");
        QTest::addColumn<PasteError>("error");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        using E = PasteError;
        const MapRect cell{2, 3, 2, 3};
        QTest::newRow("spreadsheet block: CR LF, blanks, decimals, %")
            << QByteArray("104.4\t105,5\r\n 99 \t100%\r\n") << cell
            << Cells{{23, 104}, {24, 106}, {33, 99}, {34, 100}} << E::None << 0 << 0;
        QTest::newRow("LF, no last line end, values held to the range")
            << QByteArray("-3\t999\n7\t8") << cell << Cells{{23, 5}, {24, 250}, {33, 7}, {34, 8}} << E::None
            << 0 << 0;
        QTest::newRow("one value fills the selection")
            << QByteArray("120\n") << MapRect{1, 1, 0, 0} << Cells{{0, 120}, {1, 120}, {10, 120}, {11, 120}}
            << E::None << 0 << 0;
        QTest::newRow("nothing") << QByteArray("") << cell << Cells{} << E::NoNumbers << 0 << 0;
        QTest::newRow("only blank lines")
            << QByteArray(" \r\n\r\n") << cell << Cells{} << E::NoNumbers << 0 << 0;
        QTest::newRow("a word") << QByteArray("100\t101\n102\tabc\n") << cell << Cells{} << E::NotANumber << 2
                                << 2;
        QTest::newRow("an empty field")
            << QByteArray("100\t\t102") << cell << Cells{} << E::NotANumber << 1 << 2;
        QTest::newRow("two decimal points")
            << QByteArray("1.2.3") << cell << Cells{} << E::NotANumber << 1 << 1;
        QTest::newRow("rows of different length")
            << QByteArray("1\t2\n3\n") << cell << Cells{} << E::Ragged << 2 << 0;
        QTest::newRow("too wide from the anchor")
            << QByteArray("1\t2\t3") << MapRect{0, 8, 0, 8} << Cells{} << E::DoesNotFit << 0 << 0;
        QTest::newRow("eleven rows") << QByteArray("1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n") << MapRect{}
                                     << Cells{} << E::DoesNotFit << 0 << 0;
        QTest::newRow("no cell selected")
            << QByteArray("1") << MapRect{10, 10, 12, 12} << Cells{} << E::NoCell << 0 << 0;
    }
    void paste() {
        QFETCH(QByteArray, text);
        QFETCH(MapRect, selection);
        QFETCH(Cells, changed);
        const PasteResult result = PasteCells(Map(), selection, text.toStdString());
        QTEST(result.error, "error");
        QTEST(result.row, "row");
        QTEST(result.column, "column");
        QCOMPARE(Changed(result.change), changed);
        QVERIFY(result.change.jet == Map(changed));
        // Every reason has its words in each language, the English one told in full below.
        for (Byte language = 0; language < 3; ++language)
            QCOMPARE(PasteErrorText(result, language).empty(), result.error == PasteError::None);
    }

    void pasteErrorWords() {
        const PasteResult word = PasteCells(Map(), {}, "100\tabc");
        QCOMPARE(QString::fromStdString(PasteErrorText(word, 0)),
                 QString("Row 1, column 2 of the pasted text is not a number"));
        QCOMPARE(QString::fromStdString(PasteErrorText(word, 1)),
                 QString("Řádek 1, sloupec 2 vkládaného textu není číslo"));
        const PasteResult wide = PasteCells(Map(), {0, 8, 0, 8}, "1\t2\t3\n4\t5\t6");
        QCOMPARE(
            QString::fromStdString(PasteErrorText(wide, 2)),
            QString(
                "Der eingefügte Block von 2 × 3 Werten passt ab der gewählten Zelle nicht in das Kennfeld"));
    }

    // What the table copies, a spreadsheet gives back, and pasting it elsewhere puts the same values there.
    void copyPastesBack() {
        const JetMap jet = Map();
        const std::string text = CopyCells(jet, {2, 3, 1, 1});
        QCOMPARE(QByteArray::fromStdString(text), QByteArray("111\t112\t113\n121\t122\t123\n"));
        const PasteResult result = PasteCells(jet, {6, 7, 9, 9}, text);
        QCOMPARE(result.error, PasteError::None);
        QCOMPARE(Changed(result.change),
                 (Cells{{67, 111}, {68, 112}, {69, 113}, {77, 121}, {78, 122}, {79, 123}}));
    }

    void viewSettings_data() {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<bool>("heatMap");
        QTest::addColumn<int>("trailSeconds");
        QTest::newRow("missing: defaults") << QByteArray("") << true << 5;
        QTest::newRow("stored values") << QByteArray("HeatMap=0\nTrailSeconds= 12 \n") << false << 12;
        QTest::newRow("trail off") << QByteArray("TrailSeconds=0\n") << true << 0;
        QTest::newRow("no switch, negative trail") << QByteArray("HeatMap=2\nTrailSeconds=-4\n") << true << 0;
        QTest::newRow("words, a huge trail") << QByteArray("HeatMap=yes\nTrailSeconds=99999999999999\n")
                                             << true << ViewSettings::kMaxTrailSeconds;
        QTest::newRow("trail not a number") << QByteArray("TrailSeconds=5s\n") << true << 5;
    }
    void viewSettings() {
        QFETCH(QByteArray, section);
        ProfileFile file("unused.ini", ("[PORTS]\nCOM1=COM1\n[VIEW]\n" + section).toStdString());
        ViewSettings settings;
        LoadViewSettings(file, settings);
        QTEST(settings.heatMap, "heatMap");
        QTEST(settings.trailSeconds, "trailSeconds");
        // What is stored comes back, in its own section after the others.
        ProfileFile stored("unused.ini", std::string_view("[PORTS]\nCOM1=COM1\n"));
        StoreViewSettings(stored, settings);
        ViewSettings reread{!settings.heatMap, 33};
        LoadViewSettings(stored, reread);
        QCOMPARE(reread, settings);
        QVERIFY(QByteArray::fromStdString(stored.Text())
                    .startsWith("[PORTS]\r\nCOM1=COM1\r\n[VIEW]\r\nHeatMap="));
    }
};

QTEST_GUILESS_MAIN(MapsTest)
#include "test_maps.moc"
