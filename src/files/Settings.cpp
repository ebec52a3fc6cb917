#include "Settings.h"

#include "Conversion.h"

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace ign {

namespace {

constexpr std::string_view kForm = "FORM_HLAV";
constexpr std::string_view kPorts = "PORTS";

// How the keys of a multi-byte parameter are numbered.
enum class Naming : std::uint8_t {
    Single,       // the name alone
    FromOne,      // name1 ... name10
    FromZero,     // name0 ... name9
    MapCell,      // JET<row>_<column>
    Temperature,  // name_10, name20, name50, name80, name110 for -10 ... 110 degrees
};

struct KeyGroup {
    std::string_view section;
    std::string_view name;
    Param param;
    Naming naming = Naming::Single;
};

// In the order the file is written; every byte of both blocks has one key.
constexpr auto kKeys = std::to_array<KeyGroup>({
    {"IGNITION", "RpmKrivkaA", Param::RPM_A, Naming::FromOne},
    {"IGNITION", "AdvKrivkaA", Param::ADV_A, Naming::FromOne},
    {"IGNITION", "RpmKrivkaB", Param::RPM_B, Naming::FromOne},
    {"IGNITION", "AdvKrivkaB", Param::ADV_B, Naming::FromOne},
    {"IGNITION", "Klicovani", Param::KEYING},
    {"IGNITION", "Palec", Param::PALEC},
    {"IGNITION", "Omez1", Param::OMEZ1},
    {"IGNITION", "Omez2", Param::OMEZ2},
    {"IGNITION", "OmezD", Param::OMEZ_D},
    {"IGNITION", "gcClutch", Param::CLUTCH},
    {"IGNITION", "Na", Param::NA},
    {"IGNITION", "Gas1", Param::Gas1},
    {"IGNITION", "Gas2", Param::Gas2},
    {"IGNITION", "GasT", Param::GasT},
    {"IGNITION", "GasD", Param::GasD},
    {"IGNITION", "PovOmez1", Param::POV_OM},
    {"IGNITION", "LedRaz", Param::LED_RAZ},
    {"IGNITION", "gbitClutch", Param::CAS_IN},
    {"IGNITION", "Blok", Param::BLOK},
    {"IGNITION", "GasEnable", Param::GasEnable},
    {"IGNITION", "BuzDlouhe", Param::EXCITATION},
    {"IGNITION", "Rpm2Krat", Param::RPM2},
    {"JET", "JET", Param::JET, Naming::MapCell},
    {"JET", "Poloha", Param::POLOHA, Naming::FromZero},
    {"JET", "KOR23_", Param::KOR_23, Naming::FromZero},
    {"JET", "RPM_JET_", Param::RPM_JET, Naming::FromZero},
    {"JET2", "TPS_0", Param::TPS_0},
    {"JET2", "TPS_100", Param::TPS_100},
    {"JET2", "DEAD_TIME", Param::DEAD_TIME},
    {"JET2", "CHLAZENI", Param::CHLAZENI},
    {"JET2", "START_JET", Param::START_JET},
    {"JET2", "POLOHA_PRO", Param::POLOHA_PRO},
    {"JET2", "AKCEL_PRAH", Param::AKCEL_PRAH},
    {"JET2", "AKCEL_PER", Param::AKCEL_PER},
    {"JET2", "AKCEL_JET", Param::AKCEL_JET},
    {"JET2", "VODA", Param::WATER, Naming::Temperature},
    {"JET2", "VZDUCH", Param::AIR, Naming::Temperature},
});

constexpr std::array<std::string_view, 5> kTemperatureSuffixes{"_10", "20", "50", "80", "110"};

std::string KeyName(const KeyGroup& group, std::size_t index) {
    std::string key(group.name);
    switch (group.naming) {
        case Naming::Single:
            break;
        case Naming::FromOne:
            key += std::to_string(index + 1);
            break;
        case Naming::FromZero:
            key += std::to_string(index);
            break;
        case Naming::MapCell:
            key += std::to_string(index / kMapSize) + "_" + std::to_string(index % kMapSize);
            break;
        case Naming::Temperature:
            key += kTemperatureSuffixes[index];
            break;
    }
    return key;
}

// The keys of every group, made once: loading and saving each ask for all of them.
const std::string& KeyName(std::size_t group, std::size_t index) {
    static const std::vector<std::vector<std::string>> names = [] {
        std::vector<std::vector<std::string>> all;
        const ParameterSet set{};
        for (const KeyGroup& g : kKeys) {
            std::vector<std::string>& keys = all.emplace_back();
            for (std::size_t i = 0; i < BytesOf(set, g.param).size(); ++i) keys.push_back(KeyName(g, i));
        }
        return all;
    }();
    return names[group][index];
}

Byte LowByte(int value) { return static_cast<Byte>(static_cast<unsigned>(value) & 0xFFU); }

// Pages 2..5 by their number; 0, 1 and anything else is the first page.
int PageFromStored(int stored) {
    const int page = LowByte(stored);
    return page >= 2 && page <= 5 ? page : 1;
}

}  // namespace

void LoadSettings(const ProfileFile& file, WindowState& state, IgnitionBlock& ign, InjectionBlock& inj) {
    state.left = file.ReadInteger(kForm, "Left", state.left);
    state.top = file.ReadInteger(kForm, "Top", state.top);
    state.useCom2 = LowByte(file.ReadInteger(kForm, "Com2", state.useCom2));
    state.language = LowByte(file.ReadInteger(kForm, "Language", state.language));
    state.fileLabel = file.ReadString(kForm, "File", "");
    state.parameterFilePath = file.ReadString(kForm, "IniDir", "");
    state.page = PageFromStored(file.ReadInteger(kForm, "ActivePage", 1));
    state.zobrazeni = LowByte(file.ReadInteger(kForm, "Zobrazeni", state.zobrazeni));

    for (std::size_t g = 0; g < kKeys.size(); ++g) {
        const auto bytes = BytesOf(ign, inj, kKeys[g].param);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            bytes[i] = LowByte(file.ReadInteger(kKeys[g].section, KeyName(g, i), bytes[i]));
        }
    }

    state.com1Port = file.ReadString(kPorts, "COM1", state.com1Port);
    state.com2Port = file.ReadString(kPorts, "COM2", state.com2Port);
}

