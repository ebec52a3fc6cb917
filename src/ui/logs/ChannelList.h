#pragma once

#include "LogReader.h"

#include <QListWidget>
#include <cstdint>
#include <vector>

class QCheckBox;
class QLayout;

namespace ign {

class CellMap;
class ChannelList;
class StripChart;

// The body of a window of logs: the row of its controls on top, the channels
// with their "All channels" switch on the left, the chart over the cell map
// on the right.
void LayOutLogWindow(QWidget& window, QLayout* top, ChannelList* channels, QCheckBox* allChannels,
                     StripChart* chart, CellMap* cells);

// The channels of a log, each with a check mark (charted or not) and its
// value at one row: the cursor's in the viewer, the latest in the live chart.
// Each is named by its caption in the window's language; the columns that
// only tell how a row came about stay out of the list until all are asked for.
class ChannelList : public QListWidget {
    Q_OBJECT

public:
    explicit ChannelList(QWidget* parent = nullptr);

    // The log's columns as items; `charted` names the ones checked at first.
    void setData(const LogData* log, const std::vector<std::string>& charted);
    // Every item's value at the row; rows() of the data or beyond shows none.
    void showRow(std::size_t row);
    std::vector<int> charted() const;
    void setLanguage(std::uint8_t code);
    void setShowAll(bool all);

signals:
    void chartedChanged();

private:
    void hideBookkeeping();

    const LogData* data_ = nullptr;
    std::uint8_t language_ = 0;
    std::size_t row_ = 0;  // the row shown, rows() or beyond for none
    bool showAll_ = false;
};

}  // namespace ign
