// ignition-cli as scripts run it: the real executable, its bytes on standard
// output, its texts on standard error and its exit status.

#include "LogReader.h"
#include "PdfTools.h"
#include "PlatformSkips.h"
#include "PseudoTerminal.h"
#include "UnitSimProcess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <memory>
#if defined(_WIN32)
#include <windows.h>
#endif
#include <random>

namespace {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The first start's set of machine 0, byte for byte as the window saves it.
const QByteArray kMachine0File =
    "RPM_A     1000  2000  3000  4000  6000  8000 10000 12000 14000 16000 \r\n"
    "ADV_A       13    14    20    28    31    33    31    31    31    31 \r\n"
    "RPM_B     1000  2000  3000  4000  6000  8000 10000 12000 14000 16000 \r\n"
    "ADV_B       13    14    20    28    31    33    31    31    31    31 \r\n"
    "\r\n"
    "OMEZ1    10000 \r\n"
    "OMEZ2    15000 \r\n"
    "OMEZ_D   30000 \r\n"
    "CLUTCH     200 \r\n"
    "NA       13000 \r\n"
    "GAS          0   20    60  3000  2000 \r\n"
    "KEYING       0 \r\n"
    "PALEC       75 \r\n"
    "POV_OM       1\r\n"
    "LED_RAZ      1\r\n"
    "CAS_IN       1\r\n"
    "BLOK         1\r\n"
    "EXCITATION   1\r\n"
    "RPM2         0RPM_JET     1000  2000  3000  4000  6000  8000 10000 12000 14000 16000 \r\n"
    "\r\n"
    "JET_0      100   100   100   100   100   100   100   100   100   100 \r\n"
    "JET_10     100   100   100   100   100   100   100   100   100   100 \r\n"
    "JET_20     100   100   100   100   100   100   100   100   100   100 \r\n"
    "JET_30     100   100   100   100   100   100   100   100   100   100 \r\n"
    "JET_40     100   100   100   100   100   100   100   100   100   100 \r\n"
    "JET_50     100   100   100   100   100   100   100   100   100   100 \r\n"
    "JET_60     100   100   100   100   100   100   100   100   100   100 \r\n"
    "JET_70     100   100   100   100   100   100   100   100   100   100 \r\n"
    "JET_80     100   100   100   100   100   100   100   100   100   100 \r\n"
    "JET_90     100   100   100   100   100   100   100   100   100   100 \r\n"
    "POLOHA     372   372   360   360   351   345   342   342   342   342 \r\n"
    "KOR_23     100   100   100   100   100   100   100   100   100   100 \r\n"
    "\r\n"
    "TPS        650  4030 \r\n"
    "ACCEL      600    50  2400 \r\n"
    "DEAD_TIME  850 \r\n"
    "POLOHA_PRO   1\r\n"
    "START_JET   20 \r\n"
    "CHLAZENI    90 \r\n"
    "WATER      150   138   111   100    92 \r\n"
    "AIR        121   110   100    92    84 ";

// The same set packed into a zero image: offsets 48-49 and 176-180 are never written.
const QByteArray kMachine0Image =
    "0A 14 1E 28 3C 50 64 78 8C A0\n"
    "0D 0E 14 1C 1F 21 1F 1F 1F 1F\n"
    "0A 14 1E 28 3C 50 64 78 8C A0\n"
    "0D 0E 14 1C 1F 21 1F 1F 1F 1F\n"
    "4F 64 96 96 14 82 00 00 00 4B\n"
    "7C 7C 78 78 75 73 72 72 72 72\n"
    "64 64 64 64 64 64 64 64 64 64\n"
    "64 64 64 64 64 64 64 64 64 64\n"
    "64 64 64 64 64 64 64 64 64 64\n"
    "64 64 64 64 64 64 64 64 64 64\n"
    "64 64 64 64 64 64 64 64 64 64\n"
    "64 64 64 64 64 64 64 64 64 64\n"
    "64 64 64 64 64 64 64 64 64 64\n"
    "64 64 64 64 64 64 64 64 64 64\n"
    "64 64 64 64 64 64 64 64 64 64\n"
    "64 64 64 64 64 64 64 64 64 64\n"
    "64 64 64 64 64 64 64 64 64 64\n"
    "41 99 3C 05 50 00 00 00 00 00\n"
    "55 01 14 5A 00 00 14 3C 1E 14\n"
    "96 8A 6F 64 5C 79 6E 64 5C 54\n"
    "0A 14 1E 28 3C 50 64 78 8C A0\n";

// A set that differs from the machine-0 defaults and from the unit's empty memory.
const QByteArray kTunedSet =
    "OMEZ1 11000 ADV_A 10 12 16 22 28 30 30 30 28 26 JET_50 120 120 120 120 120 "
    "120 120 120 120 120";

CliRun RunCli(const QStringList& args, const QByteArray& input = {},
              const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
              int timeoutMs = 30000) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(IGN_CLI), args);
    CliRun run;
    if (!process.waitForStarted()) return run;
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return run;
}

QByteArray Line(const QByteArray& file, const QByteArray& key) {
    for (const QByteArray& line : file.split('\n'))
        if (line.startsWith(key)) return line.endsWith('\r') ? line.chopped(1) : line;
    return {};
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return path;
}

}  // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void defaultsOfMachineZeroByteForByte();
    void defaultsOfEachMachine_data();
    void defaultsOfEachMachine();
    void runsWithEmptyEnvironment();
    void normalizeValidates_data();
    void normalizeValidates();
    void normalizeStartsFromBase();
    void imagePacksIntoZeroImage();
    void imageOfFileSet();
    void usageErrors_data();
    void usageErrors();
    void helpPerCommand();
    void missingFileGivesTwo();
    void fileWithoutKeysSendsNothing_data();
    void fileWithoutKeysSendsNothing();
    void keysWithoutValuesAreRefused_data();
    void keysWithoutValuesAreRefused();
    void pipeWithoutWriterGivesTwo();
    void inputBeyondTheCapGivesTwo_data();
    void inputBeyondTheCapGivesTwo();
    void portThatCannotOpen();
    void programReadVerifyOverTerminal();
    void programOnlyWhatChanged();
    void readToOutputFile();
    void inProcessSimulator();
    void monitorIntoAFullDevice();
    void silentUnit_data();
    void silentUnit();
    void comPortsFromSettings();
    void monitorCsv_data();
    void monitorCsv();
    void monitorText();
    void monitorLog();
    void monitorEndsCleanlyOnInterrupt();
    void diff_data();
    void diff();
    void diffWithUnit();
    void portsMarksComPorts();
    void portInUseExplained();
    void sheet_data();
    void sheet();
    void sheetTakesTheHistoryAndTheNote();

