// The map views in the window on a simulated unit: heat colours that follow
// every change, the live operating point on the map, the table editor's
// operations as single changes of the set and its sending, and [VIEW].
#include "DeviceImageCodec.h"
#include "FieldTyping.h"
#include "HeatColour.h"
#include "MapGeometry.h"
#include "SimulatedLine.h"
#include "SimulatedUnit.h"
#include "ThrowawaySettings.h"
#include "UnitMatch.h"
#include "Validation.h"
#include "WindowTest.h"
#include "WindowTicks.h"
#include "app/Application.h"
#include "maps/CurveChart.h"
#include "maps/CurvesWindow.h"
#include "maps/MapTableWindow.h"
#include "maps/OperatingPointOverlay.h"
#include "pages/FieldBox.h"
#include "pages/MonitorPage.h"
#include "window/Hlav.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <memory>

Q_DECLARE_METATYPE(ign::MapRect)

using ign::Byte;
using ign::TFormHlav;

namespace {

// The unit behind the port, counting what the window sends it.
class CountingLine : public ign::SimulatedLine {
public:
    CountingLine(ign::SimulatedUnit& unit, int& written) : SimulatedLine(unit), written_(written) {}
    void write(const Byte* frame, std::size_t size) override {
        written_ += static_cast<int>(size);
        SimulatedLine::write(frame, size);
    }

private:
    int& written_;
};

QColor BaseOf(QWidget& field) { return field.palette().color(QPalette::Base); }

// The image the window's set packs into, as the link sends it.
ign::DeviceImage Packed(ign::ParameterSet set) {
    ign::PackDeviceImage(set);
    return set.image;
}

}  // namespace

class TestMapViews : public QObject {
    Q_OBJECT

    std::unique_ptr<ThrowawaySettings> settings;
    std::unique_ptr<ign::SimulatedUnit> unit;
    std::unique_ptr<TFormHlav> w;
    int written = 0;
    std::vector<ign::ChangeCause> steps;

    void Open(const QByteArray& view = {}) {
        settings = std::make_unique<ThrowawaySettings>("[PORTS]\r\nCOM1=unit\r\n" + view);
        w = std::make_unique<TFormHlav>([this](const QString& name) -> std::unique_ptr<ign::SerialLine> {
            if (name == "unit") return std::make_unique<CountingLine>(*unit, written);
            return nullptr;
        });
        ControlOf<QTimer>(*w, "Timer1")->stop();
        w->show();
        w->Document().Listen([this](const ign::ParameterChange& change) { steps.push_back(change.cause); });
    }
    template <typename T = QWidget>
    T* Get(const char* name) {
        return ControlOf<T>(*w, name);
    }
    void Tick(int count = 1) { TickWindow(*unit, *w, count); }
    int RunTransfer() { return RunWindowTransfer(*unit, *w); }
    ign::MapTableWindow& Table() {
        auto* table = Get<ign::MapTableWindow>("MapTableWindow");
        if (!table->isVisible()) Get<QAction>("ViewMapTable")->trigger();
        return *table;
    }
    void Select(const ign::MapRect& r) {
        auto* cells = Get<QTableWidget>("MapTableCells");
        cells->clearSelection();
        cells->setCurrentCell(r.top, r.left);
        cells->setRangeSelected(QTableWidgetSelectionRange(r.top, r.left, r.bottom, r.right), true);
    }
    ign::JetMap Jet() { return w->Parameters().injection.JET; }
    ign::UnitMatch State() {
        return static_cast<ign::UnitMatch>(Get<QStackedWidget>("UnitMatchState")->currentIndex());
    }

private slots:
    void init() {
        unit = std::make_unique<ign::SimulatedUnit>();
        written = 0;
        steps.clear();
    }
    void cleanup() {
        w.reset();
        settings.reset();
    }

    // ---- heat colours ----

