#include "UserSettingsFile.h"

#include "SettingsLocation.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <string>

namespace ign {

std::filesystem::path FileSystemPath(const QString& path) {
#if defined(_WIN32)
    // Backslashes throughout, so a path said to the user reads as Windows writes it.
    return std::filesystem::path(QDir::toNativeSeparators(path).toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

namespace {

// An older installation kept its settings in the Windows directory.
std::filesystem::path LegacySettingsFile() {
#if defined(_WIN32)
    const QString windows = qEnvironmentVariable("SystemRoot", qEnvironmentVariable("WINDIR", "C:/Windows"));
    return FileSystemPath(windows) / std::string(kSettingsFileName);
#else
    return {};
#endif
}

}  // namespace

ProfileFile OpenUserSettingsFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return OpenSettingsFile(SettingsFilePath(FileSystemPath(folder)), LegacySettingsFile());
}

}  // namespace ign