private:
    QTemporaryDir dir_;
    QString tunedPath_;
    QByteArray tunedReport_;  // what program and verify say of the tuned file's missing keys
};

void TestCli::initTestCase() {
    QVERIFY(dir_.isValid());
    tunedPath_ = WriteFile(dir_, QStringLiteral("tuned.ign"), kTunedSet);
    tunedReport_ = "ignition-cli: " + tunedPath_.toUtf8() +
                   ": 3 of the 39 keys of a parameter file found; missing, so kept from the default set of "
                   "machine 0: RPM_A, RPM_B, ADV_B, OMEZ2, OMEZ_D, CLUTCH, NA, GAS, KEYING, PALEC, POV_OM, "
                   "LED_RAZ, CAS_IN, BLOK, EXCITATION, RPM2, RPM_JET, JET_0, JET_10, JET_20, JET_30, JET_40, "
                   "JET_60, JET_70, JET_80, JET_90, POLOHA, KOR_23, TPS, ACCEL, DEAD_TIME, POLOHA_PRO, "
                   "START_JET, CHLAZENI, WATER, AIR\n";
}

void TestCli::defaultsOfMachineZeroByteForByte() {
    for (const QString& machine : {QStringLiteral("0"), QStringLiteral("Aprilia MILE")}) {
        const CliRun run = RunCli({"defaults", machine});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, kMachine0File);
        QCOMPARE(run.err, QByteArray());
    }
}

void TestCli::defaultsOfEachMachine_data() {
    QTest::addColumn<QString>("machine");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("1 curve") << "1" << QByteArray("ADV_A")
                             << QByteArray(
                                    "ADV_A       19    23    30    33    31    31    31    31    31    31 ");
    QTest::newRow("1 trigger width") << "1" << QByteArray("PALEC") << QByteArray("PALEC       90 ");
    QTest::newRow("1 keying") << "1" << QByteArray("KEYING") << QByteArray("KEYING       1 ");
    QTest::newRow("2 by name")
        << "honda vtr 1000" << QByteArray("ADV_B")
        << QByteArray("ADV_B       13    16    31    39    39    39    38    38    38    38 ");
    QTest::newRow("2 position")
        << "2" << QByteArray("POLOHA ")
        << QByteArray("POLOHA     456   450   447   681   690   720   651   636   681   681 ");
    QTest::newRow("3 tps") << "3" << QByteArray("TPS") << QByteArray("TPS       1080  4190 ");
    // The ZX12 R's set leaves the cooling temperature as the first start made it.
    QTest::newRow("3 cooling") << "Kawasaki ZX12 R" << QByteArray("CHLAZENI")
                               << QByteArray("CHLAZENI    90 ");
    QTest::newRow("3 position at end") << "3" << QByteArray("POLOHA_PRO") << QByteArray("POLOHA_PRO   2");
    QTest::newRow("4 water") << "4" << QByteArray("WATER")
                             << QByteArray("WATER      112   107   103   100    97 ");
    QTest::newRow("4 excitation low") << "4" << QByteArray("EXCITATION") << QByteArray("EXCITATION   0");
    QTest::newRow("5 start injection") << "5" << QByteArray("START_JET") << QByteArray("START_JET   25 ");
    QTest::newRow("5 air, last line")
        << "Suzuki GSX 1000 R" << QByteArray("AIR") << QByteArray("AIR        109   105   100   100   100 ");
}

void TestCli::defaultsOfEachMachine() {
    QFETCH(QString, machine);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, line);
    const CliRun run = RunCli({"defaults", machine});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(Line(run.out, key), line);
    QCOMPARE(run.out.count("\r\n"), 40);
    QVERIFY(!run.out.endsWith('\n'));
}

void TestCli::runsWithEmptyEnvironment() {
    QTemporaryDir home;
    QProcessEnvironment env;
    env.insert(QStringLiteral("HOME"), home.path());
    const CliRun run = RunCli({"defaults", "0"}, {}, env);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, kMachine0File);
    QCOMPARE(run.err, QByteArray());
    // Nothing was written into the home folder.
    QVERIFY(QDir(home.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden).isEmpty());
}

void TestCli::normalizeValidates_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("limiter capped, limiter 2 follows")
        << QByteArray("OMEZ1 25500 OMEZ2 9000") << QByteArray("OMEZ2") << QByteArray("OMEZ2    25000 ");
    QTest::newRow("limiter folded to a byte first")
        << QByteArray("OMEZ1 70000") << QByteArray("OMEZ1") << QByteArray("OMEZ1     4400 ");
    QTest::newRow("speed axis made increasing")
        << QByteArray("RPM_A 500 500 500 500 500 500 500 500 500 500") << QByteArray("RPM_A")
        << QByteArray("RPM_A      500   600   700   800   900  1000  1100  1200  1300  1400 ");
    QTest::newRow("advance limited by trigger width")
        << QByteArray("ADV_A 99 0 0 0 0 0 0 0 0 0") << QByteArray("ADV_A")
        << QByteArray(
               "ADV_A       75     0     0     0     0     0     "
               "0     0     0     0 ");
    QTest::newRow("gas 1 gives way") << QByteArray("GAS 1 80 30 100 100") << QByteArray("GAS")
                                     << QByteArray("GAS          1   30    30   100   100 ");
    QTest::newRow("clutch from seconds, capped")
        << QByteArray("TB 2.5") << QByteArray("CLUTCH") << QByteArray("CLUTCH    1000 ");
    QTest::newRow("start injection capped")
        << QByteArray("START_JET 99") << QByteArray("START_JET") << QByteArray("START_JET   50 ");
    QTest::newRow("tps 0 capped") << QByteArray("TPS 2550 4000") << QByteArray("TPS")
                                  << QByteArray("TPS       2500  4000 ");
    QTest::newRow("keys in small letters ignored")
        << QByteArray("omez1 5000") << QByteArray("OMEZ1") << QByteArray("OMEZ1    10000 ");
    QTest::newRow("word in place of a number")
        << QByteArray("OMEZ1 abc OMEZ2 16000") << QByteArray("OMEZ2") << QByteArray("OMEZ2    16000 ");
    QTest::newRow("end of file byte")
        << QByteArray("OMEZ1 9000\x1aOMEZ2 20000") << QByteArray("OMEZ2") << QByteArray("OMEZ2    15000 ");
}

