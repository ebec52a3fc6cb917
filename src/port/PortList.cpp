#include "PortList.h"

#include "OpenSerialLine.h"
#include "PortTexts.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace ign {

namespace {

bool SameFile(const QString& a, const QString& b) {
    if (a == b) return true;
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

QString Hex4(quint16 value) { return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')); }

}  // namespace

PortDescription DescribePort(const QSerialPortInfo& info) {
    PortDescription port;
#if defined(Q_OS_WIN)
    port.device = info.portName();
#else
    port.device = info.systemLocation();
#endif
    port.name = port.device;
    port.description = info.description();
    port.manufacturer = info.manufacturer();
    port.serialNumber = info.serialNumber();
    if (info.hasVendorIdentifier()) port.vendorId = info.vendorIdentifier();
    if (info.hasProductIdentifier()) port.productId = info.productIdentifier();
    return port;
}

void UseStableNames(std::vector<PortDescription>& ports, const QString& folder) {
    const QFileInfoList links =
        QDir(folder).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (PortDescription& port : ports) {
        for (const QFileInfo& link : links) {
            // The system's links are relative ("../../ttyUSB0"); the target comes back absolute.
            if (link.isSymLink() && SameFile(link.symLinkTarget(), port.device)) {
                port.name = link.absoluteFilePath();
                break;
            }
        }
    }
}

std::vector<PortDescription> SystemPorts(const QString& stableNamesFolder) {
    std::vector<PortDescription> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) ports.push_back(DescribePort(info));
    std::sort(ports.begin(), ports.end(),
              [](const PortDescription& a, const PortDescription& b) { return a.device < b.device; });
    UseStableNames(ports, stableNamesFolder);
    return ports;
}

PortDescription SimulatedUnitPort(Byte language) {
    PortDescription port;
    port.name = port.device = QLatin1String(kSimulatorPortName);
    port.description = QString::fromUtf8(PortTextOf(PortText::SimulatedUnit, language));
    return port;
}

QString PortLine(const PortDescription& port) {
    QString line = port.name;
    if (port.device != port.name) line += QStringLiteral(" (%1)").arg(port.device);
    QStringList details;
    if (!port.description.isEmpty()) details << port.description;
    if (!port.manufacturer.isEmpty()) details << port.manufacturer;
    if (port.vendorId && port.productId)
        details << QStringLiteral("USB %1:%2").arg(Hex4(*port.vendorId), Hex4(*port.productId));
    if (!port.serialNumber.isEmpty()) details << QStringLiteral("serial %1").arg(port.serialNumber);
    if (!details.isEmpty()) line += QStringLiteral(": ") + details.join(QStringLiteral(", "));
    return line;
}

bool NamesPort(const QString& stored, const PortDescription& port) {
    const QString name = stored.trimmed();
    if (name.isEmpty()) return false;
    if (name == port.name || name == port.device) return true;
    // COM names and the simulator's value mean the same in any letter case.
    if (!QDir::isAbsolutePath(name))
        return name.compare(port.name, Qt::CaseInsensitive) == 0 ||
               name.compare(port.device, Qt::CaseInsensitive) == 0;
    return SameFile(name, port.device);
}

}  // namespace ign
