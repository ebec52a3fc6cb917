#include "UnitMatchField.h"

#include "Link.h"
#include "ParameterDocument.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>

namespace ign {

namespace {

QLabel* MadeLabel(const char* name, std::size_t row, QWidget* parent) {
    const std::string_view english = kUnitMatchTexts[row][0];
    auto* label =
        new QLabel(QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size())), parent);
    label->setObjectName(QString::fromLatin1(name));
    // The states share the width of the longest: each keeps to the right end.
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

}  // namespace

UnitMatchField::UnitMatchField(ParameterDocument& document, Link& link, QWidget* parent)
    : QWidget(parent), document_(document), link_(link), indicator_(document.Parameters()) {
    setObjectName(QStringLiteral("UnitMatchField"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    failed_ = MadeLabel("RestorePointFailed", kRestorePointFailedRow, this);
    failed_->setStyleSheet(QStringLiteral("color: #b00000"));
    failed_->hide();
    layout->addWidget(failed_);
    differs_ = MadeLabel("UnitMatchDiffersFromFile", kDiffersFromFileRow, this);
    differs_->hide();
    layout->addWidget(differs_);
    // In the order of UnitMatch, so the state is the page's index.
    states_ = new QStackedWidget(this);
    states_->setObjectName(QStringLiteral("UnitMatchState"));
    states_->addWidget(MadeLabel("UnitMatchEqual", 0, states_));
    states_->addWidget(MadeLabel("UnitMatchChanged", 1, states_));
    states_->addWidget(MadeLabel("UnitMatchNotChecked", 2, states_));
    layout->addWidget(states_);
    // Its own width and no more, at the right end of the line.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);

    document_.Listen([this](const ParameterChange& change) {
        // A live adjustment programs the unit at once; its Verify confirms it.
        if (change.cause == ChangeCause::Live || change.cause == ChangeCause::SetTps)
            expected_ = change.after;
        indicator_.windowChanged(change.after);
        Show();
    });
    link_.addView(this);
    Show();
}

void UnitMatchField::CommandStarted(TransferMode mode) {
    // A Read's set is known only once it has arrived.
    if (mode == TransferMode::Read)
        expected_.reset();
    else
        expected_ = document_.Parameters();
}

void UnitMatchField::FileMatches() {
    indicator_.fileMatches(document_.Parameters());
    Show();
}

void UnitMatchField::UnitUnknown() {
    expected_.reset();
    indicator_.unitUnknown();
    Show();
}

void UnitMatchField::RestorePointFailed(const QString& error) {
    failed_->setToolTip(error);
    failed_->show();
}

void UnitMatchField::RestorePointsWritten() { failed_->hide(); }

void UnitMatchField::readCompleted() {
    expected_ = link_.parameters();
    indicator_.unitHolds(*expected_);
    Show();
}

void UnitMatchField::showStatus(MessageId id) {
    switch (id) {
        case MessageId::VerifyOk:
            if (expected_) indicator_.unitHolds(*expected_);
            break;
        case MessageId::ReadError:
        case MessageId::VerifyError:
        case MessageId::ProgramError:
            expected_.reset();
            indicator_.unitUnknown();
            break;
        default:
            return;
    }
    Show();
}

void UnitMatchField::Show() {
    states_->setCurrentIndex(static_cast<int>(indicator_.state()));
    differs_->setVisible(indicator_.differsFromFile());
}

}  // namespace ign
