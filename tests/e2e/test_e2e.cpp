// The whole road over a real pseudo-terminal: the link, the QSerialPort line,
// the kernel's terminal and ignition-unit-sim in its own process.

#include "DeviceImageCodec.h"
#include "Link.h"
#include "New.h"
#include "QtSerialLine.h"
#include "TransferRunner.h"
#include "UnitSimProcess.h"
#include "Validation.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using ign::MessageId;

namespace {

class MonitorCounter : public ign::LinkView {
public:
    void monitorFrame(const ign::MonitorFrameEvent& frame) override { frames += frame.shown ? 1 : 0; }
    int frames = 0;
};

// A set that differs from the unit's power-on memory in every block.
ign::ParameterSet ProgrammedSet() {
    ign::ParameterSet set;
    ign::ApplyMachineDefaults(set);
    set.ignition.ADV_A[3] = static_cast<ign::Byte>(set.ignition.ADV_A[3] ^ 1);
    ign::ValidateParameters(set);
    ign::PackDeviceImage(set);
    return set;
}

std::optional<MessageId> VerifyOk() { return MessageId::VerifyOk; }

}  // namespace

class TestE2e : public QObject {
    Q_OBJECT

private slots:
    void programThenReadBack_data();
    void programThenReadBack();
    void silentUnitGivesUp();
    void monitorFramesFlowWhileIdle();
    void linkNameIsRemovedOnTerminate();
};

void TestE2e::programThenReadBack_data() {
    QTest::addColumn<QStringList>("faults");
    QTest::newRow("clean line") << QStringList{};
    // Without the monitor stream: a monitor frame already queued ahead of a
    // split answer would leave every later answer half a frame out of phase,
    // and the link deliberately never resynchronises on the byte stream.
    QTest::newRow("split answers") << QStringList{"--split", "--monitor-ms", "0"};
    QTest::newRow("dropped answers") << QStringList{"--drop", "0.1", "--seed", "7"};
    QTest::newRow("slow unit") << QStringList{"--delay", "80"};
}

void TestE2e::programThenReadBack() {
    QFETCH(QStringList, faults);
    ign::UnitSimProcess sim;
    QString error;
    QVERIFY2(sim.start(QStringLiteral(IGN_UNIT_SIM), faults, &error), qPrintable(error));
    ign::QtSerialLine line;
    QVERIFY2(line.open(sim.terminalPath(), &error), qPrintable(error));

    ign::ParameterSet written = ProgrammedSet();
    ign::Link programmer(&line);
    programmer.Use(written);
    auto outcome = ign::RunTransfer(programmer, [&] { programmer.StartProgram(); });
    QVERIFY(outcome.finished);
    QCOMPARE(outcome.status, VerifyOk());
    QCOMPARE(ign::MessageText(*outcome.status, 0), std::string_view("Verify OK"));

    // A fresh set read from the unit must be the one programmed, and its own
    // verify must pass.
    ign::Link reader(&line);
    outcome = ign::RunTransfer(reader, [&] { reader.StartRead(ign::ParameterSet{}); });
    const ign::ParameterSet& read = reader.parameters();
    QVERIFY(outcome.finished);
    QCOMPARE(outcome.status, VerifyOk());
    for (int offset = 1; offset <= 210; ++offset) QCOMPARE(read.image.at(offset), written.image.at(offset));
    QCOMPARE(read.ignition.ADV_A, written.ignition.ADV_A);
    QVERIFY(read.injection == written.injection);

    line.close();
    QVERIFY(sim.stop());
}

void TestE2e::silentUnitGivesUp() {
    ign::UnitSimProcess sim;
    QString error;
    QVERIFY2(sim.start(QStringLiteral(IGN_UNIT_SIM), {"--silent", "--monitor-ms", "0"}, &error),
             qPrintable(error));
    ign::QtSerialLine line;
    QVERIFY(line.open(sim.terminalPath()));
    ign::Link link(&line);
    const auto outcome = ign::RunTransfer(link, [&] { link.StartRead(); });
    QVERIFY(outcome.finished);
    QCOMPARE(outcome.status, std::optional<MessageId>(MessageId::ReadError));
    // Five sends, each given more than three ticks.
    QVERIFY2(outcome.ticks >= 17 && outcome.ticks <= 21, qPrintable(QString::number(outcome.ticks)));
    QVERIFY(sim.stop());
}

void TestE2e::monitorFramesFlowWhileIdle() {
    ign::UnitSimProcess sim;
    QString error;
    QVERIFY2(sim.start(QStringLiteral(IGN_UNIT_SIM), {"--monitor-ms", "50"}, &error), qPrintable(error));
    ign::QtSerialLine line;
    QVERIFY(line.open(sim.terminalPath()));
    MonitorCounter view;
    ign::Link link(&line, &view);
    ign::RunTicks(link, 20);
    QVERIFY2(view.frames >= 5, qPrintable(QString::number(view.frames)));
    QVERIFY(sim.stop());
}

void TestE2e::linkNameIsRemovedOnTerminate() {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("unit"));
    ign::UnitSimProcess sim;
    QString error;
    QVERIFY2(sim.start(QStringLiteral(IGN_UNIT_SIM), {"--link", name}, &error), qPrintable(error));
    QCOMPARE(QFileInfo(name).symLinkTarget(), sim.terminalPath());
    ign::QtSerialLine line;
    QVERIFY(line.open(name));
    line.close();
    QVERIFY(sim.stop());
    QVERIFY(!QFileInfo(name).isSymLink());
}

QTEST_GUILESS_MAIN(TestE2e)
#include "test_e2e.moc"
