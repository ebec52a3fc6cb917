// The window's side of the port: the dialog that chooses it, why it would not
// open, and a unit on a pseudo-terminal that goes away and comes back while
// the window runs on its own timer. IGN_SHOTS, when set, names a folder for
// pictures of the message box and the dialog.
#include "DefaultSets.h"
#include "OpenSerialLine.h"
#include "PlatformSkips.h"
#include "ScriptedLine.h"
#include "SealedFrame.h"
#include "SimulatorSerialLine.h"
#include "ThrowawaySettings.h"
#include "UnitSimProcess.h"
#include "WindowFixture.h"
#include "WindowTest.h"
#include "port/PortDialog.h"
#include "window/Hlav.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <vector>

using ign::TFormHlav;

namespace {

struct Box {
    QString text;
    QString informative;
    bool linesWhole = true;  // each line of the informative text on one line of the box
};

// Picture of a widget for the one who looks at the change, when asked for.
void Keep(QWidget& widget, const QString& name) {
    const QString folder = qEnvironmentVariable("IGN_SHOTS");
    if (!folder.isEmpty()) widget.grab().save(folder + "/" + name + ".png");
}

// Runs action and answers every message box it shows; returns them in order.
QList<Box> BoxesFrom(const std::function<void()>& action, const QString& shot = {}) {
    QList<Box> boxes;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            // The lines as the box breaks them (at line separators where it is too wide for a paragraph),
            // each as wide as the label, so no path is broken further.
            QString informative = box->informativeText();
            bool whole = true;
            if (const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
                for (const QString& line :
                     informative.split(QRegularExpression(QStringLiteral("[\n\u2028]"))))
                    whole = whole &&
                            label->fontMetrics().horizontalAdvance(line) <= label->contentsRect().width();
            boxes << Box{box->text(), informative.replace(QChar(QChar::LineSeparator), u' '), whole};
            if (!shot.isEmpty()) Keep(*box, shot);
            box->done(0);
        }
    });
    poll.start(5);
    action();
    return boxes;
}

// What the status line's connection field says, whole (a text cut short for
// a narrow line is whole in its tooltip); empty while it is hidden.
QString Field(const TFormHlav& w) {
    const auto* field = ControlOf<QLabel>(w, "LabelConnection");
    if (!field->isVisible()) return {};
    return field->toolTip().isEmpty() ? field->text() : field->toolTip();
}

// Records what the link shows, so a result shown only for a moment is not missed.
struct StatusRecord : ign::LinkView {
    std::vector<ign::MessageId> shown;
    void showStatus(ign::MessageId id) override { shown.push_back(id); }
};

}  // namespace

class TestPorts : public QObject, private WindowFixture {
    Q_OBJECT

    QStringList opened;
    std::vector<qint64> attempts;  // when the window tried to open its port, ms of the port's clock

    TFormHlav::LineOpener Simulators() {
        return [this](const QString& name) -> std::unique_ptr<ign::SerialLine> {
            opened << name;
            if (!name.startsWith("unit")) return nullptr;
            return std::make_unique<ign::SimulatorSerialLine>();
        };
    }
    // The system's ports as the program opens them, every attempt noted.
    ign::PortConnection::Opener CountedSystemPorts() {
        return [this](const QString& name, ign::PortFacts& why) {
            attempts.push_back(portNow);
            return ign::OpenSerialLine(name, why);
        };
    }
    void TypeOmez1(const char* text) {
        auto* omez = Get<QSpinBox>("EditOmez1");
        omez->setFocus();
        omez->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(omez, text);
        QTest::keyClick(omez, Qt::Key_Tab);
    }
    void StartUnit(ign::UnitSimProcess& sim, const QString& link) {
        QString error;
        QVERIFY2(sim.start(QStringLiteral(IGN_UNIT_SIM), {"--link", link, "--monitor-ms", "100"}, &error),
                 qPrintable(error));
    }

private slots:
    void init() {
        opened.clear();
        attempts.clear();
    }
    void cleanup() { Close(); }

