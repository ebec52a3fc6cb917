#pragma once

#include "CellStatistics.h"
#include "ParameterSet.h"

#include <array>
#include <optional>

namespace ign {

// One injection-map cell in two logs of the same ride, before a change of
// the map (the first log) and after it (the second).
struct CellComparison {
    // Mean lambda in mV where the cell holds enough samples (CellStatistics::figures).
    std::optional<double> beforeMv, afterMv;
    // after - before, where both have enough: positive reads richer.
    std::optional<double> differenceMv;
    // The map's byte in this cell in the set behind each log, where known.
    std::optional<Byte> mapBefore, mapAfter;

    bool mapChanged() const { return mapBefore && mapAfter && *mapBefore != *mapAfter; }
};

struct LogComparison {
    std::array<CellComparison, kMapSize * kMapSize> cells{};
    // The tables were made over different speed points: a column does not
    // stand for the same speeds in both.
    bool speedAxesDiffer = false;

    const CellComparison& cell(int row, int column) const;
};

// Cell by cell: each log's table, and the set behind each (nullptr when
// unknown), for instance LogSets::longest of each.
LogComparison CompareLogCells(const CellStatistics& before, const CellStatistics& after,
                              const ParameterSet* setBefore, const ParameterSet* setAfter);

// The second log drawn over the first: its moment t stands at t + offsetS on
// the first log's time.
struct LogTimeOffset {
    double offsetS = 0;

    // An offset the tuner typed; no number gives none, and it stays within
    // what two logs' times can be apart.
    static LogTimeOffset Of(double seconds);
    // "Align at cursor": the second log's moment secondS made one with the first's firstS.
    static LogTimeOffset AlignAt(double firstS, double secondS);

    double toFirst(double secondS) const { return secondS + offsetS; }
    double toSecond(double firstS) const { return firstS - offsetS; }
};

}  // namespace ign
