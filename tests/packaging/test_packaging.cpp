// The Debian package as a user gets it: what it holds and where, its desktop
// files as the desktop's own validators see them, and its programs run from
// the place it puts them.

#include "window/ToolIcons.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run RunTool(const QString& program, const QStringList& args,
            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, args);
    Run run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        run.err = "did not run to its end: " + process.errorString().toUtf8();
        return run;
    }
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QString Tool(const char* name, const char* package) {
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (path.isEmpty())
        qWarning("%s is missing: install the Debian package %s (scripts/setup does)", name, package);
    return path;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString Field(const QByteArray& desktopEntry, const QString& key) {
    const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(QRegularExpression::escape(key)),
                                  QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(desktopEntry)).captured(1);
}

// Whether the signal is blocked in the process, i.e. it would be held for the
// program's own watch rather than end it.
bool Blocks(qint64 pid, int signal) {
    const QByteArray status = ReadAll(QStringLiteral("/proc/%1/status").arg(pid));
    const QRegularExpression blocked(QStringLiteral("^SigBlk:\\s*([0-9a-f]+)$"),
                                     QRegularExpression::MultilineOption);
    const QString mask = blocked.match(QString::fromLatin1(status)).captured(1);
    return !mask.isEmpty() && (mask.toULongLong(nullptr, 16) & (1ull << (signal - 1))) != 0;
}

const QString kAppId = QStringLiteral(IGN_APPSTREAM_ID);

}  // namespace

class TestPackaging : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void contents();
    void control();
    void lintianFindsNothing();
    void desktopEntry();
    void metainfo();
    void icons_data();
    void icons();
    void windowIcon();
    void udevRule();
    void versionAndHelp_data();
    void versionAndHelp();
    void cliFromPackage();
    void windowStartsAndCloses();

private:
    QString installed(const QString& path) const { return root_.filePath(path); }

    QString deb_;
    QTemporaryDir root_;
};

void TestPackaging::initTestCase() {
    const QString dpkg = Tool("dpkg", "dpkg");
    QVERIFY(!dpkg.isEmpty());
    const Run arch = RunTool(dpkg, {QStringLiteral("--print-architecture")});
    QCOMPARE(arch.exitCode, 0);
    deb_ = QStringLiteral(IGN_PACKAGE_DIR "/ignition-programmer_" IGN_EXPECTED_VERSION "_%1.deb")
               .arg(QString::fromLatin1(arch.out.trimmed()));
    QVERIFY2(QFileInfo::exists(deb_), qPrintable(deb_ + " was not built"));
    QVERIFY(root_.isValid());
    const Run unpack = RunTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb_, root_.path()});
    QVERIFY2(unpack.exitCode == 0, unpack.err.constData());
}

void TestPackaging::contents() {
    const Run list = RunTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), deb_});
    QCOMPARE(list.exitCode, 0);
    QStringList files;
    for (const QByteArray& line : list.out.split('\n')) {
        const QStringList columns = QString::fromUtf8(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (columns.size() < 6) continue;
        QCOMPARE(columns[1], QStringLiteral("root/root"));
        QVERIFY2(columns[5].startsWith(QLatin1String("./usr/")) || columns[5] == QLatin1String("./"),
                 qPrintable(columns[5]));
        if (!columns[0].startsWith(QLatin1Char('d'))) files << columns[5] + QLatin1Char(' ') + columns[0];
    }
    files.sort();
    const QString icon =
        QStringLiteral("./usr/share/icons/hicolor/%1/apps/ignition-programmer.%2 -rw-r--r--");
    QStringList expected{
        QStringLiteral("./usr/bin/ignition-cli -rwxr-xr-x"),
        QStringLiteral("./usr/bin/ignition-programmer -rwxr-xr-x"),
        QStringLiteral("./usr/bin/ignition-unit-sim -rwxr-xr-x"),
        QStringLiteral("./usr/lib/udev/rules.d/60-ignition-programmer.rules -rw-r--r--"),
        QStringLiteral("./usr/share/applications/ignition-programmer.desktop -rw-r--r--"),
        QStringLiteral("./usr/share/doc/ignition-programmer/changelog.gz -rw-r--r--"),
        QStringLiteral("./usr/share/doc/ignition-programmer/copyright -rw-r--r--"),
        icon.arg(QStringLiteral("16x16"), QStringLiteral("png")),
        icon.arg(QStringLiteral("256x256"), QStringLiteral("png")),
        icon.arg(QStringLiteral("32x32"), QStringLiteral("png")),
        icon.arg(QStringLiteral("48x48"), QStringLiteral("png")),
        icon.arg(QStringLiteral("scalable"), QStringLiteral("svg")),
        QStringLiteral("./usr/share/man/man1/ignition-cli.1.gz -rw-r--r--"),
        QStringLiteral("./usr/share/man/man1/ignition-programmer.1.gz -rw-r--r--"),
        QStringLiteral("./usr/share/man/man1/ignition-unit-sim.1.gz -rw-r--r--"),
        QStringLiteral("./usr/share/metainfo/%1.metainfo.xml -rw-r--r--").arg(kAppId),
    };
    QCOMPARE(files, expected);
}

