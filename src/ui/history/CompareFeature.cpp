#include "history/CompareFeature.h"

#include "PortConnection.h"
#include "history/CompareWindow.h"
#include "language/NewTexts.h"

#include <QAction>

namespace ign {

CompareFeature::CompareFeature(FeatureHost& host) {
    auto* item = new QAction(NewTextOf("MenuCompare", 0), &host.Window());
    item->setObjectName(QStringLiteral("MenuCompare"));
    host.Menu(MenuSlot::Edit).Add(item);
    PortConnection& port = host.LineOwner();
    window_ = std::make_unique<CompareWindow>(
        CompareWindow::Owner{host.Document(), host.DeviceLink(), [&port] { return port.Line(); },
                             [&port] { return port.Lend(Lending::Aside); },
                             [&host] { return host.Language(); }},
        &host.Window());
    CompareWindow* window = window_.get();
    QObject::connect(item, &QAction::triggered, window, host.Guard([window] { window->Open(); }));
    QObject::connect(&host.Events(), &HostEvents::languageChanged, window,
                     host.Guard([window](std::uint8_t code) { window->Retranslate(code); }));
    QObject::connect(&host.Events(), &HostEvents::ticked, window,
                     host.Guard([window] { window->ReadTick(); }));
    QObject::connect(window, &CompareWindow::unitIdentified, &host.Events(), &HostEvents::unitIdentified);
}

CompareFeature::~CompareFeature() = default;

void CompareFeature::CompareFileWithWindow(const QString& path) {
    window_->SetSide(0, CompareWindow::Source::File, path);
    window_->SetSide(1, CompareWindow::Source::Window);
    window_->Open();
}

}  // namespace ign
