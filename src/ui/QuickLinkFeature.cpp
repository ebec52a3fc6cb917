#include "QuickLinkFeature.h"

#include "NewTexts.h"
#include "ProfileFile.h"
#include "UnitMatchField.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

namespace ign {

namespace {

constexpr std::string_view kSection = "LINK";

QAction* AddCheckItem(QMenu& menu, QMainWindow& window, const char* name, const char* text) {
    auto* action = new QAction(QString::fromUtf8(text), &window);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(true);
    menu.addAction(action);
    return action;
}

// "1 block", "2 blocks", "5 blocks", as each language counts them.
const char* PendingTextName(int count, std::uint8_t language) {
    if (count == 1) return "QuickBlocksToWriteOne";
    if (language == 1 && count >= 2 && count <= 4) return "QuickBlocksToWriteFew";
    return "QuickBlocksToWriteMany";
}

}  // namespace

QuickLinkFeature::QuickLinkFeature(Link& link, QMainWindow& window, QMenu& tools,
                                   std::function<std::uint8_t()> language)
    : link_(link), quick_(link), pacer_(link), window_(window), language_(std::move(language)) {
    tools.addSeparator();
    quickAction_ = AddCheckItem(tools, window, "MenuQuickLive", "&Quick live changes");
    pacedAction_ = AddCheckItem(tools, window, "MenuAnswerPaced", "Send on a&nswer");
    connect(pacedAction_, &QAction::toggled, this, [this](bool on) { pacer_.setEnabled(on); });
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
    const std::uint8_t language = language_();
    if (pending == shownPending_ && language == shownLanguage_) return;
    auto* field = window_.findChild<UnitMatchField*>(QStringLiteral("UnitMatchField"));
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
