// Restore points on disk and the differences between two sets.

#include "DefaultSets.h"
#include "DeviceImageCodec.h"
#include "DifferenceText.h"
#include "FileSizeLimit.h"
#include "HistorySettings.h"
#include "New.h"
#include "ParameterFile.h"
#include "RestorePointPolicy.h"
#include "RestorePointStore.h"
#include "SetDifferences.h"
#include "UnitMatch.h"

#include <QtTest>

#include <fstream>
#include <map>
#include <set>

using namespace ign;
namespace fs = std::filesystem;

namespace {

constexpr LocalTime kNow{2024, 3, 14, 9, 5, 7};

// The default set with the parameter-file text read over it.
ParameterSet DefaultSetWith(std::string_view fileText) {
    ParameterSet s = DefaultSet();
    ReadParameterFile(fileText, s.ignition, s.injection);
    return s;
}

fs::path Folder(const QTemporaryDir& dir) { return fs::path(dir.path().toStdString()) / "history"; }

std::set<std::string> FileNames(const fs::path& folder) {
    std::set<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        names.insert(entry.path().filename().string());
    return names;
}

void Touch(const fs::path& path) { std::ofstream(path, std::ios::binary) << "x"; }

QStringList Lines(const std::vector<Difference>& differences, Byte language) {
    QStringList lines;
    for (const Difference& d : differences)
        lines << QString::fromStdString(FormatDifference(d, DifferenceCaptionsFor(language)));
    return lines;
}

}  // namespace

class HistoryTest : public QObject {
    Q_OBJECT
private slots:
    void names_data();
    void names();
    void unitMadeSafe_data();
    void unitMadeSafe();
    void twoPointsInOneSecondKeepBoth();
    void identicalSetNotWrittenTwice();
    void failedWriteReportsAndKeepsFolder_data();
    void failedWriteReportsAndKeepsFolder();
    void retention_data();
    void retention();
    void leftoversAndForeignEntries();
    void settingsSection();

    void fourDifferencesInEachLanguage_data();
    void fourDifferencesInEachLanguage();
    void oneDifferenceLine_data();
    void oneDifferenceLine();
    void takeGivesBackTheOtherSet();

    void indicatorThroughTransfersAndEdits();
    void indicatorTexts();
    void restorePointsAtTheRightMoments();
    void failedRestorePointSaidOnce();
};

void HistoryTest::names_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("ours");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("sequence");
    QTest::addColumn<bool>("keep");
    QTest::newRow("plain") << "2024-03-14_09-05-07_read.ign" << true << "read"
                           << "" << 1 << false;
    QTest::newRow("unit") << "2024-03-14_09-05-07_program_SIM12.ign" << true << "program"
                          << "SIM12" << 1 << false;
    QTest::newRow("second of the same name")
        << "2024-03-14_09-05-07_before-read_SIM12-2.ign" << true << "before-read"
        << "SIM12" << 2 << false;
    // The reason's own dash is no sequence.
    QTest::newRow("dashed reason, no unit")
        << "2024-03-14_09-05-07_unit-before-program.ign" << true << "unit-before-program"
        << "" << 1 << false;
    QTest::newRow("keep after sequence") << "2024-03-14_09-05-07_close-12_keep.ign" << true << "close"
                                         << "" << 12 << true;
    QTest::newRow("user's own file") << "my tune.ign" << false << ""
                                     << "" << 0 << false;
    QTest::newRow("interrupted write") << "2024-03-14_09-05-07_read.ign.tmp-0a1b2c3d" << false << ""
                                       << "" << 0 << false;
    QTest::newRow("unknown reason") << "2024-03-14_09-05-07_backup.ign" << false << ""
                                    << "" << 0 << false;
    QTest::newRow("no such day") << "2024-02-30_09-05-07_read.ign" << false << ""
                                 << "" << 0 << false;
    QTest::newRow("sequence 1 is never written") << "2024-03-14_09-05-07_read-1.ign" << false << ""
                                                 << "" << 0 << false;
    QTest::newRow("blank in unit") << "2024-03-14_09-05-07_read_SIM 12.ign" << false << ""
                                   << "" << 0 << false;
}

