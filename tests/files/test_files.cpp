#include "Conversion.h"
#include "DefaultSets.h"
#include "FileBytes.h"
#include "FileSizeLimit.h"
#include "New.h"
#include "ParameterFile.h"
#include "ParameterFileRecords.h"
#include "ProfileFile.h"
#include "Settings.h"
#include "SettingsLocation.h"
#include "WindowPlacement.h"

#include <QtTest>

#include <climits>
#include <csignal>
#include <fstream>

using namespace ign;
namespace fs = std::filesystem;

namespace {

// Every byte different from its neighbours, flags with the odd values a
// device read leaves behind.
ParameterSet VariedSet() {
    ParameterSet s;
    for (const ParamInfo& info : AllParams()) {
        const auto bytes = BytesOf(s, info.param);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            bytes[i] = static_cast<Byte>(static_cast<int>(info.param) * 37 + static_cast<int>(i) * 11 + 5);
        }
    }
    s.ignition.POV_OM = 0;
    s.ignition.LED_RAZ = 1;
    s.ignition.CAS_IN = 0x04;
    s.ignition.BLOK = 0;
    s.ignition.GasEnable = 0x10;
    s.ignition.RPM2 = 0x80;
    s.ignition.EXCITATION = 0x40;
    return s;
}

ParameterSet ExampleSet() {
    ParameterSet s;
    IgnitionBlock& g = s.ignition;
    InjectionBlock& j = s.injection;
    g.RPM_A = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
    g.ADV_A = {8, 10, 14, 20, 28, 32, 34, 34, 32, 30};
    g.RPM_B = g.RPM_A;
    g.ADV_B = {4, 6, 10, 16, 24, 28, 30, 30, 28, 26};
    g.OMEZ1 = 120;
    g.OMEZ2 = 60;
    g.OMEZ_D = 5;
    g.CLUTCH = 8;
    g.NA = 110;
    g.GasEnable = 1;
    g.Gas1 = 20;
    g.Gas2 = 30;
    g.GasT = 2;
    g.GasD = 1;
    g.PALEC = 75;
    g.LED_RAZ = 1;
    j.RPM_JET = {10, 20, 30, 40, 50, 60, 70, 80, 90, 110};
    for (int t = 0; t < 10; ++t) {
        for (int r = 0; r < 10; ++r) JetCell(j, t, r) = static_cast<Byte>(100 + t);
    }
    j.POLOHA.fill(120);
    j.TPS_0 = 50;
    j.TPS_100 = 200;
    j.AKCEL_PRAH = 10;
    j.AKCEL_PER = 20;
    j.AKCEL_JET = 10;
    j.DEAD_TIME = 80;
    j.POLOHA_PRO = 1;
    j.START_JET = 10;
    j.CHLAZENI = 70;
    j.WATER = {120, 110, 100, 100, 95};
    j.AIR = {110, 105, 100, 98, 95};
    return s;
}

const char* const kExampleFile =
    "RPM_A     1000  2000  3000  4000  5000  6000  7000  8000  9000 10000 \r\n"
    "ADV_A        8    10    14    20    28    32    34    34    32    30 \r\n"
    "RPM_B     1000  2000  3000  4000  5000  6000  7000  8000  9000 10000 \r\n"
    "ADV_B        4     6    10    16    24    28    30    30    28    26 \r\n"
    "\r\n"
    "OMEZ1    12000 \r\n"
    "OMEZ2     6000 \r\n"
    "OMEZ_D    1000 \r\n"
    "CLUTCH      80 \r\n"
    "NA       11000 \r\n"
    "GAS          1   20    30   200   100 \r\n"
    "KEYING       0 \r\n"
    "PALEC       75 \r\n"
    "POV_OM       0\r\n"
    "LED_RAZ      1\r\n"
    "CAS_IN       0\r\n"
    "BLOK         0\r\n"
    "EXCITATION   0\r\n"
    "RPM2         0RPM_JET     1000  2000  3000  4000  5000  6000  7000  8000  9000 11000 \r\n"
    "\r\n"
    "JET_0      100   100   100   100   100   100   100   100   100   100 \r\n"
    "JET_10     101   101   101   101   101   101   101   101   101   101 \r\n"
    "JET_20     102   102   102   102   102   102   102   102   102   102 \r\n"
    "JET_30     103   103   103   103   103   103   103   103   103   103 \r\n"
    "JET_40     104   104   104   104   104   104   104   104   104   104 \r\n"
    "JET_50     105   105   105   105   105   105   105   105   105   105 \r\n"
    "JET_60     106   106   106   106   106   106   106   106   106   106 \r\n"
    "JET_70     107   107   107   107   107   107   107   107   107   107 \r\n"
    "JET_80     108   108   108   108   108   108   108   108   108   108 \r\n"
    "JET_90     109   109   109   109   109   109   109   109   109   109 \r\n"
    "POLOHA     360   360   360   360   360   360   360   360   360   360 \r\n"
    "KOR_23       0     0     0     0     0     0     0     0     0     0 \r\n"
    "\r\n"
    "TPS        500  4500 \r\n"
    "ACCEL      100   200   300 \r\n"
    "DEAD_TIME  800 \r\n"
    "POLOHA_PRO   1\r\n"
    "START_JET   10 \r\n"
    "CHLAZENI    70 \r\n"
    "WATER      120   110   100   100    95 \r\n"
    "AIR        110   105   100    98    95 ";

