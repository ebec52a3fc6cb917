#include "SimulatedUnit.h"

#include <algorithm>

namespace ign {

namespace {

constexpr std::int64_t kByteUs = 1042;            // one 10-bit character at 9600 baud
constexpr std::int64_t kFrameGapUs = 5000;        // a pause this long starts a new frame
constexpr std::int64_t kSplitDelayUs = 70000;     // the second piece of a split answer, a tick later
constexpr std::int64_t kMonitorPauseUs = 300000;  // quiet time after a request before streaming again
constexpr std::size_t kFrameSize = 12;

bool Valid(const std::array<Byte, 12>& frame) {
    Byte x = 0;
    for (Byte b : frame) x = static_cast<Byte>(x ^ b);
    return x == 0xFF;
}

void Seal(std::array<Byte, 12>& frame) {
    Byte x = 0;
    for (std::size_t i = 0; i + 1 < kFrameSize; ++i) x = static_cast<Byte>(x ^ frame[i]);
    frame[11] = static_cast<Byte>(~x);
}

// Month code: the sum of the English abbreviation's characters, as the unit's build stamps it.
constexpr Byte kMarch = static_cast<Byte>('M' + 'a' + 'r');

}  // namespace

SimulatedUnit::SimulatedUnit(UnitFaults faults) : faults_(faults), random_(faults.seed) {
    // Identification in block 21: "SIM" version 12, built 14.03.2024 09:05.
    const std::array<Byte, 9> id{'S', 'I', 'M', 12, 14, kMarch, 24, 9, 5};
    std::copy(id.begin(), id.end(), memory_.begin() + 210);
    engine_.update(0, memory_);
}

void SimulatedUnit::setMemory(int offset, Byte value) {
    if (offset >= 1 && offset <= kMemorySize) memory_[static_cast<std::size_t>(offset - 1)] = value;
}

void SimulatedUnit::receive(const Byte* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        const std::int64_t arrival = std::max(nowUs_, inboundFreeUs_) + kByteUs;
        inboundFreeUs_ = arrival;
        incoming_.push_back({arrival, data[i]});
    }
}

void SimulatedUnit::advance(int milliseconds) {
    for (int i = 0; i < milliseconds; ++i) {
        nowUs_ += 1000;
        step();
    }
}

std::size_t SimulatedUnit::available() const {
    std::size_t n = 0;
    for (const Chunk& c : outgoing_) {
        if (c.dueUs > nowUs_) break;
        n += c.bytes.size();
    }
    return n;
}

std::size_t SimulatedUnit::take(Byte* buffer, std::size_t maxBytes) {
    std::size_t n = 0;
    while (n < maxBytes && !outgoing_.empty() && outgoing_.front().dueUs <= nowUs_) {
        Chunk& c = outgoing_.front();
        const std::size_t count = std::min(maxBytes - n, c.bytes.size());
        std::copy_n(c.bytes.begin(), count, buffer + n);
        c.bytes.erase(c.bytes.begin(), c.bytes.begin() + static_cast<std::ptrdiff_t>(count));
        n += count;
        if (c.bytes.empty()) outgoing_.pop_front();
    }
    return n;
}

void SimulatedUnit::step() {
    engine_.update(nowUs_ / 1000, memory_);
    takeIncoming();
    // A frame falls due only once the line has room for it: the unit cannot
    // send faster than 9600 baud carries, so at short intervals the frames
    // follow each other back to back instead of piling up without end.
    const bool lineFree = outboundFreeUs_ <= nowUs_ + 1000;
    if (monitorIntervalMs_ > 0 && nowUs_ >= nextMonitorUs_ && lineFree) {
        nextMonitorUs_ = nowUs_ + std::int64_t{monitorIntervalMs_} * 1000;
        if (nowUs_ >= monitorPausedUntilUs_ && incoming_.empty() && frame_.empty()) emitMonitorFrame();
    }
}

