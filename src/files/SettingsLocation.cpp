#include "SettingsLocation.h"

#include "BoundedRead.h"

#include <string>
#include <system_error>

namespace ign {

std::filesystem::path SettingsFilePath(const std::filesystem::path& configFolder) {
    return configFolder / kSettingsFolderName / kSettingsFileName;
}

ProfileFile OpenSettingsFile(const std::filesystem::path& file, const std::filesystem::path& legacyFile) {
    std::error_code error;
    if (!legacyFile.empty() && !std::filesystem::exists(file, error)) {
        std::string text;
        if (ReadRegularFile(legacyFile, text, kMaxSettingsFileBytes) == FileReadResult::Ok)
            return ProfileFile(file, text);
    }
    return ProfileFile(file, kMaxSettingsFileBytes);
}

std::string SettingsReadNote(const ProfileFile& file) {
    const std::string name = file.Path().string();
    switch (file.ReadResult()) {
        case FileReadResult::Ok:
        case FileReadResult::Missing:
            break;
        case FileReadResult::NotAFile:
            return name + " is not a regular file: started without settings, and they cannot be saved there";
        case FileReadResult::TooLarge:
            return name +
                   " is larger than 1 MiB, which no settings file is: started without settings; "
                   "it is renamed aside before the settings are saved";
        case FileReadResult::Unreadable:
        case FileReadResult::Silent:
            return name + " cannot be read: started without settings";
    }
    return {};
}

std::string SettingsSetAsideNote(const ProfileFile& file) {
    if (file.SetAsidePath().empty()) return {};
    return file.Path().string() + " was too large to read; it is kept as " + file.SetAsidePath().string();
}

}  // namespace ign
