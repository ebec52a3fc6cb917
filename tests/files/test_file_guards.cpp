// Files that are not what they claim to be: pipes, devices, folders, links and
// sizes no real file reaches, and what interrupted saves leave behind.

#include "AtomicFile.h"
#include "BoundedRead.h"
#include "FileBytes.h"
#include "New.h"
#include "ParameterFile.h"
#include "Settings.h"
#include "SettingsLocation.h"

#include "PlatformSkips.h"

#include <QtTest>

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

#include <fstream>
#include <thread>

using namespace ign;
namespace fs = std::filesystem;

Q_DECLARE_METATYPE(ign::FileReadResult)

namespace {

// Makes `name` in `folder` as the kind says; returns its path.
fs::path Make(const fs::path& folder, const QString& kind, std::size_t size = 0) {
    const fs::path path = folder / "target";
    if (kind == "file") Spit(path, std::string(size, 'x'));
    if (kind == "folder") fs::create_directory(path);
#if !defined(_WIN32)
    if (kind == "pipe") ::mkfifo(path.c_str(), 0600);
#endif
    if (kind == "link to /dev/zero") fs::create_symlink("/dev/zero", path);
    if (kind == "dangling link") fs::create_symlink(folder / "nowhere", path);
    if (kind == "link to a file") {
        Spit(folder / "real", std::string(size, 'x'));
        fs::create_symlink(folder / "real", path);
    }
    return path;
}

// Kinds of file Windows cannot make: a case of one of them skips there.
#define IGN_SKIP_KIND_WINDOWS_HAS_NOT(kind)                                                          \
    do {                                                                                             \
        if ((kind) == "pipe") IGN_SKIP_ON_WINDOWS("no fifos");                                       \
        if ((kind) == "link to /dev/zero") IGN_SKIP_ON_WINDOWS("no /dev/zero");                      \
        if ((kind).contains("link")) IGN_SKIP_ON_WINDOWS("no symbolic links its C++ library makes"); \
    } while (false)

fs::path Folder(const QTemporaryDir& dir) { return fs::path(dir.path().toStdString()); }

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

class FileGuardsTest : public QObject {
    Q_OBJECT
private slots:
    void readsOnlyRegularFilesUpToTheLimit_data();
    void readsOnlyRegularFilesUpToTheLimit();
    void pipeGetsItsFirstByteOrIsSilent();
    void tooLargeSettingsAreSetAsideOnceBeforeSaving();
    void settingsThatAreNoFileStayAsTheyAre_data();
    void settingsThatAreNoFileStayAsTheyAre();
    void parameterFilesThatCannotBeOpened_data();
    void parameterFilesThatCannotBeOpened();
    void staleTemporaryFilesOfOursGo();
    void savesKeepTheTargetsPermissions();
};

void FileGuardsTest::readsOnlyRegularFilesUpToTheLimit_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("size");
    QTest::addColumn<FileReadResult>("result");
    QTest::newRow("missing") << "missing" << 0 << FileReadResult::Missing;
    QTest::newRow("dangling link") << "dangling link" << 0 << FileReadResult::Missing;
    QTest::newRow("folder") << "folder" << 0 << FileReadResult::NotAFile;
    QTest::newRow("pipe without a writer") << "pipe" << 0 << FileReadResult::NotAFile;
    QTest::newRow("link to /dev/zero") << "link to /dev/zero" << 0 << FileReadResult::NotAFile;
    QTest::newRow("at the limit") << "file" << 1000 << FileReadResult::Ok;
    QTest::newRow("one byte more") << "file" << 1001 << FileReadResult::TooLarge;
    QTest::newRow("link to a file") << "link to a file" << 1000 << FileReadResult::Ok;
    QTest::newRow("link to a large file") << "link to a file" << 1001 << FileReadResult::TooLarge;
}

