#pragma once

#include "ParameterSet.h"

#include <QSerialPortInfo>
#include <QString>

#include <optional>
#include <vector>

namespace ign {

// Where Linux keeps, for each USB serial adapter, a name built from its maker,
// product and serial number, which stays the same whichever ttyUSB number the
// adapter gets at the next plug-in.
inline constexpr const char* kStableNamesFolder = "/dev/serial/by-id";

// One port as the port list shows and stores it.
struct PortDescription {
    QString name;    // what is offered and stored: the stable name where there is one, else the device
    QString device;  // the system's name for it right now: /dev/ttyUSB0, COM3
    QString description;
    QString manufacturer;
    QString serialNumber;
    std::optional<quint16> vendorId;
    std::optional<quint16> productId;
};

// The port as the platform reports it, named by its device.
PortDescription DescribePort(const QSerialPortInfo& info);

// Names each port after the first link in folder (by name) that points at its
// device, so a stored choice survives the next plug-in.
void UseStableNames(std::vector<PortDescription>& ports, const QString& folder = kStableNamesFolder);

// The ports the system has, by device, with their stable names. Pseudo-terminals are none.
std::vector<PortDescription> SystemPorts(const QString& stableNamesFolder = kStableNamesFolder);

// The entry for the in-process simulated unit: stored as "simulator".
PortDescription SimulatedUnitPort(Byte language);

// A port's details on one line, as the port dialog and `ignition-cli ports`
// show them: "NAME (DEVICE): description, maker, USB vvvv:pppp, serial S",
// with what the system does not report left out.
QString PortLine(const PortDescription& port);

// Whether a stored port name (a [PORTS] value) means this port: its name, its
// device, or another link to the same device.
bool NamesPort(const QString& stored, const PortDescription& port);

}  // namespace ign