int FileCount(const fs::path& folder) {
    int n = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++n;
    return n;
}

fs::path Path(const QTemporaryDir& dir, const char* name) {
    return fs::path(dir.path().toStdString()) / name;
}

}  // namespace

class FilesTest : public QObject {
    Q_OBJECT
private slots:
    void writeExample();
    void writeDefaultSet_data();
    void writeDefaultSet();
    void read_data();
    void read();
    void keysThatGaveAValue_data();
    void keysThatGaveAValue();
    void readLayoutVariants_data();
    void readLayoutVariants();
    void writeThenReadRestoresEveryByte();
    void saveAndLoadFiles();
    void failedSaveKeepsPreviousFile();

    void profileValues_data();
    void profileValues();
    void profileKeepsForeignLines();
    void profileWritesWhereAScanFromTheTopWould_data();
    void profileWritesWhereAScanFromTheTopWould();
    void settingsAmongManyForeignLines_data();
    void settingsAmongManyForeignLines();
    void settingsFirstRun();
    void settingsRoundTrip();
    void settingsLayout();
    void settingsStoredValues_data();
    void settingsStoredValues();
    void settingsWithoutJetSection();
    void settingsFailedSaveKeepsFile();
    void settingsLocation();
    void titleBarOnAScreen_data();
    void titleBarOnAScreen();
    void firstStartPlacement_data();
    void firstStartPlacement();
};

void FilesTest::writeExample() {
    QCOMPARE(QByteArray::fromStdString(WriteParameterFile(ExampleSet())), QByteArray(kExampleFile));
}

void FilesTest::writeDefaultSet_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("five digits") << 7 << QByteArray("OMEZ_D   30000 ");
    QTest::newRow("gas off") << 10 << QByteArray("GAS          0   20    60  3000  2000 ");
    QTest::newRow("short flag") << 17 << QByteArray("EXCITATION   1");
    QTest::newRow("tps") << 33 << QByteArray("TPS        650  4030 ");
    QTest::newRow("last") << 40 << QByteArray("AIR        121   110   100    92    84 ");
}

void FilesTest::writeDefaultSet() {
    QFETCH(int, line);
    QFETCH(QByteArray, expected);
    const QList<QByteArray> lines = QByteArray::fromStdString(WriteParameterFile(DefaultSet())).split('\n');
    QCOMPARE(lines.size(), 41);
    QByteArray actual = lines[line];
    if (line != 40) {
        QVERIFY(actual.endsWith('\r'));
        actual.chop(1);
    }
    QCOMPARE(actual, expected);
}