void HistoryTest::names() {
    QFETCH(QString, file);
    QFETCH(bool, ours);
    const auto name = ParseRestorePointName(file.toStdString());
    QCOMPARE(name.has_value(), ours);
    if (!ours) return;
    QFETCH(QString, reason);
    QFETCH(QString, unit);
    QFETCH(int, sequence);
    QFETCH(bool, keep);
    QCOMPARE(name->time, kNow);
    QCOMPARE(QString::fromUtf8(ReasonText(name->reason)), reason);
    QCOMPARE(QString::fromStdString(name->unit), unit);
    QCOMPARE(name->sequence, sequence);
    QCOMPARE(name->keep, keep);
    QCOMPARE(QString::fromStdString(FormatRestorePointName(*name)), file);
}

void HistoryTest::unitMadeSafe_data() {
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QString>("safe");
    QTest::newRow("as read") << QByteArray("SIM12") << "SIM12";
    QTest::newRow("blanks at the ends") << QByteArray(" V1.0 ") << "V1.0";
    QTest::newRow("separators and path characters") << QByteArray("a_b-c/..\\d") << "a.b.c....d";
    QTest::newRow("control and 8-bit bytes") << QByteArray("\x01\xb0z99", 5) << "..z99";
    QTest::newRow("nothing but blanks") << QByteArray("     ") << "";
    QTest::newRow("the keep mark's word") << QByteArray("keep") << "keep.";
}

void HistoryTest::unitMadeSafe() {
    QFETCH(QByteArray, version);
    QFETCH(QString, safe);
    const std::string made = SafeUnitName(version.toStdString());
    QCOMPARE(QString::fromStdString(made), safe);
    // Whatever the unit says, the name reads back as ours, with that unit and the same mark.
    for (const RestorePointName& point : {RestorePointName{kNow, RestoreReason::Read, made, 2, true},
                                          RestorePointName{kNow, RestoreReason::Read, made, 1, false}}) {
        const auto name = ParseRestorePointName(FormatRestorePointName(point));
        QVERIFY(name.has_value());
        QCOMPARE(*name == point, true);
    }
}

void HistoryTest::twoPointsInOneSecondKeepBoth() {
    QTemporaryDir dir;
    RestorePointStore store(Folder(dir));
    const ParameterSet first = DefaultSet();
    const ParameterSet second = DefaultSetWith("OMEZ1 11000");
    const ParameterSet third = DefaultSetWith("OMEZ1 12000");

    QCOMPARE(store.Write(first, RestoreReason::Read, "SIM12", kNow).status, HistoryStatus::Written);
    const HistoryResult two = store.Write(second, RestoreReason::Read, "SIM12", kNow);
    QCOMPARE(two.status, HistoryStatus::Written);
    QCOMPARE(two.path.filename().string(), std::string("2024-03-14_09-05-07_read_SIM12-2.ign"));

    // A point marked keep still holds its name: the next one of that second goes after it.
    RestorePointList list = store.List();
    QCOMPARE(list.points.size(), std::size_t{2});
    QVERIFY(!store.SetKeep(list.points[1], true).failed());
    QCOMPARE(store.Write(third, RestoreReason::Read, "SIM12", kNow).status, HistoryStatus::Written);

    list = store.List();
    QVERIFY(list.error.empty());
    QCOMPARE(list.points.size(), std::size_t{3});
    const std::vector<std::string> expected{"2024-03-14_09-05-07_read_SIM12-3.ign",
                                            "2024-03-14_09-05-07_read_SIM12-2.ign",
                                            "2024-03-14_09-05-07_read_SIM12_keep.ign"};
    const std::vector<ParameterSet> sets{third, second, first};
    for (std::size_t i = 0; i < 3; ++i) {
        QCOMPARE(list.points[i].path.filename().string(), expected[i]);
        ParameterSet loaded;
        QVERIFY(LoadParameterFile(list.points[i].path, loaded));
        QCOMPARE(WriteParameterFile(loaded), WriteParameterFile(sets[i]));
    }
    // Unmarking gives the old name back; marking onto an existing name is refused.
    const HistoryResult unmarked = store.SetKeep(list.points[2], false);
    QCOMPARE(unmarked.path.filename().string(), std::string("2024-03-14_09-05-07_read_SIM12.ign"));
    Touch(Folder(dir) / "2024-03-14_09-05-07_read_SIM12-2_keep.ign");
    QVERIFY(store.SetKeep(list.points[1], true).failed());
    QVERIFY(fs::exists(list.points[1].path));
}

