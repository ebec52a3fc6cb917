// The Windows installer as a user meets it, under Wine: a silent install, what
// it put where (every DLL a program imports is there, nothing of the build or
// the tests), the entry of "Apps & features", the Start menu's shortcut, the
// installed window started and ended by the session's end, and an uninstall
// that leaves the user's settings.
#include "WineRun.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

#include <set>

namespace {

const QString kFolder = QStringLiteral("Ignition Programmer");
const QString kUninstallKey =
    QStringLiteral("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ignition Programmer");

// Where the installer puts the programs unless told otherwise.
QString Installed(const QString& path = {}) {
    return WinePrefix() + QStringLiteral("/drive_c/Program Files/") + kFolder +
           (path.isEmpty() ? QString() : "/" + path);
}

QString UserSettings() {
    QDir users(WinePrefix() + QStringLiteral("/drive_c/users"));
    const QString user = QString::fromLocal8Bit(qgetenv("USER").isEmpty() ? "root" : qgetenv("USER"));
    return users.filePath(user + QStringLiteral("/AppData/Local/ignition-programmer/ZIR_OVI.ini"));
}

QStringList Files(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

}  // namespace

class TestWindowsInstaller : public QObject {
    Q_OBJECT

    QString installer_;

private slots:
    void initTestCase() {
        installer_ = WindowsBuild(QStringLiteral("ignition-programmer-" IGN_EXPECTED_VERSION "-win64.exe"));
        if (!QFileInfo::exists(installer_))
            QSKIP("no installer in " IGN_WINDOWS_BUILD " (cmake --build --preset windows --target package)");
        // As on a machine that never had it (a run before may have left it).
        QDir(Installed()).removeRecursively();
        QFile::remove(UserSettings());
        RunUnderWine({"reg", "delete", kUninstallKey, "/f"});
        const WineRun install = RunUnderWine({installer_, "/S"});
        QVERIFY2(install.exitCode == 0, install.err.constData());
    }

    void holdsTheProgramsAndWhatTheyNeed() {
        const QStringList files = Files(Installed());
        for (const char* name :
             {"ignition-programmer.exe", "ignition-cli.exe", "Qt6Core.dll", "Qt6Gui.dll", "Qt6Widgets.dll",
              "Qt6PrintSupport.dll", "Qt6SerialPort.dll", "libstdc++-6.dll", "libgcc_s_seh-1.dll",
              "libwinpthread-1.dll", "platforms/qwindows.dll", "styles/qwindowsvistastyle.dll",
              "translations/qtbase_cs.qm", "translations/qtbase_de.qm", "LICENSE.txt", "Qt.txt",
              "licenses/LGPL-3.txt", "licenses/qt-windows-plugin-without-wintab.patch", "Uninstall.exe"})
            QVERIFY2(files.contains(QLatin1String(name)), name);
        // Nothing of the tests or the build.
        for (const QString& file : files) {
            QVERIFY2(!file.contains(QLatin1String("test"), Qt::CaseInsensitive), qPrintable(file));
            QVERIFY2(!file.contains(QLatin1String("offscreen")), qPrintable(file));
            QVERIFY2(!file.endsWith(QLatin1String(".a")) && !file.endsWith(QLatin1String(".obj")),
                     qPrintable(file));
        }
    }

    // Every DLL a program or plugin imports is beside the programs or is the system's own.
    void everyImportedLibraryIsThere() {
        const QString objdump = QStandardPaths::findExecutable(QStringLiteral("x86_64-w64-mingw32-objdump"));
        QVERIFY(!objdump.isEmpty());
        std::set<QString> present;
        for (const QString& file : Files(Installed())) present.insert(QFileInfo(file).fileName().toLower());
        const QDir system(WinePrefix() + QStringLiteral("/drive_c/windows/system32"));
        int checked = 0;
        for (const QString& file : Files(Installed())) {
            if (!file.endsWith(QLatin1String(".exe")) && !file.endsWith(QLatin1String(".dll"))) continue;
            if (file == QLatin1String("Uninstall.exe")) continue;
            const WineRun dump = RunProgram(objdump, {"-p", Installed(file)});
            QCOMPARE(dump.exitCode, 0);
            const QRegularExpression imported(QStringLiteral("DLL Name: (\\S+)"));
            for (auto it = imported.globalMatch(QString::fromLatin1(dump.out)); it.hasNext();) {
                const QString dll = it.next().captured(1).toLower();
                ++checked;
                // api-ms-win-* are names of the system's own API sets, not files of their own.
                const bool apiSet = dll.startsWith(QLatin1String("api-ms-win-"));
                QVERIFY2(present.count(dll) != 0 || system.exists(dll) || apiSet,
                         qPrintable(file + " imports " + dll + ", which is not there"));
            }
        }
        QVERIFY(checked > 20);
    }

