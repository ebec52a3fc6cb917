#include "UnitPort.h"

#include "Messages.h"
#include "OpenSerialLine.h"
#include "PortDiagnosis.h"
#include "PortName.h"
#include "PortTexts.h"

#include <QString>

#include <cstdio>

namespace ign::cli {

std::unique_ptr<SerialLine> OpenUnitPort(const CliOptions& options) {
    const std::string resolved = ResolvePortName(options.port);
    PortFacts why;
    auto line = OpenSerialLine(QString::fromStdString(resolved), why);
    if (line) return line;
    ListPresentPorts(why);
    std::string name = options.port;
    if (resolved != options.port) name += " (" + resolved + ")";
    const std::string_view text = MessageText(MessageId::ComOpeningError, options.language);
    std::fprintf(stderr, "ignition-cli: %.*s: %s\n%s\n", static_cast<int>(text.size()), text.data(),
                 name.c_str(), PortFailureText(why, options.language).c_str());
    return nullptr;
}

}  // namespace ign::cli
