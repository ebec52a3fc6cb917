#include "PortsCommand.h"

#include "PortName.h"
#include "PortTexts.h"

#include <QFileInfo>

#include <array>
#include <cstdio>

namespace ign::cli {

namespace {

QString Local(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

std::string PortsListing(const std::vector<PortDescription>& ports, const std::string& com1,
                         const std::string& com2, Byte language) {
    const std::array<std::pair<const char*, QString>, 2> coms{{{"COM1", Local(com1)}, {"COM2", Local(com2)}}};
    std::array<bool, 2> placed{};
    std::vector<PortDescription> all = ports;
    all.push_back(SimulatedUnitPort(language));
    std::string listing;
    auto addLine = [&listing](const QString& line, const std::string& marks) {
        listing += line.toStdString();
        if (!marks.empty()) listing += "  [" + marks + "]";
        listing += '\n';
    };
    for (const PortDescription& port : all) {
        std::string marks;
        for (std::size_t i = 0; i < coms.size(); ++i) {
            if (!NamesPort(coms[i].second, port)) continue;
            marks += (marks.empty() ? "" : ", ") + std::string(coms[i].first);
            placed[i] = true;
        }
        addLine(PortLine(port), marks);
    }
    for (std::size_t i = 0; i < coms.size(); ++i) {
        if (placed[i] || coms[i].second.trimmed().isEmpty()) continue;
        std::string marks = coms[i].first;
        // Both may name the same absent port: one line for it.
        if (i == 0 && !placed[1] && coms[1].second.trimmed() == coms[0].second.trimmed()) {
            marks += ", " + std::string(coms[1].first);
            placed[1] = true;
        }
        const QString name = coms[i].second.trimmed();
        const PortText state = QFileInfo::exists(name) ? PortText::NotListed : PortText::CauseMissing;
        addLine(name + QStringLiteral(": ") + QString::fromUtf8(PortTextOf(state, language)), marks);
    }
    return listing;
}

int RunPorts(const CliOptions& options) {
    const std::string listing =
        PortsListing(SystemPorts(), ResolvePortName("COM1"), ResolvePortName("COM2"), options.language);
    std::fputs(listing.c_str(), stdout);
    return kExitOk;
}

}  // namespace ign::cli