    void appearsInAppsAndFeatures() {
        const WineRun query = RunUnderWine({"reg", "query", kUninstallKey});
        QVERIFY2(query.exitCode == 0, query.out + query.err);
        QVERIFY2(QRegularExpression(QStringLiteral("DisplayVersion\\s+REG_SZ\\s+" IGN_EXPECTED_VERSION))
                     .match(QString::fromLatin1(query.out))
                     .hasMatch(),
                 query.out.constData());
        QVERIFY(query.out.contains("DisplayName"));
        QVERIFY(query.out.contains("UninstallString"));
        QDirIterator links(WinePrefix() + QStringLiteral("/drive_c"),
                           {QStringLiteral("Ignition Programmer.lnk")}, QDir::Files,
                           QDirIterator::Subdirectories);
        QVERIFY2(links.hasNext(), "no Start menu entry");
        QVERIFY(links.next().contains(QLatin1String("Start Menu")));
    }

    // On a virtual display, with the platform plugin the installer brought: the
    // end of the session closes the window as Exit does, which saves the settings.
    void installedWindowStartsAndTheSessionsEndClosesIt() {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty()) QSKIP("no Xvfb (Debian package xvfb) for Wine's display");
        QProcess display;
        display.start(xvfb, {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1280x1024x24"});
        QVERIFY(display.waitForReadyRead(10000));
        const QString number = QString::fromLatin1(display.readLine()).trimmed();
        QVERIFY(!number.isEmpty());
        QVERIFY(QDir().mkpath(QFileInfo(UserSettings()).path()));
        {
            QFile settings(UserSettings());
            QVERIFY(settings.open(QIODevice::WriteOnly));
            settings.write("[FORM_HLAV]\r\nLanguage=1\r\n[PORTS]\r\nCOM1=simulator\r\nCOM2=simulator\r\n");
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), ":" + number);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("windows"));
        // Only what the installer brought: no plugin folder of the build.
        env.insert(QStringLiteral("QT_PLUGIN_PATH"), QString());
        // Wine's desktop keeps the display of the server it started with: a server of the window's own.
        const QString wineserver =
            QStandardPaths::findExecutable(QStringLiteral("wineserver"), {QStringLiteral("/usr/lib/wine")});
        QVERIFY(!wineserver.isEmpty());
        QProcessEnvironment prefix = QProcessEnvironment::systemEnvironment();
        prefix.insert(QStringLiteral("WINEPREFIX"), WinePrefix());
        QProcess stop;
        stop.setProcessEnvironment(prefix);
        stop.start(wineserver, {"-k"});
        stop.waitForFinished(30000);
        QProcess window;
        window.setProcessEnvironment(env);
        window.start(QStringLiteral(IGN_WINE_RUN), {Installed(QStringLiteral("ignition-programmer.exe"))});
        QVERIFY(window.waitForStarted());
        QTest::qWait(15000);  // Wine's display driver and the window come up
        QCOMPARE(window.state(), QProcess::Running);
        QProcess end;
        end.setProcessEnvironment(env);
        end.start(QStringLiteral(IGN_WINE_RUN), {"wineboot", "--end-session"});
        QVERIFY(end.waitForFinished(60000));
        const bool ended = window.waitForFinished(60000);
        if (!ended) window.kill();
        display.terminate();
        display.waitForFinished();
        QVERIFY(ended);
        const QByteArray saved = [] {
            QFile file(UserSettings());
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        // Closed as Exit closes it: the whole state written back, the language kept.
        QVERIFY2(saved.startsWith("[FORM_HLAV]\r\nLanguage=1\r\n"), saved.constData());
        QVERIFY(saved.contains("\r\nLeft="));
        QVERIFY(saved.contains("[IGNITION]\r\n"));
        // Windows may end a program once it has answered the session's end, so the exit code is
        // Wine's to choose (0, or 9 when it ended the process itself); the saved state above is
        // what shows the window closed as Exit does.
    }

    void uninstallLeavesTheUsersSettings() {
        // The uninstaller runs on from a copy of itself, so that it can remove its own file;
        // it removes the files one by one after the call has returned.
        const WineRun uninstall = RunUnderWine({Installed(QStringLiteral("Uninstall.exe")), "/S"});
        QVERIFY2(uninstall.exitCode == 0, uninstall.err.constData());
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(Installed(QStringLiteral("ignition-programmer.exe"))) &&
                                     !QFileInfo::exists(Installed(QStringLiteral("Qt6Core.dll"))),
                                 60000);
        QVERIFY(QFileInfo::exists(UserSettings()));
        QVERIFY(RunUnderWine({"reg", "query", kUninstallKey}).exitCode != 0);
    }
};

QTEST_GUILESS_MAIN(TestWindowsInstaller)
#include "test_windows_installer.moc"