// Each row: the file, and the bytes that must change as triples of
// (parameter, point, byte); everything else must stay as it was.
void FilesTest::read_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<int>>("changes");
    const auto p = [](Param param) { return static_cast<int>(param); };
    QTest::newRow("empty") << QByteArray() << QList<int>{};
    QTest::newRow("one key") << QByteArray("OMEZ1 9000") << QList<int>{p(Param::OMEZ1), 0, 90};
    QTest::newRow("modulo 65536") << QByteArray("OMEZ1 70000") << QList<int>{p(Param::OMEZ1), 0, 44};
    QTest::newRow("remainder dropped")
        << QByteArray("POLOHA 100 3 6 9 12 15 18 21 24 27")
        << QList<int>{p(Param::POLOHA), 0, 33, p(Param::POLOHA), 1, 1, p(Param::POLOHA), 2, 2,
                      p(Param::POLOHA), 3, 3,  p(Param::POLOHA), 4, 4, p(Param::POLOHA), 5, 5,
                      p(Param::POLOHA), 6, 6,  p(Param::POLOHA), 7, 7, p(Param::POLOHA), 8, 8,
                      p(Param::POLOHA), 9, 9};
    QTest::newRow("tps") << QByteArray("TPS 500 4600")
                         << QList<int>{p(Param::TPS_0), 0, 50, p(Param::TPS_100), 0, 210};
    QTest::newRow("tb") << QByteArray("TB 0.05") << QList<int>{p(Param::CLUTCH), 0, 5};
    QTest::newRow("tb exponent") << QByteArray("TB 8e-2") << QList<int>{p(Param::CLUTCH), 0, 8};
    QTest::newRow("clutch") << QByteArray("CLUTCH 50") << QList<int>{p(Param::CLUTCH), 0, 5};
    QTest::newRow("tb after clutch") << QByteArray("CLUTCH 80\r\nTB 0.05")
                                     << QList<int>{p(Param::CLUTCH), 0, 5};
    QTest::newRow("clutch after tb") << QByteArray("TB 0.05 CLUTCH 80") << QList<int>{p(Param::CLUTCH), 0, 8};
    QTest::newRow("tb huge") << QByteArray("TB 1e30 OMEZ2 9000")
                             << QList<int>{p(Param::CLUTCH), 0, 0, p(Param::OMEZ2), 0, 90};
    QTest::newRow("small letters")
        << QByteArray("rpm_a 1000 2000 3000 4000 5000 6000 7000 8000 9000 10000\r\nOMEZ1 9000")
        << QList<int>{p(Param::OMEZ1), 0, 90};
    QTest::newRow("extra numbers") << QByteArray("OMEZ1 9000 9100\nOMEZ2 9500")
                                   << QList<int>{p(Param::OMEZ1), 0, 90, p(Param::OMEZ2), 0, 95};
    QTest::newRow("end mark") << QByteArray("OMEZ1 9000\r\n\x1aOMEZ2 9000")
                              << QList<int>{p(Param::OMEZ1), 0, 90};
    QTest::newRow("file ends early") << QByteArray("AIR 90 91")
                                     << QList<int>{p(Param::AIR), 0, 90, p(Param::AIR), 1, 91};
    QTest::newRow("word for a number")
        << QByteArray("RPM_A 1000 x 3000 4000 5000 6000 7000 8000 9000 10000 OMEZ1 9000")
        << QList<int>{p(Param::RPM_A), 0, 10, p(Param::OMEZ1), 0, 90};
    QTest::newRow("key for a number")
        << QByteArray("WATER 90 OMEZ1 9000") << QList<int>{p(Param::WATER), 0, 90, p(Param::OMEZ1), 0, 90};
    QTest::newRow("key glued to a digit")
        << QByteArray("RPM2 1RPM_JET 500") << QList<int>{p(Param::RPM2), 0, 1, p(Param::RPM_JET), 0, 5};
    QTest::newRow("long token glued to a key")
        << QByteArray(255, 'A') + "OMEZ1 9000 OMEZ2 9000" << QList<int>{p(Param::OMEZ2), 0, 90};
    QTest::newRow("10000-character token")
        << QByteArray(10000, 'R') + " OMEZ1 9000" << QList<int>{p(Param::OMEZ1), 0, 90};
    QTest::newRow("binary") << QByteArray("S2\x00\xff\x13OMEZ1\x00 12", 14) << QList<int>{};
}

void FilesTest::read() {
    QFETCH(QByteArray, file);
    QFETCH(QList<int>, changes);
    ParameterSet expected = DefaultSet();
    for (qsizetype k = 0; k + 2 < changes.size(); k += 3) {
        BytesOf(expected, static_cast<Param>(changes[k]))[static_cast<std::size_t>(changes[k + 1])] =
            static_cast<Byte>(changes[k + 2]);
    }
    ParameterSet set = DefaultSet();
    ReadParameterFile(std::string_view(file.constData(), static_cast<std::size_t>(file.size())), set.ignition,
                      set.injection);
    QVERIFY(set == expected);
}

// A key counts as found only when a value was taken from it: words that
// happen to be keys ("Notes: GAS") name it without giving anything.
void FilesTest::keysThatGaveAValue_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("found");
    QTest::addColumn<QStringList>("withoutValue");
    QTest::newRow("a note") << QByteArray("Notes: GAS\n") << QStringList{} << QStringList{"GAS"};
    QTest::newRow("everyday words") << QByteArray("AIR WATER NA") << QStringList{}
                                    << QStringList{"NA", "WATER", "AIR"};
    QTest::newRow("some of the values") << QByteArray("GAS 1 20") << QStringList{"GAS"} << QStringList{};
    QTest::newRow("TB for CLUTCH, the other without one")
        << QByteArray("CLUTCH x TB 0.05") << QStringList{"CLUTCH"} << QStringList{};
    QTest::newRow("a cut-off file") << QByteArray("OMEZ1 9000 OMEZ2") << QStringList{"OMEZ1"}
                                    << QStringList{"OMEZ2"};
}

