#include "HistorySettings.h"

#include "SettingsLocation.h"

namespace ign {

namespace {

constexpr std::string_view kKeepDays = "KeepDays";
constexpr std::string_view kKeepCount = "KeepCount";
constexpr std::string_view kReadBeforeProgram = "ReadBeforeProgram";

void ReadCount(const ProfileFile& file, std::string_view key, int& value) {
    const int read = file.ReadInteger(kHistorySection, key, value);
    if (read >= 0) value = read;
}

}  // namespace

void LoadHistorySettings(const ProfileFile& file, HistorySettings& settings) {
    ReadCount(file, kKeepDays, settings.retention.keepDays);
    ReadCount(file, kKeepCount, settings.retention.keepCount);
    settings.readBeforeProgram =
        file.ReadInteger(kHistorySection, kReadBeforeProgram, settings.readBeforeProgram ? 1 : 0) != 0;
}

void StoreHistorySettings(ProfileFile& file, const HistorySettings& settings) {
    file.WriteInteger(kHistorySection, kKeepDays, settings.retention.keepDays);
    file.WriteInteger(kHistorySection, kKeepCount, settings.retention.keepCount);
    file.WriteInteger(kHistorySection, kReadBeforeProgram, settings.readBeforeProgram ? 1 : 0);
}

std::filesystem::path HistoryFolder(const std::filesystem::path& dataFolder) {
    return dataFolder / kSettingsFolderName / kHistoryFolderName;
}

}  // namespace ign
