#include "SyntheticEngine.h"

#include "MapGeometry.h"

#include <algorithm>
#include <cmath>

namespace ign {

namespace {

// One stretch of the cycle: the throttle moves to its opening in its first
// kThrottleMoveMs and stays; the speed (0 idle, 1 top of the range) holds
// for kSpeedHoldMs at each end and moves evenly in between.
struct Stretch {
    std::int64_t ms;
    int throttle;
    double speedFrom, speedTo;
};

constexpr std::int64_t kThrottleMoveMs = 250;
constexpr std::int64_t kSpeedHoldMs = 1500;

constexpr std::array<Stretch, 12> kCycle{{
    {4000, 0, 0, 0},     // idle
    {10000, 100, 0, 1},  // full throttle to the top
    {8000, 0, 1, 0},     // overrun
    {10000, 10, 0, 1},   // the part-throttle rows, up and down in turn
    {10000, 20, 1, 0},
    {10000, 30, 0, 1},
    {10000, 40, 1, 0},
    {10000, 50, 0, 1},
    {10000, 60, 1, 0},
    {10000, 70, 0, 1},
    {10000, 80, 1, 0},
    {1000, 0, 0, 0},  // closing to idle again
}};

constexpr std::int64_t CycleMs() {
    std::int64_t total = 0;
    for (const Stretch& s : kCycle) total += s.ms;
    return total;
}
static_assert(CycleMs() == SyntheticEngine::kCycleMs);

struct Place {
    double throttle;
    double speed;  // 0..1
};

Place PlaceAt(std::int64_t timeMs) {
    std::int64_t t = timeMs % CycleMs();
    int previousThrottle = kCycle.back().throttle;
    for (const Stretch& s : kCycle) {
        if (t < s.ms) {
            const double move = std::min(1.0, static_cast<double>(t) / kThrottleMoveMs);
            const double run =
                std::clamp(static_cast<double>(t - kSpeedHoldMs) / (s.ms - 2 * kSpeedHoldMs), 0.0, 1.0);
            return {previousThrottle + (s.throttle - previousThrottle) * move,
                    s.speedFrom + (s.speedTo - s.speedFrom) * (s.ms > 2 * kSpeedHoldMs ? run : 0.0)};
        }
        t -= s.ms;
        previousThrottle = s.throttle;
    }
    return {0, 0};
}

Byte Mem(const std::array<Byte, 220>& memory, int offset) {
    return memory[static_cast<std::size_t>(offset - 1)];
}

std::array<double, kMapSize> SpeedAxis(const std::array<Byte, 220>& memory) {
    return MapSpeedAxis(std::span<const Byte, kMapSize>(memory.data() + 200, kMapSize));
}

// The map's speed points, when they rise from the idle range to well above it.
bool UsableAxis(const std::array<double, kMapSize>& axis) {
    for (std::size_t i = 1; i < axis.size(); ++i) {
        if (axis[i] <= axis[i - 1]) return false;
    }
    return axis.back() >= SyntheticEngine::kIdleRpm + 1000;
}

int SpeedRpm(double speed, const std::array<Byte, 220>& memory) {
    const std::array<double, kMapSize> axis = SpeedAxis(memory);
    if (UsableAxis(axis)) {
        // Evenly over the columns from idle to the last point.
        const double idle = AxisPosition(axis, SyntheticEngine::kIdleRpm);
        const double position = idle + speed * (kMapSize - 1 - idle);
        return std::max(static_cast<int>(std::lround(AxisValue(axis, position))), SyntheticEngine::kIdleRpm);
    }
    int limiter = Mem(memory, 42) * 100;
    if (limiter < SyntheticEngine::kIdleRpm + 1000) limiter = 10000;
    return SyntheticEngine::kIdleRpm + static_cast<int>(speed * (limiter - SyntheticEngine::kIdleRpm));
}

// The sensor's voltage for a cell's share of the nominal injection: steep
// near the switching point as a narrow-band sensor is, towards 800 mV richer
// and 100 mV leaner. The switching point lies at 102 %, so an untouched map
// (100 %) reads a little lean (about 360 mV) and a cell made richer by a few
// percent crosses the usual 450 mV threshold: every cell is clearly one side.
double MixtureMv(int cellPercent) { return 450 + 350 * std::tanh((cellPercent - 102) / 8.0); }

// Noise of a few mV that a given moment always gets, so runs repeat.
int NoiseMv(std::int64_t timeMs) {
    auto x = static_cast<std::uint32_t>(timeMs) * 2654435761u;
    x ^= x >> 15;
    return static_cast<int>(x % 31) - 15;
}

// The sensor follows the mixture with this time constant.
constexpr double kSensorLagMs = 100;

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

}  // namespace

void SyntheticEngine::update(std::int64_t timeMs, const std::array<Byte, 220>& memory) {
    const Place place = PlaceAt(std::max<std::int64_t>(timeMs, 0));
    rpm_ = SpeedRpm(place.speed, memory);
    throttlePercent_ = static_cast<int>(std::lround(place.throttle));
    iapPercent_ = 30 + throttlePercent_ * 6 / 10;

    int tps0 = Mem(memory, 171) * 10;
    int tps100 = Mem(memory, 172) * 10 + 2500;
    if (tps0 < 300 || tps100 <= tps0) {
        tps0 = 500;
        tps100 = 4500;
    }
    tpsMv_ = tps0 + throttlePercent_ * (tps100 - tps0) / 100;

    // Warm enough to count (60 degrees) after about half a minute.
    waterC_ = 20 + static_cast<int>(65 * (1 - std::exp(-static_cast<double>(timeMs) / 30000)));

    // The map cell under the current speed and throttle; the speed axis travels in block 20.
    int column = 0;
    for (int r = 0; r < 10; ++r) {
        if (Mem(memory, 201 + r) * 100 <= rpm_) column = r;
    }
    const int row = std::min(throttlePercent_ / 10, 9);
    injectionTimeUs_ = 2500 * Mem(memory, 61 + 10 * row + column) / 100;
    injectionPositionDeg_ = std::min(Mem(memory, 51 + column) * 3, 720);
    counter_ = static_cast<int>((timeMs / 100) & 0xFFFF);
    followMixture(timeMs, memory);
}

void SyntheticEngine::followMixture(std::int64_t timeMs, const std::array<Byte, 220>& memory) {
    const MapPoint cell = MapPosition(SpeedAxis(memory), rpm_, throttlePercent_);
    const double target = MixtureMv(Mem(memory, 61 + 10 * cell.nearestRow + cell.nearestColumn));
    if (lastMs_ < 0 || timeMs <= lastMs_) {
        if (lastMs_ < 0) sensorMv_ = target;
    } else {
        sensorMv_ +=
            (target - sensorMv_) * (1 - std::exp(-static_cast<double>(timeMs - lastMs_) / kSensorLagMs));
    }
    lastMs_ = std::max(lastMs_, timeMs);
    lambdaMv_ = std::max(0, static_cast<int>(std::lround(sensorMv_)) + NoiseMv(timeMs));
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