void HistoryTest::identicalSetNotWrittenTwice() {
    QTemporaryDir dir;
    RestorePointStore store(Folder(dir));
    const ParameterSet a = DefaultSet();
    const ParameterSet b = DefaultSetWith("NA 9000");
    const LocalTime later{2024, 3, 14, 9, 6, 0};

    const HistoryResult first = store.Write(a, RestoreReason::Close, "", kNow);
    const HistoryResult again = store.Write(a, RestoreReason::Close, "", later);
    QCOMPARE(again.status, HistoryStatus::Unchanged);
    QCOMPARE(again.path, first.path);
    QCOMPARE(FileNames(Folder(dir)).size(), std::size_t{1});
    // Another reason, or a newest point that differs, is written.
    QCOMPARE(store.Write(a, RestoreReason::Manual, "", later).status, HistoryStatus::Written);
    QCOMPARE(store.Write(b, RestoreReason::Close, "", later).status, HistoryStatus::Written);
    QCOMPARE(store.Write(a, RestoreReason::Close, "", later).status, HistoryStatus::Written);
    QCOMPARE(FileNames(Folder(dir)).size(), std::size_t{4});
}

void HistoryTest::failedWriteReportsAndKeepsFolder_data() {
    QTest::addColumn<bool>("folderIsAFile");
    QTest::newRow("a file where the folder should be") << true;
    QTest::newRow("disk full") << false;
}

void HistoryTest::failedWriteReportsAndKeepsFolder() {
    QFETCH(bool, folderIsAFile);
    if (!folderIsAFile) IGN_SKIP_WITHOUT_FILE_SIZE_LIMIT();
    QTemporaryDir dir;
    const fs::path folder = Folder(dir);
    RestorePointStore store(folder);
    if (folderIsAFile) {
        Touch(folder);
    } else {
        QCOMPARE(store.Write(DefaultSet(), RestoreReason::Read, "", kNow).status, HistoryStatus::Written);
    }
    const std::set<std::string> before = folderIsAFile ? std::set<std::string>{} : FileNames(folder);

    HistoryResult result;
    {
        FileSizeLimit limit(1000);
        result = store.Write(DefaultSetWith("NA 9000"), RestoreReason::Read, "", {2024, 3, 14, 9, 5, 8});
    }
    QCOMPARE(result.status, HistoryStatus::Failed);
    QVERIFY2(!result.error.empty(), result.error.c_str());
    if (folderIsAFile) {
        QVERIFY(fs::is_regular_file(folder));
        QVERIFY(store.List().points.empty());
    } else {
        QCOMPARE(FileNames(folder), before);  // no part-written point, no temporary file
    }
}

