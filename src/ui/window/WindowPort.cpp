#include "Messages.h"
#include "OpenSerialLine.h"
#include "PortDiagnosis.h"
#include "PortTexts.h"
#include "history/HistoryFeature.h"
#include "history/RestorePointRecorder.h"
#include "port/ConnectionField.h"
#include "port/PortDialog.h"
#include "port/PortProbeRun.h"
#include "port/QuickLinkFeature.h"
#include "window/Hlav.h"
#include "window/ReadBeforeProgram.h"

#include <QAction>
#include <QElapsedTimer>
#include <QMenu>
#include <QStatusBar>

namespace ign {

namespace {

// [PORTS] holds the names in the platform's 8-bit encoding.
QString FromStored(const std::string& name) {
    return QString::fromLocal8Bit(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

void TFormHlav::BuildPortParts(PortConnection::Opener openPort) {
    if (!openPort) openPort = [](const QString& name, PortFacts& why) { return OpenSerialLine(name, why); };
    auto steady = std::make_shared<QElapsedTimer>();
    steady->start();
    port_ =
        std::make_unique<PortConnection>(link_, std::move(openPort), [steady] { return steady->elapsed(); });
    readBefore_ = std::make_unique<ReadBeforeProgram>(
        link_, *port_,
        ReadBeforeProgram::Hooks{[this] {
                                     const HistoryFeature* history = Find<HistoryFeature>();
                                     return history != nullptr && history->ReadBeforeProgram();
                                 },
                                 [this] {
                                     if (auto* quick = Find<QuickLinkFeature>()) quick->UnitUnknown();
                                 },
                                 [this](const ParameterSet& set, const std::string& version) {
                                     if (auto* history = Find<HistoryFeature>())
                                         history->Recorder().UnitBeforeProgram(set, version);
                                 },
                                 [this] { StartProgram(); }});
}

void TFormHlav::OpenPort() {
    // The menu speaks of COM1 and COM2; the settings say which system port each one is.
    const std::optional<PortFacts> failure =
        port_->Choose(FromStored(useCom2_ ? settings_.com2Port : settings_.com1Port));
    emit events_.portChanged();
    // Without a port the program goes on: transfers run into their error texts
    // while the port is tried again, silently.
    if (failure) ShowPortFailure(*failure);
}

void TFormHlav::ShowPortFailure(PortFacts facts) {
    ListPresentPorts(facts);
    ShowMessage(QString::fromUtf8(MessageText(MessageId::ComOpeningError, languageCode_)),
                QString::fromStdString(PortFailureText(facts, languageCode_)));
}

void TFormHlav::ClosePort() {
    readBefore_->Drop();  // a Program waiting for its read aside is dropped with the port
    port_->Close();
}

std::array<QString, 2> TFormHlav::PortNames() const {
    return {FromStored(settings_.com1Port), FromStored(settings_.com2Port)};
}

void TFormHlav::ChoosePorts(const std::array<QString, 2>& names) {
    const std::array<QString, 2> before = PortNames();
    settings_.com1Port = names[0].toLocal8Bit().toStdString();
    settings_.com2Port = names[1].toLocal8Bit().toStdString();
    // The port in use is taken at once; a changed name, or one still not open, is chosen anew.
    const std::size_t current = useCom2_ ? 1 : 0;
    if (names[current] == before[current] && port_->IsOpen()) return;
    ClosePort();
    OpenPort();
}

}  // namespace ign
