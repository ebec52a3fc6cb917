#pragma once

#include "ParameterSet.h"
#include "ProfileFile.h"

#include <functional>
#include <string>
#include <string_view>

namespace ign {

#if defined(_WIN32)
inline constexpr std::string_view kDefaultCom1Port = "COM1";
inline constexpr std::string_view kDefaultCom2Port = "COM2";
#else
inline constexpr std::string_view kDefaultCom1Port = "/dev/ttyS0";
inline constexpr std::string_view kDefaultCom2Port = "/dev/ttyS1";
#endif

// The window's working state that the settings file carries between runs.
// The initial values are the first run's.
struct WindowState {
    int left = 219;
    int top = 117;
    Byte useCom2 = 0;                        // zero COM1, anything else COM2
    Byte language = 0;                       // 0 English, 1 Czech, 2 German; other codes are kept as they are
    std::string fileLabel;                   // text beside "File:"
    std::string parameterFilePath;           // last parameter file opened or saved
    int page = 1;                            // 1 Ignition, 2..4 Injection 1..3, 5 Monitor
    Byte zobrazeni = 0;                      // unused by the program, carried from run to run
    std::string com1Port{kDefaultCom1Port};  // system port behind the menu's "COM1"
    std::string com2Port{kDefaultCom2Port};

    bool operator==(const WindowState&) const = default;
};

// Reads every entry over the current values, which stay where an entry is
// missing or not a number. Values are not validated; parameter and byte
// entries keep their low 8 bits.
void LoadSettings(const ProfileFile& file, WindowState& state, IgnitionBlock& ign, InjectionBlock& inj);

// Stores every entry (entries of other programs stay) and saves the file
// atomically; false when the write was refused, the old file then unchanged.
// `after` writes the sections of later features, after the specified ones,
// before the file is saved.
bool SaveSettings(ProfileFile& file, const WindowState& state, const IgnitionBlock& ign,
                  const InjectionBlock& inj, const std::function<void(ProfileFile&)>& after = {});

// "Unable to write to <file>", the message for a refused SaveSettings.
std::string SettingsWriteErrorText(const ProfileFile& file);

}  // namespace ign
