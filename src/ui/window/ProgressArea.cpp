#include "window/ProgressArea.h"

#include "Messages.h"
#include "language/CaptionRoom.h"
#include "pages/PageParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <string_view>
#include <vector>

namespace ign {

ProgressArea::ProgressArea(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ProgressArea"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 0, 0, 0);
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("LabelHlaseni"));
    QFont big = label_->font();
    big.setPointSize(10);
    label_->setFont(big);
    // As wide as the longest text a device run writes there in any language,
    // so the bar beside it keeps one place and one width.
    constexpr MessageId kProgressTexts[] = {MessageId::ReadStarted,   MessageId::ProgramStarted,
                                            MessageId::VerifyCommand, MessageId::VerifyAfterTransfer,
                                            MessageId::VerifyOk,      MessageId::ReadError,
                                            MessageId::VerifyError,   MessageId::ProgramError};
    std::vector<std::string_view> texts;
    for (MessageId id : kProgressTexts)
        for (Byte language = 0; language < kLanguageCount; ++language)
            texts.push_back(MessageText(id, language));
    ReserveRoom(*label_, texts);
    label_->setFixedWidth(label_->minimumWidth());
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("ProgressBar1"));
    bar_->setRange(0, 40);
    bar_->setTextVisible(false);
    bar_->setFixedHeight(16);
    for (QWidget* w : {static_cast<QWidget*>(label_), static_cast<QWidget*>(bar_)}) {
        KeepRoomWhenHidden(*w);
        w->hide();
    }
    row->addWidget(label_);
    row->addWidget(bar_, 1);
}

void ProgressArea::ShowStatus(const QString& text) {
    label_->setText(text);
    label_->show();
}

void ProgressArea::SetProgress(int position) { bar_->setValue(position); }

void ProgressArea::ShowBar(bool visible) { bar_->setVisible(visible); }

void ProgressArea::Hide() {
    label_->hide();
    bar_->hide();
}

}  // namespace ign
