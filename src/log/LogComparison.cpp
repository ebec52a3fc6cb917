#include "LogComparison.h"

#include "LogReader.h"

#include <algorithm>
#include <cmath>

namespace ign {

namespace {

std::optional<double> MeanOf(const CellStatistics& table, int row, int column) {
    const std::optional<CellFigures> figures = table.figures(row, column);
    return figures ? std::optional(figures->meanLambdaMv()) : std::nullopt;
}

std::optional<Byte> MapByte(const ParameterSet* set, int row, int column) {
    return set ? std::optional(JetCell(set->injection, row, column)) : std::nullopt;
}

}  // namespace

const CellComparison& LogComparison::cell(int row, int column) const {
    return cells[static_cast<std::size_t>(std::clamp(row, 0, kMapSize - 1) * kMapSize +
                                          std::clamp(column, 0, kMapSize - 1))];
}

LogComparison CompareLogCells(const CellStatistics& before, const CellStatistics& after,
                              const ParameterSet* setBefore, const ParameterSet* setAfter) {
    LogComparison out;
    out.speedAxesDiffer = before.speedAxis() != after.speedAxis();
    for (int row = 0; row < kMapSize; ++row) {
        for (int column = 0; column < kMapSize; ++column) {
            CellComparison& c = out.cells[static_cast<std::size_t>(row * kMapSize + column)];
            c.beforeMv = MeanOf(before, row, column);
            c.afterMv = MeanOf(after, row, column);
            if (c.beforeMv && c.afterMv) c.differenceMv = *c.afterMv - *c.beforeMv;
            c.mapBefore = MapByte(setBefore, row, column);
            c.mapAfter = MapByte(setAfter, row, column);
        }
    }
    return out;
}

LogTimeOffset LogTimeOffset::Of(double seconds) {
    if (!std::isfinite(seconds)) return {};
    const double most = 2 * kMaxLogTimeS;
    return {std::clamp(seconds, -most, most)};
}

LogTimeOffset LogTimeOffset::AlignAt(double firstS, double secondS) { return Of(firstS - secondS); }

}  // namespace ign