    void coloursFollowTypingAndEveryStep() {
        Open();
        auto* cell = Get<ign::FieldBox>("Edit50");
        auto* water = Get<QSpinBox>("EditVoda20");
        const QColor plain = Get("GroupBoxMap")->palette().color(QPalette::Base);
        // Typed, not yet taken: the colour is already there.
        cell->TextBox()->setText(QStringLiteral("250"));
        QCOMPARE(BaseOf(*cell), QColor(178, 24, 43));
        cell->TextBox()->setText(QStringLiteral("100"));
        QCOMPARE(BaseOf(*cell), plain);
        // A step that refreshes the fields with their signals blocked.
        Restore(*w, [](ign::ParameterSet& set) {
            set.injection.JET[0] = 5;
            set.injection.WATER[1] = 150;
        });
        QCOMPARE(BaseOf(*cell), QColor(33, 102, 172));
        QCOMPARE(cell->palette().color(QPalette::Text), QColor(Qt::white));
        QVERIFY(BaseOf(*water) != plain);
        // Off in the View menu: every field as designed; on again: back.
        Get<QAction>("ViewHeatMap")->trigger();
        QCOMPARE(BaseOf(*cell), plain);
        QCOMPARE(BaseOf(*water), plain);
        w->close();
        // Its own section, after every specified one.
        QVERIFY(
            settings->Text().endsWith("\r\n[VIEW]\r\nHeatMap=0\r\nTrailSeconds=5\r\nOperatingPoint=1\r\n"));
    }

    void storedSwitchesComeBack() {
        Open("[VIEW]\r\nHeatMap=0\r\nTrailSeconds=12\r\nOperatingPoint=0\r\n");
        QCOMPARE(Get<ign::OperatingPointOverlay>("MapOperatingPoint")->trailMs(), std::int64_t{12000});
        QVERIFY(!Get<QAction>("ViewHeatMap")->isChecked());
        QVERIFY(!Get<QAction>("ViewOperatingPoint")->isChecked());
        Restore(*w, [](ign::ParameterSet& set) { set.injection.JET[0] = 5; });
        QCOMPARE(BaseOf(*Get("Edit50")), Get("GroupBoxMap")->palette().color(QPalette::Base));
        unit->setMonitorIntervalMs(50);
        Tick(20);
        auto* overlay = Get<ign::OperatingPointOverlay>("MapOperatingPoint");
        overlay->refresh();
        QVERIFY(!overlay->markerCentre());
    }

    // ---- the live operating point ----

    void markerFindsTheEnginesCell() {
        Open();
        Get<QTabWidget>("PageControl1")->setCurrentWidget(Get("TabSheet2"));
        auto* overlay = Get<ign::OperatingPointOverlay>("MapOperatingPoint");
        QVERIFY(!overlay->markerCentre());
        // Into the part-throttle sweeps, where the engine crosses the map's cells.
        Tick(40 * 1000 / ign::kTickMs);
        // The window's last readings are the engine's of at most a frame ago.
        const ign::MonitorReadings& read = ControlOf<ign::MonitorPage>(*w, "TabSheet5")->monitor().readings();
        const ign::SyntheticEngine& engine = unit->engine();
        QVERIFY(engine.throttlePercent() > 0);
        QVERIFY(std::abs(read.rpm - engine.rpm()) < 200);
        QCOMPARE(read.tpsPercent, engine.throttlePercent());
        const ign::MapPoint expected = ign::MapPosition(w->Parameters().injection, read.rpm, read.tpsPercent);
        overlay->refresh();  // what the next moment draws
        QCOMPARE(overlay->outlinedCell(), QPoint(expected.nearestColumn, expected.nearestRow));
        // The marker lies between the centres of the cells around it.
        const QRect nearest = Get(QByteArray("Edit" + QByteArray::number(50 + 10 * expected.nearestRow +
                                                                         expected.nearestColumn))
                                      .constData())
                                  ->geometry();
        QVERIFY(std::abs(overlay->markerCentre()->x() - nearest.center().x()) <= nearest.width());
        QVERIFY(std::abs(overlay->markerCentre()->y() - nearest.center().y()) <= nearest.height());
        // The curves show the same speed once their page is shown.
        Get<QTabWidget>("PageControl1")->setCurrentWidget(Get("TabSheet1"));
        QVERIFY(Get<ign::OperatingPointOverlay>("CurveAOperatingPoint")->outlinedCell());
        Get<QTabWidget>("PageControl1")->setCurrentWidget(Get("TabSheet2"));
        // A second after the last frame the marker is gone.
        std::int64_t now = 0;
        overlay->setClock([&now] { return now; });
        overlay->setOperatingPoint(3000, 20);
        overlay->refresh();
        QVERIFY(overlay->markerCentre());
        now = ign::OperatingTrail::kHideAfterMs - 1;
        overlay->refresh();
        QVERIFY(overlay->markerCentre());
        now = ign::OperatingTrail::kHideAfterMs;
        overlay->refresh();
        QVERIFY(!overlay->markerCentre());
    }