void FileGuardsTest::readsOnlyRegularFilesUpToTheLimit() {
    QFETCH(QString, kind);
    IGN_SKIP_KIND_WINDOWS_HAS_NOT(kind);
    QFETCH(int, size);
    QFETCH(FileReadResult, result);
    QTemporaryDir dir;
    const fs::path path = Make(Folder(dir), kind, static_cast<std::size_t>(size));
    std::string bytes = "old";
    QCOMPARE(ReadRegularFile(path, bytes, 1000), result);
    QCOMPARE(bytes.size(), result == FileReadResult::Ok ? std::size_t(size) : 0U);
}

// A pipe named as a file waits for its first byte only so long; what a
// writer sends in time is read to its end.
void FileGuardsTest::pipeGetsItsFirstByteOrIsSilent() {
    QTemporaryDir dir;
    const fs::path pipe = Make(Folder(dir), "pipe");
    std::string bytes = "old";
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(ReadFileUpTo(pipe, bytes, 1000, std::chrono::milliseconds(300)), FileReadResult::Silent);
    QVERIFY(clock.elapsed() >= 250 && clock.elapsed() < 3000);
    QVERIFY(bytes.empty());
    std::thread writer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        std::ofstream(pipe, std::ios::binary) << "OMEZ1 9000";
    });
    QCOMPARE(ReadFileUpTo(pipe, bytes, 1000, std::chrono::seconds(20)), FileReadResult::Ok);
    writer.join();
    QCOMPARE(bytes, std::string("OMEZ1 9000"));
}

void FileGuardsTest::tooLargeSettingsAreSetAsideOnceBeforeSaving() {
    QTemporaryDir dir;
    const fs::path path = Folder(dir) / "ZIR_OVI.ini";
    std::string big = "[FORM_HLAV]\r\nLeft=5\r\n[NOTES]\r\n";
    big.resize(2U << 20U, 'x');
    Spit(path, big);

    ProfileFile file = OpenSettingsFile(path);
    QCOMPARE(file.ReadResult(), FileReadResult::TooLarge);
    QCOMPARE(file.ReadInteger("FORM_HLAV", "Left", 219), 219);  // started as without settings
    QVERIFY(SettingsReadNote(file).find(path.string() + " is larger than 1 MiB") == 0);
    QVERIFY(SettingsSetAsideNote(file).empty());  // nothing moved before the save

    const ParameterSet set{};
    QVERIFY(SaveSettings(file, WindowState{}, set.ignition, set.injection));
    const fs::path aside = file.SetAsidePath();
    QVERIFY(aside.filename().string().find("ZIR_OVI.ini.refused-") == 0);
    QCOMPARE(Slurp(aside), big);
    QVERIFY(Slurp(path).find("Left=219\r\n") != std::string::npos);
    QVERIFY(SettingsSetAsideNote(file).find(aside.string()) != std::string::npos);

    QVERIFY(SaveSettings(file, WindowState{}, set.ignition, set.injection));
    QCOMPARE(file.SetAsidePath(), aside);
    QCOMPARE(Names(Folder(dir)), (std::vector<std::string>{"ZIR_OVI.ini", aside.filename().string()}));
}

void FileGuardsTest::settingsThatAreNoFileStayAsTheyAre_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("pipe") << "pipe";
    QTest::newRow("link to /dev/zero") << "link to /dev/zero";
    QTest::newRow("folder") << "folder";
}

void FileGuardsTest::settingsThatAreNoFileStayAsTheyAre() {
    QFETCH(QString, kind);
    IGN_SKIP_KIND_WINDOWS_HAS_NOT(kind);
    QTemporaryDir dir;
    const fs::path path = Make(Folder(dir), kind);
    const fs::file_type type = fs::symlink_status(path).type();
    ProfileFile file = OpenSettingsFile(path);
    QCOMPARE(file.ReadResult(), FileReadResult::NotAFile);
    QVERIFY(SettingsReadNote(file).find(path.string() + " is not a regular file") == 0);
    const ParameterSet set{};
    QVERIFY(!SaveSettings(file, WindowState{}, set.ignition, set.injection));
    QCOMPARE(fs::symlink_status(path).type(), type);
    QCOMPARE(Names(Folder(dir)), std::vector<std::string>{"target"});
    if (type == fs::file_type::symlink) QCOMPARE(fs::read_symlink(path), fs::path("/dev/zero"));
}

