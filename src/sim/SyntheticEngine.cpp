#include "SyntheticEngine.h"

#include "MapGeometry.h"

#include <algorithm>
#include <cmath>

namespace ign {

namespace {

// One stretch of the cycle. The throttle moves to its opening in its first
// kThrottleMoveMs and stays. A sweep moves the speed (0 idle, 1 top of the
// range) evenly between its ends, holding kSpeedHoldMs at each; a steady
// stretch holds one column of the map. Either starts from where the stretch
// before left the engine and reaches its own speed within kMoveMs.
struct Stretch {
    std::int64_t ms = 0;
    int throttle = 0;
    double speedFrom = 0, speedTo = 0;
    int column = -1;  // the column a steady stretch holds; -1 for a sweep
};

constexpr std::int64_t kThrottleMoveMs = 250;
constexpr std::int64_t kSpeedHoldMs = 1500;
constexpr std::int64_t kMoveMs = 600;
constexpr int kSteadyRows = 8;  // 10 % to 80 %
constexpr std::size_t kStretches = 1 + (kSteadyRows / 2) * (2 + 2 * kMapSize) + 1;

// 3 to 6 s in half seconds, varied from cell to cell so that the stream has no beat.
constexpr std::int64_t HoldMs(int row, int column) { return 3000 + 500 * ((row * 3 + column * 5) % 7); }

constexpr std::array<Stretch, kStretches> MakeCycle() {
    std::array<Stretch, kStretches> cycle{};
    std::size_t n = 0;
    cycle[n++] = {4000, 0, 0, 0, -1};  // idle
    for (int pair = 0; pair < kSteadyRows / 2; ++pair) {
        cycle[n++] = {10000, 100, 0, 1, -1};  // full throttle to the top
        cycle[n++] = {8000, 0, 1, 0, -1};     // overrun
        // Two rows, up the speeds and down again, a cell at a time.
        for (int k = 0; k < 2; ++k) {
            const int row = 2 * pair + k + 1;
            for (int i = 0; i < kMapSize; ++i) {
                const int column = k == 0 ? i : kMapSize - 1 - i;
                cycle[n++] = {kMoveMs + HoldMs(row, column), 10 * row, 0, 0, column};
            }
        }
    }
    cycle[n++] = {1000, 0, 0, 0, -1};  // closing to idle again
    return cycle;
}

constexpr std::array<Stretch, kStretches> kCycle = MakeCycle();

constexpr std::int64_t CycleMs() {
    std::int64_t total = 0;
    for (const Stretch& s : kCycle) total += s.ms;
    return total;
}
static_assert(CycleMs() == SyntheticEngine::kCycleMs);

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

int Limiter(const std::array<Byte, 220>& memory) {
    const int limiter = Mem(memory, 42) * 100;
    return limiter < SyntheticEngine::kIdleRpm + 1000 ? 10000 : limiter;
}

double SpeedRpm(double speed, const std::array<Byte, 220>& memory) {
    const std::array<double, kMapSize> axis = SpeedAxis(memory);
    if (UsableAxis(axis)) {
        // Evenly over the columns from idle to the last point.
        const double idle = AxisPosition(axis, SyntheticEngine::kIdleRpm);
        const double position = idle + speed * (kMapSize - 1 - idle);
        return std::max(std::round(AxisValue(axis, position)), double(SyntheticEngine::kIdleRpm));
    }
    return SyntheticEngine::kIdleRpm + std::floor(speed * (Limiter(memory) - SyntheticEngine::kIdleRpm));
}

// The speed of a column's point, never below idle; without a usable axis the
// columns divide the limiter's range.
double ColumnRpm(int column, const std::array<Byte, 220>& memory) {
    const std::array<double, kMapSize> axis = SpeedAxis(memory);
    if (UsableAxis(axis))
        return std::max(axis[static_cast<std::size_t>(column)], double(SyntheticEngine::kIdleRpm));
    return SpeedRpm(static_cast<double>(column) / (kMapSize - 1), memory);
}

// A stretch's own speed at `t` ms into it.
double OwnRpm(const Stretch& s, std::int64_t t, const std::array<Byte, 220>& memory) {
    if (s.column >= 0) return ColumnRpm(s.column, memory);
    const double span = static_cast<double>(s.ms - 2 * kSpeedHoldMs);
    const double run = span > 0 ? std::clamp(static_cast<double>(t - kSpeedHoldMs) / span, 0.0, 1.0) : 0.0;
    return SpeedRpm(s.speedFrom + (s.speedTo - s.speedFrom) * run, memory);
}

struct Place {
    double throttle = 0;
    double rpm = SyntheticEngine::kIdleRpm;
};

Place PlaceAt(std::int64_t timeMs, const std::array<Byte, 220>& memory) {
    std::int64_t t = std::max<std::int64_t>(timeMs, 0) % SyntheticEngine::kCycleMs;
    const Stretch* previous = &kCycle.back();
    for (const Stretch& s : kCycle) {
        if (t < s.ms) {
            const double move = std::min(1.0, static_cast<double>(t) / kThrottleMoveMs);
            const double reach = std::min(1.0, static_cast<double>(t) / kMoveMs);
            const double from = OwnRpm(*previous, previous->ms, memory);
            return {previous->throttle + (s.throttle - previous->throttle) * move,
                    from + (OwnRpm(s, t, memory) - from) * reach};
        }
        t -= s.ms;
        previous = &s;
    }
    return {};
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

// Past its lag the sensor follows the mixture with this time constant.
constexpr double kSensorResponseMs = 30;

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
    const Place place = PlaceAt(timeMs, memory);
    rpm_ = static_cast<int>(std::lround(place.rpm));
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
    // What was burnt kLambdaLagMs ago reaches the sensor now.
    const Place burnt = PlaceAt(timeMs - kLambdaLagMs, memory);
    const MapPoint cell = MapPosition(SpeedAxis(memory), std::round(burnt.rpm), std::round(burnt.throttle));
    const double target = MixtureMv(Mem(memory, 61 + 10 * cell.nearestRow + cell.nearestColumn));
    if (lastMs_ < 0 || timeMs <= lastMs_) {
        if (lastMs_ < 0) sensorMv_ = target;
    } else {
        sensorMv_ +=
            (target - sensorMv_) * (1 - std::exp(-static_cast<double>(timeMs - lastMs_) / kSensorResponseMs));
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
