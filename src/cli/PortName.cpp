#include "PortName.h"

#include "ParameterSet.h"
#include "Settings.h"
#include "UserSettingsFile.h"

namespace ign::cli {

namespace {

bool IsComName(std::string_view name, char digit) {
    return name.size() == 4 && (name[0] == 'C' || name[0] == 'c') && (name[1] == 'O' || name[1] == 'o') &&
           (name[2] == 'M' || name[2] == 'm') && name[3] == digit;
}

WindowState StoredPorts() {
    WindowState state;
    const ProfileFile file = OpenUserSettingsFile();
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