void HistoryTest::retention_data() {
    QTest::addColumn<int>("keepDays");
    QTest::addColumn<int>("keepCount");
    QTest::addColumn<QStringList>("deleted");
    // At 2024-06-30 12:00:00; one point a second past 30 days, one exactly at them.
    QTest::newRow("by age") << 30 << 0 << QStringList{"older", "january"};
    QTest::newRow("by count") << 0 << 4 << QStringList{"january"};
    QTest::newRow("only keep and the future stay")
        << 0 << 0 << QStringList{"yesterday", "30 days", "older", "january"};
    QTest::newRow("defaults") << 30 << 200 << QStringList{};
}

void HistoryTest::retention() {
    QFETCH(int, keepDays);
    QFETCH(int, keepCount);
    QFETCH(QStringList, deleted);
    const std::map<QString, std::string> points{
        {"future", "2030-01-01_00-00-00_manual.ign"},
        {"yesterday", "2024-06-29_12-00-00_read_SIM12.ign"},
        {"30 days", "2024-05-31_12-00-00_close.ign"},
        {"older", "2024-05-31_11-59-59_close.ign"},
        {"january", "2024-01-01_08-00-00_before-open.ign"},
        {"january, keep", "2024-01-01_08-00-00_before-new_keep.ign"},
    };
    QTemporaryDir dir;
    const fs::path folder = Folder(dir);
    fs::create_directories(folder);
    for (const auto& [label, file] : points) Touch(folder / file);
    Touch(folder / "notes.txt");

    RestorePointStore store(folder, {keepDays, keepCount});
    const RetentionResult result = store.ApplyRetention({2024, 6, 30, 12, 0, 0});
    QVERIFY(result.error.empty());
    QCOMPARE(result.deleted, static_cast<int>(deleted.size()));
    std::set<std::string> expected{"notes.txt"};
    for (const auto& [label, file] : points)
        if (!deleted.contains(label)) expected.insert(file);
    QCOMPARE(FileNames(folder), expected);

    // A write applies the rules too, and never to the point it has just written.
    store.SetRules({0, 0});
    const HistoryResult written =
        store.Write(DefaultSet(), RestoreReason::Manual, "", {2024, 6, 30, 12, 0, 0});
    QCOMPARE(FileNames(folder),
             (std::set<std::string>{"notes.txt", points.at("future"), points.at("january, keep"),
                                    written.path.filename().string()}));
}

// What a killed write left (a temporary of a point) goes once it is older
// than ten minutes; what is no regular file is never listed nor deleted,
// however it is named.
void HistoryTest::leftoversAndForeignEntries() {
    QTemporaryDir dir;
    const fs::path folder = Folder(dir);
    fs::create_directories(folder / "2024-01-01_08-00-01_before-open.ign");
    Touch(folder / "2024-01-01_08-00-01_before-open.ign" / "inside");
    fs::create_directories(folder / "2024-01-01_08-00-00_before-open.ign");
    const auto now = fs::file_time_type::clock::now();
    const std::map<std::string, std::chrono::minutes> temporaries{
        {"2024-03-14_09-05-06_close.ign.tmp-0a1b2c3d", std::chrono::minutes(20)},
        {"2024-03-14_09-05-06_read.ign.tmp-00000001", std::chrono::minutes(5)},
        {"notes.txt.tmp-0a1b2c3d", std::chrono::minutes(20)},
    };
    for (const auto& [name, age] : temporaries) {
        Touch(folder / name);
        fs::last_write_time(folder / name, now - age);
    }
    RestorePointStore store(folder, {0, 0});
    QVERIFY(store.List().points.empty());
    const HistoryResult written = store.Write(DefaultSet(), RestoreReason::Manual, "", kNow);
    QVERIFY(!written.failed());
    QCOMPARE(
        FileNames(folder),
        (std::set<std::string>{"2024-01-01_08-00-00_before-open.ign", "2024-01-01_08-00-01_before-open.ign",
                               "2024-03-14_09-05-06_read.ign.tmp-00000001", "notes.txt.tmp-0a1b2c3d",
                               written.path.filename().string()}));
    QCOMPARE(store.ApplyRetention(kNow).error, std::string());
    QVERIFY(fs::exists(folder / "2024-01-01_08-00-01_before-open.ign" / "inside"));
}

