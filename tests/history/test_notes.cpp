// The tuner's notes beside restore points and parameter files, and the
// reference a tune sheet tells its changes since.

#include "DefaultSets.h"
#include "ParameterFile.h"
#include "ReferencePoint.h"
#include "RestorePointStore.h"
#include "TuneNote.h"

#include <QtTest>

#include <fstream>
#include <set>

using namespace ign;
namespace fs = std::filesystem;

namespace {

constexpr LocalTime kNow{2024, 6, 30, 12, 0, 0};
const QByteArray kHeader = "Ignition Programmer note\r\n";

fs::path Folder(const QTemporaryDir& dir) { return fs::path(dir.path().toStdString()) / "history"; }

std::set<std::string> FileNames(const fs::path& folder) {
    std::set<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        names.insert(entry.path().filename().string());
    return names;
}

void Put(const fs::path& path, const QByteArray& bytes, std::chrono::minutes age = std::chrono::minutes(0)) {
    std::ofstream(path, std::ios::binary) << bytes.toStdString();
    fs::last_write_time(path, fs::file_time_type::clock::now() - age);
}

QByteArray Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return QByteArray::fromStdString(std::string(std::istreambuf_iterator<char>(in), {}));
}

RestorePoint PointAt(const fs::path& folder, const std::string& name) {
    return {folder / name, *ParseRestorePointName(name), fs::exists(NotePathOf(folder / name))};
}

}  // namespace

class NotesTest : public QObject {
    Q_OBJECT
private slots:
    void noteTravelsWithItsPoint();
    void leftoversOfNotes();
    void noteBesideAFile_data();
    void noteBesideAFile();
    void referenceIsWhatWasProgrammedBefore();
};

// Written beside the point, listed with it, renamed by keep and its undoing,
// deleted with it by retention; a point that is gone takes no note.
void NotesTest::noteTravelsWithItsPoint() {
    QTemporaryDir dir;
    const fs::path folder = Folder(dir);
    RestorePointStore store(folder, {30, 1});
    const HistoryResult old = store.Write(DefaultSet(1), RestoreReason::Program, "", {2024, 1, 1, 8, 0, 0});
    QVERIFY(!old.failed());
    RestorePoint point = store.List().points.front();

    QCOMPARE(store.WriteNote(point, "Ráno bohatší\r\no 4 %\n\n").status, NoteWriteStatus::Written);
    QCOMPARE(Bytes(NotePathOf(point.path)), kHeader + "Ráno bohatší\r\no 4 %\r\n");
    point = store.List().points.front();
    QVERIFY(point.hasNote);

    const HistoryResult kept = store.SetKeep(point, true);
    QVERIFY(!kept.failed());
    QCOMPARE(FileNames(folder), (std::set<std::string>{"2024-01-01_08-00-00_program_keep.ign",
                                                       "2024-01-01_08-00-00_program_keep.ign.txt"}));
    point = store.List().points.front();
    QCOMPARE(store.ReadNote(point).text, std::string("Ráno bohatší\no 4 %"));
    // Where the note's new name is taken, the point stays as it was too.
    Put(folder / "2024-01-01_08-00-00_program.ign.txt", "mine");
    QVERIFY(store.SetKeep(point, false).failed());
    QVERIFY(fs::exists(point.path));
    fs::remove(folder / "2024-01-01_08-00-00_program.ign.txt");
    QVERIFY(!store.SetKeep(point, false).failed());

    // A newer point leaves the old one past both rules: it goes, and its note with it.
    QVERIFY(!store.Write(DefaultSet(2), RestoreReason::Program, "", kNow).failed());
    const std::set<std::string> left = FileNames(folder);
    QCOMPARE(left.size(), std::size_t(1));
    QVERIFY(left.begin()->ends_with("_program.ign"));

    const RestorePoint gone = PointAt(folder, "2024-01-01_08-00-00_program.ign");
    QCOMPARE(store.WriteNote(gone, "lost").status, NoteWriteStatus::Failed);
    QCOMPARE(FileNames(folder), left);
}

// A keep stopped between its two renames, notes whose point is gone and
// temporaries of note writes, at the next clean-up.
void NotesTest::leftoversOfNotes() {
    QTemporaryDir dir;
    const fs::path folder = Folder(dir);
    fs::create_directories(folder);
    const std::string kept = "2024-06-01_08-00-00_read_keep.ign";
    Put(folder / kept, QByteArray::fromStdString(WriteParameterFile(DefaultSet())));
    Put(folder / "2024-06-01_08-00-00_read.ign.txt", kHeader + "half way\r\n");
    const std::chrono::minutes old(20);
    Put(folder / "2024-05-01_08-00-00_read.ign.txt", kHeader + "orphan\r\n", old);
    Put(folder / "2024-05-01_08-00-01_read.ign.txt", kHeader + "young orphan\r\n");
    Put(folder / "2024-05-01_08-00-02_read.ign.txt", "someone's text\r\n", old);
    Put(folder / "2024-05-01_08-00-03_read.ign.txt.tmp-0a1b2c3d", kHeader, old);

    RestorePointStore store(folder, {0, 0});
    const RestorePointList list = store.List();
    QCOMPARE(list.points.size(), std::size_t(1));
    QVERIFY(!list.points.front().hasNote);
    QCOMPARE(list.orphanNotes.size(), std::size_t(4));
    QCOMPARE(list.temporaries.size(), std::size_t(1));

    QVERIFY(store.ApplyRetention(kNow).error.empty());
    QCOMPARE(FileNames(folder),
             (std::set<std::string>{kept, kept + ".txt", "2024-05-01_08-00-01_read.ign.txt",
                                    "2024-05-01_08-00-02_read.ign.txt"}));
    QCOMPARE(store.ReadNote(store.List().points.front()).text, std::string("half way"));
}