void FilesTest::keysThatGaveAValue() {
    QFETCH(QByteArray, file);
    ParameterSet set = DefaultSet();
    const ParameterKeys keys = ReadParameterFile(std::string_view(file.constData(), std::size_t(file.size())),
                                                 set.ignition, set.injection);
    const auto list = [](const std::vector<std::string_view>& some) {
        QStringList names;
        for (const std::string_view key : some) names << QString::fromUtf8(key.data(), qsizetype(key.size()));
        return names;
    };
    QTEST(list(keys.found), "found");
    QTEST(list(keys.withoutValue), "withoutValue");
    QCOMPARE(keys.found.size() + keys.missing.size(), LayoutKeys().size());
}

void FilesTest::readLayoutVariants_data() {
    QTest::addColumn<QByteArray>("file");
    QByteArray written(kExampleFile);
    QTest::newRow("as written") << written;
    QTest::newRow("LF only") << QByteArray(written).replace("\r\n", "\n");
    QTest::newRow("one line with tabs") << QByteArray(written).replace("\r\n", "\t");
    QList<QByteArray> lines = written.split('\n');
    std::reverse(lines.begin(), lines.end());
    QTest::newRow("lines reversed") << lines.join('\n');
}

void FilesTest::readLayoutVariants() {
    QFETCH(QByteArray, file);
    ParameterSet set = DefaultSet();
    ReadParameterFile(file.toStdString(), set.ignition, set.injection);
    QVERIFY(set == ExampleSet());
}

void FilesTest::writeThenReadRestoresEveryByte() {
    const ParameterSet original = VariedSet();
    ParameterSet expected = original;
    for (const ParamInfo& info : AllParams()) {
        if (info.flag) BytesOf(expected, info.param)[0] = BytesOf(original, info.param)[0] != 0 ? 1 : 0;
    }
    ParameterSet set;
    ReadParameterFile(WriteParameterFile(original), set.ignition, set.injection);
    QVERIFY(set == expected);
}

void FilesTest::saveAndLoadFiles() {
    QTemporaryDir dir;
    const fs::path file = Path(dir, "set.ign");
    QCOMPARE(SaveParameterFile(file, ExampleSet()), FileWriteResult::Ok);
    QCOMPARE(QByteArray::fromStdString(Slurp(file)), QByteArray(kExampleFile));
    QCOMPARE(FileCount(file.parent_path()), 1);  // no temporary file left behind

    ParameterSet set;
    QVERIFY(LoadParameterFile(file, set));
    QVERIFY(set == ExampleSet());

#if !defined(_WIN32)  // no symbolic links there that its C++ library makes
    const fs::path link = Path(dir, "link.ign");
    fs::create_symlink(file, link);
    QCOMPARE(SaveParameterFile(link, DefaultSet()), FileWriteResult::Ok);
    QVERIFY(fs::is_symlink(link));
    QCOMPARE(Slurp(file), WriteParameterFile(DefaultSet()));
#endif

    ParameterSet untouched = DefaultSet();
    QVERIFY(!LoadParameterFile(Path(dir, "missing.ign"), untouched));
    QVERIFY(!LoadParameterFile(file.parent_path(), untouched));
    QVERIFY(untouched == DefaultSet());
}

void FilesTest::failedSaveKeepsPreviousFile() {
    IGN_SKIP_WITHOUT_FILE_SIZE_LIMIT();
    QTemporaryDir dir;
    const fs::path file = Path(dir, "set.ign");
    Spit(file, "OMEZ1 9000");
    {
        FileSizeLimit limit(1000);
        QCOMPARE(SaveParameterFile(file, DefaultSet()), FileWriteResult::WriteFailed);
    }
    QCOMPARE(Slurp(file), std::string("OMEZ1 9000"));
    QCOMPARE(FileCount(file.parent_path()), 1);

    QCOMPARE(SaveErrorText(FileWriteResult::WriteFailed), "Write file error");
    QCOMPARE(SaveParameterFile(Path(dir, "no-such-folder/set.ign"), DefaultSet()),
             FileWriteResult::CannotOpen);
    QCOMPARE(SaveErrorText(FileWriteResult::CannotOpen), "Open file error");
    fs::create_directory(Path(dir, "folder.ign"));
    QCOMPARE(SaveParameterFile(Path(dir, "folder.ign"), DefaultSet()), FileWriteResult::CannotOpen);
    QVERIFY(fs::is_directory(Path(dir, "folder.ign")));
}

void FilesTest::profileValues_data() {
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<int>("integer");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("decimal") << QByteArray("Key=42") << 42 << QByteArray("42");
    QTest::newRow("signs") << QByteArray("Key=-17") << -17 << QByteArray("-17");
    QTest::newRow("hexadecimal") << QByteArray("Key=0x1F") << 31 << QByteArray("0x1F");
    QTest::newRow("negative hex") << QByteArray("Key=-0x10") << -16 << QByteArray("-0x10");
    QTest::newRow("blanks around") << QByteArray("  key \t=  12  ") << 12 << QByteArray("12");
    QTest::newRow("trailing blank in key") << QByteArray("KEY =5") << 5 << QByteArray("5");
    QTest::newRow("not a number") << QByteArray("Key=12abc") << -1 << QByteArray("12abc");
    QTest::newRow("bare prefix") << QByteArray("Key=0x") << -1 << QByteArray("0x");
    QTest::newRow("empty") << QByteArray("Key=") << -1 << QByteArray("");
    QTest::newRow("missing") << QByteArray("Other=3") << -1 << QByteArray("default");
    QTest::newRow("long") << "Key=" + QByteArray(3000, 'x') << -1 << QByteArray(2047, 'x');
}

