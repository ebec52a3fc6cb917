#pragma once

#include "LogReader.h"

#include <QListWidget>
#include <vector>

class QLayout;

namespace ign {

class CellMap;
class ChannelList;
class StripChart;

// The body of a window of logs: the row of its controls on top, the channels
// on the left, the chart over the cell map on the right.
void LayOutLogWindow(QWidget& window, QLayout* top, ChannelList* channels, StripChart* chart, CellMap* cells);

// The channels of a log, each with a check mark (charted or not) and its
// value at one row: the cursor's in the viewer, the latest in the live chart.
class ChannelList : public QListWidget {
    Q_OBJECT

public:
    explicit ChannelList(QWidget* parent = nullptr);

    // The log's columns as items; `charted` names the ones checked at first.
    void setData(const LogData* log, const std::vector<std::string>& charted);
    // Every item's value at the row; rows() of the data or beyond shows none.
    void showRow(std::size_t row);
    std::vector<int> charted() const;

signals:
    void chartedChanged();

private:
    const LogData* data_ = nullptr;
};

}  // namespace ign
