#pragma once

#include <string>

#include "draws/draw_record.h"

namespace lotto {

// "So 05.01.25", `blanksAfterDate` blanks, then "  n" for each of the six numbers and
// " Z:" with the Zusatzzahl. Numbers outside 1..45 (a damaged file) are shown as they are.
std::string drawText(double date, const DrawNumbers& numbers, int blanksAfterDate);

// "Quersumme: " and the sum of the six numbers.
std::string quersummeText(const DrawNumbers& numbers);

}  // namespace lotto