    // The marker leaves the text of every field as it was, wherever the
    // engine runs: right on a cell's centre, between cells, on a curve's row.
    void markerCoversNoDigit_data() {
        QTest::addColumn<QString>("overlay");
        QTest::addColumn<QString>("page");
        QTest::addColumn<double>("rpm");
        QTest::addColumn<double>("throttle");
        QTest::newRow("map, on a cell") << "MapOperatingPoint"
                                        << "TabSheet2" << 4000.0 << 20.0;
        QTest::newRow("map, between cells") << "MapOperatingPoint"
                                            << "TabSheet2" << 5000.0 << 25.0;
        QTest::newRow("curve A, on a row") << "CurveAOperatingPoint"
                                           << "TabSheet1" << 3000.0 << 0.0;
    }
    void markerCoversNoDigit() {
        QFETCH(QString, overlay);
        QFETCH(QString, page);
        QFETCH(double, rpm);
        QFETCH(double, throttle);
        Open();
        Get<QTabWidget>("PageControl1")->setCurrentWidget(Get(page.toLatin1().constData()));
        auto* marker = Get<ign::OperatingPointOverlay>(overlay.toLatin1().constData());
        marker->setClock([] { return std::int64_t{1000}; });
        marker->setOperatingPoint(rpm, throttle);
        marker->refresh();
        QVERIFY(marker->markerCentre());
        QWidget* host = marker->parentWidget();
        const QImage marked = host->grab().toImage();
        marker->hide();
        const QImage plain = host->grab().toImage();
        QVERIFY(marked != plain);
        const qreal ratio = marked.devicePixelRatio();
        for (const ign::FieldBox* field : host->findChildren<ign::FieldBox*>()) {
            const QRect text = field->TextBox()->geometry().translated(field->pos());
            const QRect pixels(text.topLeft() * ratio, text.size() * ratio);
            QVERIFY2(marked.copy(pixels) == plain.copy(pixels), qPrintable(field->objectName()));
        }
    }

    // ---- the Curves window ----

    void aDragIsTypingTheValueIntoItsField_data() {
        QTest::addColumn<int>("pixels");  // upwards from the point
        QTest::addColumn<bool>("toTheTop");
        QTest::newRow("a little up") << 30 << false;
        QTest::newRow("beyond the top: the field's maximum") << 2000 << true;
    }
    void aDragIsTypingTheValueIntoItsField() {
        QFETCH(int, pixels);
        QFETCH(bool, toTheTop);
        Open();
        Get<QAction>("ViewCurves")->trigger();
        auto& curves = *Get<ign::CurvesWindow>("CurvesWindow");
        ign::CurveChart& chart = curves.Chart(0);
        const QPoint from = chart.PointAt(0, 3).toPoint();
        const ign::ParameterSet before = w->Parameters();
        steps.clear();
        QTest::mousePress(&chart, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(from.x(), from.y() - pixels),
                         chart.mapToGlobal(QPointF(from)), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&chart, &move);
        QCOMPARE(w->Parameters().ignition.ADV_A, before.ignition.ADV_A);  // nothing while dragging
        QTest::mouseRelease(&chart, Qt::LeftButton, {}, QPoint(from.x(), from.y() - pixels));
        QCOMPARE(steps, std::vector<ign::ChangeCause>{ign::ChangeCause::Edit});
        const Byte after = w->Parameters().ignition.ADV_A[3];
        QVERIFY(after > before.ignition.ADV_A[3]);
        // The field shows it, and typing it there would have given the same set.
        QCOMPARE(Get<QSpinBox>("Edit14")->value(), int(after));
        ign::ParameterSet typed = before;
        typed.ignition.ADV_A[3] = ign::TypedFieldByte(*ign::FindEditorField(ign::Param::ADV_A, 3), after);
        ign::ValidateParameters(typed);
        QVERIFY(typed.ignition == w->Parameters().ignition);
        if (toTheTop) {
            // Dragged beyond the graph: the field's maximum typed, then validation's limit.
            ign::ParameterSet top = before;
            const ign::EditorField& field = *ign::FindEditorField(ign::Param::ADV_A, 3);
            top.ignition.ADV_A[3] = ign::TypedFieldByte(field, field.max);
            ign::ValidateParameters(top);
            QCOMPARE(after, top.ignition.ADV_A[3]);
        }
    }

