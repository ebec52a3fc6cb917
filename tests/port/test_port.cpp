#include "OpenSerialLine.h"
#include "PortList.h"
#include "PortReconnect.h"
#include "PortTexts.h"
#include "ProtocolWatcher.h"
#include "QtSerialLine.h"
#include "SimulatorSerialLine.h"
#include "Tick.h"
#include "UnitSimProcess.h"

#include <QAbstractEventDispatcher>
#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>
#include <array>
#include <cerrno>
#include <vector>

using ign::Byte;

namespace {

// The far end of a pseudo-terminal whose slave path the line under test opens.
class FarEnd {
public:
    FarEnd() {
        fd_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (fd_ >= 0 && ::grantpt(fd_) == 0 && ::unlockpt(fd_) == 0)
            path_ = QString::fromLocal8Bit(::ptsname(fd_));
    }
    ~FarEnd() { hangUp(); }
    FarEnd(const FarEnd&) = delete;
    FarEnd& operator=(const FarEnd&) = delete;

    const QString& path() const { return path_; }
    int fd() const { return fd_; }
    void send(const std::vector<Byte>& bytes) {
        QCOMPARE(::write(fd_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    // Everything that arrives within the given time.
    std::vector<Byte> receive(int waitMs) {
        std::vector<Byte> got;
        pollfd p{fd_, POLLIN, 0};
        while (::poll(&p, 1, waitMs) > 0 && (p.revents & POLLIN)) {
            std::array<Byte, 64> chunk{};
            const ssize_t n = ::read(fd_, chunk.data(), chunk.size());
            if (n <= 0) break;
            got.insert(got.end(), chunk.begin(), chunk.begin() + n);
        }
        return got;
    }
    void hangUp() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_ = -1;
    QString path_;
};

// Counts the socket-notifier activations the event loop delivers: a port
// that reports its hang-up again and again shows as thousands of them.
class NotifierCount : public QObject {
public:
    NotifierCount() { QCoreApplication::instance()->installEventFilter(this); }
    ~NotifierCount() override { QCoreApplication::instance()->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::SockAct) ++count;
        return QObject::eventFilter(watched, event);
    }
    int count = 0;
};

}  // namespace

class TestPort : public QObject {
    Q_OBJECT

private slots:
    void openFailureLeavesLineClosed_data();
    void openFailureLeavesLineClosed();
    void configuresNineSixHundredEightNOne();
    void readsOnlyQueuedBytes();
    void readTakesAtMostWhatIsAsked();
    void bytesFromBeforeOpenAreDropped();
    void writesWholeFrame();
    void vanishingFarEndClosesWithoutBusyLoop();
    void simulatorAnswers_data();
    void simulatorAnswers();
    void factoryChoosesLine();
    void causeOfFailedOpen_data();
    void causeOfFailedOpen();
    void unitKilledAndStartedAgain();
    void stableNamesFromFolder();
};

void TestPort::openFailureLeavesLineClosed_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("missing device") << "/dev/ttyIGN-no-such-port";
    QTest::newRow("bare COM name") << "COM7";
    QTest::newRow("not a terminal") << "/dev/null";
}

void TestPort::openFailureLeavesLineClosed() {
    QFETCH(QString, name);
    ign::QtSerialLine line;
    QString error;
    QVERIFY(!line.open(name, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!line.isOpen());
    // A line without a port takes part in every tick without complaint.
    const std::array<Byte, 12> frame{0x40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xBF};
    line.write(frame.data(), frame.size());
    std::array<Byte, 16> buffer{};
    QCOMPARE(line.bytesQueued(), std::size_t{0});
    QCOMPARE(line.read(buffer.data(), buffer.size()), std::size_t{0});
    line.close();
    QVERIFY(!line.isOpen());
}

void TestPort::configuresNineSixHundredEightNOne() {
    FarEnd far;
    ign::QtSerialLine line;
    QVERIFY(line.open(far.path()));
    termios mode{};
    QCOMPARE(::tcgetattr(far.fd(), &mode), 0);
    QCOMPARE(::cfgetospeed(&mode), speed_t(B9600));
    QCOMPARE(::cfgetispeed(&mode), speed_t(B9600));
    QCOMPARE(mode.c_cflag & CSIZE, tcflag_t(CS8));
    QCOMPARE(mode.c_cflag & (PARENB | CSTOPB | CRTSCTS), tcflag_t(0));
    QCOMPARE(mode.c_iflag & (IXON | IXOFF), tcflag_t(0));
}

void TestPort::readsOnlyQueuedBytes() {
    FarEnd far;
    ign::QtSerialLine line;
    QVERIFY(line.open(far.path()));
    QCOMPARE(line.bytesQueued(), std::size_t{0});

    // Eleven bytes of an answer: queued, and nothing more appears by waiting.
    far.send({0xC5, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    QTRY_COMPARE(line.bytesQueued(), std::size_t{11});
    QTest::qWait(60);
    QCOMPARE(line.bytesQueued(), std::size_t{11});

    far.send({0x2A});
    QTRY_COMPARE(line.bytesQueued(), std::size_t{12});
    std::array<Byte, 1024> buffer{};
    QCOMPARE(line.read(buffer.data(), buffer.size()), std::size_t{12});
    QCOMPARE(buffer[0], Byte{0xC5});
    QCOMPARE(buffer[11], Byte{0x2A});
    QCOMPARE(line.bytesQueued(), std::size_t{0});
    QCOMPARE(line.read(buffer.data(), buffer.size()), std::size_t{0});
}

void TestPort::readTakesAtMostWhatIsAsked() {
    FarEnd far;
    ign::QtSerialLine line;
    QVERIFY(line.open(far.path()));
    std::vector<Byte> many(1500);
    for (std::size_t i = 0; i < many.size(); ++i) many[i] = static_cast<Byte>(i);
    far.send(many);
    QTRY_COMPARE(line.bytesQueued(), many.size());
    std::array<Byte, 1024> buffer{};
    QCOMPARE(line.read(buffer.data(), buffer.size()), std::size_t{1024});
    QCOMPARE(buffer[1023], Byte(1023 & 0xFF));
    QCOMPARE(line.bytesQueued(), std::size_t{476});
    QCOMPARE(line.read(buffer.data(), buffer.size()), std::size_t{476});
    QCOMPARE(buffer[0], Byte(1024 & 0xFF));
}

void TestPort::bytesFromBeforeOpenAreDropped() {
    FarEnd far;
    {
        // Someone else had the terminal open and left bytes behind.
        ign::QtSerialLine first;
        QVERIFY(first.open(far.path()));
        first.close();
    }
    far.send({0xB0, 1, 2, 3});
    QTest::qWait(20);
    ign::QtSerialLine line;
    QVERIFY(line.open(far.path()));
    QTest::qWait(60);
    QCOMPARE(line.bytesQueued(), std::size_t{0});
}

void TestPort::writesWholeFrame() {
    FarEnd far;
    ign::QtSerialLine line;
    QVERIFY(line.open(far.path()));
    const std::vector<Byte> frame{0x00, 0x0A, 0x14, 0x1E, 0x28, 0x32, 0x3C, 0x46, 0x50, 0x5A, 0x64, 0xF1};
    line.write(frame.data(), frame.size());
    // Flushed at once: the far end sees it without the event loop running.
    QCOMPARE(far.receive(200), frame);
}

void TestPort::vanishingFarEndClosesWithoutBusyLoop() {
    auto far = std::make_unique<FarEnd>();
    ign::QtSerialLine line;
    QVERIFY(line.open(far->path()));
    far->hangUp();
    QTRY_VERIFY(!line.isOpen());
    QVERIFY(line.vanished());

    // What this costs in CPU while the port is away is measured by bench_reconnect.
    NotifierCount activations;
    QTest::qWait(300);
    QVERIFY2(activations.count < 10, qPrintable(QString::number(activations.count)));
    QVERIFY(!line.isOpen());
    const std::array<Byte, 12> frame{0x41, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xBE};
    line.write(frame.data(), frame.size());
    QCOMPARE(line.bytesQueued(), std::size_t{0});
}

void TestPort::simulatorAnswers_data() {
    QTest::addColumn<std::vector<Byte>>("request");
    QTest::addColumn<Byte>("code");
    QTest::addColumn<int>("compared");  // leading data bytes the answer must echo

    QTest::newRow("read block 0") << std::vector<Byte>{0x40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xBF} << Byte{0xC0}
                                  << 0;
    QTest::newRow("read identification")
        << std::vector<Byte>{0x55, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xAA} << Byte{0xD5} << 0;
    QTest::newRow("write block 0") << std::vector<Byte>{0x00, 0x0A, 0x14, 0x1E, 0x28, 0x32,
                                                        0x3C, 0x46, 0x50, 0x5A, 0x64, 0xF1}
                                   << Byte{0x80} << 6;
}

void TestPort::simulatorAnswers() {
    QFETCH(std::vector<Byte>, request);
    QFETCH(Byte, code);
    QFETCH(int, compared);
    ign::SimulatorSerialLine line;
    line.unit().setMonitorIntervalMs(0);
    QVERIFY(line.isOpen());
    line.write(request.data(), request.size());
    // Twelve bytes each way at 9600 baud take about 25 ms of real time.
    QTRY_VERIFY(line.bytesQueued() >= 12);
    std::array<Byte, 1024> answer{};
    QCOMPARE(line.read(answer.data(), answer.size()), std::size_t{12});
    QCOMPARE(answer[0], code);
    Byte all = 0;
    for (std::size_t i = 0; i < 12; ++i) all ^= answer[i];
    QCOMPARE(all, Byte{0xFF});
    for (int i = 1; i <= compared; ++i) QCOMPARE(answer[i], request[i]);
}

void TestPort::factoryChoosesLine() {
    QString error;
    auto simulated = ign::OpenSerialLine(QStringLiteral("Simulator"), &error);
    QVERIFY(simulated);
    QVERIFY(dynamic_cast<ign::SimulatorSerialLine*>(simulated.get()));

    FarEnd far;
    auto device = ign::OpenSerialLine(far.path(), &error);
    QVERIFY(device);
    QVERIFY(device->isOpen());
    QVERIFY(dynamic_cast<ign::QtSerialLine*>(device.get()));

    error.clear();
    QVERIFY(!ign::OpenSerialLine(QStringLiteral("/dev/ttyIGN-no-such-port"), &error));
    QVERIFY(!error.isEmpty());
}

void TestPort::causeOfFailedOpen_data() {
    QTest::addColumn<bool>("held");
    QTest::addColumn<int>("failure");
    QTest::addColumn<QString>("text");  // %1 the port
    QTest::newRow("not there") << false << int(ign::PortFailure::Missing) << "Port %1 is not there";
    QTest::newRow("held by another line")
        << true << int(ign::PortFailure::Busy)
        << "Port %1 is in use by another program; close that program first.";
}

void TestPort::causeOfFailedOpen() {
    QFETCH(bool, held);
    QFETCH(int, failure);
    QFETCH(QString, text);
    FarEnd far;
    ign::QtSerialLine holder;
    QString port = far.path() + QStringLiteral("-gone");
    if (held) {
        port = far.path();
        QVERIFY(holder.open(port));
    }
    ign::PortFacts why;
    QVERIFY(!ign::OpenSerialLine(port, why));
    QCOMPARE(int(ign::ClassifyPortFailure(why)), failure);
    QVERIFY2(QString::fromStdString(ign::PortFailureText(why, 0)).startsWith(text.arg(port)),
             ign::PortFailureText(why, 0).c_str());
}

// A unit on a terminal reached through a fixed link, as a by-id name reaches an
// adapter: killed, the line says so and closes without spinning; started again
// at the same path, the port reopens on the next whole second.
void TestPort::unitKilledAndStartedAgain() {
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("unit"));
    const QStringList options{"--link", link, "--monitor-ms", "50"};
    ign::UnitSimProcess sim;
    QString error;
    QVERIFY2(sim.start(QStringLiteral(IGN_UNIT_SIM), options, &error), qPrintable(error));

    std::int64_t now = 0;
    int attempts = 0;
    std::unique_ptr<ign::SerialLine> line;
    ign::PortReconnect reconnect(
        [&]() -> std::optional<ign::PortFacts> {
            ++attempts;
            ign::PortFacts why;
            line = ign::OpenSerialLine(link, why);
            return line ? std::nullopt : std::optional(why);
        },
        [&] { return line && line->isOpen(); }, [&] { return now; });
    // Ticks for the given time; only a reopening ends them early.
    auto run = [&](std::int64_t ms) {
        for (const std::int64_t end = now + ms; now < end;) {
            now += ign::kTickMs;
            QCoreApplication::processEvents();
            if (reconnect.tick() && reconnect.state() == ign::PortState::Open) return;
        }
    };
    QVERIFY(!reconnect.connect());
    auto* port = dynamic_cast<ign::QtSerialLine*>(line.get());
    QVERIFY(port);
    int told = 0;
    port->setVanishedHandler([&told] { ++told; });

    QVERIFY(sim.stop());
    QTRY_VERIFY(port->vanished());
    QCOMPARE(told, 1);
    // A port that keeps reporting its error would wake the event loop without pause.
    int wakeUps = 0;
    const auto counter = connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake,
                                 [&wakeUps] { ++wakeUps; });
    QEventLoop idle;
    QTimer::singleShot(300, &idle, &QEventLoop::quit);
    idle.exec();
    disconnect(counter);
    QVERIFY2(wakeUps < 50, qPrintable(QString::number(wakeUps)));

    run(ign::kTickMs);
    QCOMPARE(reconnect.state(), ign::PortState::Vanished);
    run(3000);
    QCOMPARE(attempts, 1 + 3);
    QCOMPARE(int(ign::ClassifyPortFailure(*reconnect.lastFailure())), int(ign::PortFailure::Missing));

    QVERIFY2(sim.start(QStringLiteral(IGN_UNIT_SIM), options, &error), qPrintable(error));
    const std::int64_t back = now;
    run(2000);
    QCOMPARE(reconnect.state(), ign::PortState::Open);
    QCOMPARE(attempts, 1 + 4);
    QVERIFY(now - back <= 1000);
    // The reopened port carries the unit's frames.
    QTRY_VERIFY(line->bytesQueued() >= 24);
    std::array<Byte, 1024> bytes{};
    QVERIFY(ign::CountUnitFrames(bytes.data(), line->read(bytes.data(), bytes.size())) >= 1);
    QVERIFY(sim.stop());
}

void TestPort::stableNamesFromFolder() {
    FarEnd adapter, other;
    QTemporaryDir folder;
    const QString stable = folder.filePath(QStringLiteral("usb-Maker_Adapter_A1-if00-port0"));
    // The system's links are relative to their folder.
    QVERIFY(QFile::link(QDir(folder.path()).relativeFilePath(adapter.path()), stable));
    QVERIFY(QFile::link(QStringLiteral("/dev/ttyIGN-no-such-port"),
                        folder.filePath(QStringLiteral("aa-dangling"))));
    std::vector<ign::PortDescription> ports(2);
    ports[0].name = ports[0].device = adapter.path();
    ports[1].name = ports[1].device = other.path();
    ign::UseStableNames(ports, folder.path());
    QCOMPARE(ports[0].name, stable);
    QCOMPARE(ports[0].device, adapter.path());
    QCOMPARE(ports[1].name, other.path());
    // A stored value means the port by its stable name, its device, or any other link to it.
    QVERIFY(ign::NamesPort(stable, ports[0]));
    QVERIFY(ign::NamesPort(adapter.path(), ports[0]));
    QVERIFY(!ign::NamesPort(stable, ports[1]));
    QVERIFY(!ign::NamesPort(folder.filePath(QStringLiteral("aa-dangling")), ports[0]));
}

QTEST_GUILESS_MAIN(TestPort)
#include "test_port.moc"