bool SaveSettings(ProfileFile& file, const WindowState& state, const IgnitionBlock& ign,
                  const InjectionBlock& inj, const std::function<void(ProfileFile&)>& after) {
    file.WriteInteger(kForm, "Left", state.left);
    file.WriteInteger(kForm, "Top", state.top);
    file.WriteInteger(kForm, "Com2", state.useCom2);
    file.WriteInteger(kForm, "Language", state.language);
    file.WriteString(kForm, "File", state.fileLabel);
    file.WriteString(kForm, "IniDir", state.parameterFilePath);
    // The page key has always been written with a trailing blank; reading
    // ignores it, so both spellings are one entry.
    file.WriteInteger(kForm, "ActivePage ", state.page >= 1 && state.page <= 4 ? state.page : 5);
    file.WriteInteger(kForm, "Zobrazeni", state.zobrazeni);

    const ParameterSet set{ign, inj, {}};
    for (std::size_t g = 0; g < kKeys.size(); ++g) {
        const auto bytes = BytesOf(set, kKeys[g].param);
        for (std::size_t i = 0; i < bytes.size(); ++i)
            file.WriteInteger(kKeys[g].section, KeyName(g, i), bytes[i]);
    }

    file.WriteString(kPorts, "COM1", state.com1Port);
    file.WriteString(kPorts, "COM2", state.com2Port);
    if (after) after(file);
    return file.Save();
}

std::string SettingsWriteErrorText(const ProfileFile& file) {
    const std::string name = file.Path().string();
    std::string text(name.size() + 32, '\0');
    const int length = std::snprintf(text.data(), text.size(), "Unable to write to %s", name.c_str());
    text.resize(length > 0 ? static_cast<std::size_t>(length) : 0U);
    return text;
}

}  // namespace ign