void FilesTest::profileValues() {
    QFETCH(QByteArray, entry);
    QFETCH(int, integer);
    QFETCH(QByteArray, text);
    const ProfileFile file("unused.ini",
                           "[Other]\nKey=99\n[ Sect ]\n" + entry.toStdString() + "\n[Next]\nKey=98");
    QCOMPARE(file.ReadInteger("SECT", "Key", -1), integer);
    QCOMPARE(QByteArray::fromStdString(file.ReadString("sect", "key ", "default")), text);
}

void FilesTest::profileKeepsForeignLines() {
    ProfileFile file(
        "unused.ini",
        "; written by hand\n[FORM_HLAV]\nleft = 5\nMine=keep  me \n\n[Other]\r\nA=1\r\n[FORM_HLAV]\nTop=9");
    file.WriteInteger("FORM_HLAV", "Left", 219);
    file.WriteInteger("form_hlav", "New", 1);
    file.WriteString("Added", "Value", "two\r\nlines");
    QCOMPARE(QByteArray::fromStdString(file.Text()),
             QByteArray(
                 "; written by hand\r\n[FORM_HLAV]\r\nLeft=219\r\nMine=keep  me \r\nNew=1\r\n\r\n[Other]\r\n"
                 "A=1\r\n[FORM_HLAV]\r\nTop=9\r\n[Added]\r\nValue=two\r\n"));
}

void FilesTest::profileWritesWhereAScanFromTheTopWould_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("writes");  // section|key|value, in order
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("after the last non-blank line")
        << QByteArray("[A]\nx=1\n\n\n[B]\ny=2") << QStringList{"A|z|3"}
        << QByteArray("[A]\r\nx=1\r\nz=3\r\n\r\n\r\n[B]\r\ny=2\r\n");
    QTest::newRow("an added entry is found again")
        << QByteArray("[A]\nx=1\n\n[B]") << QStringList{"A|z|3", "a|Z |4", "A|w|5"}
        << QByteArray("[A]\r\nx=1\r\nZ =4\r\nw=5\r\n\r\n[B]\r\n");
    QTest::newRow("empty section") << QByteArray("[A]\n\n[B]") << QStringList{"A|k|1"}
                                   << QByteArray("[A]\r\nk=1\r\n\r\n[B]\r\n");
    QTest::newRow("a later section of the same name stays as it is")
        << QByteArray("[A]\nk=1\n[ a ]\nk=2\nn=3") << QStringList{"a|K|9", "A|n|1"}
        << QByteArray("[A]\r\nK=9\r\nn=1\r\n[ a ]\r\nk=2\r\nn=3\r\n");
    QTest::newRow("a new section, then more of it")
        << QByteArray("x=0") << QStringList{"S|a|1", "s|b|2", "S|A|3"}
        << QByteArray("x=0\r\n[S]\r\nA=3\r\nb=2\r\n");
    QTest::newRow("a key that begins a section line")
        << QByteArray("[A]\nx=1\n[B]\ny=2") << QStringList{"A|[C|1", "B|y|3", "A|z|4", "C=1|q|5"}
        << QByteArray("[A]\r\nx=1\r\nz=4\r\n[C=1\r\nq=5\r\n[B]\r\ny=3\r\n");
    QTest::newRow("comment keys and keys with '=' are never found")
        << QByteArray("[A]") << QStringList{"A|;k|1", "A|;k|2", "A|a=b|1", "A|a=b|2", "A|a|3"}
        << QByteArray("[A]\r\n;k=1\r\n;k=2\r\na=3\r\na=b=2\r\n");
    QTest::newRow("lines before the first section belong to none")
        << QByteArray("x=1\n[A]") << QStringList{"A|x|2"} << QByteArray("x=1\r\n[A]\r\nx=2\r\n");
}

void FilesTest::profileWritesWhereAScanFromTheTopWould() {
    QFETCH(QByteArray, text);
    QFETCH(QStringList, writes);
    QFETCH(QByteArray, saved);
    ProfileFile file("unused.ini", text.toStdString());
    for (const QString& write : writes) {
        const QStringList parts = write.split('|');
        file.WriteString(parts[0].toStdString(), parts[1].toStdString(), parts[2].toStdString());
    }
    QCOMPARE(QByteArray::fromStdString(file.Text()), saved);
}