void NotesTest::noteBesideAFile_data() {
    QTest::addColumn<QByteArray>("before");  // null: no file of the note's name
    QTest::addColumn<QByteArray>("text");    // as the caller hands it, which need not be UTF-8
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("after");  // null: none
    const QByteArray none;
    const auto written = static_cast<int>(NoteWriteStatus::Written);
    const auto removed = static_cast<int>(NoteWriteStatus::Removed);
    const auto foreign = static_cast<int>(NoteWriteStatus::Foreign);
    QTest::newRow("first note") << none << QByteArray("Gas 2 down") << written << kHeader + "Gas 2 down\r\n";
    QTest::newRow("ours replaced") << kHeader + "old\r\n"
                                   << QByteArray("new") << written << kHeader + "new\r\n";
    QTest::newRow("ours behind a byte-order mark") << "\xEF\xBB\xBF" + kHeader + "old\r\n"
                                                   << QByteArray("new") << written << kHeader + "new\r\n";
    QTest::newRow("no note, nothing written") << none << QByteArray(" \n\t") << removed << none;
    QTest::newRow("ours emptied goes") << kHeader + "old\r\n" << QByteArray("") << removed << none;
    QTest::newRow("a stranger's file stays")
        << QByteArray("Ignition Programmer note?\r\nmy text\r\n") << QByteArray("new") << foreign
        << QByteArray("Ignition Programmer note?\r\nmy text\r\n");
    QTest::newRow("a stranger's file stays, empty note")
        << QByteArray("readme\r\n") << QByteArray("") << removed << QByteArray("readme\r\n");
    const QByteArray longest = QString(4000, u'ř').toUtf8();
    QTest::newRow("4 000 characters") << none << longest << written << kHeader + longest + "\r\n";
    QTest::newRow("4 001 characters")
        << none << longest + "x" << static_cast<int>(NoteWriteStatus::TooLong) << none;
    QTest::newRow("no UTF-8, a lone CR")
        << none << QByteArray("caf\xE9\rok") << written << kHeader + "caf\xEF\xBF\xBD\r\nok\r\n";
}

void NotesTest::noteBesideAFile() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, text);
    QFETCH(int, status);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const fs::path file = fs::path(dir.path().toStdString()) / "race.ign";
    Put(file, "the parameter file");
    if (!before.isNull()) Put(NotePathOf(file), before);
    QCOMPARE(static_cast<int>(WriteNote(file, text.toStdString()).status), status);
    QCOMPARE(NotePathOf(file), fs::path(dir.path().toStdString()) / "race.ign.txt");
    QCOMPARE(fs::exists(NotePathOf(file)), !after.isNull());
    if (!after.isNull()) QCOMPARE(Bytes(NotePathOf(file)), after);
    QCOMPARE(Bytes(file), QByteArray("the parameter file"));
    if (status == static_cast<int>(NoteWriteStatus::Written))
        QCOMPARE(QByteArray::fromStdString(ReadNote(file).text),
                 after.mid(kHeader.size()).trimmed().replace("\r\n", "\n"));
}

// The newest Program point whose values differ: not one of the same values
// (this set programmed), not one that gives no value, not another reason.
void NotesTest::referenceIsWhatWasProgrammedBefore() {
    QTemporaryDir dir;
    const fs::path folder = Folder(dir);
    fs::create_directories(folder);
    ParameterSet current = DefaultSet();
    current.ignition.OMEZ1 = 105;
    ParameterSet before = DefaultSet();
    before.ignition.ADV_A[4] = 29;
    Put(folder / "2024-06-01_08-00-00_program.ign",
        QByteArray::fromStdString(WriteParameterFile(DefaultSet(3))));
    Put(folder / "2024-06-02_08-00-00_program.ign", QByteArray::fromStdString(WriteParameterFile(before)));
    Put(folder / "2024-06-03_08-00-00_read.ign",
        QByteArray::fromStdString(WriteParameterFile(DefaultSet(4))));
    Put(folder / "2024-06-04_08-00-00_program.ign", QByteArray::fromStdString(WriteParameterFile(current)));
    Put(folder / "2024-06-05_08-00-00_program.ign", "Notes: GAS\r\n");

    const RestorePointStore store(folder);
    const auto reference = NewestDifferingPoint(store.List(), current);
    QVERIFY(reference.has_value());
    QCOMPARE(reference->point.path.filename().string(), std::string("2024-06-02_08-00-00_program.ign"));
    QCOMPARE(reference->set.ignition.ADV_A[4], Byte{29});
    QVERIFY(!NewestDifferingPoint(store.List(), current, RestoreReason::Manual));
}

QTEST_GUILESS_MAIN(NotesTest)
#include "test_notes.moc"