void TestCli::normalizeValidates() {
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, line);
    const CliRun fromStdin = RunCli({"normalize"}, input);
    QCOMPARE(fromStdin.exitCode, 0);
    QCOMPARE(Line(fromStdin.out, key), line);
    QCOMPARE(fromStdin.err, QByteArray());
    QTemporaryDir dir;
    const CliRun fromFile = RunCli({"normalize", WriteFile(dir, "in.ign", input)});
    QCOMPARE(fromFile.out, fromStdin.out);

    // Garbage of any kind reads as no keys at all: the first start's set.
    for (const QByteArray& garbage :
         {QByteArray(), QByteArray("\x00\xff\x1a\r\n", 5), QByteArray(5000, '9'), QByteArray("RPM_A\n")}) {
        const CliRun run = RunCli({"normalize"}, garbage);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.size(), kMachine0File.size());
    }
}

void TestCli::normalizeStartsFromBase() {
    QTemporaryDir dir;
    const QString base = WriteFile(dir, "base.ign", "OMEZ1 12000 NA 11000");
    const CliRun run = RunCli({"normalize", "--base", base, "-"}, "NA 9000");
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(Line(run.out, "OMEZ1"), QByteArray("OMEZ1    12000 "));
    QCOMPARE(Line(run.out, "NA"), QByteArray("NA        9000 "));
    QCOMPARE(Line(run.out, "OMEZ2"), QByteArray("OMEZ2    15000 "));
}

void TestCli::imagePacksIntoZeroImage() {
    const CliRun run = RunCli({"image"}, kMachine0File);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, kMachine0Image);
}

void TestCli::imageOfFileSet() {
    const CliRun run = RunCli({"image", tunedPath_});
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> lines = run.out.split('\n');
    QCOMPARE(lines.size(), 22);  // 21 lines and the empty rest after the last LF
    QCOMPARE(lines[1], QByteArray("0A 0C 10 16 1C 1E 1E 1E 1C 1A"));
    QCOMPARE(lines[4].mid(3, 2), QByteArray("6E"));  // OMEZ1 110
}

void TestCli::usageErrors_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("unknown command") << QStringList{"erase"};
    QTest::newRow("machine out of range") << QStringList{"defaults", "6"};
    QTest::newRow("unknown machine") << QStringList{"defaults", "Vespa"};
    QTest::newRow("machine missing") << QStringList{"defaults"};
    QTest::newRow("two files") << QStringList{"normalize", "a", "b"};
    QTest::newRow("read without port") << QStringList{"read"};
    QTest::newRow("port without value") << QStringList{"read", "--port"};
    QTest::newRow("program without file") << QStringList{"program", "--port", "simulator"};
    QTest::newRow("option of another command") << QStringList{"defaults", "0", "--csv"};
    QTest::newRow("unknown option") << QStringList{"image", "--fast"};
    QTest::newRow("unknown language") << QStringList{"--lang", "fr", "defaults", "0"};
    QTest::newRow("negative seconds") << QStringList{"monitor", "--port", "simulator", "--seconds", "-1"};
    QTest::newRow("seconds not a number") << QStringList{"monitor", "--port", "simulator", "--seconds", "2x"};
    QTest::newRow("two output forms") << QStringList{"monitor", "--port", "simulator", "--csv", "--msl"};
    QTest::newRow("standard input twice") << QStringList{"normalize", "--base", "-"};
    QTest::newRow("sheet without output") << QStringList{"sheet", "a.ign"};
    QTest::newRow("unknown paper") << QStringList{"sheet", "a.ign", "-o", "a.pdf", "--paper", "A3"};
    QTest::newRow("verify-all alone") << QStringList{"program", "--port", "simulator", "--verify-all", "x"};
    QTest::newRow("changed-from for verify")
        << QStringList{"verify", "--port", "simulator", "--changed-from", "a", "b"};
    QTest::newRow("changed-from and file both standard input")
        << QStringList{"program", "--port", "simulator", "--changed-from", "-", "-"};
}

void TestCli::usageErrors() {
    QFETCH(QStringList, args);
    const CliRun run = RunCli(args);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QByteArray());
    QVERIFY(run.err.startsWith("ignition-cli: "));
}

void TestCli::helpPerCommand() {
    for (const char* command :
         {"defaults", "normalize", "image", "read", "program", "verify", "monitor", "diff"}) {
        const CliRun run = RunCli({command, "--help"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.startsWith(QByteArray("Usage: ignition-cli ") + command), run.out.constData());
    }
    QCOMPARE(RunCli({"--help"}).exitCode, 0);
    // diff's statuses are its own, said once.
    QCOMPARE(RunCli({"diff", "--help"}).out.count("Exit status"), 1);
}

void TestCli::missingFileGivesTwo() {
    const QString missing = dir_.filePath(QStringLiteral("missing.ign"));
    for (const QStringList& args :
         {QStringList{"normalize", missing}, QStringList{"image", "--base", missing},
          QStringList{"program", "--port", "simulator", missing}, QStringList{"normalize", dir_.path()}}) {
        const CliRun run = RunCli(args);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out, QByteArray());
        QVERIFY2(run.err.contains("Open file error"), run.err.constData());
    }
}

void TestCli::fileWithoutKeysSendsNothing_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("bytes");
    std::mt19937 random(11);
    QByteArray noise(50000, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    for (const char* command : {"program", "verify"}) {
        QTest::addRow("%s, empty file", command) << command << QByteArray();
        QTest::addRow("%s, random bytes", command) << command << noise;
        // Keys in other letter case are no keys.
        QTest::addRow("%s, words", command)
            << command << QByteArray("Notes on the rpm_a curve:\r\nomez1 9000\r\n");
    }
}

void TestCli::fileWithoutKeysSendsNothing() {
    QFETCH(QString, command);
    QFETCH(QByteArray, bytes);
    IGN_SKIP_ON_WINDOWS("no pseudo-terminals");
#if !defined(_WIN32)
    // A bare terminal as the unit: whatever the tool sends arrives at its other end.
    ign::PseudoTerminal unit;
    std::string error;
    QVERIFY2(unit.open(error), error.c_str());
    QTemporaryDir dir;
    const QString path = WriteFile(dir, "notes.txt", bytes);
    const CliRun run = RunCli({command, "--port", QString::fromStdString(unit.slavePath()), path});
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.err,
             "ignition-cli: " + path.toUtf8() + ": no key of a parameter file found; nothing sent\n");
    char sent[64];
    QCOMPARE(::read(unit.master(), sent, sizeof sent), ssize_t{-1});  // nothing queued (non-blocking)
#endif
}

