// The window as its features see it: the FeatureHost it hands each of them.
#include "history/CompareFeature.h"
#include "history/HistoryFeature.h"
#include "history/UndoCommands.h"
#include "logs/LogFeature.h"
#include "maps/MapViews.h"
#include "pages/IgnitionPage.h"
#include "port/PortFeature.h"
#include "port/QuickLinkFeature.h"
#include "report/TuneSheetFeature.h"
#include "window/Hlav.h"

#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <algorithm>

namespace ign {

namespace {

template <typename T>
void Build(FeatureHost& host, const TFormHlav::FeatureFilter& build,
           std::vector<std::unique_ptr<Feature>>& into) {
    if (!build || build(typeid(T))) into.push_back(std::make_unique<T>(host));
}

}  // namespace

void TFormHlav::BuildFeatures(const FeatureFilter& build) {
    FeatureHost& host = *this;
    Build<PortFeature>(host, build, features_);
    Build<UndoCommands>(host, build, features_);
    Build<CompareFeature>(host, build, features_);
    Build<TuneSheetFeature>(host, build, features_);
    Build<HistoryFeature>(host, build, features_);
    Build<LogFeature>(host, build, features_);
    Build<MapViews>(host, build, features_);
    Build<QuickLinkFeature>(host, build, features_);
}

Feature* TFormHlav::FindFeature(const std::function<bool(Feature&)>& matches) {
    for (const std::unique_ptr<Feature>& feature : features_)
        if (matches(*feature)) return feature.get();
    return nullptr;
}

MenuSection TFormHlav::Menu(MenuSlot slot) {
    switch (slot) {
        case MenuSlot::File:
            // Before the separator above Exit, made with the first such item.
            if (actions_.FileLaterEnd == nullptr) {
                actions_.FileLaterEnd = new QAction(actions_.File);
                actions_.FileLaterEnd->setSeparator(true);
                actions_.File->insertAction(actions_.Exit, actions_.FileLaterEnd);
            }
            return {*actions_.File, actions_.FileLaterEnd, false};
        case MenuSlot::Edit:
            return {*actions_.Edit, nullptr, true};
        case MenuSlot::View:
            return {*actions_.View, nullptr, true};
        case MenuSlot::Com:
            return {*actions_.Com, nullptr, true};
        case MenuSlot::Tools:
            break;
    }
    return {*actions_.Tools, nullptr, true};
}

QStatusBar& TFormHlav::StatusLine() { return *statusBar(); }

void TFormHlav::AddStatusField(QWidget& field, StatusPlace place) {
    // After the fields of its own and earlier places, whoever was built first;
    // the line holds no other widgets at its right.
    const auto after = std::find_if(statusFields_.begin(), statusFields_.end(),
                                    [place](const auto& placed) { return placed.first > place; });
    const auto index = static_cast<int>(after - statusFields_.begin());
    statusFields_.insert(after, {place, &field});
    statusBar()->insertPermanentWidget(index, &field);
}

bool TFormHlav::TakeParameterFile(ChangeCause cause, const QString& path) {
    return ApplyParameterFile(cause, path);
}

std::unique_ptr<QPrinter> TFormHlav::ChoosePrinter() {
    if (printerSource_) return printerSource_();
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), this);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    return printer;
}

void TFormHlav::SetPortDialogRunner(std::function<int(PortDialog&)> runner) {
    if (auto* port = Find<PortFeature>()) port->SetDialogRunner(std::move(runner));
}

QString TFormHlav::ShownFileName() const { return ignitionPage_->FileName(); }

}  // namespace ign
