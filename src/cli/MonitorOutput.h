#pragma once

#include "Monitor.h"

#include <cstdint>
#include <string>

namespace ign::cli {

// The Monitor page's label texts a frame of this type wrote, in the order it
// writes them, one per line (UTF-8, LF). Type 3 writes none. Until a status
// frame has come the temperatures read "---" rather than the page's -100.
std::string MonitorTextLines(const Monitor& monitor, int frameType);

// The CSV header and one row per frame: time in ms since the start, the
// frame type, then that frame's values in their units; fields of the other
// frame types stay empty. Each ends with LF.
std::string MonitorCsvHeader();
std::string MonitorCsvRow(std::int64_t elapsedMs, int frameType, const Monitor& monitor);

}  // namespace ign::cli
