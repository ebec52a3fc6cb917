#include "pages/MonitorPage.h"

#include "language/CaptionRoom.h"
#include "pages/MonitorLabels.h"

#include <QGridLayout>
#include <QLabel>
#include <string_view>

namespace ign {

MonitorPage::MonitorPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet5"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(20, 16, 20, 16);
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(8);
    for (const MonitorLine& line : kMonitorLines) {
        const MonitorLabelInfo& info = LabelInfo(line.label);
        const auto index = static_cast<std::size_t>(line.label);
        auto* label = new QLabel(QString::fromUtf8(info.caption), this);
        label->setObjectName(QString::fromUtf8(info.objectName));
        QFont font = label->font();
        font.setPixelSize(line.pixelHeight);
        font.setBold(line.bold);
        label->setFont(font);
        // Room for the live texts as well as the caption, so the columns do not jump;
        // a fixed size, so that a new text is drawn without laying out the page again.
        const std::string_view texts[] = {info.caption, line.widest};
        ReserveRoom(*label, texts);
        label->setFixedSize(label->minimumWidth(), label->sizeHint().height());
        if (line.hiddenInDesign) label->hide();
        grid->addWidget(label, line.row, line.column, Qt::AlignLeft | Qt::AlignVCenter);
        labels_[index] = label;
        shown_[index] = std::string(info.caption);
    }
    grid->setRowStretch(7, 1);
    grid->setColumnStretch(2, 1);
}

void MonitorPage::ShowLinesHiddenInDesign() {
    for (const MonitorLine& line : kMonitorLines)
        if (line.hiddenInDesign) labels_[static_cast<std::size_t>(line.label)]->show();
}

void MonitorPage::Show(const Monitor& monitor) {
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const std::string& text = monitor.text(static_cast<MonitorLabel>(i));
        if (text == shown_[i]) continue;
        shown_[i] = text;
        QLabel* label = labels_[i];
        label->setText(QString::fromStdString(text));
        // Values far beyond any engine's (a unit sending nonsense) may need more room than was kept.
        const int needed = label->sizeHint().width();
        if (needed > label->width()) label->setFixedWidth(needed);
    }
}

}  // namespace ign