    // The advance graph spans 0 to the trigger width that validation holds
    // every advance to, a dragged point says what its field will hold, a
    // legend names the lines, and the other graphs span their fields' ranges.
    void curvesSpanWhatTheFieldsKeep() {
        Open();
        Get<QAction>("ViewCurves")->trigger();
        auto& curves = *Get<ign::CurvesWindow>("CurvesWindow");
        ign::CurveChart& advance = curves.Chart(0);
        QCOMPARE(advance.SpanMax(), double(w->Parameters().ignition.PALEC));
        QCOMPARE(curves.Chart(1).SpanMax(), 720.0);
        QCOMPARE(advance.LegendNames(), QStringList({"Curve A", "Curve B"}));
        QCOMPARE(curves.Chart(3).LegendNames(), QStringList({"Water", "Air"}));
        const QPoint from = advance.PointAt(0, 3).toPoint();
        QTest::mousePress(&advance, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(from.x(), 0), advance.mapToGlobal(QPointF(from)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&advance, &move);
        QCOMPARE(advance.DragText(), QString::number(w->Parameters().ignition.PALEC));
        QTest::mouseRelease(&advance, Qt::LeftButton, {}, QPoint(from.x(), 0));
        QCOMPARE(w->Parameters().ignition.ADV_A[3], w->Parameters().ignition.PALEC);
        QCOMPARE(advance.DragText(), QString());
    }

    // The injection position keeps steps of 3: 385 typed is 384 once taken,
    // in the field too, wherever in the next box the click that takes it lands.
    void typedPositionShowsWhatItStores() {
        Open();
        Get<QTabWidget>("PageControl1")->setCurrentWidget(Get("TabSheet3"));
        auto* field = Get<ign::FieldBox>("Edit170");
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field->TextBox(), "385");
        // Into the next box, on its frame beside the text: clicking into it all the same.
        auto* next = Get<ign::FieldBox>("Edit171");
        QTest::mouseClick(next, Qt::LeftButton, {}, QPoint(2, next->height() / 2));
        QCOMPARE(int(w->Parameters().injection.POLOHA[0]), 128);
        QCOMPARE(field->text(), QString("384"));
        // Its arrows step it, in one step with what was typed.
        field->selectAll();
        QTest::keyClicks(field->TextBox(), "391");
        steps.clear();
        const int stepped = next->value() + 3;
        QTest::mouseClick(next, Qt::LeftButton, {}, QPoint(next->width() - 4, 3));
        QCOMPARE(steps.size(), std::size_t{1});
        QCOMPARE(next->value(), stepped);
        QCOMPARE(field->text(), QString("390"));
    }

    // ---- the table editor ----

