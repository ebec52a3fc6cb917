#include "SheetCommand.h"

#include "ConsoleOutput.h"
#include "FileCommands.h"
#include "HistorySettings.h"
#include "ReferencePoint.h"
#include "RestorePointName.h"
#include "TuneNote.h"
#include "UserSettingsFile.h"
#include "report/SheetPainter.h"

#include <QDateTime>
#include <QLocale>
#include <QStandardPaths>
#include <cstdio>
#include <filesystem>

namespace ign::cli {

namespace {

namespace fs = std::filesystem;

std::string FileNameOf(const std::string& path) { return fs::path(path).filename().string(); }

// A file read as the other commands read theirs, refused when it gave no value.
bool LoadSet(const CliOptions& options, const std::string& path, ParameterSet& set) {
    CliOptions single = options;
    single.base.clear();
    single.file = path == kStandardStream ? std::string() : path;
    return LoadInputSetOrReport(single, set, InputNeeds::Values);
}

// --against, or what the window would take: the newest Program point of the
// user's history whose set differs. Nothing when there is none.
bool FindReference(const CliOptions& options, const ParameterSet& set,
                   std::optional<SheetReference>& reference) {
    if (!options.against.empty()) {
        SheetReference named{FileNameOf(options.against), {}};
        if (!LoadSet(options, options.against, named.set)) return false;
        reference = named;
        return true;
    }
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty()) return true;
    const RestorePointStore store(HistoryFolder(FileSystemPath(data)));
    if (auto point = NewestDifferingPoint(store.List(), set))
        reference = SheetReference{point->point.path.filename().string(), point->set};
    return true;
}

// --note, or the note this program keeps beside the file (a stranger's text file of that name is not one).
bool FindNote(const CliOptions& options, std::string& note) {
    if (options.note) {
        note = CleanNoteText(*options.note);
        if (CharacterCount(note) <= kMaxNoteCharacters) return true;
        std::fprintf(stderr, "ignition-cli: the note is longer than %zu characters\n", kMaxNoteCharacters);
        return false;
    }
    if (!options.file.empty()) {
        const NoteRead read = ReadNote(options.file);
        if (read.status == NoteStatus::Ours) note = read.text;
    }
    return true;
}

bool WriteSheet(const CliOptions& options, const SheetInput& input) {
    QString error;
    const SheetLayout layout = LayOutSheet(input);
    if (options.output.empty()) {
        const QByteArray bytes = SheetPdf(layout, input.language, error);
        if (!bytes.isEmpty())
            return WriteToStandardOutput(std::string_view(bytes.constData(),
                                                          static_cast<std::size_t>(bytes.size()))) == kExitOk;
    } else if (SaveSheetPdf(layout, input.language, options.output, error)) {
        return true;
    }
    std::fprintf(stderr, "ignition-cli: %s\n", error.toLocal8Bit().constData());
    return false;
}

}  // namespace

int RunSheet(const CliOptions& options) {
    SheetInput input;
    if (!LoadSet(options, options.file, input.set)) return kExitUsage;
    if (!FindReference(options, input.set, input.reference)) return kExitUsage;
    if (!FindNote(options, input.note)) return kExitUsage;

    input.language = options.language;
    const std::string name = options.file.empty() ? std::string() : FileNameOf(options.file);
    // A restore point is named as one; the file row is for a parameter file of the tuner's.
    if (ParseRestorePointName(name)) {
        input.restorePoint = name;
    } else {
        input.fileName = name;
    }
    const QLocale locale;
    input.paper = options.paper.empty()       ? PaperOf(locale)
                  : options.paper == "letter" ? Paper::Letter
                                              : Paper::A4;
    input.madeAt = SheetTimeText(QDateTime::currentDateTime(), locale);
    input.groupSeparator = GroupSeparatorOf(locale);
    input.version = IGN_VERSION;
    return WriteSheet(options, input) ? kExitOk : kExitUsage;
}

}  // namespace ign::cli
