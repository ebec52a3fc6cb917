#include "ChannelList.h"

#include "CellMap.h"
#include "StripChart.h"

#include <QHBoxLayout>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

namespace ign {

void LayOutLogWindow(QWidget& window, QLayout* top, ChannelList* channels, StripChart* chart,
                     CellMap* cells) {
    auto* lower = new QSplitter(Qt::Vertical, &window);
    lower->addWidget(chart);
    lower->addWidget(cells);
    lower->setStretchFactor(0, 3);
    lower->setStretchFactor(1, 2);
    auto* body = new QHBoxLayout;
    body->addWidget(channels);
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
    const QSignalBlocker quiet(this);
    data_ = log;
    clear();
    if (log == nullptr) return;
    for (const LogData::Column& column : log->columns) {
        auto* item = new QListWidgetItem(QString::fromStdString(column.name), this);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        const bool on = std::find(charted.begin(), charted.end(), column.name) != charted.end();
        item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
}

void ChannelList::showRow(std::size_t row) {
    if (data_ == nullptr) return;
    const QSignalBlocker quiet(this);
    for (int i = 0; i < count() && static_cast<std::size_t>(i) < data_->columns.size(); ++i) {
        const LogData::Column& column = data_->columns[static_cast<std::size_t>(i)];
        QString text = QString::fromStdString(column.name);
        const QString value = row < data_->rows() ? ColumnValueText(*data_, i, row) : QString();
        if (!value.isEmpty())
            text += QStringLiteral(":  ") + value + QLatin1Char(' ') + QString::fromStdString(column.unit);
        item(i)->setText(text);
    }
}

std::vector<int> ChannelList::charted() const {
    std::vector<int> columns;
    for (int i = 0; i < count(); ++i)
        if (item(i)->checkState() == Qt::Checked) columns.push_back(i);
    return columns;
}

}  // namespace ign
