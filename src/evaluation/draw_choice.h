#pragma once
// Which draw is shown for a date: the first draw dated on or after it, else the newest.

#include <cstdint>
#include <optional>
#include <vector>

#include "draws/draw_record.h"

namespace lotto {

struct DrawChoice {
  // Index of the record to show, none for an empty file (or when the newest record of
  // a damaged file is not dated after day 0 and no record matched).
  std::optional<std::size_t> shown;
  // Blanks between the date and the numbers in the draw text: three when the first
  // record is shown and the file holds further records, two otherwise.
  int blanksAfterDate = 2;
  // The new Position: index of the last record looked at.
  std::int32_t position = 0;
};

// `date` is the date asked for, already rounded to a whole day.
DrawChoice chooseDrawByDate(const std::vector<DrawRecord>& records, double date);

}  // namespace lotto
