// The whole window on a unit: device commands, live adjustment, the Monitor
// page, the port choice and the settings across two window lifetimes. The
// window's own timer is stopped; each test ticks it and moves the unit's clock
// by 55 ms per tick, so nothing depends on the wall clock.
#include "DefaultSets.h"
#include "DeviceImageCodec.h"
#include "EditorBindings.h"
#include "MessageBoxes.h"
#include "New.h"
#include "PlatformSkips.h"
#include "ScriptedLine.h"
#include "SealedFrame.h"
#include "SimulatedLine.h"
#include "SimulatedUnit.h"
#include "ThrowawaySettings.h"
#include "Validation.h"
#include "WindowTest.h"
#include "app/Application.h"
#include "app/QuitSignals.h"
#include "pages/SpinButton.h"
#include "window/Hlav.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <csignal>
#include <functional>
#include <memory>

using ign::Byte;
using ign::TFormHlav;

namespace {

// A monitor frame: code, five big-endian words, check byte.
QByteArray MonitorFrame(int type, std::initializer_list<int> words) {
    Bytes frame{static_cast<Byte>(0xB0 + type)};
    for (int word : words) {
        frame.push_back(static_cast<Byte>(word >> 8));
        frame.push_back(static_cast<Byte>(word & 0xFF));
    }
    frame = Sealed(frame);
    return QByteArray(reinterpret_cast<const char*>(frame.data()), static_cast<qsizetype>(frame.size()));
}

QByteArray Settings(const QByteArray& form = {}) {
    return "[FORM_HLAV]\r\n" + form + "[PORTS]\r\nCOM1=unitA\r\nCOM2=unitB\r\n";
}

// A set the window's defaults do not have, valid, as the unit would hold it.
ign::ParameterSet UnitSet() {
    ign::ParameterSet set = DefaultSet(3);
    for (std::size_t i = 0; i < set.injection.JET.size(); ++i)
        set.injection.JET[i] = static_cast<Byte>(30 + i);
    set.ignition.ADV_A[4] = static_cast<Byte>(set.ignition.ADV_A[4] - 2);
    set.injection.TPS_0 = 77;
    ign::ValidateParameters(set);
    ign::PackDeviceImage(set);
    return set;
}

// The image the window's set packs into, as the link sends it.
ign::DeviceImage Packed(ign::ParameterSet set) {
    ign::PackDeviceImage(set);
    return set.image;
}

}  // namespace

class TestIntegration : public QObject {
    Q_OBJECT

    std::unique_ptr<ThrowawaySettings> settings;
    std::unique_ptr<ign::SimulatedUnit> unitA, unitB;
    LineScript script;
    QStringList opened;  // port names the window asked for, in order
    std::unique_ptr<TFormHlav> w;
    QStringList boxes;  // texts of the message boxes shown while building the window

    TFormHlav::LineOpener Opener() {
        return [this](const QString& name) -> std::unique_ptr<ign::SerialLine> {
            opened << name;
            if (name == "unitA") return std::make_unique<ign::SimulatedLine>(*unitA);
            if (name == "unitB") return std::make_unique<ign::SimulatedLine>(*unitB);
            if (name == "script") return std::make_unique<ScriptedLine>(script);
            return nullptr;
        };
    }

    // Builds the window on the current settings folder, answering (and noting) any message box.
    void Open() {
        boxes = MessagesFrom([&] { w = std::make_unique<TFormHlav>(Opener()); });
        Get<QTimer>("Timer1")->stop();
        w->show();
    }

    template <typename T = QWidget>
    T* Get(const char* name) {
        return ControlOf<T>(*w, name);
    }
    QString Status() { return Get<QLabel>("LabelHlaseni")->text(); }
    bool StatusShown() { return Get("LabelHlaseni")->isVisible(); }
    const ign::LinkState& Link() { return w->DeviceLink().state(); }