void TestPackaging::control() {
    const Run fields =
        RunTool(QStringLiteral("dpkg-deb"),
                {QStringLiteral("-f"), deb_, QStringLiteral("Package"), QStringLiteral("Version"),
                 QStringLiteral("Maintainer"), QStringLiteral("Depends"), QStringLiteral("Description")});
    QCOMPARE(fields.exitCode, 0);
    const QString text = QString::fromUtf8(fields.out);
    QVERIFY(text.contains(QLatin1String("Package: ignition-programmer\n")));
    QVERIFY(text.contains(QLatin1String("Version: " IGN_EXPECTED_VERSION "\n")));
    QVERIFY(text.contains(QLatin1String(
        "Maintainer: Ignition Programmer developers <developers@ignition-programmer.invalid>\n")));
    // Worked out from the programs themselves, so the libraries they link are all named.
    for (const char* library :
         {"libc6", "libstdc++6", "libqt6widgets6", "libqt6serialport6", "libqt6printsupport6"})
        QVERIFY2(
            text.contains(QRegularExpression(QStringLiteral("Depends:.*\\b%1 \\(>=")
                                                 .arg(QRegularExpression::escape(QLatin1String(library))))),
            qPrintable(text));
    // Qt's dialogs in Czech and German need Qt's translations, which no library pulls in.
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Depends:.*\\bqt6-translations-l10n\\b"))),
             qPrintable(text));
    // A one-line summary, then the long description indented under it.
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Description: \\S.*\\n \\S.*\\n"))),
             qPrintable(text));
}

// Debian's own check of a package: no error and no warning (notes of lower rank may stay).
void TestPackaging::lintianFindsNothing() {
    const QString lintian = Tool("lintian", "lintian");
    QVERIFY(!lintian.isEmpty());
    const Run check = RunTool(lintian, {QStringLiteral("--fail-on"), QStringLiteral("error,warning"),
                                        QStringLiteral("--tag-display-limit"), QStringLiteral("0"), deb_});
    QVERIFY2(check.exitCode == 0, check.out + check.err);
    const QRegularExpression complaint(QStringLiteral("^[EW]: "), QRegularExpression::MultilineOption);
    QVERIFY2(!complaint.match(QString::fromUtf8(check.out)).hasMatch(), check.out.constData());
}

