#include "history/UnitMatchField.h"

#include "DeviceImageCodec.h"
#include "Link.h"
#include "ParameterDocument.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>

namespace ign {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The label of a text in its English form; its short form is named "...Short"
// and carries the whole text as its tooltip.
QLabel* MadeLabel(const char* name, std::size_t row, bool shortForm, QWidget* parent) {
    auto* label = new QLabel(Text((shortForm ? kUnitMatchShortTexts : kUnitMatchTexts)[row][0]), parent);
    label->setObjectName(QString::fromLatin1(name) + (shortForm ? QStringLiteral("Short") : QString()));
    if (shortForm) label->setToolTip(Text(kUnitMatchTexts[row][0]));
    // The states share the width of the longest: each keeps to the right end.
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QStackedWidget* MadeStates(bool shortForm, QWidget* parent) {
    // In the order of UnitMatch, so the state is the page's index.
    auto* states = new QStackedWidget(parent);
    states->setObjectName(shortForm ? QStringLiteral("UnitMatchStateShort")
                                    : QStringLiteral("UnitMatchState"));
    constexpr const char* kNames[] = {"UnitMatchEqual", "UnitMatchChanged", "UnitMatchNotChecked",
                                      "UnitMatchDiffers"};
    for (std::size_t row = 0; row < std::size(kNames); ++row)
        states->addWidget(MadeLabel(kNames[row], row, shortForm, states));
    return states;
}

}  // namespace

UnitMatchField::UnitMatchField(ParameterDocument& document, Link& link, std::function<ParameterSet()> shown,
                               QWidget* parent)
    : QWidget(parent),
      document_(document),
      link_(link),
      shown_(std::move(shown)),
      indicator_(document.Parameters()) {
    setObjectName(QStringLiteral("UnitMatchField"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    for (bool shortForm : {false, true}) {
        QLabel* failed = MadeLabel("RestorePointFailed", kRestorePointFailedRow, shortForm, this);
        failed->setStyleSheet(QStringLiteral("color: #b00000"));
        failed->hide();
        layout->addWidget(failed);
        (shortForm ? failedShort_ : failed_) = failed;
    }
    for (bool shortForm : {false, true}) {
        QLabel* differs = MadeLabel("UnitMatchDiffersFromFile", kDiffersFromFileRow, shortForm, this);
        differs->hide();
        layout->addWidget(differs);
        (shortForm ? differsShort_ : differs_) = differs;
    }
    states_ = MadeStates(false, this);
    shortStates_ = MadeStates(true, this);
    shortStates_->hide();
    for (QStackedWidget* stack : {states_, shortStates_}) {
        // No name of the language tables: its text is put together when shown.
        auto* pending = new QLabel(stack);
        pending->setObjectName(stack == states_ ? QStringLiteral("UnitMatchPending")
                                                : QStringLiteral("UnitMatchPendingShort"));
        pending->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        stack->addWidget(pending);
        (stack == states_ ? pending_ : pendingShort_) = pending;
    }
    layout->addWidget(states_);
    layout->addWidget(shortStates_);
    // Its own width and no more, at the right end of the line.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);

    document_.Listen([this](const ParameterChange&) { Show(); });
    link_.addView(this);
    Show();
}

void UnitMatchField::FileMatches() {
    indicator_.fileMatches(document_.Parameters());
    Show();
}

void UnitMatchField::NoFile() {
    indicator_.noFile();
    Show();
}

void UnitMatchField::UnitUnknown() {
    indicator_.unitUnknown();
    Show();
}

void UnitMatchField::EditorsEdited() { Show(); }

void UnitMatchField::RestorePointFailed(const QString& error) {
    for (QLabel* label : {failed_, failedShort_}) label->setToolTip(error);
    Show();
    failed_->setVisible(!compact_);
    failedShort_->setVisible(compact_);
}

void UnitMatchField::RestorePointsWritten() {
    failed_->hide();
    failedShort_->hide();
}

void UnitMatchField::ShowPending(const QString& text, const QString& shortText) {
    pending_->setText(text);
    pendingShort_->setText(shortText);
    pendingShort_->setToolTip(text);
    Show();
}

void UnitMatchField::readCompleted() {
    indicator_.unitHolds(link_.parameters());
    Show();
}

void UnitMatchField::showStatus(MessageId id) {
    switch (id) {
        case MessageId::VerifyOk: {
            // The unit holds the image just verified, whatever was changed meanwhile.
            ParameterSet verified = link_.parameters();
            UnpackDeviceImage(verified);
            indicator_.unitHolds(verified);
            break;
        }
        case MessageId::ReadError:
            indicator_.unitUnknown();
            break;
        case MessageId::VerifyError:
        case MessageId::ProgramError:
            if (link_.answerDiffered())
                indicator_.unitDiffers();
            else
                indicator_.unitUnknown();
            break;
        default:
            return;
    }
    Show();
}

void UnitMatchField::SetCompact(bool compact) {
    if (compact == compact_) return;
    compact_ = compact;
    const bool failed = !failed_->isHidden() || !failedShort_->isHidden();
    failed_->setVisible(failed && !compact_);
    failedShort_->setVisible(failed && compact_);
    states_->setVisible(!compact_);
    shortStates_->setVisible(compact_);
    Show();
}

int UnitMatchField::FullWidth() const {
    const int spacing = layout()->spacing();
    int width = states_->sizeHint().width();
    if (indicator_.differsFromFile()) width += differs_->sizeHint().width() + spacing;
    if (!failed_->isHidden() || !failedShort_->isHidden()) width += failed_->sizeHint().width() + spacing;
    return width;
}

void UnitMatchField::Show() {
    indicator_.windowChanged(shown_());
    const auto state = static_cast<int>(indicator_.state());
    const bool pending = pending_ != nullptr && !pending_->text().isEmpty();
    states_->setCurrentIndex(pending ? states_->indexOf(pending_) : state);
    shortStates_->setCurrentIndex(pending ? shortStates_->indexOf(pendingShort_) : state);
    differs_->setVisible(indicator_.differsFromFile() && !compact_);
    differsShort_->setVisible(indicator_.differsFromFile() && compact_);
}

}  // namespace ign