void HistoryTest::settingsSection() {
    ProfileFile file("unused.ini", "[FORM_HLAV]\nLeft=5\n[HISTORY]\nKeepDays=-3\nKeepCount=50\n");
    HistorySettings settings;
    LoadHistorySettings(file, settings);
    QCOMPARE(settings.retention, (RetentionRules{30, 50}));  // a negative number of days is ignored
    QVERIFY(!settings.readBeforeProgram);
    settings.readBeforeProgram = true;
    StoreHistorySettings(file, settings);
    QCOMPARE(QByteArray::fromStdString(file.Text()),
             QByteArray("[FORM_HLAV]\r\nLeft=5\r\n[HISTORY]\r\nKeepDays=30\r\nKeepCount=50\r\n"
                        "ReadBeforeProgram=1\r\n"));
    QCOMPARE(HistoryFolder("/data"), fs::path("/data/ignition-programmer/history"));
}

void HistoryTest::fourDifferencesInEachLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("English") << 0
                             << QStringList{"Gas enable: off → on",
                                            "Injection map, point 10: 16 000 rpm → 17 000 rpm",
                                            "Injection map, 40 % × 8 000 rpm: 100 % → 108 %",
                                            "TPS, 100 %: 4 030 mV → 4 100 mV"};
    QTest::newRow("Czech") << 1
                           << QStringList{"Plyn povolen: vypnuto → zapnuto",
                                          "Vstřikovací mapa, bod 10: 16 000 rpm → 17 000 rpm",
                                          "Vstřikovací mapa, 40 % × 8 000 rpm: 100 % → 108 %",
                                          "TPS, 100 %: 4 030 mV → 4 100 mV"};
    QTest::newRow("German") << 2
                            << QStringList{"Gemisch zugelast: aus → ein",
                                           "Einspritzkennfeld, Punkt 10: 16 000 rpm → 17 000 rpm",
                                           "Einspritzkennfeld, 40 % × 8 000 rpm: 100 % → 108 %",
                                           "TPS, 100 %: 4 030 mV → 4 100 mV"};
}

void HistoryTest::fourDifferencesInEachLanguage() {
    QFETCH(int, language);
    QFETCH(QStringList, lines);
    const ParameterSet b = DefaultSetWith(
        "GAS 1 RPM_JET 1000 2000 3000 4000 6000 8000 10000 12000 14000 17000 "
        "JET_40 100 100 100 100 100 108 TPS 650 4100");
    const auto differences = FindDifferences(DefaultSet(), b);
    QCOMPARE(Lines(differences, static_cast<Byte>(language)), lines);
    QCOMPARE(differences[2].param, Param::JET);
    QCOMPARE(differences[2].point, 45);
    QCOMPARE(differences[2].position, (PointPosition{8000, 40, {}, {}}));
}