// Words that happen to be keys give no value, so the file is no parameter
// file: a unit is neither programmed with the defaults nor judged against
// them, and a comparison does not call such a file equal to the defaults.
void TestCli::keysWithoutValuesAreRefused_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("said");  // after the path
    for (const char* command : {"program", "verify"}) {
        QTest::addRow("%s, a note", command)
            << command << QByteArray("Notes: GAS\n")
            << QByteArray(": no key of a parameter file with a value (GAS without one); nothing sent\n");
        QTest::addRow("%s, everyday words", command)
            << command << QByteArray("AIR WATER NA")
            << QByteArray(
                   ": no key of a parameter file with a value (NA, WATER, AIR without one); nothing sent\n");
    }
    QTest::newRow("diff, a note") << "diff" << QByteArray("Notes: GAS\n")
                                  << QByteArray(
                                         ": no key of a parameter file with a value (GAS without one); "
                                         "nothing compared\n");
    QTest::newRow("diff, an empty file")
        << "diff" << QByteArray() << QByteArray(": no key of a parameter file found; nothing compared\n");
}

void TestCli::keysWithoutValuesAreRefused() {
    QFETCH(QString, command);
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, said);
    IGN_SKIP_ON_WINDOWS("no pseudo-terminals");
#if !defined(_WIN32)
    ign::PseudoTerminal unit;
    std::string error;
    QVERIFY2(unit.open(error), error.c_str());
    QTemporaryDir dir;
    const QString path = WriteFile(dir, "n.txt", bytes);
    const QStringList args =
        command == "diff" ? QStringList{command, WriteFile(dir, "m0.ign", kMachine0File), path}
                          : QStringList{command, "--port", QString::fromStdString(unit.slavePath()), path};
    const CliRun run = RunCli(args);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.err, "ignition-cli: " + path.toUtf8() + said);
    QCOMPARE(run.out, QByteArray());
    char sent[64];
    QCOMPARE(::read(unit.master(), sent, sizeof sent), ssize_t{-1});  // nothing queued (non-blocking)
#endif
}

// A pipe with no writer, named as the file, is given 5 s for its first byte
// by every command that reads a parameter file; they all run at once here.
void TestCli::pipeWithoutWriterGivesTwo() {
    IGN_SKIP_ON_WINDOWS("no fifos");
#if !defined(_WIN32)
    QTemporaryDir dir;
    const QString pipe = dir.filePath("pipe.ign");
    QCOMPARE(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    const QString m0 = WriteFile(dir, "m0.ign", kMachine0File);
    const std::vector<QStringList> commands{{"normalize", pipe},
                                            {"program", "--port", "simulator", pipe},
                                            {"verify", "--port", "simulator", pipe},
                                            {"diff", m0, pipe}};
    std::vector<std::unique_ptr<QProcess>> running;
    QElapsedTimer clock;
    clock.start();
    for (const QStringList& args : commands) {
        running.push_back(std::make_unique<QProcess>());
        running.back()->start(QStringLiteral(IGN_CLI), args);
    }
    for (const auto& process : running) {
        QVERIFY(process->waitForFinished(30000));
        QCOMPARE(process->exitCode(), 2);
        QCOMPARE(
            process->readAllStandardError(),
            "ignition-cli: " + pipe.toUtf8() + ": nothing arrived in 5 s: a named pipe needs a writer\n");
    }
    QVERIFY(clock.elapsed() >= 4900);
#endif
}

void TestCli::inputBeyondTheCapGivesTwo_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("extra");  // bytes beyond 16 MiB
    QTest::addColumn<int>("exitCode");
    QTest::newRow("normalize, 16 MiB") << QStringList{"normalize"} << 0 << 0;
    QTest::newRow("normalize, one byte more") << QStringList{"normalize"} << 1 << 2;
    QTest::newRow("image, one byte more") << QStringList{"image"} << 1 << 2;
    QTest::newRow("program, one byte more") << QStringList{"program", "--port", "simulator", "-"} << 1 << 2;
}

void TestCli::inputBeyondTheCapGivesTwo() {
    QFETCH(QStringList, args);
    QFETCH(int, extra);
    QFETCH(int, exitCode);
    // Blanks, then a key at the very end, so only a whole read finds it.
    QByteArray input((16 << 20) + extra, ' ');
    input.replace(input.size() - 10, 10, "OMEZ1 9000");
    const CliRun run = RunCli(args, input);
    QCOMPARE(run.exitCode, exitCode);
    if (exitCode == 0) {
        QVERIFY2(run.out.contains("OMEZ1     9000"), run.out.left(200).constData());
        return;
    }
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(run.err,
             QByteArray("ignition-cli: standard input: larger than 16 MiB, which no parameter file is\n"));
}

void TestCli::portThatCannotOpen() {
    const QString port = dir_.filePath(QStringLiteral("no-such-port"));
    const CliRun run = RunCli({"program", "--port", port, tunedPath_});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains("Com opening error"), run.err.constData());
    QVERIFY(run.err.contains(port.toUtf8()));
    QVERIFY2(run.err.contains("Port " + port.toUtf8() + " is not there"), run.err.constData());
}

void TestCli::programReadVerifyOverTerminal() {
    IGN_SKIP_WITHOUT_UNIT_SIM();
    ign::UnitSimProcess sim;
    QString error;
    // Answers in two pieces, with no monitor stream: a monitor frame read
    // together with the first half of an answer would leave the second half at
    // the head of the next read, and the link never resynchronises a stream.
    QVERIFY2(sim.start(QStringLiteral(IGN_UNIT_SIM), {"--split", "--monitor-ms", "0"}, &error),
             qPrintable(error));
    const QString port = sim.terminalPath();

    CliRun run = RunCli({"program", "--port", port, tunedPath_});
    // No progress line: standard error is no terminal.
    QCOMPARE(run.err, tunedReport_ + "Verify OK\n");
    QCOMPARE(run.exitCode, 0);

    const QByteArray expected = RunCli({"normalize", tunedPath_}).out;
    run = RunCli({"read", "--port", port});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, expected);
    QCOMPARE(run.err, QByteArray("Version: SIM12\nDate: 14. 3.2024\nTime: 09:05\nVerify OK\n"));

    run = RunCli({"verify", "--port", port, tunedPath_});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, tunedReport_ + "Verify OK\n");

    // The unit holds the tuned set, not the defaults.
    QTemporaryDir dir;
    run = RunCli({"verify", "--lang", "cs", "--port", port, WriteFile(dir, "defaults.ign", kMachine0File)});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, QByteArray("Chyba verifikace!\n"));
    QVERIFY(sim.stop());
}