void SimulatedUnit::takeIncoming() {
    while (!incoming_.empty() && incoming_.front().arrivalUs <= nowUs_) {
        const IncomingByte in = incoming_.front();
        incoming_.pop_front();
        // The program talks: keep the line free for the answer.
        dropPendingMonitorFrames();
        monitorPausedUntilUs_ = in.arrivalUs + kMonitorPauseUs;
        if (!frame_.empty() && in.arrivalUs - lastByteUs_ > kFrameGapUs) frame_.clear();
        lastByteUs_ = in.arrivalUs;
        frame_.push_back(in.value);
        if (frame_.size() == kFrameSize) {
            std::array<Byte, 12> f{};
            std::copy(frame_.begin(), frame_.end(), f.begin());
            frame_.clear();
            handleFrame(f);
        }
    }
}

void SimulatedUnit::handleFrame(const std::array<Byte, 12>& frame) {
    if (!Valid(frame)) return;
    const Byte code = frame[0];
    std::array<Byte, 12> answer{};
    answer[0] = static_cast<Byte>(code ^ 0x80);
    if (code <= 20) {
        ++requestsReceived_;
        for (int i = 0; i < 10; ++i) {
            const int offset = code * 10 + i + 1;
            if (offset != faults_.stuckOffset) memory_[static_cast<std::size_t>(offset - 1)] = frame[1 + i];
            answer[1 + i] = frame[1 + i];
        }
        if (faults_.wrongEcho) answer[1] = static_cast<Byte>(answer[1] ^ 0x5A);
    } else if (code >= 0x40 && code <= 0x55) {
        ++requestsReceived_;
        const int block = code - 0x40;
        std::copy_n(memory_.begin() + block * 10, 10, answer.begin() + 1);
    } else {
        return;
    }
    Seal(answer);
    sendAnswer(answer);
}

void SimulatedUnit::sendAnswer(std::array<Byte, 12> answer) {
    if (faults_.silent || chance(faults_.dropRate)) return;
    if (chance(faults_.corruptRate)) {
        const unsigned bit = random_() % 96;
        answer[bit / 8] = static_cast<Byte>(answer[bit / 8] ^ (1u << (bit % 8)));
    }
    ++answersSent_;
    const std::int64_t start = nowUs_ + answerUs_ + std::int64_t{faults_.answerDelayMs} * 1000;
    if (faults_.splitAnswers) {
        queue({answer.begin(), answer.begin() + 6}, start, false);
        queue({answer.begin() + 6, answer.end()}, start + kSplitDelayUs, false);
    } else {
        queue({answer.begin(), answer.end()}, start, false);
    }
}

void SimulatedUnit::queue(std::vector<Byte> bytes, std::int64_t earliestStartUs, bool monitor) {
    const std::int64_t start = std::max(earliestStartUs, outboundFreeUs_);
    const std::int64_t due = start + kByteUs * static_cast<std::int64_t>(bytes.size());
    outboundFreeUs_ = due;
    outgoing_.push_back({due, std::move(bytes), monitor});
}

void SimulatedUnit::dropPendingMonitorFrames() {
    // Frames whose bytes have not all reached the program are withdrawn whole,
    // so an answer is never preceded by the tail of a monitor frame. A unit
    // that let a frame on the wire run out would put it in the same read as
    // the answer, which the link then drops and sends again four ticks later.
    std::erase_if(outgoing_, [this](const Chunk& c) { return c.monitor && c.dueUs > nowUs_; });
    outboundFreeUs_ = nowUs_;
    for (const Chunk& c : outgoing_) outboundFreeUs_ = std::max(outboundFreeUs_, c.dueUs);
}

void SimulatedUnit::emitMonitorFrame() {
    // Types in the order 3, 0, 1, 2: the status bytes come just before the values that use them.
    static constexpr std::array<int, 4> kOrder{3, 0, 1, 2};
    const std::array<Byte, 12> f = engine_.frame(kOrder[static_cast<std::size_t>(monitorType_)]);
    monitorType_ = (monitorType_ + 1) % 4;
    queue({f.begin(), f.end()}, nowUs_, true);
}

bool SimulatedUnit::chance(double probability) {
    if (probability <= 0.0) return false;
    // Our own mapping of the generator's output, so a seed gives the same run everywhere.
    const double u = static_cast<double>(random_() >> 8) / static_cast<double>(1u << 24);
    return u < probability;
}

}  // namespace ign
