// The window's start and end when something is wrong: settings that are no
// file or too large, a stored position on no screen, and quit signals at the
// wrong moment (those with the real program, whose exit status counts).
#include "MessageBoxes.h"
#include "PlatformSkips.h"
#include "QuietLine.h"
#include "ThrowawaySettings.h"
#include "WindowTest.h"
#include "app/Application.h"
#include "app/QuitSignals.h"
#include "window/Hlav.h"

#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>
#if !defined(_WIN32)
#include <sys/resource.h>
#include <sys/syscall.h>
#endif

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <memory>
#include <mutex>
#include <thread>

using ign::TFormHlav;

namespace {

TFormHlav::LineOpener QuietPorts() {
    return [](const QString&) { return std::make_unique<QuietLine>(); };
}

#if !defined(_WIN32)
// Whether a program's main thread waits in an event loop with the quit
// signals blocked for their watch. During the start-up only a message box
// runs an event loop: with a port that cannot be opened, the opening error's.
bool WaitsForEvents(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return false;
    bool blocked = false;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("SigBlk:"))
            blocked = (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1U;
    QFile call(QStringLiteral("/proc/%1/syscall").arg(pid));
    if (!blocked || !call.open(QIODevice::ReadOnly)) return false;
    bool number = false;
    const long id = call.readAll().split(' ').value(0).trimmed().toLong(&number);
#if defined(SYS_poll)
    if (number && id == SYS_poll) return true;
#endif
    return number && id == SYS_ppoll;
}
#endif

// Ends the whole test program when what it guards has not finished in time,
// so that a hang shows as a failure instead of a test that never ends.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit) : output_(::dup(2)) {
        thread_ = std::thread([this, limit] {
            std::unique_lock lock(mutex_);
            if (done_changed_.wait_for(lock, limit, [this] { return done_; })) return;
            const char text[] = "watchdog: the window hangs\n";
            [[maybe_unused]] const ssize_t written = ::write(output_, text, sizeof text - 1);
            std::_Exit(3);
        });
    }
    ~Watchdog() {
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
        }
        done_changed_.notify_all();
        thread_.join();
        ::close(output_);
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    int output_;
    std::mutex mutex_;
    std::condition_variable done_changed_;
    bool done_ = false;
    std::thread thread_;
};

// What this process writes to standard error while the object lives.
class StandardErrorCapture {
public:
    StandardErrorCapture() : saved_(::dup(2)), file_(std::tmpfile()) {
        std::fflush(stderr);
        ::dup2(::fileno(file_), 2);
    }
    ~StandardErrorCapture() {
        std::fflush(stderr);
        ::dup2(saved_, 2);
        ::close(saved_);
        std::fclose(file_);
    }
    StandardErrorCapture(const StandardErrorCapture&) = delete;
    StandardErrorCapture& operator=(const StandardErrorCapture&) = delete;

    QByteArray Text() const {
        std::fflush(stderr);
        struct stat info {};
        ::fstat(::fileno(file_), &info);
        QByteArray text(static_cast<qsizetype>(info.st_size), '\0');
        const int fd = ::fileno(file_);
#if defined(_WIN32)
        // The offset is shared with standard error: it goes back where it was.
        const auto at = ::lseek(fd, 0, SEEK_CUR);
        ::lseek(fd, 0, SEEK_SET);
        const int got = ::read(fd, text.data(), static_cast<unsigned>(text.size()));
        ::lseek(fd, at, SEEK_SET);
#else
        // pread: the offset is shared with standard error, which writes on.
        const ssize_t got = ::pread(fd, text.data(), static_cast<std::size_t>(text.size()), 0);
#endif
        text.resize(got > 0 ? static_cast<qsizetype>(got) : 0);
        return text;
    }

private:
    int saved_;
    std::FILE* file_;
};

QByteArray Slurp(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestStartAndQuit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void hostileSettingsStartAsWithout_data();
    void hostileSettingsStartAsWithout();
    void storedPositions_data();
    void storedPositions();
    void aQuitSignalDuringStartUpClosesTheWindowUnshown();
    void aQuitSignalClosesAnOpenMessageBoxAndTheWindow();
    void quitSignalEndsTheProgramAsACloseDoes_data();
    void quitSignalEndsTheProgramAsACloseDoes();
};

void TestStartAndQuit::initTestCase() {
    // Stop signals are read by the window's watch, as the program's main() arranges.
    ign::QuitSignals::BlockForWatching();
}

void TestStartAndQuit::hostileSettingsStartAsWithout_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("pipe") << "pipe";
    QTest::newRow("link to /dev/zero") << "link to /dev/zero";
    QTest::newRow("folder") << "folder";
    QTest::newRow("2 MiB file") << "2 MiB file";
}

