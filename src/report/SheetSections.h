#pragma once

#include "SheetInput.h"
#include "SheetSection.h"

#include <span>
#include <string>
#include <vector>

namespace ign {

// The parts of the sheet in the order they stand, each `width` wide.
Section HeaderSection(const SheetInput& input, double width);
Section NoteSection(const SheetInput& input, double width);  // height 0 without a note
Section IgnitionSection(const SheetInput& input, double width);
Section MapSection(const SheetInput& input, double width);
Section PositionSection(const SheetInput& input, double width);
Section InjectionValuesSection(const SheetInput& input, double width);

// "Changed since": every difference from the reference in the compare
// window's words, one a line; empty without a reference.
std::vector<std::string> ChangeLines(const SheetInput& input);
// The height the changes need at the least: the heading and a few lines.
double ChangesMinimumHeight(std::size_t lineCount);
// The changes in at most `height`, in two columns; what does not fit is
// counted on the last line. `shown` receives the number of lines listed.
Section ChangesSection(const SheetInput& input, std::span<const std::string> lines, double width,
                       double height, std::size_t& shown);

// The footer of a page: the program and its version, the set's digest, "page N of M".
Section FooterSection(const SheetInput& input, double width, int page, int pages);

}  // namespace ign
