// The window's Read, Program and Verify through a serial port of the system on
// which a simulated unit answers. test_wine_link starts ignition-unit-sim and
// runs this program on Linux with the unit's terminal and under Wine with COM5
// linked to it, and compares the frames the unit saw; without IGN_UNIT_PORT it
// has no unit to talk to and skips.
#include "Hlav.h"
#include "MessageBoxes.h"
#include "ThrowawaySettings.h"
#include "WindowTest.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include <memory>

using ign::TFormHlav;

class TestComPort : public QObject {
    Q_OBJECT

    QString port_;

    // Starts a transfer from the menu and waits for it to end; what it showed last.
    static ign::MessageId Run(TFormHlav& w, const char* action) {
        ControlOf<QAction>(w, action)->trigger();
        if (!QTest::qWaitFor([&] { return w.DeviceLink().idle(); }, 30000)) return ign::MessageId{};
        return w.DeviceLink().display().status.value_or(ign::MessageId{});
    }

private slots:
    void initTestCase() {
        port_ = qEnvironmentVariable("IGN_UNIT_PORT");
        if (port_.isEmpty()) QSKIP("IGN_UNIT_PORT names no port with a unit on it (test_wine_link sets it)");
    }

    void readProgramVerify() {
        ThrowawaySettings settings("[PORTS]\r\nCOM1=" + port_.toLocal8Bit() + "\r\nCOM2=simulator\r\n");
        std::unique_ptr<TFormHlav> w;
        const QStringList boxes = MessagesFrom([&] { w = std::make_unique<TFormHlav>(); });
        QCOMPARE(boxes, QStringList());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QVERIFY(w->Port().IsOpen());

        QCOMPARE(Run(*w, "MenuRead"), ign::MessageId::VerifyOk);
        QCOMPARE(ControlOf<QSpinBox>(*w, "EditOmez1")->value(), 10000);  // the unit's default set
        auto* omez = ControlOf<QSpinBox>(*w, "EditOmez1");
        omez->setFocus();
        omez->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(omez, "9000");
        QTest::keyClick(omez, Qt::Key_Tab);
        QCOMPARE(Run(*w, "MenuProgram"), ign::MessageId::VerifyOk);
        QCOMPARE(Run(*w, "MenuVerify"), ign::MessageId::VerifyOk);
        QCOMPARE(ControlOf<QLabel>(*w, "LabelHlaseni")->text(), QStringLiteral("Verify OK"));
        w->close();
    }
};

IGN_WINDOW_TEST_MAIN(TestComPort)

#include "test_com_port.moc"