void TestPackaging::desktopEntry() {
    const QString validator = Tool("desktop-file-validate", "desktop-file-utils");
    QVERIFY(!validator.isEmpty());
    const QString path = installed(QStringLiteral("usr/share/applications/ignition-programmer.desktop"));
    const Run check = RunTool(validator, {path});
    QVERIFY2(check.exitCode == 0 && check.out.isEmpty() && check.err.isEmpty(), check.out + check.err);

    const QByteArray entry = ReadAll(path);
    QVERIFY(QFileInfo(installed(QStringLiteral("usr/bin/") + Field(entry, QStringLiteral("Exec"))))
                .isExecutable());
    QVERIFY(QFileInfo::exists(installed(QStringLiteral("usr/share/icons/hicolor/scalable/apps/%1.svg")
                                            .arg(Field(entry, QStringLiteral("Icon"))))));
    QCOMPARE(Field(entry, QStringLiteral("Terminal")), QStringLiteral("false"));
    for (const char* key : {"Name", "GenericName", "Comment"}) {
        for (const char* language : {"", "[cs]", "[de]"}) {
            const QString name = QLatin1String(key) + QLatin1String(language);
            QVERIFY2(!Field(entry, name).isEmpty(), qPrintable(name + " is missing"));
        }
    }
}

void TestPackaging::metainfo() {
    const QString validator = Tool("appstreamcli", "appstream");
    QVERIFY(!validator.isEmpty());
    const QString path = installed(QStringLiteral("usr/share/metainfo/%1.metainfo.xml").arg(kAppId));
    const Run check = RunTool(validator, {QStringLiteral("validate"), QStringLiteral("--no-net"), path});
    QVERIFY2(check.exitCode == 0, check.out + check.err);

    const QString xml = QString::fromUtf8(ReadAll(path));
    QVERIFY(xml.contains(QLatin1String("<release version=\"" IGN_EXPECTED_VERSION "\"")));
    const QString launchable =
        QRegularExpression(QStringLiteral("<launchable type=\"desktop-id\">([^<]+)<")).match(xml).captured(1);
    QVERIFY(QFileInfo::exists(installed(QStringLiteral("usr/share/applications/") + launchable)));
}

void TestPackaging::icons_data() {
    QTest::addColumn<int>("size");
    for (const int size : {16, 32, 48, 256}) QTest::addRow("%d px", size) << size;
}

void TestPackaging::icons() {
    QFETCH(int, size);
    const QImage icon(
        installed(QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/ignition-programmer.png").arg(size)));
    QCOMPARE(icon.size(), QSize(size, size));

    // The PNGs are rendered from the SVG and committed; a changed SVG needs them rendered again.
    const QString renderer = Tool("rsvg-convert", "librsvg2-bin");
    QVERIFY(!renderer.isEmpty());
    QTemporaryDir work;
    const QString fresh = work.filePath(QStringLiteral("fresh.png"));
    const Run render = RunTool(renderer, {QStringLiteral("-w"), QString::number(size), QStringLiteral("-h"),
                                          QString::number(size), QStringLiteral("-o"), fresh,
                                          installed(QStringLiteral("usr/share/icons/hicolor/scalable/apps/"
                                                                   "ignition-programmer.svg"))});
    QCOMPARE(render.exitCode, 0);
    const QImage expected = QImage(fresh).convertToFormat(QImage::Format_ARGB32);
    const QImage actual = icon.convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(expected.size(), actual.size());
    int worst = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb a = actual.pixel(x, y);
            const QRgb e = expected.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(e)), std::abs(qGreen(a) - qGreen(e)),
                              std::abs(qBlue(a) - qBlue(e)), std::abs(qAlpha(a) - qAlpha(e))});
        }
    }
    QVERIFY2(
        worst <= 8,
        qPrintable(QStringLiteral("differs from the SVG by %1; run packaging/icons/render-pngs").arg(worst)));
}

void TestPackaging::windowIcon() {
    const QList<QSize> sizes = ign::WindowIcon().availableSizes();
    for (const int size : {16, 32, 48, 256})
        QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
}

