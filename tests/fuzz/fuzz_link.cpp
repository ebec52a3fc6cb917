// Feeds the link arbitrary reads, tick by tick, in the middle of any transfer.
// Input: byte 0 picks the transfer (0 none, 1 Read, 2 Verify, 3 Program); then
// records of a length byte and that many bytes, queued on the line before one
// tick. A length byte with bit 7 set counts in 16s (up to 2032 bytes, so the
// 1024-byte read limit is crossed); 0xFF restarts the transfer instead.
#include "Link.h"
#include "Monitor.h"
#include "New.h"
#include "ScriptedLine.h"
#include "Validation.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

void Start(ign::Link& link, std::uint8_t which) {
    switch (which % 4) {
        case 1:
            link.StartRead();
            break;
        case 2:
            link.StartVerify();
            break;
        case 3:
            link.StartProgram();
            break;
        default:
            break;
    }
}

void CheckInvariants(const ign::Link& link) {
    const ign::LinkState& s = link.state();
    const ign::LinkDisplay& d = link.display();
    if (d.progress < 0 || d.progress > ign::Link::kProgressMax) __builtin_trap();
    if (s.ReceivedCount > ign::kReceiveBufferSize) __builtin_trap();
    if (s.TransferMode == ign::TransferMode::None && s.AwaitingResponse) __builtin_trap();
    if (s.TransferMode != ign::TransferMode::None && s.SendCount > ign::Link::kMaxSends) __builtin_trap();
    if (s.TransferMode == ign::TransferMode::Program && s.FrameCode > 20) __builtin_trap();
    if ((s.TransferMode == ign::TransferMode::Read || s.TransferMode == ign::TransferMode::Verify) &&
        (s.FrameCode < 0x40 || s.FrameCode > 0x55)) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    ign::ParameterSet set;
    ign::ApplyMachineDefaults(set);
    ign::ValidateParameters(set);
    ign::PackDeviceImage(set);
    ScriptedLine line;
    ign::Link link(&line);
    link.Use(set);
    ign::Monitor monitor;
    Start(link, data[0]);

    std::size_t pos = 1;
    while (pos < size) {
        const std::uint8_t head = data[pos++];
        if (head == 0xFF) {
            if (pos < size) Start(link, data[pos++]);
            continue;
        }
        std::size_t length = (head & 0x80) != 0 ? std::size_t{head & 0x7Fu} * 16 : head;
        length = std::min(length, size - pos);
        line.queued.insert(line.queued.end(), data + pos, data + pos + length);
        if (length >= ign::kFrameSize) monitor.ShowMonitorFrame(data + pos);
        pos += length;
        link.tick();
        CheckInvariants(link);
    }
    // Let the transfer run out against silence.
    for (int t = 0; t < 30; ++t) {
        link.tick();
        CheckInvariants(link);
    }
    if (link.state().TransferMode != ign::TransferMode::None) __builtin_trap();
    for (const auto& frame : line.written)
        if (frame.size() != ign::kFrameSize) __builtin_trap();
    return 0;
}
