#pragma once

#include "PortFailure.h"
#include "SerialLine.h"

#include <QString>

#include <array>
#include <cstdint>

namespace ign {

// A COM port through the system's own synchronous calls, used on Windows in
// place of the Qt serial port, whose reads wait for comm events that not every
// driver gives (Wine's on a pseudo-terminal gives none). 9600 8N1; nothing here
// ever waits for a byte: only what is queued is read.
class WindowsSerialLine final : public SerialLine {
public:
    WindowsSerialLine() = default;
    ~WindowsSerialLine() override;
    WindowsSerialLine(const WindowsSerialLine&) = delete;
    WindowsSerialLine& operator=(const WindowsSerialLine&) = delete;

    // Opens the port without sharing and sets it up. On failure the line stays
    // closed and openError() holds the system's error code.
    bool open(const QString& portName);
    // Gives the port its time-outs back and closes it; harmless when closed.
    void close();
    std::uint32_t openError() const { return openError_; }

    bool isOpen() const override { return handle_ != nullptr; }
    std::size_t bytesQueued() override;
    std::size_t read(Byte* buffer, std::size_t maxBytes) override;
    void write(const Byte* frame, std::size_t size) override;

private:
    void* handle_ = nullptr;  // the port's HANDLE; null while closed
    // The port's COMMTIMEOUTS as found at the open, member by member.
    std::array<std::uint32_t, 5> savedTimeouts_{};
    // Queued bytes the last look at the port found and nobody has read yet.
    std::size_t queued_ = 0;
    std::uint32_t openError_ = 0;
};

// The name the system opens for a port: COM1 to COM9 as they are, higher
// numbers (COM10) only through the device namespace (\\.\COM10).
QString WindowsDeviceName(const QString& portName);

// Why a port would not open, from the system's error code (GetLastError).
PortFacts DiagnoseWindowsOpenFailure(const QString& portName, std::uint32_t systemError);

}  // namespace ign