void TestStartAndQuit::hostileSettingsStartAsWithout() {
    QFETCH(QString, kind);
    if (kind == "pipe") IGN_SKIP_ON_WINDOWS("no fifos");
    if (kind == "link to /dev/zero") IGN_SKIP_ON_WINDOWS("no /dev/zero");
    ThrowawaySettings settings;
    const QString path = settings.FilePath();
    // As the program names it: with the system's own separators.
    const QByteArray name = QFile::encodeName(QDir::toNativeSeparators(path));
    QVERIFY(QFile::remove(path));
    QByteArray big = "[FORM_HLAV]\r\nLanguage=1\r\n[NOTES]\r\n";
#if !defined(_WIN32)
    if (kind == "pipe") QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    if (kind == "link to /dev/zero") QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
#endif
    if (kind == "folder") QVERIFY(QDir().mkpath(path));
    if (kind == "2 MiB file") {
        big.append((2 << 20) - big.size(), 'x');
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(big) == big.size());
    }

    std::unique_ptr<TFormHlav> w;
    QStringList boxes;
    QByteArray said;
    {
        const Watchdog dog(std::chrono::seconds(20));
        const StandardErrorCapture err;
        boxes = MessagesFrom([&] { w = std::make_unique<TFormHlav>(QuietPorts()); });
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QCOMPARE(w->LanguageCode(), std::uint8_t{0});  // as without settings
        boxes += MessagesFrom([&] { w->close(); });
        said = err.Text();
    }
    QVERIFY(!w->isVisible());
    const QByteArray note = "ignition-programmer: " + name;
    if (kind == "2 MiB file") {
        QCOMPARE(said.count(note + " is larger than 1 MiB"), 1);
        QCOMPARE(said.count(note + " was too large to read; it is kept as " + name + ".refused-"), 1);
        QCOMPARE(boxes, QStringList());
        const QStringList aside = QDir(QFileInfo(path).path()).entryList({"ZIR_OVI.ini.refused-*"});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(Slurp(QFileInfo(path).path() + "/" + aside[0]), big);
        QVERIFY(Slurp(path).startsWith("[FORM_HLAV]\r\nLeft="));
        return;
    }
    QCOMPARE(said.count(note + " is not a regular file"), 1);
    QCOMPARE(boxes,
             QStringList{"Unable to write to " + QDir::toNativeSeparators(path)});  // at the close, as ever
#if !defined(_WIN32)
    struct stat info {};
    QCOMPARE(::lstat(name.constData(), &info), 0);
    if (kind == "pipe") QVERIFY(S_ISFIFO(info.st_mode));
    if (kind == "link to /dev/zero") QCOMPARE(QFileInfo(path).symLinkTarget(), QStringLiteral("/dev/zero"));
#endif
    if (kind == "folder") QVERIFY(QFileInfo(path).isDir() && QDir(path).isEmpty());
    QStringList beside =
        QDir(QFileInfo(path).path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System);
    beside.removeAll(QStringLiteral("history"));  // on Windows the restore points' folder is there too
    QCOMPARE(beside, QStringList{"ZIR_OVI.ini"});
}

void TestStartAndQuit::storedPositions_data() {
    QTest::addColumn<QPoint>("stored");
    QTest::addColumn<QPoint>("opened");
    const QPoint firstStart(219, 117);
    QTest::newRow("on the screen") << QPoint(300, 200) << QPoint(300, 200);
    // Partly off to the right and below only: the offscreen platform itself
    // nudges a window back that stands off the left or the top edge.
    QTest::newRow("half off to the right") << QPoint(2300, 100) << QPoint(2300, 100);
    QTest::newRow("half off the bottom") << QPoint(300, 700) << QPoint(300, 700);
    QTest::newRow("wholly off") << QPoint(-30000, -30000) << firstStart;
    QTest::newRow("only the title bar above the screen") << QPoint(100, -200) << firstStart;
    QTest::newRow("on the second screen") << QPoint(1500, 300) << QPoint(1500, 300);
    QTest::newRow("far to the right") << QPoint(5000, 100) << firstStart;
}

void TestStartAndQuit::storedPositions() {
    QFETCH(QPoint, stored);
    QFETCH(QPoint, opened);
    ThrowawaySettings settings("[FORM_HLAV]\r\nLeft=" + QByteArray::number(stored.x()) +
                               "\r\nTop=" + QByteArray::number(stored.y()) + "\r\n");
    TFormHlav w(QuietPorts());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.pos(), opened);
    w.close();
    // Stored again where it opened, so a lost window is found at every start after.
    QVERIFY(settings.Text().contains("Left=" + QByteArray::number(opened.x()) +
                                     "\r\nTop=" + QByteArray::number(opened.y()) + "\r\n"));
}

