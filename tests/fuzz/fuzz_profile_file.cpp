#include "ProfileFile.h"
#include "Settings.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// A settings file edited by hand or cut short by a crash: loading must cope
// with anything, and saving the result must keep the file loadable with the
// same values.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ign::ProfileFile file("fuzz.ini", std::string_view(reinterpret_cast<const char*>(data), size));
    ign::WindowState state;
    ign::ParameterSet set;
    ign::LoadSettings(file, state, set.ignition, set.injection);

    file.WriteString("FORM_HLAV", "File", state.fileLabel);
    file.WriteInteger("FORM_HLAV", "ActivePage ", state.page);
    ign::ProfileFile reread("fuzz.ini", file.Text());
    ign::WindowState stateAgain;
    ign::ParameterSet setAgain;
    ign::LoadSettings(reread, stateAgain, setAgain.ignition, setAgain.injection);
    if (!(stateAgain == state) || !(setAgain == set)) __builtin_trap();
    return 0;
}
