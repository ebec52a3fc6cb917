#include "CaptionRoom.h"
#include "Hlav.h"
#include "MonitorLabels.h"
#include "PageParts.h"

#include <QGridLayout>
#include <string_view>

namespace ign {

QWidget* TFormHlav::BuildMonitorPage() {
    QWidget* page = MakePage(this, "TabSheet5");
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(20, 16, 20, 16);
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(8);
    for (const MonitorLine& line : kMonitorLines) {
        const MonitorLabelInfo& info = LabelInfo(line.label);
        QLabel* label = new QLabel(QString::fromUtf8(info.caption), page);
        label->setObjectName(QString::fromUtf8(info.objectName));
        QFont font = label->font();
        font.setPixelSize(line.pixelHeight);
        font.setBold(line.bold);
        label->setFont(font);
        // Room for the live texts as well as the caption, so the columns do not jump.
        const std::string_view texts[] = {info.caption, line.widest};
        ReserveRoom(*label, texts);
        if (line.hiddenInDesign) label->hide();
        grid->addWidget(label, line.row, line.column);
    }
    grid->setRowStretch(7, 1);
    grid->setColumnStretch(2, 1);
    return page;
}

}  // namespace ign