void FileGuardsTest::parameterFilesThatCannotBeOpened_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("extra");  // bytes beyond 16 MiB, for a file
    QTest::addColumn<bool>("opened");
    QTest::newRow("pipe") << "pipe" << 0 << false;
    QTest::newRow("link to /dev/zero") << "link to /dev/zero" << 0 << false;
    QTest::newRow("16 MiB") << "file" << 0 << true;
    QTest::newRow("one byte more") << "file" << 1 << false;
}

void FileGuardsTest::parameterFilesThatCannotBeOpened() {
    QFETCH(QString, kind);
    IGN_SKIP_KIND_WINDOWS_HAS_NOT(kind);
    QFETCH(int, extra);
    QFETCH(bool, opened);
    QTemporaryDir dir;
    const fs::path path = Make(Folder(dir), kind);
    if (kind == "file") {
        std::string bytes((16U << 20U) + static_cast<std::size_t>(extra), ' ');
        bytes.replace(bytes.size() - 10, 10, "OMEZ1 9000");
        Spit(path, bytes);
    }
    ParameterSet set;
    ApplyMachineDefaults(set);
    const ParameterSet before = set;
    QCOMPARE(LoadParameterFile(path, set), opened);
    QCOMPARE(set.ignition.OMEZ1, opened ? Byte{90} : before.ignition.OMEZ1);
}

void FileGuardsTest::staleTemporaryFilesOfOursGo() {
    QTemporaryDir dir;
    const fs::path folder = Folder(dir);
    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(11);
    const std::vector<std::string> stale{"ZIR_OVI.ini.tmp-0badf00d"};
    // Younger ones may be another copy's save in progress; the others are not ours.
    const std::vector<std::string> kept{"ZIR_OVI.ini", "ZIR_OVI.ini.tmp-0000ABCD", "ZIR_OVI.ini.tmp-1234567",
                                        "ZIR_OVI.ini.tmp-12345678", "other.ini.tmp-0badf00d"};
    for (const auto* names : {&stale, &kept}) {
        for (const std::string& name : *names) {
            Spit(folder / name, "x");
            if (name != "ZIR_OVI.ini.tmp-12345678") fs::last_write_time(folder / name, old);
        }
    }
    QCOMPARE(ReplaceFileContents(folder / "ZIR_OVI.ini", "saved"), FileWriteResult::Ok);
    std::vector<std::string> sorted = kept;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(Names(folder), sorted);
    QCOMPARE(Slurp(folder / "ZIR_OVI.ini"), std::string("saved"));
}

void FileGuardsTest::savesKeepTheTargetsPermissions() {
    IGN_SKIP_ON_WINDOWS("no POSIX permissions");
#if !defined(_WIN32)
    QTemporaryDir dir;
    const fs::path path = Folder(dir) / "set.ign";
    const mode_t mask = ::umask(022);
    QCOMPARE(ReplaceFileContents(path, "new"), FileWriteResult::Ok);
    QCOMPARE(fs::status(path).permissions(), static_cast<fs::perms>(0644));
    fs::permissions(path, static_cast<fs::perms>(0600));
    QCOMPARE(ReplaceFileContents(path, "private"), FileWriteResult::Ok);
    QCOMPARE(fs::status(path).permissions(), static_cast<fs::perms>(0600));
    fs::permissions(path, static_cast<fs::perms>(0666));  // more than the mask allows a new file
    QCOMPARE(ReplaceFileContents(path, "shared"), FileWriteResult::Ok);
    QCOMPARE(fs::status(path).permissions(), static_cast<fs::perms>(0666));
    ::umask(mask);
    QCOMPARE(Names(Folder(dir)), std::vector<std::string>{"set.ign"});
#endif
}

QTEST_GUILESS_MAIN(FileGuardsTest)
#include "test_file_guards.moc"