    void Tick(int count = 1) {
        for (int i = 0; i < count; ++i) {
            unitA->advance(ign::kTickMs);
            unitB->advance(ign::kTickMs);
            w->Timer1Timer();
        }
    }
    // Ticks until the transfer has ended; returns how many ticks that took.
    int RunTransfer(int limit = 600) {
        int ticks = 0;
        while (Link().TransferMode != ign::TransferMode::None && ticks < limit) {
            Tick();
            ++ticks;
        }
        return ticks;
    }
    void Feed(const QByteArray& frame) {
        for (char c : frame) script.queued.push_back(static_cast<Byte>(c));
    }
    void LoadUnit(ign::SimulatedUnit& unit, const ign::ParameterSet& set) {
        for (int offset = 1; offset <= 210; ++offset) unit.setMemory(offset, set.image.at(offset));
    }
    bool UnitHolds(const ign::SimulatedUnit& unit, const ign::DeviceImage& image) {
        return std::equal(image.bytes.begin(), image.bytes.begin() + 210, unit.memory().begin());
    }

private slots:
    void initTestCase() {
        // Stop signals are read by the window's watch, as the program's main() arranges.
        ign::QuitSignals::BlockForWatching();
    }
    void init() {
        unitA = std::make_unique<ign::SimulatedUnit>();
        unitB = std::make_unique<ign::SimulatedUnit>();
        script = {};
        opened.clear();
        settings.reset();
        settings = std::make_unique<ThrowawaySettings>(Settings());
    }
    void cleanup() {
        w.reset();
        settings.reset();
    }

    // ---- device commands ----

    void readFillsTheWindowAndVerifies_data() {
        QTest::addColumn<bool>("czechMidway");
        QTest::addColumn<QString>("result");
        QTest::newRow("English throughout") << false << "Verify OK";
        QTest::newRow("Czech chosen during the Read") << true << "Verifikace OK";
    }
    void readFillsTheWindowAndVerifies() {
        QFETCH(bool, czechMidway);
        QFETCH(QString, result);
        const ign::ParameterSet unitSet = UnitSet();
        LoadUnit(*unitA, unitSet);
        Open();
        Get<QLabel>("LabelFile2")->setText("/tmp/old.ign");
        w->SetParameterFilePath("/tmp/old.ign");

        Get<QAbstractButton>("Button1")->click();
        QCOMPARE(Status(), QStringLiteral("Read device:"));
        QVERIFY(StatusShown() && Get("ProgressBar1")->isVisible());
        // The set now comes from the unit: the label goes, the path stays for the dialogs.
        QCOMPARE(Get<QLabel>("LabelFile2")->text(), QString());
        QCOMPARE(w->ParameterFilePath(), QStringLiteral("/tmp/old.ign"));
        if (czechMidway) {
            Get<QAction>("MenuCzech")->trigger();
            QCOMPARE(Status(), QStringLiteral("Read device:"));  // shown before the switch
        }
        RunTransfer();
        QCOMPARE(Status(), result);
        QVERIFY(StatusShown() && !Get("ProgressBar1")->isVisible());

        ign::ParameterSet expected{};
        expected.image = unitSet.image;
        ign::UnpackDeviceImage(expected);
        ign::ValidateParameters(expected);
        QVERIFY(w->Parameters().ignition == expected.ignition);
        QVERIFY(w->Parameters().injection == expected.injection);
        for (const ign::EditorField& field : ign::EditorFields()) {
            const Byte byte = ign::BytesOf(expected, field.param)[static_cast<std::size_t>(field.point)];
            QCOMPARE(Get<QSpinBox>(field.edit.c_str())->value(), ign::FieldFromByte(field, byte));
        }
        QCOMPARE(Get<QLabel>("LabelVerze1")->text(), QStringLiteral("SIM12"));
        QCOMPARE(Get<QLabel>("LabelVerze2")->text(), QStringLiteral("14. 3.2024"));
        QCOMPARE(Get<QLabel>("LabelVerze3")->text(), QStringLiteral("09:05"));
        Tick(200);
        QVERIFY(!StatusShown());
    }

    void programThenVerifyLeaveTheSetInTheUnit() {
        Open();
        // Typed and not yet taken: Program reads the editors first.
        auto* cell = Get<QSpinBox>("Edit57");
        cell->setFocus();
        cell->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(cell, "123");
        QSignalSpy commands(&w->Events(), &ign::HostEvents::deviceCommandStarted);
        Get<QAction>("MenuProgram")->trigger();
        QCOMPARE(Status(), QStringLiteral("Program device:"));
        QCOMPARE(w->Parameters().injection.JET[7], Byte{123});
        RunTransfer();
        QCOMPARE(Status(), QStringLiteral("Verify OK"));
        QVERIFY(UnitHolds(*unitA, Packed(w->Parameters())));
        Get<QAbstractButton>("BitBtnJetPlus")->click();  // a live adjustment is no command
        RunTransfer();

        Get<QAbstractButton>("BitBtn2")->click();
        QCOMPARE(Status(), QStringLiteral("Verify device:"));
        QCOMPARE(commands.size(), 2);
        QCOMPARE(commands[0][0].value<ign::TransferMode>(), ign::TransferMode::Program);
        QCOMPARE(commands[1][0].value<ign::TransferMode>(), ign::TransferMode::Verify);
        RunTransfer();
        QCOMPARE(Status(), QStringLiteral("Verify OK"));
    }

