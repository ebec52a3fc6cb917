#pragma once

#include "ParameterSet.h"
#include "SyntheticEngine.h"
#include "UnitFaults.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <random>
#include <vector>

namespace ign {

// The control unit's side of the link: a 220-byte parameter memory that
// answers write and read frames, and a stream of monitor frames fed by a
// small synthetic engine. Time only passes through advance(); the line runs
// at 9600 baud, so every byte takes about 1.04 ms each way.
class SimulatedUnit {
public:
    static constexpr int kMemorySize = 220;
    static constexpr int kDefaultMonitorIntervalMs = 100;
    static constexpr int kDefaultAnswerMs = 2;

    explicit SimulatedUnit(UnitFaults faults = {});

    // Bytes the program wrote; they reach the unit over the line's time.
    void receive(const Byte* data, std::size_t size);
    // Time passes: requests are taken in, answers and monitor frames become due.
    void advance(int milliseconds);
    // Bytes that have fully arrived at the program's side and wait there.
    std::size_t available() const;
    // The program reads up to maxBytes of them.
    std::size_t take(Byte* buffer, std::size_t maxBytes);

    // Offsets 1..220 at indices 0..219.
    const std::array<Byte, kMemorySize>& memory() const { return memory_; }
    void setMemory(int offset, Byte value);
    UnitFaults& faults() { return faults_; }
    // 0 stops the monitor stream.
    void setMonitorIntervalMs(int ms) { monitorIntervalMs_ = ms; }
    // The unit's own time from a request's last byte to its answer's first.
    void setAnswerMs(int ms) { answerUs_ = std::int64_t{ms < 0 ? 0 : ms} * 1000; }
    int answerMs() const { return static_cast<int>(answerUs_ / 1000); }

    int monitorIntervalMs() const { return monitorIntervalMs_; }
    // Milliseconds since the unit was created.
    std::int64_t nowMs() const { return nowUs_ / 1000; }
    // Valid requests taken in, and answers put on the line (after drops).
    int requestsReceived() const { return requestsReceived_; }
    int answersSent() const { return answersSent_; }
    const SyntheticEngine& engine() const { return engine_; }

private:
    struct Chunk {
        std::int64_t dueUs;  // when its last byte has arrived at the program
        std::vector<Byte> bytes;
        bool monitor;
    };
    struct IncomingByte {
        std::int64_t arrivalUs;
        Byte value;
    };

    void step();
    void takeIncoming();
    void handleFrame(const std::array<Byte, 12>& frame);
    void sendAnswer(std::array<Byte, 12> answer);
    void queue(std::vector<Byte> bytes, std::int64_t earliestStartUs, bool monitor);
    void dropPendingMonitorFrames();
    void emitMonitorFrame();
    bool chance(double probability);

    UnitFaults faults_;
    std::array<Byte, kMemorySize> memory_{};
    std::mt19937 random_;
    SyntheticEngine engine_;

    std::int64_t nowUs_ = 0;
    std::int64_t inboundFreeUs_ = 0;   // the program-to-unit wire is busy until then
    std::int64_t outboundFreeUs_ = 0;  // the unit-to-program wire is busy until then
    std::deque<IncomingByte> incoming_;
    std::vector<Byte> frame_;
    std::int64_t lastByteUs_ = 0;
    std::deque<Chunk> outgoing_;

    int monitorIntervalMs_ = kDefaultMonitorIntervalMs;
    std::int64_t answerUs_ = std::int64_t{kDefaultAnswerMs} * 1000;
    std::int64_t nextMonitorUs_ = 0;
    std::int64_t monitorPausedUntilUs_ = 0;
    int monitorType_ = 0;

    int requestsReceived_ = 0;
    int answersSent_ = 0;
};

}  // namespace ign