    void dialogChoiceIsUsedAtOnceAndStoredAtClose() {
        const QByteArray start =
            "[FORM_HLAV]\r\nLanguage=0\r\n[PORTS]\r\nCOM1=unitA\r\nCOM2=unitB\r\n[OTHER]\r\nKept=1\r\n";
        settings = std::make_unique<ThrowawaySettings>(start);
        w = std::make_unique<TFormHlav>(Simulators());
        w->close();
        const QByteArray unchanged = settings->Text();
        w.reset();

        w = std::make_unique<TFormHlav>(Simulators());
        const ign::SerialLine* before = w->Line();
        QString listed;
        w->SetPortDialogRunner([&](ign::PortDialog& dialog) {
            ControlOf<QLineEdit>(dialog, "EditPort1")->setText("unitC");
            return int(QDialog::Rejected);
        });
        Get<QAction>("MenuPorts")->trigger();
        QCOMPARE(w->Line(), before);  // Cancel changes nothing
        const auto choose = [&](ign::PortDialog& dialog) {
            auto* list = ControlOf<QComboBox>(dialog, "ComboPort1");
            listed = list->currentText();
            list->setCurrentIndex(list->findData("simulator"));
            emit list->activated(list->currentIndex());
            QCOMPARE(ControlOf<QLineEdit>(dialog, "EditPort1")->text(), QStringLiteral("simulator"));
            ControlOf<QLineEdit>(dialog, "EditPort1")->setText("unitC");
        };
        w->SetPortDialogRunner([&](ign::PortDialog& dialog) {
            choose(dialog);
            return int(QDialog::Accepted);
        });
        Get<QAction>("MenuPorts")->trigger();
        QCOMPARE(listed,
                 QStringLiteral("unitA: port not there"));  // what [PORTS] named, though no system port
        QCOMPARE(opened, (QStringList{"unitA", "unitA", "unitC"}));
        QCOMPARE(w->Port().Name(), QStringLiteral("unitC"));
        QVERIFY(w->Line() != nullptr);
        QVERIFY(Get<QAction>("MenuCom1")->isChecked());

        w->close();
        QByteArray expected = unchanged;
        expected.replace("COM1=unitA", "COM1=unitC");
        QCOMPARE(settings->Text(), expected);
    }