    void aSilentUnitEndsInProgramError_data() {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QString>("error");
        QTest::newRow("English") << QByteArray("0") << "Program error!";
        QTest::newRow("German") << QByteArray("2") << "Programmier. Fehler";
    }
    void aSilentUnitEndsInProgramError() {
        QFETCH(QByteArray, language);
        QFETCH(QString, error);
        settings.reset();
        settings = std::make_unique<ThrowawaySettings>(Settings("Language=" + language + "\r\n"));
        unitA->faults().silent = true;
        Open();
        Get<QAbstractButton>("BitBtn1")->click();
        // Five sends of block 0, each given up after four quiet ticks.
        Tick(19);
        QCOMPARE(Link().TransferMode, ign::TransferMode::Program);
        Tick(1);
        QCOMPARE(Status(), error);
        QCOMPARE(unitA->requestsReceived(), 5);
        QVERIFY(Get("ProgressBar1")->isVisible());
        // 200 ticks, counting the one that showed it.
        Tick(198);
        QVERIFY(StatusShown());
        Tick(1);
        QVERIFY(!StatusShown() && !Get("ProgressBar1")->isVisible());
    }

    // ---- live adjustment ----

    void liveChangesRestartProgrammingAndTheLastOneIsVerified() {
        Open();
        const ign::ParameterSet before = w->Parameters();
        Get<QAbstractButton>("BitBtn1")->click();
        Tick(12);
        QVERIFY(Link().FrameCode > 2);
        Get<QAbstractButton>("BitBtnJetPlus")->click();
        QCOMPARE(Link().TransferMode, ign::TransferMode::Program);
        QCOMPARE(Link().FrameCode, Byte{0});
        Tick(6);
        Get<QAction>("JetPlus")->trigger();
        QCOMPARE(Link().FrameCode, Byte{0});
        RunTransfer();
        QCOMPARE(Status(), QStringLiteral("Verify OK"));
        for (std::size_t i = 0; i < before.injection.JET.size(); ++i)
            QCOMPARE(w->Parameters().injection.JET[i],
                     static_cast<Byte>(std::min(before.injection.JET[i] + 2, 250)));
        QVERIFY(UnitHolds(*unitA, Packed(w->Parameters())));
        QCOMPARE(Get<QSpinBox>("Edit50")->value(), w->Parameters().injection.JET[0]);
    }

    // Quick live changes on: the first change programs the unit whole, as no
    // transfer has checked it yet; the next writes and reads back curve A's
    // block alone, the unit-match field counting it until it is verified.
    void quickLiveChangesWriteOnlyTheirBlock() {
        LoadUnit(*unitA, UnitSet());
        Open();
        const QList<QAction*> tools = Get<QMenu>("MenuTools")->actions();
        QVERIFY(tools.size() > 3 && tools.at(tools.size() - 3)->isSeparator());
        QCOMPARE(tools.at(tools.size() - 2)->objectName(), QStringLiteral("MenuQuickLive"));
        QCOMPARE(tools.last()->objectName(), QStringLiteral("MenuAnswerPaced"));
        QVERIFY(!tools.at(tools.size() - 2)->isChecked() && !tools.last()->isChecked());
        tools.at(tools.size() - 2)->trigger();
        auto* match = Get<QStackedWidget>("UnitMatchState");
        const auto shown = [match] { return qobject_cast<QLabel*>(match->currentWidget())->text(); };

        Get<QAction>("CurvePlus")->trigger();
        QCOMPARE(Link().FrameCode, Byte{0});
        QCOMPARE(RunTransfer(), 42);
        QCOMPARE(Status(), QStringLiteral("Verify OK"));

        Get<QAction>("CurvePlus")->trigger();
        QCOMPARE(Link().FrameCode, Byte{1});
        QCOMPARE(shown(), QStringLiteral("1 block to write"));
        QCOMPARE(RunTransfer(), 2);
        QCOMPARE(Status(), QStringLiteral("Verify OK"));
        QVERIFY(UnitHolds(*unitA, Packed(w->Parameters())));
        QCOMPARE(match->currentWidget()->objectName(), QStringLiteral("UnitMatchEqual"));
        w->close();
        QTRY_VERIFY(!w->isVisible());
        QVERIFY2(settings->Text().endsWith("[LINK]\r\nQuickLive=1\r\nAnswerPaced=0\r\n"),
                 settings->Text().constData());
    }

