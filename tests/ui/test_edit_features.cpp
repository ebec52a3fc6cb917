// The Edit menu's features through the whole window: undo and redo over every
// kind of step, and the compare window with files and with the unit. The
// window's timer is stopped; each test ticks it itself.
#include "DefaultSets.h"
#include "DeviceImageCodec.h"
#include "DifferenceText.h"
#include "MessageBoxes.h"
#include "ParameterFile.h"
#include "ScriptedLine.h"
#include "SealedFrame.h"
#include "SimulatedLine.h"
#include "SimulatedUnit.h"
#include "ThrowawaySettings.h"
#include "Validation.h"
#include "WindowTest.h"
#include "WindowTicks.h"
#include "history/CompareFeature.h"
#include "history/CompareWindow.h"
#include "history/UndoCommands.h"
#include "logs/MapDifferenceView.h"
#include "pages/SpinButton.h"
#include "window/Hlav.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using ign::Byte;
using ign::ChangeCause;
using ign::CompareWindow;
using ign::ParameterSet;
using ign::TFormHlav;

namespace {

// A set the window's defaults do not have, valid, as the unit would hold it.
ParameterSet UnitSet() {
    ParameterSet set = DefaultSet(3);
    for (std::size_t i = 0; i < set.injection.JET.size(); ++i)
        set.injection.JET[i] = static_cast<Byte>(30 + i);
    set.injection.TPS_0 = 77;
    ign::ValidateParameters(set);
    ign::PackDeviceImage(set);
    return set;
}

bool SameBlocks(const ParameterSet& a, const ParameterSet& b) {
    return a.ignition == b.ignition && a.injection == b.injection;
}

QString WriteSet(const QTemporaryDir& folder, const char* name, const ParameterSet& set) {
    const QString path = folder.filePath(QString::fromLatin1(name));
    QFile file(path);
    const std::string text = ign::WriteParameterFile(set);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), static_cast<qint64>(text.size())) < 0)
        qFatal("cannot write %s", name);
    return path;
}

QStringList Lines(const QListWidget& list) {
    QStringList lines;
    for (int row = 0; row < list.count(); ++row) lines << list.item(row)->text();
    return lines;
}

// The simulated unit's line, counting the frames the program writes.
class CountingLine : public ign::SimulatedLine {
public:
    CountingLine(ign::SimulatedUnit& unit, std::size_t& written) : SimulatedLine(unit), written_(written) {}
    void write(const Byte* frame, std::size_t size) override {
        ++written_;
        SimulatedLine::write(frame, size);
    }

private:
    std::size_t& written_;
};

}  // namespace

class TestEditFeatures : public QObject {
    Q_OBJECT

    std::unique_ptr<ThrowawaySettings> settings;
    std::unique_ptr<ign::SimulatedUnit> unit;
    LineScript script;
    std::size_t framesSent = 0;  // to the simulated unit
    std::unique_ptr<TFormHlav> w;
    QTemporaryDir folder;