void HistoryTest::oneDifferenceLine_data() {
    QTest::addColumn<QByteArray>("change");
    QTest::addColumn<QString>("line");
    QTest::newRow("curve A advance") << QByteArray("ADV_A 13 14 20 28 33") << "Curve A, 6 000 rpm: 31° → 33°";
    QTest::newRow("curve B advance at its own speed")
        << QByteArray("RPM_B 1000 2000 3000 4000 6000 8500 ADV_B 13 14 20 28 31 35")
        << "Curve B, point 6: 8 000 rpm → 8 500 rpm|Curve B, 8 000 rpm: 33° → 35°";
    QTest::newRow("limiter D") << QByteArray("OMEZ_D 32000") << "Limiter D: 30 000 rpm/s → 32 000 rpm/s";
    QTest::newRow("machine") << QByteArray("KEYING 3") << "Keying system: Aprilia MILE → Kawasaki ZX12 R";
    QTest::newRow("machine off the list") << QByteArray("KEYING 9") << "Keying system: Aprilia MILE → 9";
    QTest::newRow("activation flag") << QByteArray("BLOK 0") << "Act. by closing, Blocking: on → off";
    QTest::newRow("trigger width") << QByteArray("PALEC 80") << "Width of triger: 75° → 80°";
    QTest::newRow("position of") << QByteArray("POLOHA_PRO 2") << "Position of: Centre → End";
    QTest::newRow("injection position")
        << QByteArray("POLOHA 375") << "Position of Injection, 1 000 rpm: 372° → 375°";
    QTest::newRow("water") << QByteArray("WATER 150 140") << "Water Temperature, 20 °C: 138 % → 140 %";
    QTest::newRow("air below zero") << QByteArray("AIR 125") << "Air Temperature, -10 °C: 121 % → 125 %";
    QTest::newRow("acceleration period")
        << QByteArray("ACCEL 600 60") << "Acceleration, Perioda přístřiku: 50 ms → 60 ms";
    QTest::newRow("dead time") << QByteArray("DEAD_TIME 1000") << "Dead Injection Time: 850 µs → 1 000 µs";
    QTest::newRow("cooling") << QByteArray("CHLAZENI 85") << "Cooling: 90 °C → 85 °C";
    QTest::newRow("TPS 0") << QByteArray("TPS 700") << "TPS, 0 %: 650 mV → 700 mV";
    QTest::newRow("a flag the unit left as its bit is still on") << QByteArray("") << "";
}

void HistoryTest::oneDifferenceLine() {
    QFETCH(QByteArray, change);
    QFETCH(QString, line);
    ParameterSet a = DefaultSet();
    a.ignition.EXCITATION = 0x40;
    a.ignition.BLOK = 0x08;
    const QStringList lines = Lines(FindDifferences(a, DefaultSetWith(change.toStdString())), 0);
    QCOMPARE(lines.join('|'), line);
}

void HistoryTest::takeGivesBackTheOtherSet() {
    ParameterSet a = DefaultSet();
    ParameterSet b = DefaultSet();
    b.ignition.KEYING = 4;
    ApplyMachineDefaults(b);
    b.injection.JET[37] = 131;
    PackDeviceImage(a);
    const DeviceImage image = a.image;

    const auto differences = FindDifferences(a, b);
    QVERIFY(differences.size() > 20);
    ParameterSet one = a;
    TakeDifference(one, differences[5]);
    std::vector<Difference> rest = differences;
    rest.erase(rest.begin() + 5);
    QCOMPARE(FindDifferences(one, b), rest);

    TakeDifferences(a, differences);
    QCOMPARE(a.ignition, b.ignition);
    QCOMPARE(a.injection, b.injection);
    QCOMPARE(a.image, image);  // the blocks only: the owner packs when it sends
    QVERIFY(FindDifferences(a, b).empty());
}