    void curveButtonsMoveCurveAByOneDegree() {
        Open();
        const ign::ParameterSet before = w->Parameters();
        Get<QAbstractButton>("BitBtnIgnMinus")->click();
        for (std::size_t i = 0; i < before.ignition.ADV_A.size(); ++i)
            QCOMPARE(w->Parameters().ignition.ADV_A[i], static_cast<Byte>(before.ignition.ADV_A[i] - 1));
        QCOMPARE(Link().TransferMode, ign::TransferMode::Program);
        Get<QAction>("CurvePlus")->trigger();
        QVERIFY(w->Parameters().ignition == before.ignition);
    }

    void aSpinButtonChangesItsTenCells_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("up");
        QTest::newRow("column 3 up") << 3 << true;
        QTest::newRow("column 1 down") << 1 << false;
        QTest::newRow("column 10 up") << 10 << true;
    }
    void aSpinButtonChangesItsTenCells() {
        QFETCH(int, column);
        QFETCH(bool, up);
        Open();
        Get<QTabWidget>("PageControl1")->setCurrentWidget(Get("TabSheet2"));
        const ign::ParameterSet before = w->Parameters();
        const QByteArray name = "CSpinButton" + QByteArray::number(column);
        auto* spin = Get<ign::SpinButton>(name.constData());
        // The change comes with the press, before any repeat or the release.
        QTest::mousePress(up ? spin->upButton() : spin->downButton(), Qt::LeftButton);

        ign::InjectionBlock expected = before.injection;
        for (int row = 0; row < 10; ++row) {
            Byte& cell = expected.JET[static_cast<std::size_t>(row * 10 + column - 1)];
            cell = static_cast<Byte>(up ? cell + 1 : cell - 1);
        }
        QVERIFY(w->Parameters().ignition == before.ignition);
        QVERIFY(w->Parameters().injection == expected);
        QCOMPARE(Link().TransferMode, ign::TransferMode::Program);
        QCOMPARE(Link().FrameCode, Byte{0});
        QTest::mouseRelease(up ? spin->upButton() : spin->downButton(), Qt::LeftButton);
        QVERIFY(w->Parameters().injection == expected);  // the release adds nothing
    }

    void spinButtonsRepeatAfter400msThenEvery100ms() {
        Open();
        for (int column = 1; column <= 10; ++column) {
            const QByteArray name = "CSpinButton" + QByteArray::number(column);
            for (QToolButton* half : Get(name.constData())->findChildren<QToolButton*>()) {
                QVERIFY(half->autoRepeat());
                QCOMPARE(half->autoRepeatDelay(), 400);
                QCOMPARE(half->autoRepeatInterval(), 100);
            }
        }
    }

    void setTpsTakesTheMeasuredVoltageInRange_data() {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<int>("word");  // 2 * word * 2430 / 8184 is the voltage
        QTest::addColumn<int>("millivolts");
        QTest::addColumn<int>("tps0");
        QTest::addColumn<int>("tps100");
        QTest::addColumn<bool>("programs");
        const ign::ParameterSet d = DefaultSet();
        QTest::newRow("TPS 0 at 1234 mV")
            << QByteArray("BitBtnTps0") << 2078 << 1234 << 123 << int{d.injection.TPS_100} << true;
        QTest::newRow("TPS 0 at 2600 mV") << QByteArray("BitBtnTps0") << 4379 << 2600
                                          << int{d.injection.TPS_0} << int{d.injection.TPS_100} << false;
        QTest::newRow("TPS 100 at 4600 mV")
            << QByteArray("BitBtnTps100") << 7747 << 4600 << int{d.injection.TPS_0} << 210 << true;
        QTest::newRow("TPS 100 at 4602 mV") << QByteArray("BitBtnTps100") << 7750 << 4602
                                            << int{d.injection.TPS_0} << int{d.injection.TPS_100} << false;
    }
    void setTpsTakesTheMeasuredVoltageInRange() {
        QFETCH(QByteArray, button);
        QFETCH(int, word);
        QFETCH(int, millivolts);
        QFETCH(int, tps0);
        QFETCH(int, tps100);
        QFETCH(bool, programs);
        settings.reset();
        settings = std::make_unique<ThrowawaySettings>("[PORTS]\r\nCOM1=script\r\n");
        Open();
        Feed(MonitorFrame(0, {0, 0, 0, 0, word}));
        Tick();
        QCOMPARE(Get<QLabel>("LabelTps")->text(), QStringLiteral("TPS= 0 [%]= %1 [mV]").arg(millivolts));
        Get<QAbstractButton>(button.constData())->click();
        QCOMPARE(int{w->Parameters().injection.TPS_0}, tps0);
        QCOMPARE(int{w->Parameters().injection.TPS_100}, tps100);
        QCOMPARE(Link().TransferMode == ign::TransferMode::Program, programs);
        QCOMPARE(StatusShown(), programs);
        QCOMPARE(script.written.size(), std::size_t{programs ? 1u : 0u});
    }

    // ---- the owner of the set ----

    // Every change of the set is one step, told once with its cause; what
    // changes no byte (a refresh, a language, a cycle over what is shown, a
    // cancelled Open, a Save that could not write) is told to nobody.
    void eachChangeIsOneStep_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("heard");
        const auto row = [](const char* action, QStringList heard) {
            QTest::newRow(action) << action << heard;
        };
        row("field left", {"edit"});
        row("spinner", {"edit"});
        row("Program with a typed value", {"edit"});
        row("New", {"new"});
        row("Open", {"open"});
        row("Read", {"read"});
        row("curve A plus", {"live"});
        row("map column down", {"live"});
        row("Set TPS 0", {"set-tps"});
        row("machine list", {"machine"});
        row("Excitation High", {"excitation"});
        row("Gas enable", {"gas-enable"});
        row("refresh", {});
        row("language", {});
        row("Program with nothing typed", {});
        row("cancelled Open", {});
        row("Save that cannot write", {});
    }
    void eachChangeIsOneStep() {
        QFETCH(QString, action);
        QFETCH(QStringList, heard);
        settings.reset();
        settings = std::make_unique<ThrowawaySettings>("[PORTS]\r\nCOM1=unitA\r\nCOM2=script\r\n");
        LoadUnit(*unitA, UnitSet());
        Open();
        QVERIFY(
            QTest::qWaitForWindowActive(w.get()));  // leaving a field counts only inside the active window
        QTemporaryDir folder;
        const QString file = folder.filePath("set.ign");
        QFile written(file);
        QVERIFY(written.open(QIODevice::WriteOnly) && written.write("OMEZ1 12000\r\n") > 0);
        written.close();
        const auto type = [this](const char* box, const char* text) {
            auto* field = Get<QSpinBox>(box);
            field->setFocus();
            field->findChild<QLineEdit*>()->selectAll();
            QTest::keyClicks(field, text);
        };
        const auto choose = [this](const QString& path) {
            w->SetFileDialogRunner([path](QFileDialog&) { return path; });
        };

        // What sets the scene is not counted.
        if (action == "New") Get<QComboBox>("ComboBox1")->setCurrentIndex(2);
        if (action == "Set TPS 0") {
            Get<QAction>("MenuCom2")->trigger();
            Feed(MonitorFrame(0, {0, 0, 0, 0, 2078}));
            Tick();
        }

        QStringList told;
        w->Document().Listen([&told](const ign::ParameterChange& step) {
            told << QString::fromLatin1(ign::CauseName(step.cause).data());
        });
        const ign::ParameterSet before = w->Parameters();
        if (action == "field left") {
            type("Edit57", "123");
            QTest::keyClick(Get("Edit57"), Qt::Key_Tab);
        } else if (action == "spinner") {
            Get<QSpinBox>("Edit57")->stepUp();
        } else if (action == "Program with a typed value") {
            type("Edit57", "123");
            Get<QAction>("MenuProgram")->trigger();
        } else if (action == "New") {
            Get<QAction>("MenuNew")->trigger();
        } else if (action == "Open") {
            choose(file);
            Get<QAction>("MenuOpen")->trigger();
        } else if (action == "Read") {
            Get<QAbstractButton>("Button1")->click();
            RunTransfer();
        } else if (action == "curve A plus") {
            Get<QAbstractButton>("BitBtnIgnPlus")->click();
        } else if (action == "map column down") {
            emit Get<ign::SpinButton>("CSpinButton3")->downClicked();
        } else if (action == "Set TPS 0") {
            Get<QAbstractButton>("BitBtnTps0")->click();
        } else if (action == "machine list") {
            Get<QComboBox>("ComboBox1")->setCurrentIndex(4);
        } else if (action == "Excitation High") {
            Get<QCheckBox>("CheckBox5")->click();
        } else if (action == "Gas enable") {
            Get<QCheckBox>("CheckBoxGas")->click();
        } else if (action == "refresh") {
            w->RefreshEditors();
        } else if (action == "language") {
            Get<QAction>("MenuGerman")->trigger();
        } else if (action == "Program with nothing typed") {
            Get<QAction>("MenuProgram")->trigger();
        } else if (action == "cancelled Open") {
            choose(QString());
            Get<QAction>("MenuOpen")->trigger();
        } else if (action == "Save that cannot write") {
            type("Edit57", "123");
            choose(folder.filePath("no such folder/set.ign"));
            QCOMPARE(MessagesFrom([&] { Get<QAction>("MenuSave")->trigger(); }).size(), 1);
        }
        QCOMPARE(told, heard);
        const bool same =
            w->Parameters().ignition == before.ignition && w->Parameters().injection == before.injection;
        QCOMPARE(same, heard.isEmpty());
    }

    // ---- Monitor page ----

    void monitorLabelsFollowTheFrames_data() {
        QTest::addColumn<QByteArrayList>("frames");
        QTest::addColumn<QByteArray>("label");
        QTest::addColumn<QString>("text");
        const QByteArray type0 = MonitorFrame(0, {1000, 2000, 3000, 4000, 2078});
        QTest::newRow("type 0 throttle")
            << QByteArrayList{type0} << QByteArray("LabelTps") << "TPS= 0 [%]= 1234 [mV]";
        QTest::newRow("type 0 second throttle")
            << QByteArrayList{type0} << QByteArray("LabelPrivera") << "STPS = 592 [mV]";
        QTest::newRow("type 0 lambda")
            << QByteArrayList{type0} << QByteArray("LabelLambda") << "LAMBDA = 1187 [mV]";
        QTest::newRow("type 1 supply") << QByteArrayList{MonitorFrame(1, {0, 0, 3874, 100, 800})}
                                       << QByteArray("LabelNapeti") << "U = 13.3 [V]= 1150 [mV]";
        QTest::newRow("type 1 injection time") << QByteArrayList{MonitorFrame(1, {0, 0, 3874, 100, 800})}
                                               << QByteArray("LabelCasJet") << "INJ. TIME = 3000 [us]";
        QTest::newRow("type 1 injection position") << QByteArrayList{MonitorFrame(1, {0, 0, 3874, 100, 800})}
                                                   << QByteArray("LabelUhelPolohy") << "INJ. POS. = -80 [°]";
        QTest::newRow("type 2 speed")
            << QByteArrayList{MonitorFrame(2, {2000, 0, 0, 0, 7})} << QByteArray("LabelRpm") << "RPM = 1000 ";
        QTest::newRow("type 2 dwell") << QByteArrayList{MonitorFrame(2, {100, 40, 0, 0, 7})}
                                      << QByteArray("LabelBuzeni") << "DWELLTIME = 3600 [us]";
        QTest::newRow("type 2 test word")
            << QByteArrayList{MonitorFrame(2, {100, 40, 0, 0, 7})} << QByteArray("LabelTest1") << "Test = 7 ";
        QTest::newRow("type 3 shows with the next type 0")
            << QByteArrayList{MonitorFrame(3, {55 * 256 + 20, 130 * 256, 0, 0, 0}), type0}
            << QByteArray("LabelPodtlak") << "IAPS= 20 [%] = 1186 [mV]";
        QTest::newRow("type 3 temperatures with the next type 1")
            << QByteArrayList{MonitorFrame(3, {55 * 256 + 20, 130 * 256 + 90, 0, 0, 0}),
                              MonitorFrame(1, {1000, 0, 0, 0, 0})}
            << QByteArray("LabelVoda") << "TWS= 30 [°]= 296 [mV]";
    }
    void monitorLabelsFollowTheFrames() {
        QFETCH(QByteArrayList, frames);
        QFETCH(QByteArray, label);
        QFETCH(QString, text);
        settings.reset();
        settings = std::make_unique<ThrowawaySettings>("[PORTS]\r\nCOM1=script\r\n");
        Open();
        for (const QByteArray& frame : frames) {
            Feed(frame);
            Tick();
        }
        QCOMPARE(Get<QLabel>(label.constData())->text(), text);
    }

    // Frames come ten times a second: new texts are drawn where the lines
    // stand, without the page being laid out again, and a text beyond the
    // room kept for the line (a unit sending nonsense) still shows whole.
    void monitorLinesKeepThePageStill() {
        settings.reset();
        settings = std::make_unique<ThrowawaySettings>(
            "[PORTS]\r\nCOM1=script\r\nCOM2=script\r\n[FORM_HLAV]\r\nActivePage=5\r\n");
        Open();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        // What showing the window posted runs out first.
        for (int round = 0; round < 10; ++round) QCoreApplication::processEvents();
        struct LayoutCount : QObject {
            int count = 0;
            bool eventFilter(QObject*, QEvent* event) override {
                if (event->type() == QEvent::LayoutRequest) ++count;
                return false;
            }
        } layouts;
        qApp->installEventFilter(&layouts);
        for (int word : {1000, 1500, 2000}) {
            Feed(MonitorFrame(0, {word, word, word, word, word}));
            Tick();
            Feed(MonitorFrame(2, {word, word / 2, 0, 0, word}));
            Tick();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        }
        qApp->removeEventFilter(&layouts);
        QCOMPARE(Get<QLabel>("LabelRpm")->text(), QStringLiteral("RPM = 1000 "));
        QCOMPARE(layouts.count, 0);

        Feed(MonitorFrame(2, {1, 65535, 0, 0, 65535}));
        Tick();
        for (const char* name : {"LabelRpm", "LabelBuzeni", "LabelTest1"}) {
            auto* label = Get<QLabel>(name);
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
        }
        QCOMPARE(Get<QLabel>("LabelBuzeni")->text(), QStringLiteral("DWELLTIME = -3932040 [us]"));
    }

    void monitorLabelsStayDuringATransfer() {
        settings.reset();
        settings = std::make_unique<ThrowawaySettings>("[PORTS]\r\nCOM1=script\r\n");
        Open();
        QStringList captions;
        for (QLabel* label : Get("TabSheet5")->findChildren<QLabel*>()) {
            QVERIFY2(!label->isHidden(), qPrintable(label->objectName()));
            captions << label->text();
        }
        QCOMPARE(captions.size(), 13);
        Feed(MonitorFrame(3, {0x1234, 0x5678, 0, 0, 0}));
        Tick();
        QStringList after;
        for (QLabel* label : Get("TabSheet5")->findChildren<QLabel*>()) after << label->text();
        QCOMPARE(after, captions);  // a status frame alone shows nothing

        Feed(MonitorFrame(2, {2000, 0, 0, 0, 0}));
        Tick();
        QCOMPARE(Get<QLabel>("LabelRpm")->text(), QStringLiteral("RPM = 1000 "));
        Get<QAction>("MenuRead")->trigger();
        for (int i = 0; i < 19; ++i) {
            Feed(MonitorFrame(2, {1000, 0, 0, 0, 0}));
            Tick();
            QCOMPARE(Get<QLabel>("LabelRpm")->text(), QStringLiteral("RPM = 1000 "));
        }
        Tick();
        QCOMPARE(Status(), QStringLiteral("Read error!"));
        Feed(MonitorFrame(2, {1000, 0, 0, 0, 0}));
        Tick();
        QCOMPARE(Get<QLabel>("LabelRpm")->text(), QStringLiteral("RPM = 2000 "));
    }

    // ---- port ----

    void aMissingPortIsReportedOnceAndTheProgramGoesOn() {
        settings.reset();
        settings = std::make_unique<ThrowawaySettings>(
            "[FORM_HLAV]\r\nLanguage=1\r\n[PORTS]\r\nCOM1=/dev/no-such-port\r\nCOM2=unitB\r\n");
        Open();
        QCOMPARE(boxes, QStringList{"Com opening error"});  // English in every language
        QVERIFY(w->Line() == nullptr);
        QVERIFY(Get<QAction>("MenuCom1")->isChecked());

        Get<QAbstractButton>("BitBtn1")->click();
        QCOMPARE(RunTransfer(), 20);
        QCOMPARE(Status(), QStringLiteral("Chyba programování"));
        Get<QAction>("MenuNew")->trigger();
        QVERIFY(!StatusShown());

        Get<QAction>("MenuCom2")->trigger();
        QVERIFY(w->Line() != nullptr);
        QVERIFY(Get<QAction>("MenuCom2")->isChecked() && !Get<QAction>("MenuCom1")->isChecked());
        const ign::SerialLine* line = w->Line();
        Get<QAction>("MenuCom2")->trigger();  // already chosen: the port stays as it is
        QCOMPARE(w->Line(), line);
        QVERIFY(Get<QAction>("MenuCom2")->isChecked());
        QCOMPARE(opened, (QStringList{"/dev/no-such-port", "unitB"}));
    }

    // ---- settings across runs ----

    void closeAndRestartBringsTheStateBack_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Exit") << "Exit";
        QTest::newRow("close box") << "close box";
        QTest::newRow("SIGTERM") << "SIGTERM";
        QTest::newRow("application quitting") << "quit";
    }
    void closeAndRestartBringsTheStateBack() {
        QFETCH(QString, how);
        if (how == "SIGTERM")
            IGN_SKIP_ON_WINDOWS("no quit signals: a session's end comes to the window as a message");
        settings.reset();
        settings = std::make_unique<ThrowawaySettings>(Settings("Zobrazeni=7\r\n"));
        Open();
        w->move(321, 234);
        Get<QAction>("MenuCom2")->trigger();
        Get<QAction>("MenuGerman")->trigger();
        Get<QTabWidget>("PageControl1")->setCurrentIndex(3);
        Get<QLabel>("LabelFile2")->setText("/tmp/shown.ign");
        w->SetParameterFilePath("/tmp/kept.ign");
        Get<QAbstractButton>("BitBtnJetPlus")->click();
        auto* omez = Get<QSpinBox>("EditOmez1");
        omez->setFocus();
        omez->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(omez, "9000");  // typed, not taken: the close takes it

        if (how == "Exit") {
            Get<QAction>("MenuExit")->trigger();
        } else if (how == "close box") {
            w->close();
        } else if (how == "SIGTERM") {
            std::raise(SIGTERM);
        } else {
            QMetaObject::invokeMethod(qApp, "aboutToQuit");
        }
        QTRY_VERIFY(!w->isVisible());
        const ign::ParameterSet closed = w->Parameters();
        QCOMPARE(closed.ignition.OMEZ1, Byte{90});
        w.reset();
        QVERIFY(settings->Text().contains("Zobrazeni=7\r\n"));

        Open();
        QCOMPARE(w->pos(), QPoint(321, 234));
        QVERIFY(Get<QAction>("MenuCom2")->isChecked() && !Get<QAction>("MenuCom1")->isChecked());
        QCOMPARE(opened.last(), QStringLiteral("unitB"));
        QCOMPARE(w->LanguageCode(), std::uint8_t{2});
        QVERIFY(Get<QAction>("MenuGerman")->isChecked());
        QCOMPARE(Get<QTabWidget>("PageControl1")->currentIndex(), 3);
        QCOMPARE(Get<QLabel>("LabelFile2")->text(), QStringLiteral("/tmp/shown.ign"));
        QCOMPARE(w->ParameterFilePath(), QStringLiteral("/tmp/kept.ign"));
        QCOMPARE(w->OpenDialogFileName(), QStringLiteral("/tmp/kept.ign"));
        QCOMPARE(w->SaveDialogFileName(), QStringLiteral("/tmp/kept.ign"));
        QVERIFY(w->Parameters().ignition == closed.ignition);
        QVERIFY(w->Parameters().injection == closed.injection);
        QCOMPARE(Get<QSpinBox>("EditOmez1")->value(), 9000);
    }

    void aRefusedSettingsWriteIsShownAndTheWindowStillCloses() {
        Open();
        // A folder where the file should be: the settings cannot be replaced.
        QFile::remove(settings->FilePath());
        QVERIFY(QDir().mkpath(settings->FilePath()));
        boxes = MessagesFrom([&] { Get<QAction>("MenuExit")->trigger(); });
        QVERIFY(!w->isVisible());
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes[0].startsWith("Unable to write to "));
        QVERIFY(boxes[0].contains("ZIR_OVI.ini"));
    }
};

IGN_WINDOW_TEST_MAIN(TestIntegration)

#include "test_integration.moc"
