#include "UserSettingsFile.h"

#include "SettingsLocation.h"

#include <QFile>
#include <QStandardPaths>

#include <string>

namespace ign {

std::filesystem::path FileSystemPath(const QString& path) {
#if defined(_WIN32)
    return std::filesystem::path(path.toStdWString());
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
