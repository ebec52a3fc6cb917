#pragma once

#include "ParameterSet.h"

#include <cstddef>
#include <functional>

namespace ign {

// What the link needs of a serial port: it never waits, it only asks what is
// already queued. Implemented over QSerialPort (Windows: over the system's own
// serial calls), over the in-process simulated unit, and by in-memory lines in tests.
class SerialLine {
public:
    virtual ~SerialLine() = default;
    virtual bool isOpen() const = 0;
    // Bytes waiting in the input queue right now.
    virtual std::size_t bytesQueued() = 0;
    // Reads at most maxBytes of the queued bytes into buffer; returns how many.
    virtual std::size_t read(Byte* buffer, std::size_t maxBytes) = 0;
    // Writes one whole 12-byte frame at once.
    virtual void write(const Byte* frame, std::size_t size) = 0;
    // Asks for handler to run whenever bytes come in. False when the line
    // cannot tell, and whoever waits for bytes must look for them itself.
    virtual bool notifyInput(std::function<void()> /*handler*/) { return false; }
};

}  // namespace ign