// A rig that knows what the unit holds writes only the blocks that differ,
// answer-paced or not; --verify-all then checks the whole unit, so a claim
// about the unit that was wrong ends in an error, never in "Verify OK".
void TestCli::programOnlyWhatChanged() {
    IGN_SKIP_WITHOUT_UNIT_SIM();
    QTemporaryDir dir;
    const QString trace = dir.filePath(QStringLiteral("trace.txt"));
    const QString defaults = WriteFile(dir, "defaults.ign", kMachine0File);
    ign::UnitSimProcess sim;
    QString error;
    QVERIFY2(sim.start(QStringLiteral(IGN_UNIT_SIM), {"--monitor-ms", "0", "--trace", trace}, &error),
             qPrintable(error));
    const QString port = sim.terminalPath();
    QCOMPARE(RunCli({"program", "--port", port, defaults}).exitCode, 0);
    // The blocks whose image lines differ are the ones to write.
    const QList<QByteArray> before = RunCli({"image", defaults}).out.split('\n');
    const QList<QByteArray> after = RunCli({"image", tunedPath_}).out.split('\n');
    QSet<int> changed;
    for (int block = 0; block < 21; ++block)
        if (before[block] != after[block]) changed.insert(block);
    QVERIFY(!changed.isEmpty() && changed.size() < 21);

    QFile file(trace);
    QVERIFY(file.open(QIODevice::ReadOnly));
    file.readAll();
    CliRun run =
        RunCli({"program", "--port", port, "--changed-from", defaults, "--answer-paced", tunedPath_});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.endsWith("Verify OK\n"), run.err.constData());
    QSet<int> written;
    int writes = 0;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (!line.startsWith("< ")) continue;
        const int code = line.mid(2, 2).toInt(nullptr, 16);
        if (code < 21) {
            written.insert(code);
            ++writes;
        }
    }
    QCOMPARE(written, changed);
    QCOMPARE(writes, int(changed.size()));

    run = RunCli({"program", "--port", port, "--changed-from", tunedPath_, "--verify-all", defaults});
    QCOMPARE(run.exitCode, 0);
    // The unit holds the defaults now, not the tuned set this claims.
    run = RunCli({"program", "--port", port, "--changed-from", tunedPath_, "--verify-all", tunedPath_});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.endsWith("Verify error!\n"), run.err.constData());
    QVERIFY(sim.stop());
}

void TestCli::readToOutputFile() {
    IGN_SKIP_WITHOUT_UNIT_SIM();
    ign::UnitSimProcess sim;
    QString error;
    QVERIFY2(sim.start(QStringLiteral(IGN_UNIT_SIM), {}, &error), qPrintable(error));
    QCOMPARE(RunCli({"program", "--port", sim.terminalPath(), tunedPath_}).exitCode, 0);
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("read.ign"));
    const CliRun run = RunCli({"read", "--port", sim.terminalPath(), "-o", out, "--lang", "de"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(run.err, QByteArray("Version: SIM12\nDatum: 14. 3.2024\nZeit: 09:05\nVergleich OK\n"));
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), RunCli({"normalize", tunedPath_}).out);
    QVERIFY(sim.stop());
}

void TestCli::inProcessSimulator() {
    CliRun run = RunCli({"program", "--port", "simulator", tunedPath_});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, tunedReport_ + "Verify OK\n");
    run = RunCli({"program", "--port", "Simulator", "--lang", "cs", tunedPath_});
    QCOMPARE(run.err, tunedReport_ + "Verifikace OK\n");

    // A fresh in-process unit holds machine 0's default set: the read
    // passes its verify and gives that set back.
    run = RunCli({"read", "--port", "simulator"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.endsWith("Verify OK\n"));
    QVERIFY(run.err.startsWith("Version: SIM12\n"));
    QCOMPARE(run.out, RunCli({"defaults", "0"}).out);

    // A device as -o takes the bytes; it cannot be replaced by a renamed file.
#if defined(Q_OS_WIN)
    QCOMPARE(RunCli({"read", "--port", "simulator", "-o", "NUL"}).exitCode, 0);
#else
    QCOMPARE(RunCli({"read", "--port", "simulator", "-o", "/dev/null"}).exitCode, 0);
#endif
}

// Monitor values that standard output refuses are a failure, not a silent success.
void TestCli::monitorIntoAFullDevice() {
    if (!QFile::exists(QStringLiteral("/dev/full"))) QSKIP("this system has no /dev/full to write into");
    QProcess monitor;
    monitor.setStandardOutputFile(QStringLiteral("/dev/full"));
    monitor.start(QStringLiteral(IGN_CLI), {"monitor", "--port", "simulator", "--seconds", "20"});
    QVERIFY(monitor.waitForFinished(5000));
    QCOMPARE(monitor.exitCode(), 2);
    QCOMPARE(monitor.readAllStandardError(), QByteArray("ignition-cli: Write file error: standard output\n"));
}

void TestCli::silentUnit_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("err");
    QTest::newRow("program") << QStringList{"program", tunedPath_} << tunedReport_ + "Program error!\n";
    QTest::newRow("verify") << QStringList{"verify", tunedPath_} << tunedReport_ + "Verify error!\n";
    QTest::newRow("read") << QStringList{"read"} << QByteArray("Read error!\n");
    QTest::newRow("read, German") << QStringList{"read", "--lang", "de"} << QByteArray("Lesefehler\n");
}

void TestCli::silentUnit() {
    QFETCH(QStringList, args);
    QFETCH(QByteArray, err);
    IGN_SKIP_WITHOUT_UNIT_SIM();
    ign::UnitSimProcess sim;
    QString error;
    QVERIFY2(sim.start(QStringLiteral(IGN_UNIT_SIM), {"--silent", "--monitor-ms", "0"}, &error),
             qPrintable(error));
    // How long the give-up takes (five sends of three to four ticks, no wait
    // for the result's display time) is measured by bench_link.
    const CliRun run = RunCli(args << "--port" << sim.terminalPath());
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, err);
    QCOMPARE(run.out, QByteArray());
    QVERIFY(sim.stop());
}

void TestCli::comPortsFromSettings() {
    IGN_SKIP_WITHOUT_UNIT_SIM();
    ign::UnitSimProcess sim;
    QString error;
    QVERIFY2(sim.start(QStringLiteral(IGN_UNIT_SIM), {}, &error), qPrintable(error));
    QTemporaryDir home;
    const QString config = home.filePath(QStringLiteral("config"));
    QVERIFY(QDir().mkpath(config + "/ignition-programmer"));
    const QByteArray settings = "[FORM_HLAV]\r\nCom2=1\r\n[PORTS]\r\nCOM1=" + sim.terminalPath().toUtf8() +
                                "\r\ncom2 = " + home.filePath("absent").toUtf8() + "\r\n";
    const QString ini = WriteFile(home, "config/ignition-programmer/ZIR_OVI.ini", settings);
    QProcessEnvironment env;
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", config);

    CliRun run = RunCli({"program", "--port", "com1", tunedPath_}, {}, env);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, tunedReport_ + "Verify OK\n");

    run = RunCli({"verify", "--port", "COM2", tunedPath_}, {}, env);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains("COM2") && run.err.contains(home.filePath("absent").toUtf8()),
             run.err.constData());

    // Read only: the settings file is exactly as it was.
    QFile file(ini);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), settings);
    QVERIFY(sim.stop());
}