    void Open(const QByteArray& ports = "[PORTS]\r\nCOM1=unit\r\nCOM2=script\r\n") {
        settings = std::make_unique<ThrowawaySettings>(ports);
        MessagesFrom([&] {
            w = std::make_unique<TFormHlav>([this](const QString& name) -> std::unique_ptr<ign::SerialLine> {
                if (name == "unit") return std::make_unique<CountingLine>(*unit, framesSent);
                if (name == "script") return std::make_unique<ScriptedLine>(script);
                return nullptr;
            });
        });
        Get<QTimer>("Timer1")->stop();
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    template <typename T = QWidget>
    T* Get(const char* name) {
        return ControlOf<T>(*w, name);
    }
    CompareWindow& Compare() { return w->Find<ign::CompareFeature>()->Window(); }
    void Tick(int count = 1) { TickWindow(*unit, *w, count); }
    void RunTransfer() {
        for (int i = 0; i < 600 && !w->DeviceLink().idle(); ++i) Tick();
    }
    void ReadUnitIntoCompare() {
        for (int i = 0; i < 600 && Compare().Reading(); ++i) {
            unit->advance(ign::kTickMs);
            Compare().ReadTick();
        }
    }
    void TypeInto(const char* box, const char* text) {
        auto* field = Get<QSpinBox>(box);
        field->setFocus();
        field->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(field, text);
    }
    void Feed(const Bytes& frame) { script.queued.insert(script.queued.end(), frame.begin(), frame.end()); }

private slots:
    void init() {
        unit = std::make_unique<ign::SimulatedUnit>();
        script = {};
        framesSent = 0;
        const ParameterSet set = UnitSet();
        for (int offset = 1; offset <= 210; ++offset) unit->setMemory(offset, set.image.at(offset));
    }
    void cleanup() {
        w.reset();
        settings.reset();
    }

    // ---- undo and redo ----

    // Every kind of step, through the window's own controls; Ctrl+Z takes
    // each back in turn to the last byte, and Ctrl+Y / Ctrl+Shift+Z make
    // them again.
    void undoAndRedoGiveBackEveryByte() {
        Open();
        const QString file = WriteSet(folder, "open.ign", DefaultSet(5));
        std::vector<ParameterSet> sets{w->Parameters()};
        QStringList causes;
        const auto step = [&](const char* name, const std::function<void()>& action) {
            action();
            RunTransfer();
            sets.push_back(w->Parameters());
            causes << QString::fromLatin1(name);
            QVERIFY2(!SameBlocks(sets[sets.size() - 2], sets.back()), name);
        };
        step("field left", [&] {
            TypeInto("Edit57", "123");
            QTest::keyClick(Get("Edit57"), Qt::Key_Tab);
        });
        step("spinner", [&] { Get<QSpinBox>("Edit58")->stepUp(); });
        step("machine list", [&] { Get<QComboBox>("ComboBox1")->setCurrentIndex(2); });
        step("New", [&] { Get<QAction>("MenuNew")->trigger(); });
        step("Open", [&] {
            w->SetFileDialogRunner([file](QFileDialog&) { return file; });
            Get<QAction>("MenuOpen")->trigger();
        });
        step("Read", [&] { Get<QAbstractButton>("Button1")->click(); });
        step("curve A plus", [&] { Get<QAbstractButton>("BitBtnIgnPlus")->click(); });
        step("map column down", [&] { emit Get<ign::SpinButton>("CSpinButton3")->downClicked(); });
        step("machine list again", [&] { Get<QComboBox>("ComboBox1")->setCurrentIndex(4); });
        step("Excitation High", [&] { Get<QCheckBox>("CheckBox5")->click(); });
        step("Gas enable", [&] { Get<QCheckBox>("CheckBoxGas")->click(); });
        step("Take", [&] {
            Compare().SetSide(1, CompareWindow::Source::File, file);
            Compare().TakeAll();
        });
        step("Restore", [&] { Restore(*w, [](ParameterSet& set) { set.ignition.OMEZ2 += 3; }); });
        step("Set TPS 0", [&] {
            Get<QAction>("MenuCom2")->trigger();
            Feed(Sealed({0xB0, 0, 0, 0, 0, 0, 0, 0, 0, 2078 >> 8, 2078 & 0xFF}));
            Tick();
            Get<QAbstractButton>("BitBtnTps0")->click();
        });
        QCOMPARE(Get<QAction>("MenuUndo")->text(), QStringLiteral("&Undo Set TPS"));

        for (std::size_t i = sets.size() - 1; i > 0; --i) {
            QTest::keyClick(Get("Edit60"), Qt::Key_Z, Qt::ControlModifier);
            QVERIFY2(SameBlocks(w->Parameters(), sets[i - 1]), qPrintable(QString::number(i)));
        }
        QVERIFY(!Get<QAction>("MenuUndo")->isEnabled());
        QCOMPARE(Get<QAction>("MenuRedo")->text(), QStringLiteral("&Redo Edit"));
        for (std::size_t i = 1; i < sets.size(); ++i) {
            if (i % 2 == 0)
                QTest::keyClick(Get("Edit60"), Qt::Key_Y, Qt::ControlModifier);
            else
                QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            QVERIFY2(SameBlocks(w->Parameters(), sets[i]), qPrintable(QString::number(i)));
        }
        QVERIFY(!Get<QAction>("MenuRedo")->isEnabled());
    }

    // Undo changes the window's set only: after a live adjustment has
    // programmed the unit, taking it back sends nothing.
    void undoAfterLiveAdjustmentSendsNoFrame() {
        Open();
        const ParameterSet before = w->Parameters();
        Get<QAbstractButton>("BitBtnJetPlus")->click();
        RunTransfer();
        QCOMPARE(w->DeviceLink().display().status, std::optional{ign::MessageId::VerifyOk});
        const std::vector<Byte> unitHeld(unit->memory().begin(), unit->memory().begin() + 210);
        const std::size_t received = framesSent;
        Get<QAction>("MenuUndo")->trigger();
        Tick(20);
        QVERIFY(SameBlocks(w->Parameters(), before));
        QCOMPARE(framesSent, received);
        QVERIFY(std::equal(unitHeld.begin(), unitHeld.end(), unit->memory().begin()));
        QVERIFY(w->DeviceLink().idle());
    }

    // A completed Read reaches the document as one step; the document holds
    // the set read before a view of the link that came after the window
    // hears of the Read, and its listeners have heard the step by then.
    void readArrivesAsOneDocumentStep() {
        Open();
        const ParameterSet before = w->Parameters();
        std::vector<std::pair<ChangeCause, ParameterSet>> steps;
        const int listening = w->Document().Listen(
            [&steps](const ign::ParameterChange& change) { steps.emplace_back(change.cause, change.after); });
        struct Witness : ign::LinkView {
            TFormHlav* window = nullptr;
            const std::vector<std::pair<ChangeCause, ParameterSet>>* steps = nullptr;
            int reads = 0;
            bool documentHeldTheRead = false;
            std::size_t stepsHeard = 0;
            void readCompleted() override {
                ++reads;
                documentHeldTheRead = SameBlocks(window->Parameters(), window->DeviceLink().parameters());
                stepsHeard = steps->size();
            }
        } witness;
        witness.window = w.get();
        witness.steps = &steps;
        w->DeviceLink().addView(&witness);
        Get<QAction>("MenuRead")->trigger();
        RunTransfer();
        w->DeviceLink().removeView(&witness);
        w->Document().StopListening(listening);
        QCOMPARE(w->DeviceLink().display().status, std::optional{ign::MessageId::VerifyOk});
        QCOMPARE(witness.reads, 1);
        QVERIFY(witness.documentHeldTheRead);
        QCOMPARE(witness.stepsHeard, std::size_t{1});
        QCOMPARE(steps.size(), std::size_t{1});
        QCOMPARE(steps[0].first, ChangeCause::Read);
        QVERIFY(SameBlocks(steps[0].second, w->Parameters()));
        QVERIFY(!SameBlocks(steps[0].second, before));
        QCOMPARE(w->Parameters().injection.TPS_0, UnitSet().injection.TPS_0);
    }

    // Text typed and not yet taken is put back by the first Ctrl+Z, with no
    // step; the next one undoes the last step. A value taken into the box by
    // Return but not yet into the set counts as typed.
    void ctrlZRevertsTypedTextFirst_data() {
        QTest::addColumn<bool>("withReturn");
        QTest::newRow("typed") << false;
        QTest::newRow("after Return") << true;
    }
    void ctrlZRevertsTypedTextFirst() {
        QFETCH(bool, withReturn);
        Open();
        Get<QSpinBox>("Edit52")->stepUp();
        const ParameterSet stepped = w->Parameters();
        const QString shown = Get<QSpinBox>("Edit57")->text();
        TypeInto("Edit57", "123");
        if (withReturn) QTest::keyClick(Get("Edit57"), Qt::Key_Return);
        QTest::keyClick(Get("Edit57"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Get<QSpinBox>("Edit57")->text(), shown);
        QVERIFY(SameBlocks(w->Parameters(), stepped));
        QCOMPARE(Get<QAction>("MenuUndo")->text(), QStringLiteral("&Undo Edit"));
        QTest::keyClick(Get("Edit57"), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!SameBlocks(w->Parameters(), stepped));
        QCOMPARE(Get<QAction>("MenuRedo")->text(), QStringLiteral("&Redo Edit"));
    }

    // A step that comes from elsewhere while a field is being typed into
    // (the unit's set arriving, New, Undo, a live change) shows its value
    // with the text selected whole: the next key starts the number afresh
    // instead of landing in the middle of the new text.
    void aStepFromElsewhereSelectsTheFocusedFieldsText_data() {
        QTest::addColumn<QString>("step");
        QTest::newRow("Read") << "Read";
        QTest::newRow("New") << "New";
        QTest::newRow("Undo") << "Undo";
        QTest::newRow("Curve A-") << "Curve A-";
    }
    void aStepFromElsewhereSelectsTheFocusedFieldsText() {
        QFETCH(QString, step);
        Open();
        Get<QSpinBox>("Edit58")->stepUp();  // a step to undo
        auto* field = Get<QSpinBox>("EditOmez1");
        field->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(field, Qt::Key_End);
        QTest::keyClicks(field, "1");  // "25,0001", caret at the end
        if (step == "Read") {
            Get<QAction>("MenuRead")->trigger();
            RunTransfer();
        } else if (step == "New") {
            Get<QAction>("MenuNew")->trigger();
        } else if (step == "Undo") {
            Get<QAction>("MenuUndo")->trigger();
        } else {
            Get<QAction>("CurveMinus")->trigger();
            RunTransfer();
        }
        auto* text = field->findChild<QLineEdit*>();
        QVERIFY(field->hasFocus());
        QCOMPARE(text->selectedText(), text->text());
        QTest::keyClicks(field, "11500");
        QTest::keyClick(field, Qt::Key_Tab);
        QCOMPARE(w->Parameters().ignition.OMEZ1, Byte{115});
    }

    void itemsNameTheStepInEachLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("items");  // after New; after undoing it
        QTest::newRow("en") << "MenuEnglish" << QStringList{"&Undo New", "&Redo", "&Undo", "&Redo New"};
        QTest::newRow("cs") << "MenuCzech" << QStringList{"&Zpět: Nový", "Z&novu", "&Zpět", "Z&novu: Nový"};
        QTest::newRow("de") << "MenuGerman"
                            << QStringList{"&Rückgängig: Neu", "&Wiederholen", "&Rückgängig",
                                           "&Wiederholen: Neu"};
    }
    void itemsNameTheStepInEachLanguage() {
        QFETCH(QString, language);
        QFETCH(QStringList, items);
        Open();
        Get<QComboBox>("ComboBox1")->setCurrentIndex(2);
        Get<QAction>("MenuNew")->trigger();
        Get<QAction>(language.toLatin1().constData())->trigger();
        QCOMPARE((QStringList{Get<QAction>("MenuUndo")->text(), Get<QAction>("MenuRedo")->text()}),
                 items.mid(0, 2));
        Get<QAction>("MenuUndo")->trigger();
        Get<QAction>("MenuUndo")->trigger();  // the machine list
        QCOMPARE((QStringList{Get<QAction>("MenuUndo")->text(), Get<QAction>("MenuRedo")->text()}).mid(0, 1),
                 items.mid(2, 1));
        Get<QAction>("MenuRedo")->trigger();
        Get<QAction>("MenuRedo")->trigger();
        Get<QAction>("MenuUndo")->trigger();
        QCOMPARE(Get<QAction>("MenuRedo")->text(), items[3]);
        QCOMPARE(Get<QAction>("MenuUndo")->isEnabled(), true);
    }

    // Each shortcut of the window reaches one item, and the new ones are there.
    void shortcutsClashWithNothing() {
        Open();
        QList<QKeySequence> keys;
        for (const QAction* action : w->findChildren<QAction*>())
            for (const QKeySequence& key : action->shortcuts()) {
                QVERIFY2(!keys.contains(key), qPrintable(key.toString()));
                keys << key;
            }
        for (const char* key : {"Ctrl+Z", "Ctrl+Shift+Z", "Ctrl+Y"})
            QVERIFY(keys.contains(QKeySequence::fromString(QString::fromLatin1(key))));
        QCOMPARE(Get<QMenu>("MenuEdit")->actions().first()->objectName(), QStringLiteral("MenuUndo"));
    }

    // ---- compare ----

    // Two files apart in one map cell, one flag, one axis point and TPS_100:
    // exactly those lines, and on the map exactly that cell, by how much.
    void twoFilesGiveExactlyTheirDifferences() {
        Open();
        ParameterSet a = DefaultSet();
        ParameterSet b = a;
        b.injection.JET[4 * 10 + 5] = static_cast<Byte>(a.injection.JET[45] + 8);
        b.ignition.GasEnable = a.ignition.GasEnable != 0 ? 0 : 1;
        b.injection.RPM_JET[9] = static_cast<Byte>(a.injection.RPM_JET[9] + 10);
        b.injection.TPS_100 = static_cast<Byte>(a.injection.TPS_100 + 7);
        QVERIFY(Compare().SetSide(0, CompareWindow::Source::File, WriteSet(folder, "a.ign", a)));
        QVERIFY(Compare().SetSide(1, CompareWindow::Source::RestorePoint, WriteSet(folder, "b.ign", b)));
        const ParameterSet fromA = w->Parameters();
        QStringList expected;
        for (const ign::Difference& d : ign::FindDifferences(a, b))
            expected << QString::fromStdString(ign::FormatDifference(d, ign::DifferenceCaptionsFor(0)));
        QCOMPARE(expected.size(), 4);
        QCOMPARE(Lines(*Get<QListWidget>("CompareList")), expected);
        QVERIFY(expected[2].startsWith(QStringLiteral("Injection map, 40 % × ")));
        QVERIFY(expected[2].endsWith(QStringLiteral(" → %1 %").arg(
            ign::ToUser(ign::Info(ign::Param::JET).conversion, b.injection.JET[45]))));
        const auto& cells = ControlOf<ign::MapDifferenceView>(*w, "CompareMap")->CellDifferences();
        for (std::size_t i = 0; i < cells.size(); ++i) QCOMPARE(cells[i].has_value(), i == 45);
        QCOMPARE(*cells[45], expected[2].section(QStringLiteral("→ "), 1).section(' ', 0, 0).toInt() -
                                 expected[2].section(QStringLiteral(": "), 1).section(' ', 0, 0).toInt());
        // The lines follow the window's language; the window's set was never touched.
        Get<QAction>("MenuCzech")->trigger();
        QVERIFY(Get<QListWidget>("CompareList")->item(0)->text().startsWith(QStringLiteral("Plyn povolen")));
        QVERIFY(SameBlocks(w->Parameters(), fromA));
        const QString missing = folder.filePath("none.ign");
        QVERIFY(!Compare().SetSide(1, CompareWindow::Source::File, missing));
        QVERIFY(Get<QLabel>("CompareStatus")->text().contains(QStringLiteral("none.ign")));
    }

    // The unit read as a side leaves the window's bytes, image, file label and
    // identification alone, and no verify follows; the window's link has its
    // line back afterwards. While the window's own transfer runs, the unit is not read.
    void unitAsSideLeavesTheWindowAlone() {
        Open();
        Get<QAbstractButton>("Button1")->click();
        RunTransfer();
        const QString file = WriteSet(folder, "tuned.ign", DefaultSet(1));
        w->SetFileDialogRunner([file](QFileDialog&) { return file; });
        Get<QAction>("MenuOpen")->trigger();
        const ParameterSet window = w->Parameters();
        QStringList labels;
        for (const char* name : {"LabelFile2", "LabelVerze1", "LabelVerze2", "LabelVerze3", "LabelHlaseni"})
            labels << Get<QLabel>(name)->text();
        QVERIFY(!labels[1].isEmpty());
        const auto status = w->DeviceLink().display();

        QVERIFY(Compare().SetSide(1, CompareWindow::Source::Unit));
        QVERIFY(Compare().Reading());
        QVERIFY(w->DeviceLink().line() == nullptr);
        ReadUnitIntoCompare();
        QVERIFY(!Compare().Reading());
        const std::size_t afterRead = framesSent;
        Tick(20);
        QCOMPARE(framesSent, afterRead);  // no verify after the read
        QVERIFY(w->DeviceLink().line() == w->Line());

        QVERIFY(Compare().Differences() == ign::FindDifferences(window, UnitSet()));
        QVERIFY(SameBlocks(w->Parameters(), window));
        QVERIFY(w->Parameters().image.bytes == window.image.bytes);
        QStringList after;
        for (const char* name : {"LabelFile2", "LabelVerze1", "LabelVerze2", "LabelVerze3", "LabelHlaseni"})
            after << Get<QLabel>(name)->text();
        QCOMPARE(after, labels);
        QCOMPARE(w->DeviceLink().display().status, status.status);

        Get<QAction>("MenuRead")->trigger();
        Compare().ReadTick();  // on the window's timer
        const auto* items =
            qobject_cast<const QStandardItemModel*>(Get<QComboBox>("CompareSource1")->model());
        QVERIFY(!items->item(3)->isEnabled());
        QVERIFY(!Compare().SetSide(0, CompareWindow::Source::Unit));
        QCOMPARE(Get<QLabel>("CompareStatus")->text(),
                 QStringLiteral("The unit cannot be read while a transfer runs"));
        RunTransfer();
        Compare().ReadTick();
        QVERIFY(items->item(3)->isEnabled());
    }

    // The unit as a side is named with the time of its read; the window
    // opened again reads it anew, since the unit may have been programmed since.
    void aReopenedCompareReadsTheUnitAgain() {
        Open();
        Get<QAction>("MenuCompare")->trigger();
        QVERIFY(Compare().SetSide(1, CompareWindow::Source::Unit));
        ReadUnitIntoCompare();
        QVERIFY2(QRegularExpression(QStringLiteral("^Unit, read \\d\\d:\\d\\d:\\d\\d$"))
                     .match(Get<QLabel>("ComparePath2")->text())
                     .hasMatch(),
                 qPrintable(Get<QLabel>("ComparePath2")->text()));
        QVERIFY(!Compare().Differences().empty());
        Compare().close();
        Get<QAbstractButton>("BitBtnJetPlus")->click();  // the window's set into the unit
        RunTransfer();
        Get<QAction>("MenuCompare")->trigger();
        QVERIFY(Compare().Reading());
        ReadUnitIntoCompare();
        QVERIFY(Compare().Differences().empty());
    }

    // A read of the unit that the window's own command overtakes ends at once
    // and hands the line back, and the window's command still gets through.
    void windowCommandDuringTheUnitReadWins() {
        Open();
        QVERIFY(Compare().SetSide(1, CompareWindow::Source::Unit));
        Get<QAction>("MenuRead")->trigger();
        Compare().ReadTick();  // on the window's timer, as its link
        QVERIFY(!Compare().Reading());
        RunTransfer();
        QCOMPARE(w->DeviceLink().display().status, std::optional{ign::MessageId::VerifyOk});
        QVERIFY(ign::SameValues(w->Parameters(), UnitSet()));
    }

    // Take copies one difference, or all, into the window as one step that
    // Undo takes back; with the window second, the first set's values come in.
    void takeIsOneUndoableStep() {
        Open();
        ParameterSet other = w->Parameters();
        other.ignition.OMEZ1 = static_cast<Byte>(other.ignition.OMEZ1 + 5);
        other.injection.JET[12] = static_cast<Byte>(other.injection.JET[12] + 4);
        other.injection.WATER[1] = static_cast<Byte>(other.injection.WATER[1] + 2);
        const QString path = WriteSet(folder, "other.ign", other);
        const ParameterSet before = w->Parameters();
        QVERIFY(Compare().SetSide(1, CompareWindow::Source::File, path));
        QCOMPARE(Compare().Differences().size(), std::size_t{3});
        Get<QListWidget>("CompareList")->setCurrentRow(1);
        Compare().TakeSelected();
        QCOMPARE(w->Parameters().injection.JET[12], other.injection.JET[12]);
        QCOMPARE(w->Parameters().ignition.OMEZ1, before.ignition.OMEZ1);
        QCOMPARE(Compare().Differences().size(), std::size_t{2});
        QCOMPARE(Get<QAction>("MenuUndo")->text(), QStringLiteral("&Undo Take"));
        Get<QAction>("MenuUndo")->trigger();
        QVERIFY(SameBlocks(w->Parameters(), before));

        Compare().CompareWithWindow(path);
        QVERIFY(Compare().isVisible());
        Compare().TakeAll();
        QVERIFY(Compare().Differences().empty());
        QVERIFY(SameBlocks(w->Parameters(), other));
        Get<QAction>("MenuUndo")->trigger();
        QVERIFY(SameBlocks(w->Parameters(), before));
    }
};

IGN_WINDOW_TEST_MAIN(TestEditFeatures)
#include "test_edit_features.moc"
