#include "PortName.h"

#include "ParameterSet.h"
#include "Settings.h"
#include "SettingsLocation.h"

#include <QStandardPaths>
#include <QString>

#include <filesystem>

namespace ign::cli {

namespace {

bool IsComName(std::string_view name, char digit) {
    return name.size() == 4 && (name[0] == 'C' || name[0] == 'c') && (name[1] == 'O' || name[1] == 'o') &&
           (name[2] == 'M' || name[2] == 'm') && name[3] == digit;
}

std::filesystem::path ToPath(const QString& text) {
#if defined(_WIN32)
    return std::filesystem::path(text.toStdWString());
#else
    return std::filesystem::path(text.toLocal8Bit().toStdString());
#endif
}

WindowState StoredPorts() {
    WindowState state;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    // Without a home there is no settings file; the ports keep their defaults.
    if (folder.isEmpty()) return state;
    std::filesystem::path legacy;
#if defined(_WIN32)
    const QString windows = qEnvironmentVariable("WINDIR");
    if (!windows.isEmpty()) legacy = ToPath(windows) / kSettingsFileName;
#endif
    const ProfileFile file = OpenSettingsFile(SettingsFilePath(ToPath(folder)), legacy);
    ParameterSet unused;
    LoadSettings(file, state, unused.ignition, unused.injection);
    return state;
}

}  // namespace

std::string ResolvePortName(std::string_view name, std::string_view com1Port, std::string_view com2Port) {
    if (IsComName(name, '1')) return std::string(com1Port);
    if (IsComName(name, '2')) return std::string(com2Port);
    return std::string(name);
}

std::string ResolvePortName(std::string_view name) {
    if (!IsComName(name, '1') && !IsComName(name, '2')) return std::string(name);
    const WindowState state = StoredPorts();
    return ResolvePortName(name, state.com1Port, state.com2Port);
}

}  // namespace ign::cli