void TestPackaging::udevRule() {
    // It has to come before the seat rules that turn the tag into access: those are 73-seat-late.rules.
    const QStringList names = QDir(installed(QStringLiteral("usr/lib/udev/rules.d"))).entryList(QDir::Files);
    QCOMPARE(names.size(), 1);
    QVERIFY(names.front() < QStringLiteral("73-seat-late.rules") &&
            names.front().endsWith(QLatin1String(".rules")));

    QStringList rules;
    for (const QByteArray& line :
         ReadAll(installed(QStringLiteral("usr/lib/udev/rules.d/") + names.front())).split('\n')) {
        const QString text = QString::fromUtf8(line).trimmed();
        if (!text.isEmpty() && !text.startsWith(QLatin1Char('#'))) rules << text;
    }
    QCOMPARE(rules.size(), 1);
    QStringList fields = rules.front().split(QLatin1Char(','));
    for (QString& field : fields) field = field.trimmed();
    fields.sort();
    // Matches compare (a single = would assign, and match every device); the tag is added to
    // (a plain = would drop the tags other rules gave); no MODE or GROUP opens the port to all users.
    QCOMPARE(fields,
             QStringList({QStringLiteral("ACTION!=\"remove\""), QStringLiteral("KERNEL==\"ttyUSB[0-9]*\""),
                          QStringLiteral("SUBSYSTEM==\"tty\""), QStringLiteral("SUBSYSTEMS==\"usb\""),
                          QStringLiteral("TAG+=\"uaccess\"")}));
}

void TestPackaging::versionAndHelp_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("answerStart");
    for (const char* program : {"ignition-programmer", "ignition-cli", "ignition-unit-sim"}) {
        const QString name = QLatin1String(program);
        QTest::addRow("%s --version", program)
            << name << QStringLiteral("--version") << name + QLatin1String(" " IGN_EXPECTED_VERSION "\n");
        QTest::addRow("%s --help", program) << name << QStringLiteral("--help") << "Usage: " + name + " ";
    }
}

void TestPackaging::versionAndHelp() {
    QFETCH(QString, program);
    QFETCH(QString, option);
    QFETCH(QString, answerStart);
    // No display of any kind: the window program must answer before it would need one.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    const Run run = RunTool(installed(QStringLiteral("usr/bin/") + program), {option}, environment);
    QVERIFY2(run.exitCode == 0 && run.err.isEmpty(), run.err.constData());
    QVERIFY2(run.out.startsWith(answerStart.toUtf8()), run.out.constData());
    if (option == QLatin1String("--version")) QCOMPARE(QString::fromUtf8(run.out), answerStart);
}

void TestPackaging::cliFromPackage() {
    const Run packaged = RunTool(installed(QStringLiteral("usr/bin/ignition-cli")),
                                 {QStringLiteral("defaults"), QStringLiteral("0")});
    QVERIFY2(packaged.exitCode == 0, packaged.err.constData());
    const Run built = RunTool(QStringLiteral(IGN_CLI), {QStringLiteral("defaults"), QStringLiteral("0")});
    QCOMPARE(built.exitCode, 0);
    QVERIFY(packaged.out.startsWith("RPM_A "));
    QCOMPARE(packaged.out, built.out);
}

void TestPackaging::windowStartsAndCloses() {
    QTemporaryDir home;
    QVERIFY(QDir(home.path()).mkpath(QStringLiteral("runtime")));
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));

    QProcess window;
    window.setProcessEnvironment(environment);
    window.start(installed(QStringLiteral("usr/bin/ignition-programmer")), {});
    QVERIFY2(window.waitForStarted(), qPrintable(window.errorString()));
    // Told to stop as a logout would, once the program holds the signal for its window.
    QTRY_VERIFY_WITH_TIMEOUT(Blocks(window.processId(), SIGTERM) || window.state() == QProcess::NotRunning,
                             60000);
    window.terminate();
    QVERIFY(window.waitForFinished(60000));
    QVERIFY2(window.exitStatus() == QProcess::NormalExit && window.exitCode() == 0,
             window.readAllStandardError().constData());
    // The window's close saves the settings: it was built, shown and closed the ordinary way.
    QVERIFY(QFileInfo::exists(home.filePath(QStringLiteral("config/ignition-programmer/ZIR_OVI.ini"))));
}

QTEST_MAIN(TestPackaging)
#include "test_packaging.moc"
