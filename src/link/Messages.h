#pragma once

#include "ParameterSet.h"

#include <cstdint>
#include <string_view>

namespace ign {

// Texts the link and the window show, by what happened rather than by wording,
// so the owner picks the language at the moment it shows one.
enum class MessageId : std::uint8_t {
    ReadStarted,
    ProgramStarted,
    VerifyCommand,        // Verify started by the user
    VerifyAfterTransfer,  // Verify that follows a completed Read or Program
    VerifyOk,
    ReadError,
    VerifyError,
    ProgramError,
    ComOpeningError,
    OpenFileError,
    WriteFileError,
    HelpFileNotAvailable,
};
inline constexpr int kMessageCount = static_cast<int>(MessageId::HelpFileNotAvailable) + 1;

// Language codes: 0 English, 1 Czech, 2 German; any other code gives English.
inline constexpr Byte kLanguageCount = 3;

// UTF-8 text of a message in a language.
std::string_view MessageText(MessageId id, Byte language);

}  // namespace ign