// The window's set through a session, with what the indicator says after each event.
void HistoryTest::indicatorThroughTransfersAndEdits() {
    // What a Read delivers: the flags as the bit masks unpacking leaves.
    ParameterSet read = DefaultSetWith("GAS 1 BLOK 1 JET_0 120");
    PackDeviceImage(read);
    UnpackDeviceImage(read);
    QVERIFY(read.ignition.GasEnable > 1 && read.ignition.BLOK > 1);
    const ParameterSet file = DefaultSetWith("JET_0 90");

    ParameterSet window = DefaultSet();
    UnitMatchIndicator indicator(window);
    auto change = [&](auto edit) {
        edit(window);
        indicator.windowChanged(window);
    };
    using U = UnitMatch;
    struct Step {
        const char* event;
        std::function<void()> happen;
        UnitMatch state;
        bool differsFromFile;
    };
    const std::vector<Step> steps{
        {"start", [] {}, U::UnitNotChecked, false},
        {"an edit before any check", [&] { change([](ParameterSet& s) { s.injection.JET[5] = 99; }); },
         U::UnitNotChecked, false},
        {"Read",
         [&] {
             change([&](ParameterSet& s) { s = read; });
             indicator.unitHolds(read);
         },
         U::UnitEqualsWindow, false},
        {"an edit cycle turns the masks into 1",
         [&] { change([](ParameterSet& s) { s.ignition.GasEnable = s.ignition.BLOK = 1; }); },
         U::UnitEqualsWindow, false},
        {"an edit", [&] { change([](ParameterSet& s) { ++s.injection.JET[0]; }); }, U::ChangedSinceProgram,
         false},
        {"the edit undone", [&] { change([](ParameterSet& s) { --s.injection.JET[0]; }); },
         U::UnitEqualsWindow, false},
        {"Open",
         [&] {
             change([&](ParameterSet& s) { s = file; });
             indicator.fileMatches(file);
         },
         U::ChangedSinceProgram, false},
        {"an edit after Open", [&] { change([](ParameterSet& s) { s.injection.JET[1] = 130; }); },
         U::ChangedSinceProgram, true},
        {"Program with its Verify OK", [&] { indicator.unitHolds(window); }, U::UnitEqualsWindow, true},
        {"Save", [&] { indicator.fileMatches(window); }, U::UnitEqualsWindow, false},
        {"Verify error!", [&] { indicator.unitUnknown(); }, U::UnitNotChecked, false},
        {"Verify OK", [&] { indicator.unitHolds(window); }, U::UnitEqualsWindow, false},
        {"a live adjustment", [&] { change([](ParameterSet& s) { ++s.injection.JET[3]; }); },
         U::ChangedSinceProgram, true},
        {"its programming fails", [&] { indicator.unitUnknown(); }, U::UnitNotChecked, true},
        {"Read again",
         [&] {
             change([&](ParameterSet& s) { s = read; });
             indicator.unitHolds(read);
         },
         U::UnitEqualsWindow, true},
        {"another port", [&] { indicator.unitUnknown(); }, U::UnitNotChecked, true},
        {"a Verify that found other bytes", [&] { indicator.unitDiffers(); }, U::UnitDiffers, true},
        {"an edit after it", [&] { change([](ParameterSet& s) { ++s.injection.JET[4]; }); }, U::UnitDiffers,
         true},
        {"a Read leaves no file", [&] { indicator.noFile(); }, U::UnitDiffers, false},
        {"Program with its Verify OK again", [&] { indicator.unitHolds(window); }, U::UnitEqualsWindow,
         false},
    };
    for (const Step& step : steps) {
        step.happen();
        QVERIFY2(indicator.state() == step.state, step.event);
        QVERIFY2(indicator.differsFromFile() == step.differsFromFile, step.event);
    }
}

void HistoryTest::indicatorTexts() {
    QCOMPARE(UnitMatchText(UnitMatch::UnitEqualsWindow, 0), std::string_view("Unit = window"));
    QCOMPARE(UnitMatchText(UnitMatch::ChangedSinceProgram, 0),
             std::string_view("Changed since last Program"));
    QCOMPARE(UnitMatchText(UnitMatch::UnitNotChecked, 0), std::string_view("Unit not checked"));
    QCOMPARE(UnitMatchText(UnitMatch::UnitDiffers, 0), std::string_view("Unit differs"));
    for (Byte language = 1; language < 3; ++language) {
        std::set<std::string_view> texts{DiffersFromFileText(language), RestorePointFailedText(language)};
        for (UnitMatch state : {UnitMatch::UnitEqualsWindow, UnitMatch::ChangedSinceProgram,
                                UnitMatch::UnitNotChecked, UnitMatch::UnitDiffers})
            texts.insert(UnitMatchText(state, language));
        QCOMPARE(texts.size(), std::size_t{6});
        QVERIFY(!texts.count(std::string_view()));
        QVERIFY(!texts.count(UnitMatchText(UnitMatch::UnitNotChecked, 0)));
    }
}

