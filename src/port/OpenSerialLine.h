#pragma once

#include "PortFailure.h"
#include "SerialLine.h"

#include <QString>

#include <memory>

namespace ign {

// The port name that selects the in-process simulated unit instead of a device.
inline constexpr const char* kSimulatorPortName = "simulator";

// Opens the line behind a system port name (a QSerialPort; on Windows a
// WindowsSerialLine), or the simulated unit for "simulator" (any letter case). Returns nullptr when the port
// cannot be opened, with the reason in error (when given).
std::unique_ptr<SerialLine> OpenSerialLine(const QString& portName, QString* error = nullptr);

// The same; when the port cannot be opened, why receives what the system
// says about it (PortFailureText puts that into words; ListPresentPorts adds
// the ports there are before a missing one is explained).
std::unique_ptr<SerialLine> OpenSerialLine(const QString& portName, PortFacts& why);

}  // namespace ign
