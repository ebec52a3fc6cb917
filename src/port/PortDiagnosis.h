#pragma once

#include "PortFailure.h"

#include <QSerialPort>
#include <QString>

namespace ign {

// Asks the system why a port would not open, after the open failed with
// error: whether the device is there, whether the user may use it and, on
// POSIX systems, who owns it and whether the user is in that group, by the
// account database and in this session. Opens nothing itself: opening a
// serial device raises its control lines, which some units take as a reset.
PortFacts DiagnoseOpenFailure(const QString& portName, QSerialPort::SerialPortError error,
                              const QString& errorText);

// For a port that is not there, the ports the system has, to name them in
// the explanation. Asking takes some 10 ms, so the silent retries leave it out.
void ListPresentPorts(PortFacts& facts);

}  // namespace ign