// The policy through a session: each event's point, its set and unit; before-live once per Read, Program,
// Open.
void HistoryTest::restorePointsAtTheRightMoments() {
    auto set = [](int marker) {
        ParameterSet s = DefaultSet();
        s.ignition.OMEZ1 = Byte(marker);
        return s;
    };
    using R = RestoreReason;
    using P = RestorePointPolicy;
    struct Step {
        const char* event;
        P::Request (*happen)(P&, const ParameterSet&);
        std::optional<RestoreReason> reason;
        const char* unit;
    };
    const std::vector<Step> steps{
        {"a live adjustment at start", [](P& p, const ParameterSet& s) { return p.beforeLive(s); }, {}, ""},
        {"manual", [](P& p, const ParameterSet& s) { return p.manual(s); }, R::Manual, ""},
        {"before a Read lands", [](P& p, const ParameterSet& s) { return p.beforeRead(s); }, R::BeforeRead,
         ""},
        {"the Read", [](P& p, const ParameterSet& s) { return p.readCompleted(s, "V1.23"); }, R::Read,
         "V1.23"},
        {"first live after the Read", [](P& p, const ParameterSet& s) { return p.beforeLive(s); },
         R::BeforeLive, "V1.23"},
        {"second live", [](P& p, const ParameterSet& s) { return p.beforeLive(s); }, {}, ""},
        {"before Open", [](P& p, const ParameterSet& s) { return p.beforeOpen(s); }, R::BeforeOpen, "V1.23"},
        {"first live after Open", [](P& p, const ParameterSet& s) { return p.beforeLive(s); }, R::BeforeLive,
         "V1.23"},
        {"before New", [](P& p, const ParameterSet& s) { return p.beforeNew(s); }, R::BeforeNew, "V1.23"},
        {"live after New: New is no Read",
         [](P& p, const ParameterSet& s) { return p.beforeLive(s); },
         {},
         ""},
        {"before a restore", [](P& p, const ParameterSet& s) { return p.beforeRestore(s); }, R::BeforeRestore,
         "V1.23"},
        {"the unit before a Program",
         [](P& p, const ParameterSet& s) { return p.unitBeforeProgram(s, "V2.00"); }, R::UnitBeforeProgram,
         "V2.00"},
        {"the Program's first frame", [](P& p, const ParameterSet& s) { return p.programStarted(s); },
         R::Program, "V2.00"},
        {"first live after Program", [](P& p, const ParameterSet& s) { return p.beforeLive(s); },
         R::BeforeLive, "V2.00"},
        {"second live after Program", [](P& p, const ParameterSet& s) { return p.beforeLive(s); }, {}, ""},
        {"close", [](P& p, const ParameterSet& s) { return p.close(s); }, R::Close, "V2.00"},
    };
    RestorePointPolicy policy;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const ParameterSet window = set(int(10 + i));
        const P::Request request = steps[i].happen(policy, window);
        QVERIFY2(request.has_value() == steps[i].reason.has_value(), steps[i].event);
        if (!request) continue;
        QVERIFY2(request->reason == *steps[i].reason, steps[i].event);
        QVERIFY2(request->set == window, steps[i].event);
        QCOMPARE(request->unit, std::string(steps[i].unit));
    }
}

void HistoryTest::failedRestorePointSaidOnce() {
    RestorePointPolicy policy;
    const HistoryResult failed{HistoryStatus::Failed, {}, "Cannot create folder"};
    QVERIFY(policy.reportFailure(failed));
    QVERIFY(!policy.reportFailure(failed));
    QVERIFY(!policy.reportFailure({HistoryStatus::Unchanged, {}, {}}));
    QVERIFY(policy.reportFailure(failed));  // working again in between: a new failure is news
}

QTEST_GUILESS_MAIN(HistoryTest)
#include "test_history.moc"
