#pragma once

#include "LogReader.h"

#include <QString>
#include <cstdint>
#include <string_view>

namespace ign {

// How the log windows name a column: the Monitor page's caption of the value
// and its unit, in the window's language. The log file keeps its own names;
// a column this program does not write keeps its name and unit as the file has them.
struct ChannelCaption {
    QString caption;
    QString unit;

    // "Throttle [%]", or the caption alone when there is no unit.
    QString withUnit() const;
};

ChannelCaption CaptionOf(const LogData::Column& column, std::uint8_t language);

// Columns that tell how a row came about rather than what the engine did
// ("type", "test"): the windows list them only when asked to.
bool IsBookkeepingColumn(std::string_view name);

}  // namespace ign
