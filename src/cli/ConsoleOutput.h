#pragma once

#include <cstdio>
#include <string_view>

namespace ign::cli {

// Standard input, output and error carry bytes unchanged: no line-end
// translation on platforms that would do one.
void UseBinaryStandardStreams();

// Writes the bytes as they are; false when the stream refused them.
bool WriteBytes(std::FILE* stream, std::string_view bytes);

// Whether standard error is a terminal, where a progress line makes sense.
bool StandardErrorIsTerminal();

}  // namespace ign::cli