    // The seam reports what the system would; the box keeps its one English
    // line and says why below it, in the window's language, this once.
    void openingErrorSaysWhyOnceAndRetriesSilently_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("why");
        QTest::addColumn<QString>("field");
        QTest::newRow("English")
            << 0
            << "You have no permission to use port /dev/ttyUSB0. It belongs to the group "
               "dialout, and user tuner is not in it."
            << "Disconnected: no permission";
        QTest::newRow("Czech") << 1
                               << "Nemáte oprávnění používat port /dev/ttyUSB0. Port patří skupině dialout a "
                                  "uživatel tuner v ní není."
                               << "Odpojeno: chybí oprávnění";
    }
    void openingErrorSaysWhyOnceAndRetriesSilently() {
        QFETCH(int, language);
        QFETCH(QString, why);
        QFETCH(QString, field);
        settings = std::make_unique<ThrowawaySettings>(QByteArray("[FORM_HLAV]\r\nLanguage=") +
                                                       QByteArray::number(language) +
                                                       "\r\n[PORTS]\r\nCOM1=/dev/ttyUSB0\r\n");
        auto refused = [this](const QString& name,
                              ign::PortFacts& facts) -> std::unique_ptr<ign::SerialLine> {
            attempts.push_back(portNow);
            facts.port = name.toStdString();
            facts.accessDenied = true;
            facts.user = "tuner";
            facts.group = "dialout";
            return nullptr;
        };
        const QList<Box> boxes =
            BoxesFrom([&] { w = std::make_unique<TFormHlav>(ign::PortConnection::Opener(refused)); },
                      language == 0 ? "permission-en" : "permission-cs");
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("Com opening error"));
        QVERIFY2(boxes[0].informative.startsWith(why), qPrintable(boxes[0].informative));
        QVERIFY(boxes[0].informative.endsWith("\nsudo usermod -aG dialout tuner"));
        QVERIFY(boxes[0].linesWhole);
        UsePortClock();
        w->show();
        QCOMPARE(Field(*w), field);

        // About once a second, on the window's own timer, and never a box again.
        const QList<Box> later = BoxesFrom([this] { Pass(3300); });
        QCOMPARE(later.size(), 0);
        QVERIFY2(attempts.size() >= 3 && attempts.size() <= 5, qPrintable(QString::number(attempts.size())));
        for (std::size_t i = 1; i < attempts.size(); ++i)
            QVERIFY2(attempts[i] - attempts[i - 1] >= 900 && attempts[i] - attempts[i - 1] <= 1500,
                     qPrintable(QString::number(attempts[i] - attempts[i - 1])));
        Get<QAction>("MenuCom1")->trigger();  // the checked item: nothing, no box either
        QVERIFY(Get<QAction>("MenuCom1")->isChecked());
    }

    // The port dialog's Test on the window's own port waits for a transfer to
    // end, then asks the unit who it is, and changes nothing of the window.
    void testAsksTheWindowsPortAndLeavesTheWindowAlone() {
        settings =
            std::make_unique<ThrowawaySettings>("[PORTS]\r\nCOM1=simulator\r\nCOM2=/dev/no-such-port\r\n");
        w = std::make_unique<TFormHlav>();
        w->show();
        QSignalSpy commands(&w->Events(), &ign::HostEvents::deviceCommandStarted);
        Get<QAction>("MenuRead")->trigger();
        QString own, other;
        const auto test = [&](ign::PortDialog& dialog) {
            auto* test1 = ControlOf<QAbstractButton>(dialog, "ButtonTest1");
            QVERIFY(!test1->isEnabled());
            QTRY_VERIFY_WITH_TIMEOUT(test1->isEnabled(), 10000);  // the Read has ended
            QTRY_COMPARE(Status(), QStringLiteral("Verify OK"));
            const QString version = Get<QLabel>("LabelVerze1")->text();
            const ign::ParameterSet set = w->Parameters();
            test1->click();
            QVERIFY(!test1->isEnabled());
            QTRY_VERIFY_WITH_TIMEOUT(test1->isEnabled(), 2500);
            own = ControlOf<QLabel>(dialog, "LabelTest1")->text();
            QCOMPARE(Get<QLabel>("LabelVerze1")->text(), version);
            QVERIFY(w->Parameters() == set);
            ControlOf<QAbstractButton>(dialog, "ButtonTest2")->click();
            other = ControlOf<QLabel>(dialog, "LabelTest2")->text();
            Keep(dialog, "dialog-tested");
        };
        w->SetPortDialogRunner([&](ign::PortDialog& dialog) {
            test(dialog);
            return int(QDialog::Rejected);
        });
        Get<QAction>("MenuPorts")->trigger();
        QVERIFY2(own.startsWith("A unit answers on simulator: version "), qPrintable(own));
        QVERIFY2(other.startsWith("Port /dev/no-such-port is not there."), qPrintable(other));
        QCOMPARE(commands.count(), 1);  // the Read; the test started none
        QCOMPARE(Status(), QStringLiteral("Verify OK"));
    }

    // An answer that wraps onto a second line is shown whole: the dialog grows for it.
    void aTestAnswerOfTwoLinesIsShownWhole() {
        settings = std::make_unique<ThrowawaySettings>(
            "[PORTS]\r\nCOM1=simulator\r\nCOM2=/dev/no-such-port-with-a-name-long-enough-to-wrap\r\n");
        w = std::make_unique<TFormHlav>();
        w->show();
        QString text;
        int height = 0, needed = 0;
        w->SetPortDialogRunner([&](ign::PortDialog& dialog) {
            dialog.show();
            if (!QTest::qWaitForWindowExposed(&dialog)) return int(QDialog::Rejected);
            ControlOf<QAbstractButton>(dialog, "ButtonTest2")->click();
            QCoreApplication::processEvents();
            auto* answer = ControlOf<QLabel>(dialog, "LabelTest2");
            text = answer->text();
            height = answer->height();
            needed = answer->heightForWidth(answer->width());
            Keep(dialog, "dialog-long-answer");
            return int(QDialog::Rejected);
        });
        Get<QAction>("MenuPorts")->trigger();
        QVERIFY2(text.startsWith("Port /dev/no-such-port-with-a-name-long-enough-to-wrap is not there."),
                 qPrintable(text));
        QVERIFY2(needed > QFontMetrics(QApplication::font()).height() && height >= needed,
                 qPrintable(QString("%1 < %2").arg(height).arg(needed)));
    }

    // A device that talks, but not the unit's protocol, is named in the
    // field after 3 s of bytes without a frame; one valid frame clears it.
    void aPortTalkingNonsenseIsNamed() {
        settings = std::make_unique<ThrowawaySettings>("[PORTS]\r\nCOM1=noise\r\n");
        LineScript script;
        w = std::make_unique<TFormHlav>([&script](const QString&) -> std::unique_ptr<ign::SerialLine> {
            return std::make_unique<ScriptedLine>(script);
        });
        UsePortClock();
        Get<QTimer>("Timer1")->stop();
        w->show();
        const auto talk = [&script] {
            for (ign::Byte b : {0x13, 0xE6, 0x7F, 0x00, 0xB1}) script.queued.push_back(b);
        };
        Pass(2500, talk);
        QCOMPARE(Field(*w), QString());
        const QString nonsense =
            "The device on noise does not speak the unit's protocol (wrong port or wrong speed?)";
        for (int ms = 0; ms < 1500 && Field(*w) != nonsense; ms += ign::kTickMs) Pass(ign::kTickMs, talk);
        QCOMPARE(Field(*w), nonsense);
        for (ign::Byte b : Sealed({0xB0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10})) script.queued.push_back(b);
        for (int ms = 0; ms < 500 && !Field(*w).isEmpty(); ms += ign::kTickMs) Pass(ign::kTickMs);
        QCOMPARE(Field(*w), QString());
        QVERIFY(script.written.empty());  // the watch only listens
    }

    // ignition-unit-sim killed and started again at the same path: the window
    // says so, keeps what was typed, reopens by itself, and reads again.
    void pulledAndPluggedBack() {
        IGN_SKIP_WITHOUT_UNIT_SIM();
        QTemporaryDir dir;
        const QString link = dir.filePath("unit");
        ign::UnitSimProcess sim;
        StartUnit(sim, link);
        settings = std::make_unique<ThrowawaySettings>("[PORTS]\r\nCOM1=" + link.toLocal8Bit() + "\r\n");
        w = std::make_unique<TFormHlav>(CountedSystemPorts());
        UsePortClock();
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QVERIFY(w->Port().IsOpen());
        QCOMPARE(Field(*w), QString());
        TypeOmez1("9000");
        QCOMPARE(w->Parameters().ignition.OMEZ1, ign::Byte{90});

        QVERIFY(sim.stop());
        QTRY_COMPARE_WITH_TIMEOUT(Field(*w), QStringLiteral("Disconnected"), 3000);
        Keep(*w, "disconnected");
        const std::size_t before = attempts.size();
        Pass(3200);
        QVERIFY2(attempts.size() - before >= 2 && attempts.size() - before <= 4,
                 qPrintable(QString::number(attempts.size() - before)));
        QCOMPARE(Get<QSpinBox>("EditOmez1")->value(), 9000);
        QCOMPARE(w->Parameters().ignition.OMEZ1, ign::Byte{90});

        StartUnit(sim, link);
        // The unit takes its own time to be there again; the retries go by the port's clock.
        QTRY_VERIFY_WITH_TIMEOUT((Pass(ign::kTickMs), w->Port().IsOpen()), 3000);
        QCOMPARE(Field(*w), QString());
        Get<QAction>("MenuRead")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(Status(), QStringLiteral("Verify OK"), 15000);
    }

    // A Read the disconnect cuts ends in its error text, even when the unit is
    // back before it ends: the port reopens only after the transfer.
    void aTransferCutByTheDisconnectEndsInItsErrorText() {
        IGN_SKIP_WITHOUT_UNIT_SIM();
        QTemporaryDir dir;
        const QString link = dir.filePath("unit");
        ign::UnitSimProcess sim;
        StartUnit(sim, link);
        settings = std::make_unique<ThrowawaySettings>("[PORTS]\r\nCOM1=" + link.toLocal8Bit() + "\r\n");
        w = std::make_unique<TFormHlav>(CountedSystemPorts());
        StatusRecord record;
        w->DeviceLink().addView(&record);
        Get<QAction>("MenuRead")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(Get<QProgressBar>("ProgressBar1")->value() >= 8, 5000);
        QVERIFY(sim.stop());
        StartUnit(sim, link);
        QTRY_VERIFY_WITH_TIMEOUT(w->DeviceLink().idle(), 10000);
        QCOMPARE(Status(), QStringLiteral("Read error!"));
        QCOMPARE(record.shown.back(), ign::MessageId::ReadError);
        QVERIFY(std::find(record.shown.begin(), record.shown.end(), ign::MessageId::VerifyOk) ==
                record.shown.end());
        QTRY_VERIFY_WITH_TIMEOUT(w->Port().IsOpen(), 3000);
        w->DeviceLink().removeView(&record);
    }
};

IGN_WINDOW_TEST_MAIN(TestPorts)
#include "test_ports.moc"