void TestCli::monitorCsv_data() {
    QTest::addColumn<bool>("terminal");
    QTest::newRow("unit on a terminal") << true;
    QTest::newRow("in-process simulator") << false;
}

void TestCli::monitorCsv() {
    QFETCH(bool, terminal);
    IGN_SKIP_WITHOUT_UNIT_SIM();
    ign::UnitSimProcess sim;
    QString port = QStringLiteral("simulator");
    if (terminal) {
        QString error;
        QVERIFY2(sim.start(QStringLiteral(IGN_UNIT_SIM), {"--monitor-ms", "50"}, &error), qPrintable(error));
        port = sim.terminalPath();
    }
    const CliRun run = RunCli({"monitor", "--port", port, "--csv", "--seconds", "2"});
    QCOMPARE(run.exitCode, 0);

    const QList<QByteArray> lines = run.out.split('\n');
    QVERIFY(lines.size() > 10);
    QCOMPARE(lines.front(),
             QByteArray("time_ms,type,stps_mv,iaps_percent,iaps_mv,aps_mv,lambda_mv,tps_percent,"
                        "tps_mv,water_c,water_mv,air_c,air_mv,supply_v,supply_mv,injection_time_"
                        "us,injection_position_deg,rpm,dwell_us,test"));
    QCOMPARE(lines.back(), QByteArray());  // the last row is complete
    qint64 previous = -1;
    QSet<int> types;
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].split(',');
        QCOMPARE(fields.size(), 20);
        const qint64 ms = fields[0].toLongLong();
        QVERIFY(ms >= previous && ms <= 2100);
        previous = ms;
        const int type = fields[1].toInt();
        QVERIFY(type >= 0 && type <= 3);
        types.insert(type);
        if (type == 2) QVERIFY(fields[17].toInt() > 0);    // the engine runs: rpm
        if (type == 0) QVERIFY(!fields[8].isEmpty());      // throttle voltage in mV
        if (type == 1) QVERIFY(fields[13].contains('.'));  // supply in volts
    }
    QCOMPARE(types.size(), 4);
    // The rows' own times say the command ran for its two seconds, and no longer.
    QVERIFY2(previous >= 1500, qPrintable(QString::number(previous)));
    if (terminal) QVERIFY(sim.stop());
}

void TestCli::monitorText() {
    const CliRun run = RunCli({"monitor", "--port", "simulator", "--seconds", "1"});
    QCOMPARE(run.exitCode, 0);
    const QString text = QString::fromUtf8(run.out);
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("^TWS= -?\\d+ \\[°\\]= \\d+ \\[mV\\]$"),
                                              QRegularExpression::MultilineOption)),
             run.out.constData());
    QVERIFY(text.contains(
        QRegularExpression(QStringLiteral("^RPM = \\d+ $"), QRegularExpression::MultilineOption)));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("^U = [ \\d]\\d\\.\\d \\[V\\]= \\d+ \\[mV\\]$"),
                                             QRegularExpression::MultilineOption)));
    QVERIFY(run.out.endsWith('\n'));
}

// The recorder's log format: header, names and units, then every frame as a row.
void TestCli::monitorLog() {
    const CliRun run = RunCli({"monitor", "--port", "simulator", "--msl", "--seconds", "2"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QByteArray());
    const QList<QByteArray> lines = run.out.split('\n');
    QVERIFY(lines.size() > 10);
    QVERIFY2(QRegularExpression(QStringLiteral("^\"ignition-cli \\d+\\.\\d+\\.\\d+: "
                                               "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\"$"))
                 .match(QString::fromUtf8(lines[0]))
                 .hasMatch(),
             lines[0].constData());
    QCOMPARE(lines[1],
             QByteArray("time\ttype\tstps_mv\tiaps_percent\tiaps_mv\taps_mv\tlambda_mv\ttps_percent\t"
                        "tps_mv\twater_c\twater_mv\tair_c\tair_mv\tsupply_v\tsupply_mv\tinjection_time_"
                        "us\tinjection_position_deg\trpm\tdwell_us\ttest"));
    QCOMPARE(lines[2], QByteArray("s\t\tmV\t%\tmV\tmV\tmV\t%\tmV\tC\tmV\tC\tmV\tV\tmV\tus\tdeg\trpm\tus\t"));
    QCOMPARE(lines.back(), QByteArray());  // the last row is complete
    const QRegularExpression time(QStringLiteral("^\\d+\\.\\d{3}$"));
    double previous = 0;
    QSet<int> types;
    for (qsizetype i = 3; i + 1 < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].split('\t');
        QCOMPARE(fields.size(), 20);
        QVERIFY2(time.match(QString::fromUtf8(fields[0])).hasMatch(), lines[i].constData());
        const double seconds = fields[0].toDouble();
        QVERIFY(seconds >= previous && seconds <= 2.2);
        previous = seconds;
        types.insert(fields[1].toInt());
        if (fields[1] == "2") QVERIFY(fields[17].toInt() > 0);  // the engine runs
    }
    QCOMPARE(types, (QSet<int>{0, 1, 2, 3}));
    // The viewer reads it whole.
    ign::LogReadError error{};
    const auto log = ign::ReadLog(std::string_view(run.out.constData(), std::size_t(run.out.size())), error);
    QVERIFY(log);
    QVERIFY(!log->truncated);
    QCOMPARE(qsizetype(log->rows()), lines.size() - 4);
}

void TestCli::monitorEndsCleanlyOnInterrupt() {
#if defined(Q_OS_WIN)
    // Ctrl+Break to the tool in a process group of its own on this console: as
    // Ctrl+C or Ctrl+Break typed in the console where it runs.
    if (GetConsoleWindow() == nullptr) AllocConsole();
    for (const DWORD signal : {DWORD{CTRL_BREAK_EVENT}}) {
        QProcess process;
        process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* arguments) {
            arguments->flags |= CREATE_NEW_PROCESS_GROUP;
        });
#else
    for (int signal : {SIGINT, SIGTERM}) {
        QProcess process;
#endif
        process.start(QStringLiteral(IGN_CLI), {"monitor", "--port", "simulator", "--csv"});
        QVERIFY(process.waitForStarted());
        QByteArray out;
        while (out.count('\n') < 4 && process.waitForReadyRead(3000)) out += process.readAllStandardOutput();
        QVERIFY(out.count('\n') >= 4);
#if defined(Q_OS_WIN)
        if (!GenerateConsoleCtrlEvent(signal, static_cast<DWORD>(process.processId()))) {
            process.kill();
            QSKIP(
                "this console delivers no control event to the tool (Wine's, to a program without a window)");
        }
#else
        ::kill(static_cast<pid_t>(process.processId()), signal);
#endif
        QVERIFY(process.waitForFinished(3000));
        out += process.readAllStandardOutput();
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(out.endsWith('\n'));
    }
}