void TestStartAndQuit::aQuitSignalDuringStartUpClosesTheWindowUnshown() {
    IGN_SKIP_ON_WINDOWS("no quit signals: a session's end comes to the window as a message");
    ThrowawaySettings settings("[FORM_HLAV]\r\nLeft=300\r\nTop=200\r\n");
    std::raise(SIGTERM);  // pending: no event loop runs before the start-up has ended
    TFormHlav w(QuietPorts());
    QVERIFY(w.QuitRequested());  // main() then never shows it
    QVERIFY(!w.isVisible());
    QVERIFY(settings.Text().startsWith("[FORM_HLAV]\r\nLeft=300\r\nTop=200\r\nCom2=0\r\n"));
}

void TestStartAndQuit::aQuitSignalClosesAnOpenMessageBoxAndTheWindow() {
    IGN_SKIP_ON_WINDOWS("no quit signals: a session's end comes to the window as a message");
    ThrowawaySettings settings("[FORM_HLAV]\r\nLeft=300\r\nTop=200\r\n");
    TFormHlav w(QuietPorts());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTimer::singleShot(0, [] { std::raise(SIGTERM); });  // runs in the open box's own event loop
    const Watchdog dog(std::chrono::seconds(20));
    w.MenuAboutClick();  // returns only once its box is gone
    QVERIFY(!w.isVisible());
    QVERIFY(settings.Text().startsWith("[FORM_HLAV]\r\nLeft=300\r\nTop=200\r\nCom2=0\r\n"));
}

void TestStartAndQuit::quitSignalEndsTheProgramAsACloseDoes_data() {
    QTest::addColumn<QByteArray>("port");
    QTest::addColumn<bool>("pendingAtStart");  // else sent once the program waits in its first event loop
    QTest::addColumn<bool>("saveRefused");
    QTest::newRow("before the window shows") << QByteArray("simulator") << true << false;
    QTest::newRow("while Com opening error is open") << QByteArray("/dev/no-such-port") << false << false;
    QTest::newRow("while Com opening error is open, save refused")
        << QByteArray("/dev/no-such-port") << false << true;
}

void TestStartAndQuit::quitSignalEndsTheProgramAsACloseDoes() {
    IGN_SKIP_ON_WINDOWS("no quit signals: a session's end comes to the window as a message");
#if !defined(_WIN32)
    QFETCH(QByteArray, port);
    QFETCH(bool, pendingAtStart);
    QFETCH(bool, saveRefused);
    QTemporaryDir home;
    const QString folder = home.filePath(QStringLiteral("ignition-programmer"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + "/ZIR_OVI.ini";
    const QByteArray before = "[FORM_HLAV]\r\nLeft=300\r\nTop=200\r\n[PORTS]\r\nCOM1=" + port + "\r\n";
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
    }
    QVERIFY(QDir().mkpath(home.filePath(QStringLiteral("runtime"))));
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", home.path());
    env.insert("XDG_DATA_HOME", home.filePath(QStringLiteral("data")));
    env.insert("XDG_RUNTIME_DIR", home.filePath(QStringLiteral("runtime")));
    program.setProcessEnvironment(env);
    program.setChildProcessModifier([pendingAtStart, saveRefused] {
        if (pendingAtStart) {
            // Blocked and pending across exec: it is there before the program's first line runs.
            sigset_t term;
            sigemptyset(&term);
            sigaddset(&term, SIGTERM);
            sigprocmask(SIG_BLOCK, &term, nullptr);
            raise(SIGTERM);
        }
        if (saveRefused) {
            // Every write past 64 bytes fails, as on a full disk.
            signal(SIGXFSZ, SIG_IGN);
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 64;
            setrlimit(RLIMIT_FSIZE, &limit);
        }
    });
    program.start(QStringLiteral(IGN_PROGRAMMER), {});
    QVERIFY(program.waitForStarted());
    if (!pendingAtStart) {
        const qint64 pid = program.processId();
        QVERIFY(QTest::qWaitFor([pid] { return WaitsForEvents(pid); }, 15000));
        ::kill(static_cast<pid_t>(pid), SIGTERM);
    }
    // A program that waits for somebody to click OK never gets here.
    const bool ended = program.waitForFinished(15000);
    if (!ended) program.kill();
    QVERIFY(ended);
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    const QByteArray said = program.readAllStandardError();
    const QByteArray unable = "ignition-programmer: Unable to write to " + QFile::encodeName(path) + "\n";
    if (saveRefused) {
        QCOMPARE(said.count(unable), 1);  // saved once, and said where somebody reads it
        QCOMPARE(Slurp(path), before);
    } else {
        QCOMPARE(said.count(unable), 0);
        QVERIFY(Slurp(path).startsWith("[FORM_HLAV]\r\nLeft=300\r\nTop=200\r\nCom2=0\r\n"));
    }
#endif
}

IGN_WINDOW_TEST_MAIN(TestStartAndQuit)

#include "test_start_and_quit.moc"
