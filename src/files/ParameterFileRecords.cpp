#include "ParameterFileRecords.h"

namespace ign {

namespace {

constexpr ParameterRecord Single(std::string_view key, Param param) { return {key, {{{param, 0, 1}}}, 1}; }
constexpr ParameterRecord Points(std::string_view key, Param param, int count) {
    return {key, {{{param, 0, count}}}, 1};
}
constexpr ParameterRecord JetRow(std::string_view key, int row) {
    return {key, {{{Param::JET, row * kMapSize, kMapSize}}}, 1};
}

constexpr std::array kRecords{
    Points("RPM_A", Param::RPM_A, 10),
    Points("ADV_A", Param::ADV_A, 10),
    Points("RPM_B", Param::RPM_B, 10),
    Points("ADV_B", Param::ADV_B, 10),
    Single("OMEZ1", Param::OMEZ1),
    Single("OMEZ2", Param::OMEZ2),
    Single("OMEZ_D", Param::OMEZ_D),
    ParameterRecord{"TB", {{{Param::CLUTCH, 0, 1}}}, 1, true},
    Single("CLUTCH", Param::CLUTCH),
    Single("NA", Param::NA),
    ParameterRecord{
        "GAS", {{{Param::GasEnable}, {Param::Gas1}, {Param::Gas2}, {Param::GasT}, {Param::GasD}}}, 5},
    Single("KEYING", Param::KEYING),
    Single("PALEC", Param::PALEC),
    Single("POV_OM", Param::POV_OM),
    Single("LED_RAZ", Param::LED_RAZ),
    Single("CAS_IN", Param::CAS_IN),
    Single("BLOK", Param::BLOK),
    Single("EXCITATION", Param::EXCITATION),
    Single("RPM2", Param::RPM2),
    Points("RPM_JET", Param::RPM_JET, 10),
    JetRow("JET_0", 0),
    JetRow("JET_10", 1),
    JetRow("JET_20", 2),
    JetRow("JET_30", 3),
    JetRow("JET_40", 4),
    JetRow("JET_50", 5),
    JetRow("JET_60", 6),
    JetRow("JET_70", 7),
    JetRow("JET_80", 8),
    JetRow("JET_90", 9),
    Points("POLOHA", Param::POLOHA, 10),
    Points("KOR_23", Param::KOR_23, 10),
    ParameterRecord{"TPS", {{{Param::TPS_0}, {Param::TPS_100}}}, 2},
    ParameterRecord{"ACCEL", {{{Param::AKCEL_PRAH}, {Param::AKCEL_PER}, {Param::AKCEL_JET}}}, 3},
    Single("DEAD_TIME", Param::DEAD_TIME),
    Single("POLOHA_PRO", Param::POLOHA_PRO),
    Single("START_JET", Param::START_JET),
    Single("CHLAZENI", Param::CHLAZENI),
    Points("WATER", Param::WATER, 5),
    Points("AIR", Param::AIR, 5),
};

}  // namespace

std::span<const ParameterRecord> ParameterRecords() { return kRecords; }

const ParameterRecord* FindParameterRecord(std::string_view key) {
    for (const ParameterRecord& record : kRecords) {
        if (record.key == key) return &record;
    }
    return nullptr;
}

}  // namespace ign