// Machine 0's set with one map cell, one flag, one axis point and TPS_100 changed.
const QByteArray kFourChanges =
    "GAS 1 RPM_JET 1000 2000 3000 4000 6000 8000 10000 12000 14000 17000 "
    "JET_40 100 100 100 100 100 108 TPS 650 4100";
const QByteArray kFourLines =
    "Gas enable: off → on\n"
    "Injection map, point 10: 16 000 rpm → 17 000 rpm\n"
    "Injection map, 40 % × 8 000 rpm: 100 % → 108 %\n"
    "TPS, 100 %: 4 030 mV → 4 100 mV\n";
const QByteArray kFourLinesBack =
    "Gas enable: on → off\n"
    "Injection map, point 10: 17 000 rpm → 16 000 rpm\n"
    "Injection map, 40 % × 8 000 rpm: 108 % → 100 %\n"
    "TPS, 100 %: 4 100 mV → 4 030 mV\n";

void TestCli::diff_data() {
    QTest::addColumn<QStringList>("args");  // M0 and B stand for the two files
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("out");
    QTest::newRow("equal") << QStringList{"M0", "M0"} << QByteArray() << 0 << QByteArray();
    QTest::newRow("four differences") << QStringList{"M0", "B"} << QByteArray() << 1 << kFourLines;
    QTest::newRow("the other way, from standard input")
        << QStringList{"B", "-"} << kMachine0File << 1 << kFourLinesBack;
    QTest::newRow("Czech") << QStringList{"--lang", "cs", "M0", "B"} << QByteArray() << 1
                           << QByteArray(
                                  "Plyn povolen: vypnuto → zapnuto\n"
                                  "Vstřikovací mapa, bod 10: 16 000 rpm → 17 000 rpm\n"
                                  "Vstřikovací mapa, 40 % × 8 000 rpm: 100 % → 108 %\n"
                                  "TPS, 100 %: 4 030 mV → 4 100 mV\n");
    QTest::newRow("missing file") << QStringList{"M0", "missing.ign"} << QByteArray() << 2 << QByteArray();
    QTest::newRow("one operand") << QStringList{"M0"} << QByteArray() << 2 << QByteArray();
    QTest::newRow("standard input twice") << QStringList{"-", "-"} << kMachine0File << 2 << QByteArray();
    // Files that give no value would read as the defaults, and two of them as equal.
    QTest::newRow("no parameter file") << QStringList{"M0", "JUNK"} << QByteArray() << 2 << QByteArray();
    QTest::newRow("empty file") << QStringList{"EMPTY", "M0"} << QByteArray() << 2 << QByteArray();
    QTest::newRow("a log") << QStringList{"LOG", "LOG"} << QByteArray() << 2 << QByteArray();
}

void TestCli::diff() {
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, out);
    QTemporaryDir dir;
    args.replaceInStrings(QRegularExpression("^M0$"), WriteFile(dir, "m0.ign", kMachine0File));
    args.replaceInStrings(QRegularExpression("^B$"), WriteFile(dir, "b.ign", kFourChanges));
    args.replaceInStrings(QRegularExpression("^missing.ign$"), dir.filePath("missing.ign"));
    args.replaceInStrings(QRegularExpression("^JUNK$"),
                          WriteFile(dir, "passwd", "root:x:0:0:root:/root:/bin/bash\nTB x\n"));
    args.replaceInStrings(QRegularExpression("^EMPTY$"), WriteFile(dir, "empty.ign", QByteArray()));
    args.replaceInStrings(QRegularExpression("^LOG$"),
                          WriteFile(dir, "a.msl",
                                    "\"ignition-programmer\"\ntime\ttype\trpm\ns\t\trpm\n"
                                    "0.000\t2\t1200\nMARK 001\t0.010\n"));
    const CliRun run = RunCli(QStringList{"diff"} + args, input);
    QCOMPARE(run.out, out);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.err.isEmpty(), exitCode != 2);
}

void TestCli::diffWithUnit() {
    IGN_SKIP_WITHOUT_UNIT_SIM();
    QTemporaryDir dir;
    const QString changed = WriteFile(dir, "b.ign", kFourChanges);
    // A fresh in-process unit holds machine 0's set; --port takes the place it is given.
    CliRun run = RunCli({"diff", "--port", "simulator", WriteFile(dir, "m0.ign", kMachine0File)});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray());
    run = RunCli({"diff", "--port", "simulator", changed});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, kFourLines);
    run = RunCli({"diff", changed, "--port", "simulator"});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, kFourLinesBack);
    QCOMPARE(run.err, QByteArray());  // no progress line off a terminal, no verify outcome

    // Over a terminal: the unit programmed with the tuned set equals that set, read back.
    ign::UnitSimProcess sim;
    QString error;
    QVERIFY2(sim.start(QStringLiteral(IGN_UNIT_SIM), {"--monitor-ms", "0"}, &error), qPrintable(error));
    QCOMPARE(RunCli({"program", "--port", sim.terminalPath(), tunedPath_}).exitCode, 0);
    run = RunCli({"diff", "--port", sim.terminalPath(), tunedPath_});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray());
    QVERIFY(sim.stop());

    // A unit that does not answer is an error, not "equal".
    ign::UnitSimProcess silent;
    QVERIFY2(silent.start(QStringLiteral(IGN_UNIT_SIM), {"--silent", "--monitor-ms", "0"}, &error),
             qPrintable(error));
    run = RunCli({"diff", "--lang", "de", tunedPath_, "--port", silent.terminalPath()});
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(run.err, QByteArray("Lesefehler\n"));
    QVERIFY(silent.stop());
}

