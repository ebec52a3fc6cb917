#include "MapTable.h"

#include "FieldTyping.h"
#include "MapGeometry.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace ign {

namespace {

constexpr int kLast = kMapSize - 1;

// The map fields' range and step, from the field table like every map editor.
const EditorField& CellField() {
    static const EditorField& field = *FindEditorField(Param::JET, 0);
    return field;
}

std::optional<MapRect> Clipped(const MapRect& r) {
    MapRect c{std::max(std::min(r.top, r.bottom), 0), std::max(std::min(r.left, r.right), 0),
              std::min(std::max(r.top, r.bottom), kLast), std::min(std::max(r.left, r.right), kLast)};
    if (c.top > c.bottom || c.left > c.right) return std::nullopt;
    return c;
}

int Index(int row, int column) { return row * kMapSize + column; }
Byte At(const JetMap& jet, int row, int column) { return jet[static_cast<std::size_t>(Index(row, column))]; }

Byte InRange(double value) {
    const EditorField& field = CellField();
    return static_cast<Byte>(std::lround(std::clamp(value, double(field.min), double(field.max))));
}

// Runs `value(row, column)` (reading the map as it was) over the rectangle.
template <typename Value>
MapChange Apply(const JetMap& jet, const MapRect& rect, Value value) {
    MapChange change{jet, {}};
    const auto r = Clipped(rect);
    if (!r) return change;
    for (int row = r->top; row <= r->bottom; ++row) {
        for (int column = r->left; column <= r->right; ++column) {
            change.jet[static_cast<std::size_t>(Index(row, column))] = InRange(value(*r, row, column));
        }
    }
    for (int i = 0; i < static_cast<int>(jet.size()); ++i)
        if (change.jet[static_cast<std::size_t>(i)] != jet[static_cast<std::size_t>(i)])
            change.changed.push_back(i);
    return change;
}

// How far along from `from` to `to` the point `at` lies, 0 for a single point.
double Share(int at, int from, int to) { return to == from ? 0.0 : double(at - from) / (to - from); }

// The same along an axis: by its values where it rises from `from` to `to`,
// by the count of points where it does not (a unit's odd axis).
double Share(const std::array<double, kMapSize>& axis, int at, int from, int to) {
    for (int i = from; i < to; ++i)
        if (!(axis[static_cast<std::size_t>(i + 1)] > axis[static_cast<std::size_t>(i)]))
            return Share(at, from, to);
    if (to == from) return 0.0;
    const auto value = [&axis](int i) { return axis[static_cast<std::size_t>(i)]; };
    return (value(at) - value(from)) / (value(to) - value(from));
}

double Between(double a, double b, double share) { return a + (b - a) * share; }

bool IsBlank(char c) { return c == ' ' || c == '\r'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A pasted cell: [sign] digits [. or , digits] [%], with blanks around.
std::optional<double> ReadNumber(std::string_view field) {
    field = Trimmed(field);
    if (!field.empty() && field.back() == '%') field = Trimmed(field.substr(0, field.size() - 1));
    const bool negative = !field.empty() && field.front() == '-';
    if (!field.empty() && (field.front() == '-' || field.front() == '+')) field.remove_prefix(1);
    double value = 0, scale = 1;  // scale: the weight of the next digit after the point
    bool digits = false, fraction = false;
    for (const char c : field) {
        if ((c == '.' || c == ',') && !fraction) {
            fraction = true;
        } else if (IsDigit(c)) {
            digits = true;
            if (!fraction) {
                value = std::min(value * 10 + (c - '0'), 1e9);  // far beyond the range, far from overflow
            } else {
                scale /= 10;
                value += (c - '0') * scale;
            }
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    return negative ? -value : value;
}

bool TakePrefix(std::string_view& text, std::string_view prefix) {
    if (prefix.empty() || !text.starts_with(prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

// A blank of any width that does not break a line: what some languages group digits with.
bool IsBlankSeparator(std::string_view group) {
    return group == " " || group == "\u00A0" || group == "\u202F" || group == "\u2009";
}

// A pasted cell as the format writes it; see PasteCells.
std::optional<double> ReadFormatted(std::string_view field, const NumberFormat& format) {
    field = Trimmed(field);
    if (!field.empty() && field.back() == '%') field = Trimmed(field.substr(0, field.size() - 1));
    const bool negative = TakePrefix(field, format.minusSign) || TakePrefix(field, "-");
    if (!negative && !TakePrefix(field, format.plusSign)) TakePrefix(field, "+");
    const bool blankGroups = IsBlankSeparator(format.groupSeparator);
    double value = 0, scale = 1;
    bool digits = false, fraction = false;
    while (!field.empty()) {
        if (!fraction && TakePrefix(field, format.decimalPoint)) {
            fraction = true;
            continue;
        }
        if (!fraction &&
            (TakePrefix(field, format.groupSeparator) || (blankGroups && TakePrefix(field, " "))))
            continue;
        const char c = field.front();
        if (!IsDigit(c)) return std::nullopt;
        field.remove_prefix(1);
        digits = true;
        if (!fraction) {
            value = std::min(value * 10 + (c - '0'), 1e9);
        } else {
            scale /= 10;
            value += (c - '0') * scale;
        }
    }
    if (!digits) return std::nullopt;
    return negative ? -value : value;
}

// The text as a block of numbers: its size, the values of its first 10 × 10
// (nothing larger can fit), or where it is malformed.
struct PastedBlock {
    PasteError error = PasteError::None;
    int row = 0, column = 0, rows = 0, columns = 0;
    std::array<double, kMapSize * kMapSize> values{};
};

template <typename Read>
PastedBlock ReadBlock(std::string_view text, const Read& read) {
    PastedBlock block;
    while (!text.empty() && (IsBlank(text.back()) || text.back() == '\n')) text.remove_suffix(1);
    if (text.empty()) {
        block.error = PasteError::NoNumbers;
        return block;
    }
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        const int row = block.rows++;
        int columns = 0;
        for (std::size_t from = 0; from <= line.size();) {
            const std::size_t to = std::min(line.find('\t', from), line.size());
            const int column = columns++;
            const auto number = read(line.substr(from, to - from));
            if (!number) return {PasteError::NotANumber, row + 1, column + 1, 0, 0, {}};
            if (row < kMapSize && column < kMapSize) block.values[std::size_t(Index(row, column))] = *number;
            from = to + 1;
        }
        if (row == 0) block.columns = columns;
        if (columns != block.columns) return {PasteError::Ragged, row + 1, 0, 0, 0, {}};
        start = end + 1;
    }
    return block;
}

}  // namespace

MapChange AddSteps(const JetMap& jet, const MapRect& rect, int steps) {
    const double by = double(steps) * CellField().increment;
    return Apply(jet, rect, [&](const MapRect&, int row, int column) { return At(jet, row, column) + by; });
}

MapChange MultiplyCells(const JetMap& jet, const MapRect& rect, double factor) {
    if (!std::isfinite(factor)) return {jet, {}};
    return Apply(jet, rect,
                 [&](const MapRect&, int row, int column) { return At(jet, row, column) * factor; });
}

MapChange SetCells(const JetMap& jet, const MapRect& rect, int value) {
    return Apply(jet, rect, [&](const MapRect&, int, int) { return double(value); });
}

MapAxes MapAxesOf(const InjectionBlock& injection) { return {MapSpeedAxis(injection), kMapThrottleAxis}; }

MapChange FillBilinear(const JetMap& jet, const MapRect& rect, const MapAxes& axes) {
    return Apply(jet, rect, [&](const MapRect& r, int row, int column) {
        const double across = Share(axes.speed, column, r.left, r.right);
        const double top = Between(At(jet, r.top, r.left), At(jet, r.top, r.right), across);
        const double bottom = Between(At(jet, r.bottom, r.left), At(jet, r.bottom, r.right), across);
        return Between(top, bottom, Share(axes.throttle, row, r.top, r.bottom));
    });
}

MapChange FillRows(const JetMap& jet, const MapRect& rect, const MapAxes& axes) {
    return Apply(jet, rect, [&](const MapRect& r, int row, int column) {
        return Between(At(jet, row, r.left), At(jet, row, r.right),
                       Share(axes.speed, column, r.left, r.right));
    });
}

MapChange FillColumns(const JetMap& jet, const MapRect& rect, const MapAxes& axes) {
    return Apply(jet, rect, [&](const MapRect& r, int row, int column) {
        return Between(At(jet, r.top, column), At(jet, r.bottom, column),
                       Share(axes.throttle, row, r.top, r.bottom));
    });
}

MapChange SmoothCells(const JetMap& jet, const MapRect& rect) {
    return Apply(jet, rect, [&](const MapRect&, int row, int column) {
        int sum = 0, count = 0;
        for (int r = std::max(row - 1, 0); r <= std::min(row + 1, kLast); ++r) {
            for (int c = std::max(column - 1, 0); c <= std::min(column + 1, kLast); ++c) {
                sum += At(jet, r, c);
                ++count;
            }
        }
        return double(sum) / count;
    });
}

std::string CopyCells(const JetMap& jet, const MapRect& rect) {
    std::string text;
    const auto r = Clipped(rect);
    if (!r) return text;
    for (int row = r->top; row <= r->bottom; ++row) {
        for (int column = r->left; column <= r->right; ++column) {
            if (column > r->left) text += '\t';
            text += std::to_string(At(jet, row, column));
        }
        text += '\n';
    }
    return text;
}

namespace {

// Whether a pasted value lies beyond the field's range once rounded as every result is.
bool OutOfRange(double value) {
    const EditorField& field = CellField();
    const long rounded = std::lround(value);
    return rounded < field.min || rounded > field.max;
}

template <typename Read>
PasteResult Paste(const JetMap& jet, const MapRect& selection, std::string_view text, const Read& read) {
    PasteResult result;
    result.change = {jet, {}};
    const auto anchor = Clipped(selection);
    if (!anchor) {
        result.error = PasteError::NoCell;
        return result;
    }
    const PastedBlock block = ReadBlock(text, read);
    result.error = block.error;
    result.row = block.row;
    result.column = block.column;
    result.rows = block.rows;
    result.columns = block.columns;
    if (block.error != PasteError::None) return result;
    const bool single = block.rows == 1 && block.columns == 1;
    if (!single && (anchor->top + block.rows > kMapSize || anchor->left + block.columns > kMapSize)) {
        result.error = PasteError::DoesNotFit;
        return result;
    }
    const MapRect target = single ? *anchor
                                  : MapRect{anchor->top, anchor->left, anchor->top + block.rows - 1,
                                            anchor->left + block.columns - 1};
    const auto value = [&](int row, int column) {
        return single ? block.values[0]
                      : block.values[static_cast<std::size_t>(Index(row - target.top, column - target.left))];
    };
    result.change =
        Apply(jet, target, [&](const MapRect&, int row, int column) { return value(row, column); });
    for (int row = target.top; row <= target.bottom; ++row)
        for (int column = target.left; column <= target.right; ++column)
            if (OutOfRange(value(row, column))) result.clamped.push_back(Index(row, column));
    return result;
}

}  // namespace

PasteResult PasteCells(const JetMap& jet, const MapRect& selection, std::string_view text) {
    return Paste(jet, selection, text, [](std::string_view field) { return ReadNumber(field); });
}

PasteResult PasteCells(const JetMap& jet, const MapRect& selection, std::string_view text,
                       const NumberFormat& format) {
    return Paste(jet, selection, text, [&](std::string_view field) { return ReadFormatted(field, format); });
}

}  // namespace ign
