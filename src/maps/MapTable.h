#pragma once

#include "ParameterSet.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace ign {

// The injection map as the table editor works on it: JET, cell (row, column)
// at 10 × row + column, a byte being a percentage.
using JetMap = std::array<Byte, kMapSize * kMapSize>;

// A rectangle of cells, rows (throttle) and columns (speed points) both
// inclusive. Corners may come in any order; what lies outside the map is
// left out, and a rectangle wholly outside it selects nothing.
struct MapRect {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;

    bool operator==(const MapRect&) const = default;
};

// What an operation made of the map: the whole map after it, and the cells
// (10 × row + column, ascending) whose byte it changed. Nothing is validated
// here: the window hands the new map to its change, which validates it like
// an edit. Every value an operation writes lies in the map field's range
// (5..250 in the field table), so a cell outside that range that the
// operation covers is brought into it even when its value does not move
// otherwise. Values are rounded to the nearest whole percent, halves away from zero.
struct MapChange {
    JetMap jet{};
    std::vector<int> changed;
};

// Adds `steps` times the field's step to each cell (1 and -1 for + and -,
// 10 and -10 with Shift).
MapChange AddSteps(const JetMap& jet, const MapRect& rect, int steps);
// Multiplies each cell; a factor that is no finite number changes nothing.
MapChange MultiplyCells(const JetMap& jet, const MapRect& rect, double factor);
MapChange SetCells(const JetMap& jet, const MapRect& rect, int value);
// Where the columns and rows lie along the map's axes, for the fills: the
// speed of each column (the set's RPM_JET points) and the opening of each
// row (0, 10 ... 80 and 100 %). By default evenly spaced, cell by cell.
struct MapAxes {
    std::array<double, kMapSize> speed{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    std::array<double, kMapSize> throttle{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
};
// The axes the window labels the map with.
MapAxes MapAxesOf(const InjectionBlock& injection);

// Each cell from the rectangle's four corner cells, bilinearly along the
// axes; a rectangle one row or one column high is linear between its two
// ends. Where an axis does not rise across the rectangle, its cells count
// evenly instead.
MapChange FillBilinear(const JetMap& jet, const MapRect& rect, const MapAxes& axes = {});
// Each row linearly along the speed axis between its first and last cell of the rectangle.
MapChange FillRows(const JetMap& jet, const MapRect& rect, const MapAxes& axes = {});
// Each column linearly along the throttle axis between its top and bottom cell of the rectangle.
MapChange FillColumns(const JetMap& jet, const MapRect& rect, const MapAxes& axes = {});
// Each cell becomes the mean of the 3 × 3 cells around it as they were
// before, neighbours outside the rectangle included; at the map's edges only
// the neighbours that exist count.
MapChange SmoothCells(const JetMap& jet, const MapRect& rect);

// The rectangle as tab-separated text, one line per row, each ended by LF:
// what spreadsheets paste as a block.
std::string CopyCells(const JetMap& jet, const MapRect& rect);

// Why pasted text changed nothing.
enum class PasteError : std::uint8_t {
    None,
    NoNumbers,   // nothing but blanks and line ends
    NotANumber,  // the field at (row, column) of the text is empty or no number
    Ragged,      // the text's row `row` has another count of fields than the first
    DoesNotFit,  // the block of rows × columns reaches beyond the map from the selection
    NoCell,      // the selection holds no cell of the map
};

struct PasteResult {
    MapChange change;  // the map unchanged and no cell changed when error is set
    // Cells whose pasted value lay beyond the map field's range and took its nearer end.
    std::vector<int> clamped;
    PasteError error = PasteError::None;
    int row = 0;  // 1-based, in the text: where NotANumber or Ragged was found
    int column = 0;
    int rows = 0;  // the size of the block read
    int columns = 0;
};

// Tab-separated text from a spreadsheet (or CopyCells) into the map, its top
// left cell at the selection's top left cell. Lines end in LF or CR LF;
// trailing empty lines are dropped; blanks around a number are ignored.
// A number may have a sign, a decimal point or comma (the map holds no
// thousands) and a "%" after it; decimals are rounded like every result.
// A single number fills the whole selection. A block that does not fit into
// the map from the anchor is refused rather than cut, so no pasted value is
// silently lost; any malformed text changes nothing and says why.
PasteResult PasteCells(const JetMap& jet, const MapRect& selection, std::string_view text);

// How a language and country write numbers, as UTF-8: the decimal point, the
// digit group separator (empty for none) and the signs.
struct NumberFormat {
    std::string decimalPoint = ".";
    std::string groupSeparator;
    std::string minusSign = "-";
    std::string plusSign = "+";
};

// The same, with every number read as `format` writes it, by the rules the
// window's numeric fields follow when they take typed text: an optional sign
// (the format's or "-"/"+"), digits with group separators anywhere between
// them (an ordinary blank counts as one where the separator is a blank of
// any kind), then the decimal point and decimals; "%" after it may stand.
// So "1,000" is a thousand where the comma groups digits, and no number at
// all where it is no separator or decimal point, which refuses the paste.
PasteResult PasteCells(const JetMap& jet, const MapRect& selection, std::string_view text,
                       const NumberFormat& format);

// The reason in one language (0 English, 1 Czech, 2 German, else English),
// UTF-8; empty for PasteError::None.
std::string PasteErrorText(const PasteResult& result, Byte language);

}  // namespace ign