// The system's ports cannot be made up here (a pseudo-terminal is none), so
// this checks the form of each line and the marks; the listing itself is
// checked over made-up ports in test_cli_parts.
void TestCli::portsMarksComPorts() {
    IGN_SKIP_WITHOUT_UNIT_SIM();
    ign::UnitSimProcess sim;
    QString error;
    QVERIFY2(sim.start(QStringLiteral(IGN_UNIT_SIM), {"--monitor-ms", "0"}, &error), qPrintable(error));
    QTemporaryDir home;
    const QString config = home.filePath(QStringLiteral("config"));
    QVERIFY(QDir().mkpath(config + "/ignition-programmer"));
    WriteFile(home, "config/ignition-programmer/ZIR_OVI.ini",
              "[PORTS]\r\nCOM1=" + sim.terminalPath().toUtf8() + "\r\nCOM2=simulator\r\n");
    QProcessEnvironment env;
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", config);

    const CliRun run = RunCli({"ports", "--lang", "de"}, {}, env);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QByteArray());
    QVERIFY(run.out.endsWith('\n'));
    QList<QByteArray> lines = run.out.chopped(1).split('\n');
    QVERIFY(lines.size() >= 2);
    QCOMPARE(lines.takeLast(), sim.terminalPath().toUtf8() + ": vom System nicht aufgeführt  [COM1]");
    QCOMPARE(lines.takeLast(), QByteArray("simulator: simulierte Zündbox  [COM2]"));
    // NAME, the device when NAME is a stable link to it, then the details.
    const QRegularExpression systemPort(QStringLiteral("^/dev/\\S+( \\(/dev/\\S+\\))?(: .*)?$"));
    for (const QByteArray& line : lines)
        QVERIFY2(systemPort.match(QString::fromUtf8(line)).hasMatch(), line.constData());
    QVERIFY(sim.stop());
}

// Another program holds the port: the cause, in the language asked for, after "Com opening error".
void TestCli::portInUseExplained() {
    IGN_SKIP_WITHOUT_UNIT_SIM();
    ign::UnitSimProcess sim;
    QString error;
    QVERIFY2(sim.start(QStringLiteral(IGN_UNIT_SIM), {"--monitor-ms", "50"}, &error), qPrintable(error));
    QProcess holder;
    holder.start(QStringLiteral(IGN_CLI), {"monitor", "--port", sim.terminalPath(), "--seconds", "3"});
    QVERIFY(holder.waitForReadyRead(3000));  // its first frame: the port is open

    const CliRun run = RunCli({"verify", "--lang", "de", "--port", sim.terminalPath(), tunedPath_});
    QCOMPARE(run.exitCode, 2);
    // After the note on the keys the file lacks.
    const QByteArray explained = "ignition-cli: Com opening error: " + sim.terminalPath().toUtf8() +
                                 "\nPort " + sim.terminalPath().toUtf8() +
                                 " wird von einem anderen Programm benutzt; schließen Sie es zuerst.\n";
    QVERIFY2(run.err.endsWith(explained), run.err.constData());
    QVERIFY(holder.waitForFinished(10000));
    QVERIFY(sim.stop());
}

void TestCli::sheet_data() {
    QTest::addColumn<QStringList>("args");  // M0, JUNK, MISSING and OUT stand for files
    QTest::addColumn<int>("exitCode");
    QTest::newRow("a parameter file") << QStringList{"M0", "-o", "OUT"} << 0;
    QTest::newRow("missing file") << QStringList{"MISSING", "-o", "OUT"} << 2;
    QTest::newRow("no value in the file") << QStringList{"JUNK", "-o", "OUT"} << 2;
    QTest::newRow("missing reference") << QStringList{"M0", "--against", "MISSING", "-o", "OUT"} << 2;
    QTest::newRow("no value in the reference") << QStringList{"M0", "--against", "JUNK", "-o", "OUT"} << 2;
    QTest::newRow("note too long") << QStringList{"M0", "--note", QString(4001, u'x'), "-o", "OUT"} << 2;
    QTest::newRow("no folder for the output") << QStringList{"M0", "-o", "NOWHERE"} << 2;
}

// 0 with the PDF in place of what was there; 2 for an input that cannot be
// read or gives no value, or an output that cannot be written, and then the
// output is as it was and no part of a PDF is left beside it.
void TestCli::sheet() {
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QTemporaryDir dir;
    const QString out = WriteFile(dir, "sheet.pdf", "the sheet before");
    args.replaceInStrings(QRegularExpression("^M0$"), WriteFile(dir, "m0.ign", kMachine0File));
    args.replaceInStrings(QRegularExpression("^JUNK$"), WriteFile(dir, "notes.ign", "Notes: GAS\r\n"));
    args.replaceInStrings(QRegularExpression("^MISSING$"), dir.filePath("missing.ign"));
    args.replaceInStrings(QRegularExpression("^OUT$"), out);
    args.replaceInStrings(QRegularExpression("^NOWHERE$"), dir.filePath("none/sheet.pdf"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", dir.filePath("data"));
    const CliRun run = RunCli(QStringList{"sheet"} + args, {}, env);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.out, QByteArray());
    QFile written(out);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    if (exitCode == 0) {
        QVERIFY(bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF"));
        IGN_NEED_PDF_TOOLS();
        const int pages = pdf::InfoOf(out).pages;
        QVERIFY(pages == 1 || pages == 2);
    } else {
        QCOMPARE(bytes, QByteArray("the sheet before"));
        QVERIFY(!run.err.isEmpty());
    }
    QCOMPARE(QDir(dir.path()).entryList({"*.tmp-*"}, QDir::Files), QStringList());
    QVERIFY(!QFile::exists(dir.filePath("none")));
}

// Without --against, what was programmed before: the newest Program point of
// the user's history that differs. Without --note, the note kept beside the file.
void TestCli::sheetTakesTheHistoryAndTheNote() {
    IGN_NEED_PDF_TOOLS();
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(dir.filePath("data/ignition-programmer/history")));
    const QString point = "2024-06-02_08-00-00_program.ign";
    WriteFile(dir, "data/ignition-programmer/history/" + point, kTunedSet);
    const QString file = WriteFile(dir, "m0.ign", kMachine0File);
    WriteFile(dir, "m0.ign.txt", "Ignition Programmer note\r\nPit note: hot track\r\n");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", dir.filePath("data"));

    const QString pdfFile = dir.filePath("sheet.pdf");
    QCOMPARE(RunCli({"sheet", file, "-o", pdfFile, "--lang", "cs"}, {}, env).exitCode, 0);
    const QString text = pdf::Text(pdfFile);
    QVERIFY2(text.contains("Změny od " + point), qPrintable(text));
    QVERIFY(text.contains("Omezovač 1: 11 000 rpm → 10 000 rpm"));
    QVERIFY(text.contains("Pit note: hot track"));

    // The note given goes before the one kept; the PDF may go to standard output.
    const CliRun run = RunCli({"sheet", file, "-o", "-", "--note", "Rain tyres"}, {}, env);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.startsWith("%PDF-"));
    QFile(pdfFile).remove();
    WriteFile(dir, "sheet.pdf", run.out);
    const QString second = pdf::Text(pdfFile);
    QVERIFY(second.contains("Rain tyres") && !second.contains("Pit note"));
}

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