void FilesTest::settingsAmongManyForeignLines_data() {
    QTest::addColumn<int>("lines");
    QTest::newRow("1 000") << 1000;
    QTest::newRow("10 000") << 10000;
    QTest::newRow("100 000") << 100000;
}

// Another program's entries before, between and after ours: every value is
// found and every foreign line stays where it was. (bench_profile times it.)
void FilesTest::settingsAmongManyForeignLines() {
    QFETCH(int, lines);
    const ParameterSet saved = VariedSet();
    WindowState state;
    state.language = 2;
    // A folder as the target refuses each save: the text is all that is wanted here.
    const QTemporaryDir dir;
    ProfileFile ours(dir.path().toStdString(), "");
    QVERIFY(!SaveSettings(ours, state, saved.ignition, saved.injection));
    std::string foreign;
    for (int i = 0; i < lines / 2; ++i)
        foreign += "Entry" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    std::string text = "[OTHER]\r\n" + foreign + ours.Text();
    text.insert(text.find("[JET]"), "[MORE]\r\n" + foreign);

    ProfileFile file(dir.path().toStdString(), text);
    WindowState loaded;
    ParameterSet set = DefaultSet();
    LoadSettings(file, loaded, set.ignition, set.injection);
    QVERIFY(loaded == state);
    QVERIFY(set.ignition == saved.ignition && set.injection == saved.injection);

    set.injection.JET[99] ^= 1;  // as many digits as before
    QVERIFY(!SaveSettings(file, loaded, set.ignition, set.injection));
    const std::string written = file.Text();
    QCOMPARE(written.size(), text.size());
    const std::string cell = "\r\nJET9_9=" + std::to_string(set.injection.JET[99]) + "\r\n";
    QVERIFY(written.find(cell) != std::string::npos);
    QVERIFY(written.compare(0, written.find("[JET]"), text, 0, text.find("[JET]")) == 0);
}

void FilesTest::settingsFirstRun() {
    QTemporaryDir dir;
    const ProfileFile file(Path(dir, "ZIR_OVI.ini"));
    WindowState state;
    ParameterSet set = DefaultSet();
    LoadSettings(file, state, set.ignition, set.injection);
    QVERIFY(state == WindowState{});
    QCOMPARE(state.left, 219);
    QCOMPARE(state.top, 117);
    QCOMPARE(state.page, 1);
    QVERIFY(set == DefaultSet());
}

void FilesTest::settingsRoundTrip() {
    QTemporaryDir dir;
    WindowState state;
    state.left = -40;
    state.top = 3000;
    state.useCom2 = 1;
    state.language = 2;
    state.fileLabel = "/home/tuner/sets/race.ign";
    state.parameterFilePath = "/home/tuner/sets/last one.ign";
    state.page = 4;
    state.zobrazeni = 77;
    state.com1Port = "simulator";
    state.com2Port = "/dev/ttyUSB0";
    const ParameterSet saved = VariedSet();
    ProfileFile out(Path(dir, "ZIR_OVI.ini"));
    QVERIFY(SaveSettings(out, state, saved.ignition, saved.injection));

    const ProfileFile in(Path(dir, "ZIR_OVI.ini"));
    WindowState loaded;
    ParameterSet set = DefaultSet();
    LoadSettings(in, loaded, set.ignition, set.injection);
    QVERIFY(loaded == state);
    QVERIFY(set.ignition == saved.ignition);
    QVERIFY(set.injection == saved.injection);
}

void FilesTest::settingsLayout() {
    QTemporaryDir dir;
    ProfileFile file((dir.path() + "/ZIR_OVI.ini").toStdString(), "");
    WindowState state;
    state.page = 5;
    ParameterSet set = DefaultSet();
    set.injection.AIR[4] = 84;
    QVERIFY(SaveSettings(file, state, set.ignition, set.injection));
    const QList<QByteArray> lines = QByteArray::fromStdString(file.Text()).split('\n');
    QCOMPARE(lines.size(), 1 + 9 + 59 + 131 + 20 + 3);
    const QByteArray head = lines.mid(0, 11).join('\n');
    QCOMPARE(head,
             QByteArray("[FORM_HLAV]\r\nLeft=219\r\nTop=117\r\nCom2=0\r\nLanguage=0\r\nFile=\r\nIniDir=\r\n"
                        "ActivePage =5\r\nZobrazeni=0\r\n[IGNITION]\r\nRpmKrivkaA1=10\r"));
    QCOMPARE(lines[9 + 40 + 1], QByteArray("Klicovani=0\r"));
    QCOMPARE(lines[9 + 58], QByteArray("Rpm2Krat=0\r"));
    QCOMPARE(lines[9 + 59], QByteArray("[JET]\r"));
    QCOMPARE(lines[9 + 59 + 1 + 12], QByteArray("JET1_2=100\r"));
    QCOMPARE(lines[9 + 59 + 1 + 100], QByteArray("Poloha0=124\r"));
    QCOMPARE(lines[9 + 59 + 1 + 129], QByteArray("RPM_JET_9=160\r"));
    QCOMPARE(lines[9 + 59 + 131], QByteArray("[JET2]\r"));
    QCOMPARE(lines[9 + 59 + 131 + 10], QByteArray("VODA_10=150\r"));
    QCOMPARE(lines[9 + 59 + 131 + 19], QByteArray("VZDUCH110=84\r"));
    QCOMPARE(lines[9 + 59 + 131 + 20], QByteArray("[PORTS]\r"));
}

