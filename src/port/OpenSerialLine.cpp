#include "OpenSerialLine.h"

#include "QtSerialLine.h"
#include "SimulatorSerialLine.h"

namespace ign {

std::unique_ptr<SerialLine> OpenSerialLine(const QString& portName, QString* error) {
    if (portName.trimmed().compare(QLatin1String(kSimulatorPortName), Qt::CaseInsensitive) == 0)
        return std::make_unique<SimulatorSerialLine>();
    auto line = std::make_unique<QtSerialLine>();
    if (!line->open(portName, error)) return nullptr;
    return line;
}

}  // namespace ign
