#include "Messages.h"

#include <array>

namespace ign {

namespace {

using Texts = std::array<std::string_view, kLanguageCount>;

// English, Czech, German, in MessageId order.
constexpr std::array<Texts, kMessageCount> kMessages{{
    {"Read device:", "Čtení:", "Lesen:"},
    {"Program device:", "Programování:", "Programmieren:"},
    {"Verify device:", "Verifikace:", "Vergleichen:"},
    {"Verify device:", "Verifikace:", "Verifikation:"},
    {"Verify OK", "Verifikace OK", "Vergleich OK"},
    {"Read error!", "Chyba čtení!", "Lesefehler"},
    {"Verify error!", "Chyba verifikace!", "Vergleichsfehler"},
    {"Program error!", "Chyba programování", "Programmier. Fehler"},
    // The message boxes speak English whatever the language.
    {"Com opening error", "Com opening error", "Com opening error"},
    {"Open file error", "Open file error", "Open file error"},
    {"Write file error", "Write file error", "Write file error"},
    {"Help file not available", "Help file not available", "Help file not available"},
}};

}  // namespace

std::string_view MessageText(MessageId id, Byte language) {
    const auto& texts = kMessages[static_cast<std::size_t>(id)];
    return texts[language < kLanguageCount ? language : 0];
}

}  // namespace ign
