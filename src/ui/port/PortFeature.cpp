#include "port/PortFeature.h"

#include "Link.h"
#include "PortConnection.h"
#include "PortDiagnosis.h"
#include "port/ConnectionField.h"
#include "port/PortDialog.h"
#include "port/PortProbeRun.h"

#include <QAction>
#include <QStatusBar>

namespace ign {

PortFeature::PortFeature(FeatureHost& host) : host_(host) {
    field_ = new ConnectionField(&host.StatusLine());
    host.AddStatusField(*field_, StatusPlace::Connection);
    probe_ = std::make_unique<PortProbeRun>(host.DeviceLink(), host.LineOwner(), nullptr);
    // The unit may say who it is without a Read: the points of a Program then name it too.
    HostEvents* events = &host.Events();
    connect(probe_.get(), &PortProbeRun::unitIdentified, events,
            [events](const QString& version, bool onWindowsPort) {
                if (onWindowsPort) emit events->unitIdentified(version);
            });

    auto* ports = new QAction(QStringLiteral("&Ports..."), &host.Window());
    ports->setObjectName(QStringLiteral("MenuPorts"));
    host.Menu(MenuSlot::Com).Add(ports);
    connect(ports, &QAction::triggered, this, host.Guard([this] { OpenDialog(); }));
    // The field follows the port every tick: it may be lost or found again at any time.
    for (auto signal : {&HostEvents::ticked, &HostEvents::portChanged})
        connect(events, signal, this, host.Guard([this] { ShowConnection(); }));
    connect(events, &HostEvents::languageChanged, this, host.Guard([this] { ShowConnection(); }));
}

PortFeature::~PortFeature() = default;

void PortFeature::ShowConnection() { field_->Show(host_.LineOwner().FieldText(host_.Language())); }

void PortFeature::OpenDialog() {
    const std::array<QString, PortDialog::kComs> before = host_.PortNames();
    Link& link = host_.DeviceLink();
    PortDialog dialog(
        SystemPorts(), before, host_.Language(), *probe_, [&link] { return !link.idle(); }, &host_.Window());
    const int result = runner_ ? runner_(dialog) : dialog.exec();
    // A test still running would hold the port the choice may be about to open.
    probe_->Stop();
    if (result == QDialog::Accepted) host_.ChoosePorts(dialog.Chosen());
}

}  // namespace ign
