#include "OpenSerialLine.h"

#include "PortDiagnosis.h"
#include "QtSerialLine.h"
#include "SimulatorSerialLine.h"

#if defined(Q_OS_WIN)
#include "WindowsSerialLine.h"
#endif

namespace ign {

std::unique_ptr<SerialLine> OpenSerialLine(const QString& portName, PortFacts& why) {
    if (portName.trimmed().compare(QLatin1String(kSimulatorPortName), Qt::CaseInsensitive) == 0)
        return std::make_unique<SimulatorSerialLine>();
#if defined(Q_OS_WIN)
    auto line = std::make_unique<WindowsSerialLine>();
    if (line->open(portName)) return line;
    why = DiagnoseWindowsOpenFailure(portName, line->openError());
    return nullptr;
#else
    auto line = std::make_unique<QtSerialLine>();
    QString error;
    if (line->open(portName, &error)) return line;
    why = DiagnoseOpenFailure(portName, line->openError(), error);
    return nullptr;
#endif
}

std::unique_ptr<SerialLine> OpenSerialLine(const QString& portName, QString* error) {
    PortFacts why;
    auto line = OpenSerialLine(portName, why);
    if (!line && error) *error = QString::fromStdString(why.systemText);
    return line;
}

}  // namespace ign