void FilesTest::settingsStoredValues_data() {
    QTest::addColumn<QByteArray>("entries");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("rpm");
    QTest::addColumn<int>("com2");
    QTest::newRow("page 0") << QByteArray("ActivePage=0") << 1 << 10 << 0;
    QTest::newRow("page 7") << QByteArray("ActivePage=7") << 1 << 10 << 0;
    QTest::newRow("page 258") << QByteArray("ActivePage=258") << 2 << 10 << 0;
    QTest::newRow("page 5 as written") << QByteArray("ActivePage =5") << 5 << 10 << 0;
    QTest::newRow("page not a number") << QByteArray("ActivePage=three") << 1 << 10 << 0;
    QTest::newRow("rpm 300") << QByteArray("[IGNITION]\nRpmKrivkaA1=300") << 1 << 44 << 0;
    QTest::newRow("rpm -1") << QByteArray("[IGNITION]\nRpmKrivkaA1=-1") << 1 << 255 << 0;
    QTest::newRow("com2 256") << QByteArray("Com2=256") << 1 << 10 << 0;
    QTest::newRow("com2 7") << QByteArray("Com2=7") << 1 << 10 << 7;
}

void FilesTest::settingsStoredValues() {
    QFETCH(QByteArray, entries);
    QFETCH(int, page);
    QFETCH(int, rpm);
    QFETCH(int, com2);
    const ProfileFile file("unused.ini", "[FORM_HLAV]\n" + entries.toStdString());
    WindowState state;
    state.page = 3;  // the page always comes from the file, 1 when missing
    ParameterSet set = DefaultSet();
    LoadSettings(file, state, set.ignition, set.injection);
    QCOMPARE(state.page, page);
    QCOMPARE(int(set.ignition.RPM_A[0]), rpm);
    QCOMPARE(int(state.useCom2), com2);
}

void FilesTest::settingsWithoutJetSection() {
    QTemporaryDir dir;
    ProfileFile full((dir.path() + "/ZIR_OVI.ini").toStdString(), "");
    WindowState state;
    state.language = 1;
    const ParameterSet saved = VariedSet();
    QVERIFY(SaveSettings(full, state, saved.ignition, saved.injection));
    std::string text = full.Text();
    const std::size_t from = text.find("[JET]");
    text.erase(from, text.find("[JET2]") - from);

    WindowState loaded;
    ParameterSet set = DefaultSet();
    LoadSettings(ProfileFile("unused.ini", text), loaded, set.ignition, set.injection);
    ParameterSet expected = saved;
    expected.injection.JET = DefaultSet().injection.JET;
    expected.injection.POLOHA = DefaultSet().injection.POLOHA;
    expected.injection.KOR_23 = DefaultSet().injection.KOR_23;
    expected.injection.RPM_JET = DefaultSet().injection.RPM_JET;
    QVERIFY(set.ignition == expected.ignition);
    QVERIFY(set.injection == expected.injection);
    QCOMPARE(int(loaded.language), 1);
}

void FilesTest::settingsFailedSaveKeepsFile() {
    QTemporaryDir dir;
    const fs::path path = Path(dir, "ZIR_OVI.ini");
    const std::string before = "[FORM_HLAV]\r\nLeft=5\r\n[Mine]\r\nKeep=1\r\n";
    Spit(path, before);
    ProfileFile file(path);
    const ParameterSet set = DefaultSet();
    IGN_SKIP_WITHOUT_FILE_SIZE_LIMIT();
    {
        FileSizeLimit limit(1000);
        QVERIFY(!SaveSettings(file, WindowState{}, set.ignition, set.injection));
    }
    QCOMPARE(Slurp(path), before);
    QCOMPARE(FileCount(path.parent_path()), 1);
    QCOMPARE(QString::fromStdString(SettingsWriteErrorText(file)),
             "Unable to write to " + QString::fromStdString(path.string()));

    QVERIFY(SaveSettings(file, WindowState{}, set.ignition, set.injection));
    QVERIFY(Slurp(path).find("[Mine]\r\nKeep=1\r\n") != std::string::npos);

    fs::create_directory(Path(dir, "folder.ini"));
    ProfileFile folder(Path(dir, "folder.ini"));
    QVERIFY(!SaveSettings(folder, WindowState{}, set.ignition, set.injection));
}

