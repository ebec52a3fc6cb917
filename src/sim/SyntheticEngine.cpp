#include "SyntheticEngine.h"

#include <algorithm>
#include <cmath>

namespace ign {

namespace {

constexpr std::int64_t kSweepMs = 20000;  // idle to limiter and back

// The sensor word that the program's scaling (word * 2430 / 8184) turns back into mv.
std::uint16_t SensorWord(int mv) {
    mv = std::clamp(mv, 0, 2430 * 8);
    return static_cast<std::uint16_t>((mv * 8184 + 2429) / 2430);
}

void PutWord(std::array<Byte, 12>& frame, int at, int word) {
    const auto w = static_cast<std::uint16_t>(word);
    frame[static_cast<std::size_t>(at)] = static_cast<Byte>(w >> 8);
    frame[static_cast<std::size_t>(at + 1)] = static_cast<Byte>(w & 0xFF);
}

Byte Mem(const std::array<Byte, 220>& memory, int offset) {
    return memory[static_cast<std::size_t>(offset - 1)];
}

}  // namespace

void SyntheticEngine::update(std::int64_t timeMs, const std::array<Byte, 220>& memory) {
    const double phase = static_cast<double>(timeMs % kSweepMs) / kSweepMs;
    const double sweep = phase < 0.5 ? 2 * phase : 2 - 2 * phase;

    int limiter = Mem(memory, 42) * 100;
    if (limiter < kIdleRpm + 1000) limiter = 10000;
    rpm_ = kIdleRpm + static_cast<int>(sweep * (limiter - kIdleRpm));
    throttlePercent_ = static_cast<int>(sweep * 100 + 0.5);
    iapPercent_ = 30 + throttlePercent_ * 6 / 10;

    int tps0 = Mem(memory, 171) * 10;
    int tps100 = Mem(memory, 172) * 10 + 2500;
    if (tps0 < 300 || tps100 <= tps0) {
        tps0 = 500;
        tps100 = 4500;
    }
    tpsMv_ = tps0 + throttlePercent_ * (tps100 - tps0) / 100;

    waterC_ = 20 + static_cast<int>(65 * (1 - std::exp(-static_cast<double>(timeMs) / 120000)));
    lambdaMv_ = (timeMs / 300) % 2 ? 600 : 300;

    // The map cell under the current speed and throttle; the speed axis travels in block 20.
    int column = 0;
    for (int r = 0; r < 10; ++r) {
        if (Mem(memory, 201 + r) * 100 <= rpm_) column = r;
    }
    const int row = std::min(throttlePercent_ / 10, 9);
    injectionTimeUs_ = 2500 * Mem(memory, 61 + 10 * row + column) / 100;
    injectionPositionDeg_ = std::min(Mem(memory, 51 + column) * 3, 720);
    counter_ = static_cast<int>((timeMs / 100) & 0xFFFF);
}

std::array<Byte, 12> SyntheticEngine::frame(int type) const {
    std::array<Byte, 12> f{};
    f[0] = static_cast<Byte>(0xB0 + type);
    switch (type) {
        case 0:
            PutWord(f, 1, SensorWord(tpsMv_ / 2));  // second throttle sensor
            PutWord(f, 3, SensorWord((1000 + iapPercent_ * 30) / 2));
            PutWord(f, 5, SensorWord(4000 / 2));  // ambient pressure
            PutWord(f, 7, SensorWord(lambdaMv_));
            PutWord(f, 9, SensorWord(tpsMv_ / 2));
            break;
        case 1:
            PutWord(f, 1, SensorWord(4000 - waterC_ * 30));
            PutWord(f, 3, SensorWord(4000 - airC_ * 30));
            PutWord(f, 5, SensorWord((13500 - 650) / 11));  // battery near 13.5 V
            PutWord(f, 7, injectionTimeUs_ / 30);
            PutWord(f, 9, 720 - injectionPositionDeg_);
            break;
        case 2: {
            const int period = 2000000 / std::max(rpm_, 1);
            PutWord(f, 1, period);
            PutWord(f, 3, std::max(period - 50, 0));  // 3 ms dwell
            PutWord(f, 9, counter_);
            break;
        }
        default:
            f[1] = static_cast<Byte>(throttlePercent_);
            f[2] = static_cast<Byte>(iapPercent_);
            f[3] = static_cast<Byte>(waterC_ + 100);
            f[4] = static_cast<Byte>(airC_ + 100);
            break;
    }
    Byte x = 0;
    for (std::size_t i = 0; i < 11; ++i) x = static_cast<Byte>(x ^ f[i]);
    f[11] = static_cast<Byte>(~x);
    return f;
}

}  // namespace ign
