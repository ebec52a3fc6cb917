#include "SettingsLocation.h"

#include "AtomicFile.h"

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
        if (ReadFileContents(legacyFile, text)) return ProfileFile(file, text);
    }
    return ProfileFile(file);
}

}  // namespace ign
