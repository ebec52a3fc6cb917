#include "ParameterFile.h"
#include "ParameterFileRecords.h"

#include <array>
#include <cstdio>
#include <vector>

namespace ign {

namespace {

// One piece of the written layout: a padded key field and the values of its
// record. Narrow pieces use the 3-blank flag and the 4-character number
// without trailing blank; a glued piece continues the line before it.
struct Piece {
    std::string_view keyField;
    std::string_view record;  // empty for an empty line
    bool narrow = false;
    bool glued = false;
};

constexpr std::array<Piece, 42> kLayout{{
    {"RPM_A    ", "RPM_A"},
    {"ADV_A    ", "ADV_A"},
    {"RPM_B    ", "RPM_B"},
    {"ADV_B    ", "ADV_B"},
    {"", ""},
    {"OMEZ1    ", "OMEZ1"},
    {"OMEZ2    ", "OMEZ2"},
    {"OMEZ_D   ", "OMEZ_D"},
    {"CLUTCH   ", "CLUTCH"},
    {"NA       ", "NA"},
    {"GAS      ", "GAS"},
    {"KEYING   ", "KEYING"},
    {"PALEC    ", "PALEC"},
    {"POV_OM   ", "POV_OM"},
    {"LED_RAZ  ", "LED_RAZ"},
    {"CAS_IN   ", "CAS_IN"},
    {"BLOK     ", "BLOK"},
    {"EXCITATION", "EXCITATION", true},
    {"RPM2     ", "RPM2"},
    {"RPM_JET    ", "RPM_JET", false, true},
    {"", ""},
    {"JET_0    ", "JET_0"},
    {"JET_10   ", "JET_10"},
    {"JET_20   ", "JET_20"},
    {"JET_30   ", "JET_30"},
    {"JET_40   ", "JET_40"},
    {"JET_50   ", "JET_50"},
    {"JET_60   ", "JET_60"},
    {"JET_70   ", "JET_70"},
    {"JET_80   ", "JET_80"},
    {"JET_90   ", "JET_90"},
    {"POLOHA   ", "POLOHA"},
    {"KOR_23   ", "KOR_23"},
    {"", ""},
    {"TPS      ", "TPS"},
    {"ACCEL    ", "ACCEL"},
    {"DEAD_TIME", "DEAD_TIME"},
    {"POLOHA_PRO", "POLOHA_PRO", true},
    {"START_JET", "START_JET"},
    {"CHLAZENI ", "CHLAZENI"},
    {"WATER    ", "WATER"},
    {"AIR      ", "AIR"},
}};

void AppendValue(std::string& out, const ParamInfo& info, Byte byte, bool narrow) {
    char field[16];
    if (info.flag) {
        std::snprintf(field, sizeof field, narrow ? "   %c" : "    %c", byte != 0 ? '1' : '0');
    } else {
        const auto value = static_cast<unsigned>(ToUser(info.conversion, byte));
        std::snprintf(field, sizeof field, narrow ? "%4u" : "%5u ", value);
    }
    out += field;
}

void AppendPiece(std::string& out, const Piece& piece, const ParameterSet& set) {
    out += piece.keyField;
    if (piece.record.empty()) return;
    const ParameterRecord* record = FindParameterRecord(piece.record);
    for (int r = 0; r < record->runCount; ++r) {
        const ValueRun& run = record->runs[static_cast<std::size_t>(r)];
        const auto bytes = BytesOf(set, run.param);
        for (int i = 0; i < run.count; ++i) {
            AppendValue(out, Info(run.param), bytes[static_cast<std::size_t>(run.first + i)], piece.narrow);
        }
    }
}

}  // namespace

std::span<const std::string_view> LayoutKeys() {
    static const std::vector<std::string_view> keys = [] {
        std::vector<std::string_view> all;
        for (const Piece& piece : kLayout) {
            if (!piece.record.empty()) all.push_back(piece.record);
        }
        return all;
    }();
    return keys;
}

std::string WriteParameterFile(const IgnitionBlock& ign, const InjectionBlock& inj) {
    const ParameterSet set{ign, inj, {}};
    std::string out;
    out.reserve(2600);
    bool first = true;
    for (const Piece& piece : kLayout) {
        if (!first && !piece.glued) out += "\r\n";
        first = false;
        AppendPiece(out, piece, set);
    }
    return out;
}

FileWriteResult SaveParameterFile(const std::filesystem::path& path, const IgnitionBlock& ign,
                                  const InjectionBlock& inj) {
    return ReplaceFileContents(path, WriteParameterFile(ign, inj));
}

const char* SaveErrorText(FileWriteResult result) {
    switch (result) {
        case FileWriteResult::Ok:
            return "";
        case FileWriteResult::CannotOpen:
            return "Open file error";
        case FileWriteResult::WriteFailed:
            return "Write file error";
    }
    return "";
}

}  // namespace ign