void FilesTest::settingsLocation() {
    QTemporaryDir dir;
    const fs::path config = Path(dir, "config");
    const fs::path path = SettingsFilePath(config);
    QCOMPARE(QString::fromStdString(path.string()),
             QString::fromStdString((config / "ignition-programmer" / "ZIR_OVI.ini").string()));

    const fs::path legacy = Path(dir, "ZIR_OVI.ini");
    Spit(legacy, "[FORM_HLAV]\r\nLeft=5\r\n");
    ProfileFile first = OpenSettingsFile(path, legacy);
    QCOMPARE(first.ReadInteger("FORM_HLAV", "Left", 0), 5);
    first.WriteInteger("FORM_HLAV", "Left", 6);
    QVERIFY(first.Save());  // makes the folder
    QCOMPARE(Slurp(legacy), std::string("[FORM_HLAV]\r\nLeft=5\r\n"));
    QCOMPARE(OpenSettingsFile(path, legacy).ReadInteger("FORM_HLAV", "Left", 0), 6);
}

void FilesTest::titleBarOnAScreen_data() {
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<bool>("visible");
    const QRect first(0, 0, 1280, 1024);
    const QRect second(1280, 0, 1920, 1080);  // to the right, and taller
    QTest::newRow("on the screen") << QPoint(219, 117) << QList{first} << true;
    QTest::newRow("half off to the left") << QPoint(-400, 300) << QList{first} << true;
    QTest::newRow("one pixel of it at the right") << QPoint(1279, 300) << QList{first} << true;
    QTest::newRow("just past the right edge") << QPoint(1280, 300) << QList{first} << false;
    QTest::newRow("title bar in part above") << QPoint(100, -19) << QList{first} << true;
    QTest::newRow("title bar wholly above") << QPoint(100, -20) << QList{first} << false;
    QTest::newRow("wholly off") << QPoint(-30000, -30000) << QList{first} << false;
    QTest::newRow("on the second screen") << QPoint(2000, 500) << QList{first, second} << true;
    QTest::newRow("second screen gone") << QPoint(2000, 500) << QList{first} << false;
    QTest::newRow("below the first, on the taller second")
        << QPoint(1300, 1040) << QList{first, second} << true;
    QTest::newRow("below both") << QPoint(1300, 1080) << QList{first, second} << false;
    QTest::newRow("at the end of the integers") << QPoint(INT_MAX, INT_MIN) << QList{first} << false;
    QTest::newRow("no screen to judge by") << QPoint(-30000, -30000) << QList<QRect>{} << true;
}

void FilesTest::titleBarOnAScreen() {
    QFETCH(QPoint, position);
    QFETCH(QList<QRect>, screens);
    QFETCH(bool, visible);
    std::vector<Area> areas;
    for (const QRect& s : screens) areas.push_back({s.x(), s.y(), s.width(), s.height()});
    QCOMPARE(TitleBarOnAScreen(position.x(), position.y(), 667, 20, areas), visible);
}

// The window needs 804 x 502 inside a frame of 2 x 30; it would like to start at 219, 117.
void FilesTest::firstStartPlacement_data() {
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("placed");  // the frame's corner, the size inside it
    QTest::newRow("room from where it starts") << QRect(0, 0, 1366, 768) << QRect(219, 117, 804, 502);
    QTest::newRow("1280 x 1024 at 150 %: moved left") << QRect(0, 0, 853, 682) << QRect(47, 117, 804, 502);
    QTest::newRow("a low screen: moved up") << QRect(0, 0, 1366, 600) << QRect(219, 68, 804, 502);
    QTest::newRow("exactly its size") << QRect(10, 20, 806, 532) << QRect(10, 20, 804, 502);
    QTest::newRow("1366 x 768 at 200 %: takes the area") << QRect(0, 0, 683, 384) << QRect(0, 0, 681, 354);
    QTest::newRow("one pixel too low: takes the area") << QRect(0, 0, 1366, 531) << QRect(0, 0, 1364, 501);
}

void FilesTest::firstStartPlacement() {
    QFETCH(QRect, available);
    QFETCH(QRect, placed);
    const Area area = FirstStartPlacement(
        {available.x(), available.y(), available.width(), available.height()}, 804, 502, 2, 30, 219, 117);
    QCOMPARE(QRect(area.left, area.top, area.width, area.height), placed);
}

QTEST_GUILESS_MAIN(FilesTest)
#include "test_files.moc"
