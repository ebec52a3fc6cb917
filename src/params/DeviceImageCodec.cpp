#include "DeviceImageCodec.h"

#include "Conversion.h"

#include <array>

namespace ign {

namespace {

struct Placement {
    int offset;  // first image offset (1-based)
    Param param;
};

// Where each parameter travels in the image; lengths come from the parameter table.
constexpr std::array<Placement, 30> kPlacements{{
    {1, Param::RPM_A},        {11, Param::ADV_A},      {21, Param::RPM_B},      {31, Param::ADV_B},
    {42, Param::OMEZ1},       {43, Param::OMEZ2},      {44, Param::OMEZ_D},     {45, Param::CLUTCH},
    {46, Param::NA},          {47, Param::KEYING},     {50, Param::PALEC},      {51, Param::POLOHA},
    {61, Param::JET},         {161, Param::KOR_23},    {171, Param::TPS_0},     {172, Param::TPS_100},
    {173, Param::AKCEL_PRAH}, {174, Param::AKCEL_PER}, {175, Param::AKCEL_JET}, {181, Param::DEAD_TIME},
    {182, Param::POLOHA_PRO}, {183, Param::START_JET}, {184, Param::CHLAZENI},  {187, Param::Gas1},
    {188, Param::Gas2},       {189, Param::GasT},      {190, Param::GasD},      {191, Param::WATER},
    {196, Param::AIR},        {201, Param::RPM_JET},
}};

constexpr int kFlagOffset = 41;

struct FlagBit {
    Param param;
    Byte mask;
};
constexpr std::array<FlagBit, 7> kFlagBits{{
    {Param::LED_RAZ, 0x01},
    {Param::POV_OM, 0x02},
    {Param::CAS_IN, 0x04},
    {Param::BLOK, 0x08},
    {Param::GasEnable, 0x10},
    {Param::EXCITATION, 0x40},
    {Param::RPM2, 0x80},
}};

char Digit(int value) { return static_cast<char>('0' + value % 10); }

// Tens as '0' + value / 10 without a wrap, so a byte above 99 shows as the
// unit's own tools show it (a character past '9') rather than being folded.
std::string TwoDigits(Byte value) { return {static_cast<char>('0' + value / 10), Digit(value)}; }

// The unit stores the month as the sum of the characters of its English
// abbreviation ("Jan" = 281 -> 25), which is how its build stamp is made.
std::string MonthText(Byte code) {
    static constexpr std::array<Byte, 12> kCodes{25, 13, 32, 35, 39, 45, 43, 29, 40, 38, 51, 12};
    for (std::size_t m = 0; m < kCodes.size(); ++m) {
        if (kCodes[m] == code) {
            const int month = static_cast<int>(m) + 1;
            return {month < 10 ? ' ' : '1', Digit(month)};
        }
    }
    return "00";
}

}  // namespace

void PackDeviceImage(ParameterSet& set) {
    for (const auto& p : kPlacements) {
        const auto bytes = BytesOf(set, p.param);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            set.image.at(p.offset + static_cast<int>(i)) = bytes[i];
        }
    }
    Byte flags = 0;
    for (const auto& f : kFlagBits) {
        if (BytesOf(set, f.param)[0] != 0) flags = static_cast<Byte>(flags | f.mask);
    }
    set.image.at(kFlagOffset) = flags;
}

void UnpackDeviceImage(ParameterSet& set) {
    for (const auto& p : kPlacements) {
        auto bytes = BytesOf(set, p.param);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            bytes[i] = set.image.at(p.offset + static_cast<int>(i));
        }
    }
    const Byte flags = set.image.at(kFlagOffset);
    for (const auto& f : kFlagBits) {
        BytesOf(set, f.param)[0] = static_cast<Byte>(flags & f.mask);
    }
}

UnitIdentification DecodeUnitIdentification(const DeviceImage& image) {
    UnitIdentification id;
    id.version = {static_cast<char>(image.at(211)), static_cast<char>(image.at(212)),
                  static_cast<char>(image.at(213))};
    id.version += TwoDigits(image.at(214));

    const Byte day = image.at(215);
    id.date = day < 10 ? std::string{' ', Digit(day)} : TwoDigits(day);
    id.date += '.';
    id.date += MonthText(image.at(216));
    id.date += ".20";
    id.date += TwoDigits(image.at(217));

    id.time = TwoDigits(image.at(218)) + ":" + TwoDigits(image.at(219));
    return id;
}

}  // namespace ign
