// The window's Read, Program and Verify through a serial port of the system on
// which a simulated unit answers. test_wine_link starts ignition-unit-sim and
// runs this program on Linux with the unit's terminal and under Wine with COM5
// linked to it, and compares the frames the unit saw; without IGN_UNIT_PORT it
// has no unit to talk to and skips. On Windows it also tries the names and the
// causes of a refused open the system gives.
#include "MessageBoxes.h"
#include "PortTexts.h"
#include "ThrowawaySettings.h"
#include "WindowTest.h"
#include "window/Hlav.h"
#if defined(_WIN32)
#include "WindowsSerialLine.h"
#endif

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
    void readProgramVerify() {
        port_ = qEnvironmentVariable("IGN_UNIT_PORT");
        if (port_.isEmpty()) QSKIP("IGN_UNIT_PORT names no port with a unit on it (test_wine_link sets it)");
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

    void windowsNamesAndCauses_data() {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("device");
        QTest::addColumn<int>("systemError");  // as GetLastError gives it after the open
        QTest::addColumn<QString>("cause");
        QTest::newRow("not there") << "COM7"
                                   << "COM7" << 2 << "Port COM7 is not there.";
        QTest::newRow("path not there") << "COM9"
                                        << "COM9" << 3 << "Port COM9 is not there.";
        QTest::newRow("held by another program")
            << "COM10"
            << "\\\\.\\COM10" << 5 << "Port COM10 is in use by another program; close that program first.";
        QTest::newRow("shared refused")
            << "com12"
            << "\\\\.\\COM12" << 32 << "Port com12 is in use by another program; close that program first.";
    }
    void windowsNamesAndCauses() {
#if defined(Q_OS_WIN)
        QFETCH(QString, port);
        QFETCH(QString, device);
        QFETCH(int, systemError);
        QFETCH(QString, cause);
        QCOMPARE(ign::WindowsDeviceName(port), device);
        ign::PortFacts facts = ign::DiagnoseWindowsOpenFailure(port, static_cast<std::uint32_t>(systemError));
        const QString text = QString::fromStdString(ign::PortFailureText(facts, 0));
        QVERIFY2(text.startsWith(cause.left(cause.size() - 1)), qPrintable(text));
        QVERIFY(!facts.systemText.empty());  // the system's own words, for what fits no cause
#else
        QSKIP("the names and error codes are Windows' own");
#endif
    }
};

IGN_WINDOW_TEST_MAIN(TestComPort)

#include "test_com_port.moc"
