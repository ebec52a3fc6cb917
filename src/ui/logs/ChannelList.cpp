#include "logs/ChannelList.h"

#include "logs/CellMap.h"
#include "logs/ChannelCaptions.h"
#include "logs/StripChart.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

namespace ign {

void LayOutLogWindow(QWidget& window, QLayout* top, ChannelList* channels, QCheckBox* allChannels,
                     StripChart* chart, CellMap* cells) {
    auto* lower = new QSplitter(Qt::Vertical, &window);
    lower->addWidget(chart);
    lower->addWidget(cells);
    lower->setStretchFactor(0, 3);
    lower->setStretchFactor(1, 2);
    auto* left = new QVBoxLayout;
    left->addWidget(channels, 1);
    left->addWidget(allChannels);
    QObject::connect(allChannels, &QCheckBox::toggled, channels, &ChannelList::setShowAll);
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addWidget(lower, 1);
    auto* layout = new QVBoxLayout(&window);
    layout->addLayout(top);
    layout->addLayout(body, 1);
}

ChannelList::ChannelList(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("ChannelList"));
    setMinimumWidth(200);
    connect(this, &QListWidget::itemChanged, this, &ChannelList::chartedChanged);
}

void ChannelList::setData(const LogData* log, const std::vector<std::string>& charted) {
    {
        const QSignalBlocker quiet(this);
        data_ = log;
        row_ = log == nullptr ? 0 : log->rows();
        clear();
        if (log == nullptr) return;
        for (const LogData::Column& column : log->columns) {
            auto* item = new QListWidgetItem(this);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            const bool on = std::find(charted.begin(), charted.end(), column.name) != charted.end();
            item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
        }
    }
    hideBookkeeping();
    showRow(row_);
}

void ChannelList::showRow(std::size_t row) {
    if (data_ == nullptr) return;
    row_ = row;
    const QSignalBlocker quiet(this);
    for (int i = 0; i < count() && static_cast<std::size_t>(i) < data_->columns.size(); ++i) {
        const ChannelCaption name = CaptionOf(data_->columns[static_cast<std::size_t>(i)], language_);
        const QString value = row < data_->rows() ? ColumnValueText(*data_, i, row) : QString();
        QString text = name.withUnit();
        if (!value.isEmpty()) {
            text = name.caption + QStringLiteral(":  ") + value;
            if (!name.unit.isEmpty()) text += QLatin1Char(' ') + name.unit;
        }
        item(i)->setText(text);
    }
}

std::vector<int> ChannelList::charted() const {
    std::vector<int> columns;
    for (int i = 0; i < count(); ++i)
        if (item(i)->checkState() == Qt::Checked) columns.push_back(i);
    return columns;
}

void ChannelList::setLanguage(std::uint8_t code) {
    language_ = code;
    showRow(row_);
}

void ChannelList::setShowAll(bool all) {
    showAll_ = all;
    hideBookkeeping();
}

void ChannelList::hideBookkeeping() {
    if (data_ == nullptr) return;
    for (int i = 0; i < count() && static_cast<std::size_t>(i) < data_->columns.size(); ++i)
        setRowHidden(i, !showAll_ && IsBookkeepingColumn(data_->columns[static_cast<std::size_t>(i)].name));
}

}  // namespace ign
