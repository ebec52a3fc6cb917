#include "ConnectionField.h"
#include "HistoryFeature.h"
#include "Hlav.h"
#include "Messages.h"
#include "OpenSerialLine.h"
#include "PortDiagnosis.h"
#include "PortDialog.h"
#include "PortProbeRun.h"
#include "PortTexts.h"
#include "QuickLinkFeature.h"
#include "ReadBeforeProgram.h"
#include "RestorePointRecorder.h"

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
    connectionField_ = new ConnectionField(statusBar());
    AddStatusField(*connectionField_, StatusPlace::Connection);
    portProbe_ = std::make_unique<PortProbeRun>(link_, *port_, nullptr);
    // The unit may say who it is without a Read: the points of a Program then name it too.
    connect(portProbe_.get(), &PortProbeRun::unitIdentified, &events_,
            [this](const QString& version, bool onWindowsPort) {
                if (onWindowsPort) emit events_.unitIdentified(version);
            });
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

    QMenu* menu = actions_.Com;
    menu->addSeparator();
    auto* ports = new QAction(QStringLiteral("&Ports..."), this);
    ports->setObjectName(QStringLiteral("MenuPorts"));
    menu->addAction(ports);
    connect(ports, &QAction::triggered, this, [this] { RunGuarded([this] { MenuPortsClick(); }); });
}

void TFormHlav::OpenPort() {
    // The menu speaks of COM1 and COM2; the settings say which system port each one is.
    const std::optional<PortFacts> failure =
        port_->Choose(FromStored(useCom2_ ? settings_.com2Port : settings_.com1Port));
    ShowConnection();
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

void TFormHlav::ShowConnection() { connectionField_->Show(port_->FieldText(languageCode_)); }

void TFormHlav::MenuPortsClick() {
    const std::array<QString, PortDialog::kComs> before{FromStored(settings_.com1Port),
                                                        FromStored(settings_.com2Port)};
    PortDialog dialog(
        SystemPorts(), before, languageCode_, *portProbe_, [this] { return !link_.idle(); }, this);
    const int result = portDialogRunner_ ? portDialogRunner_(dialog) : dialog.exec();
    // A test still running would hold the port the choice may be about to open.
    portProbe_->Stop();
    if (result != QDialog::Accepted) return;
    const std::array<QString, PortDialog::kComs> chosen = dialog.Chosen();
    settings_.com1Port = chosen[0].toLocal8Bit().toStdString();
    settings_.com2Port = chosen[1].toLocal8Bit().toStdString();
    // The port in use is taken at once; a changed name, or one still not open, is chosen anew.
    const std::size_t current = useCom2_ ? 1 : 0;
    if (chosen[current] == before[current] && port_->IsOpen()) return;
    ClosePort();
    OpenPort();
}

}  // namespace ign
