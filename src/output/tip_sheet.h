#pragma once
// The text tip sheet "Tipp.txt" in the program folder: a title with the next draw date,
// a line of tildes, an empty line and one line per tip, opened in the desktop's program for
// text files. Written in UTF-8 without a byte-order mark, CR LF after every line.

#include <string>

#include "controls/tip_grid.h"
#include "platform/shell.h"

namespace lotto {

inline constexpr const char* kTipSheetName = "Tipp.txt";

// The sheet's lines for the draw after `lastEvaluated` (shownDate): its date is the first
// Wednesday or Sunday after it. Throws ConversionError for a tip whose first field is
// filled and another empty.
std::string tipSheetContent(const TipGrid& tips, double lastEvaluated);

// "Tipp drucken" (printTipSheet): writes the sheet whole, then opens it.
void showTipSheet(const TipGrid& tips, double lastEvaluated, const std::string& home, Shell& shell);

}  // namespace lotto