    void eachOperationIsOneValidatedChange_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<ign::MapRect>("rect");
        QTest::addColumn<int>("changed");
        QTest::newRow("+ on 2 x 3") << "MapTablePlus" << ign::MapRect{1, 2, 2, 4} << 6;
        QTest::newRow("set on a column") << "MapTableSet" << ign::MapRect{0, 9, 9, 9} << 10;
        QTest::newRow("smooth on the corner: the inner cell is its mean already")
            << "MapTableSmooth" << ign::MapRect{0, 0, 1, 1} << 3;
        QTest::newRow("bilinear fill flattens the bump") << "MapTableFill" << ign::MapRect{6, 6, 4, 4} << 1;
        // Where the speed points lie 2 000 rpm apart: the fill runs along the speeds.
        QTest::newRow("row fill flattens the bump") << "MapTableFillRows" << ign::MapRect{5, 4, 5, 9} << 1;
    }
    void eachOperationIsOneValidatedChange() {
        QFETCH(QString, button);
        QFETCH(ign::MapRect, rect);
        QFETCH(int, changed);
        Open();
        // A plane with one bump: the fills put back the plane.
        Restore(*w, [](ign::ParameterSet& set) {
            for (int i = 0; i < 100; ++i) set.injection.JET[static_cast<std::size_t>(i)] = Byte(40 + 2 * i);
            set.injection.JET[55] = 200;
        });
        Table();
        Get<QSpinBox>("MapTableValue")->setValue(120);
        Select(rect);
        const ign::JetMap before = Jet();
        steps.clear();
        Get<QAbstractButton>(button.toLatin1().constData())->click();
        QCOMPARE(steps, std::vector<ign::ChangeCause>{ign::ChangeCause::MapTable});
        int moved = 0;
        for (std::size_t i = 0; i < before.size(); ++i) moved += before[i] != Jet()[i];
        QCOMPARE(moved, changed);
        // The page shows it at once, and nothing went to the unit.
        QCOMPARE(Get<QSpinBox>("Edit50")->value(), int(Jet()[0]));
        QCOMPARE(Get<QTableWidget>("MapTableCells")->item(rect.top, rect.left)->text().toInt(),
                 int(Jet()[std::size_t(rect.top * 10 + rect.left)]));
        QCOMPARE(written, 0);
    }

    void keysStepOneAndTenWithShift() {
        Open();
        Table();
        Select({3, 3, 3, 3});
        const Byte start = Jet()[33];
        auto* cells = Get<QTableWidget>("MapTableCells");
        QTest::keyClick(cells, Qt::Key_Equal);
        QCOMPARE(int(Jet()[33]), start + 1);
        // "+" is one step where the layout takes Shift for it and where it takes none.
        QTest::keyClick(cells, Qt::Key_Plus, Qt::ShiftModifier);
        QCOMPARE(int(Jet()[33]), start + 2);
        QTest::keyClick(cells, Qt::Key_Plus);
        QCOMPARE(int(Jet()[33]), start + 3);
        QTest::keyClick(cells, Qt::Key_Plus, Qt::ShiftModifier | Qt::KeypadModifier);
        QCOMPARE(int(Jet()[33]), start + 13);
        QTest::keyClick(cells, Qt::Key_Minus);
        QCOMPARE(int(Jet()[33]), start + 12);
        QCOMPARE(steps.size(), std::size_t{5});
    }

    // Digits typed on the selection and Enter set it, as one step.
    void typedNumberSetsTheSelection() {
        Open();
        Table();
        Select({2, 3, 3, 4});
        const ign::JetMap before = Jet();
        steps.clear();
        auto* cells = Get<QTableWidget>("MapTableCells");
        QTest::keyClicks(cells, "1207");
        QTest::keyClick(cells, Qt::Key_Backspace);
        QCOMPARE(Get<QSpinBox>("MapTableValue")->text(), QString("120"));
        QVERIFY(steps.empty());
        QTest::keyClick(cells, Qt::Key_Return);
        for (int cell : {23, 24, 33, 34}) QCOMPARE(int(Jet()[std::size_t(cell)]), 120);
        QCOMPARE(Jet()[22], before[22]);
        QCOMPARE(steps, std::vector<ign::ChangeCause>{ign::ChangeCause::MapTable});
    }

    // The fills run along the speeds and openings the table is labelled with,
    // not cell by cell: 1 000 ... 4 000, 6 000 rpm; 70, 80, 100 %.
    void fillsFollowTheAxes() {
        Open();
        Restore(*w, [](ign::ParameterSet& set) {
            set.injection.JET[10] = 100;
            set.injection.JET[14] = 150;
            set.injection.JET[75] = 100;
            set.injection.JET[95] = 130;
        });
        Table();
        Select({1, 0, 1, 4});
        Get<QAbstractButton>("MapTableFillRows")->click();
        QCOMPARE((QList<int>{Jet()[11], Jet()[12], Jet()[13]}), (QList<int>{110, 120, 130}));
        Select({7, 5, 9, 5});
        Get<QAbstractButton>("MapTableFillColumns")->click();
        QCOMPARE(int(Jet()[85]), 110);
    }

    void copyAndPasteThroughTheClipboard() {
        Open();
        Table();
        Select({0, 0, 1, 1});
        QApplication::clipboard()->setText(QStringLiteral("101\t102\r\n103\t104\r\n"));
        Get<QAbstractButton>("MapTablePaste")->click();
        QCOMPARE(Jet()[0], Byte{101});
        QCOMPARE(Jet()[11], Byte{104});
        Select({0, 0, 0, 1});
        Get<QAbstractButton>("MapTableCopy")->click();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("101\t102\n"));
    }

    void malformedPasteChangesNothingAndSaysWhy() {
        Open();
        Table();
        Get<QAction>("MenuCzech")->trigger();
        Select({2, 2, 2, 2});
        const ign::JetMap before = Jet();
        steps.clear();
        QApplication::clipboard()->setText(QStringLiteral("100\tabc\n"));
        Get<QAbstractButton>("MapTablePaste")->click();
        QVERIFY(Jet() == before);
        QVERIFY(steps.empty());
        QCOMPARE(Get<QLabel>("MapTableNote")->text(),
                 QString::fromUtf8("Řádek 1, sloupec 2 vkládaného textu není číslo"));
    }

    // Numbers as the window's locale writes them; values held to the range
    // are counted and marked; a value that is no number of the locale refuses all.
    void pasteReadsTheLocalesNumbers_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("cells");  // the first and the last cell of the block, then their values
        QTest::addColumn<QString>("note");
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        const QString negatives = (QStringList(10, "-3").join('\t') + '\n').repeated(10);
        QTest::newRow("10 × 10 negatives") << english << negatives << QList<int>{0, 99, 5, 5}
                                           << "Pasted values brought into the range 5 to 250: 100";
        QTest::newRow("a thousand with its group separator")
            << english << "1,000" << QList<int>{0, 0, 250, 250}
            << "Pasted values brought into the range 5 to 250: 1";
        QTest::newRow("beyond both ends") << english << "999\t-5" << QList<int>{0, 1, 250, 5}
                                          << "Pasted values brought into the range 5 to 250: 2";
        QTest::newRow("German decimals and groups")
            << QLocale(QLocale::German, QLocale::Germany) << "104,6\t1.000" << QList<int>{0, 1, 105, 250}
            << "Pasted values brought into the range 5 to 250: 1";
        QTest::newRow("a point in Czech is no number")
            << QLocale(QLocale::Czech, QLocale::CzechRepublic) << "100\t1.5" << QList<int>{}
            << "Row 1, column 2 of the pasted text is not a number";
    }
    void pasteReadsTheLocalesNumbers() {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(QList<int>, cells);
        Open();
        Table();
        Get<QTableWidget>("MapTableCells")->setLocale(locale);
        Select({0, 0, 0, 0});
        const ign::JetMap before = Jet();
        steps.clear();
        QApplication::clipboard()->setText(text);
        Get<QAbstractButton>("MapTablePaste")->click();
        QTEST(Get<QLabel>("MapTableNote")->text(), "note");
        if (cells.isEmpty()) {
            QVERIFY(Jet() == before);
            QVERIFY(steps.empty());
            return;
        }
        QCOMPARE(int(Jet()[std::size_t(cells[0])]), cells[2]);
        QCOMPARE(int(Jet()[std::size_t(cells[1])]), cells[3]);
        auto* table = Get<QTableWidget>("MapTableCells");
        QVERIFY(table->item(cells[1] / 10, cells[1] % 10)->font().italic());
    }

    void sendingIsOffAtEachOpenAndOnEndsVerified() {
        Open();
        Table();
        auto* send = Get<QCheckBox>("MapTableSend");
        QVERIFY(!send->isChecked());
        send->setChecked(true);
        Select({4, 4, 5, 5});
        const ign::JetMap before = Jet();
        Get<QAbstractButton>("MapTablePlus")->click();
        QCOMPARE(w->DeviceLink().state().TransferMode, ign::TransferMode::Program);
        RunTransfer();
        QCOMPARE(Get<QLabel>("LabelHlaseni")->text(), QStringLiteral("Verify OK"));
        QCOMPARE(Jet()[44], Byte(before[44] + 1));
        const auto image = Packed(w->Parameters()).bytes;
        QVERIFY(std::equal(image.begin(), image.begin() + 210, unit->memory().begin()));
        QCOMPARE(State(), ign::UnitMatch::UnitEqualsWindow);
        // Typed into a field while the next one is sent: the window then shows something else.
        Get<QAbstractButton>("MapTablePlus")->click();
        auto* field = Get<QSpinBox>("EditPalec");
        QTest::keyClick(field, Qt::Key_End);
        QTest::keyClicks(field, "9");
        RunTransfer();
        QCOMPARE(Get<QLabel>("LabelHlaseni")->text(), QStringLiteral("Verify OK"));
        QCOMPARE(State(), ign::UnitMatch::ChangedSinceProgram);
        QTest::keyClick(field, Qt::Key_Escape);
        QCOMPARE(State(), ign::UnitMatch::UnitEqualsWindow);
        // Closed and opened again: off, whatever it was.
        Table().close();
        Get<QAction>("ViewMapTable")->trigger();
        QVERIFY(!send->isChecked());
    }
};

IGN_WINDOW_TEST_MAIN(TestMapViews)
#include "test_map_views.moc"
