#include "port/QuickLinkFeature.h"

#include "ProfileFile.h"
#include "history/UnitMatchField.h"
#include "language/NewTexts.h"

#include <QAction>
#include <QMenu>
#include <QStatusBar>

namespace ign {

namespace {

constexpr std::string_view kSection = "LINK";

QAction* AddCheckItem(MenuSection& menu, QWidget& window, const char* name, const char* text) {
    auto* action = new QAction(QString::fromUtf8(text), &window);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(true);
    menu.Add(action);
    return action;
}

// "1 block", "2 blocks", "5 blocks", as each language counts them.
const char* PendingTextName(int count, std::uint8_t language) {
    if (count == 1) return "QuickBlocksToWriteOne";
    if (language == 1 && count >= 2 && count <= 4) return "QuickBlocksToWriteFew";
    return "QuickBlocksToWriteMany";
}

}  // namespace

QuickLinkFeature::QuickLinkFeature(FeatureHost& host)
    : link_(host.DeviceLink()), quick_(link_), pacer_(link_), host_(host) {
    MenuSection tools = host.Menu(MenuSlot::Tools);
    quickAction_ = AddCheckItem(tools, host.Window(), "MenuQuickLive", "&Quick live changes");
    pacedAction_ = AddCheckItem(tools, host.Window(), "MenuAnswerPaced", "Send on a&nswer");
    connect(pacedAction_, &QAction::toggled, this, host.Guard([this](bool on) { pacer_.setEnabled(on); }));
    HostEvents* events = &host.Events();
    connect(events, &HostEvents::settingsLoaded, this,
            host.Guard([this](const ProfileFile& file) { loadSettings(file); }));
    connect(events, &HostEvents::settingsStoring, this, [this](ProfileFile& file) { storeSettings(file); });
    connect(events, &HostEvents::ticked, this, host.Guard([this] { showPending(); }));
    connect(events, &HostEvents::languageChanged, this, host.Guard([this] { showPending(); }));
}

bool QuickLinkFeature::QuickOn() const { return quickAction_->isChecked(); }

bool QuickLinkFeature::AnswerPacedOn() const { return pacedAction_->isChecked(); }

void QuickLinkFeature::LiveProgram(const ParameterSet& set) {
    if (QuickOn()) {
        quick_.liveChange(set);
    } else {
        link_.Use(set);
        link_.StartProgram();
    }
    showPending();
}

void QuickLinkFeature::loadSettings(const ProfileFile& file) {
    quickAction_->setChecked(file.ReadInteger(kSection, "QuickLive", 0) == 1);
    pacedAction_->setChecked(file.ReadInteger(kSection, "AnswerPaced", 0) == 1);
}

void QuickLinkFeature::storeSettings(ProfileFile& file) const {
    // Never switched on, the settings file stays byte for byte as without these options.
    const bool stored = file.ReadInteger(kSection, "QuickLive", -1) != -1 ||
                        file.ReadInteger(kSection, "AnswerPaced", -1) != -1;
    if (!stored && !QuickOn() && !AnswerPacedOn()) return;
    file.WriteInteger(kSection, "QuickLive", QuickOn() ? 1 : 0);
    file.WriteInteger(kSection, "AnswerPaced", AnswerPacedOn() ? 1 : 0);
}

void QuickLinkFeature::showPending() {
    const int pending = QuickOn() ? quick_.blocksToWrite() : 0;
    const std::uint8_t language = host_.Language();
    if (pending == shownPending_ && language == shownLanguage_) return;
    auto* field = host_.StatusLine().findChild<UnitMatchField*>(QStringLiteral("UnitMatchField"));
    if (field == nullptr) return;
    shownPending_ = pending;
    shownLanguage_ = language;
    if (pending == 0) {
        field->ShowPending({}, {});
        return;
    }
    const QString count = QString::number(pending);
    field->ShowPending(NewTextOf(PendingTextName(pending, language), language).arg(count),
                       NewTextOf("QuickBlocksToWriteShort", language).arg(count));
}

}  // namespace ign
