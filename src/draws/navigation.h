#pragma once
// Stepping to the previous or next draw, passing over draws that the day filter's
// skipping form excludes and turning round at either end of the history.

#include <cstdint>
#include <optional>
#include <vector>

#include "draws/draw_record.h"

namespace lotto {

struct NavigationStep {
  std::size_t shown = 0;      // index of the record finally shown
  std::int32_t position = 0;  // the new Position
  int looks = 0;              // records looked at; the complete check runs once for each
};

// Both return nothing for an empty history. When no draw passes the filter, or the
// passing ones cannot be reached, they stop after as many looks as there are records,
// with the record of the last look on show.
std::optional<NavigationStep> stepToEarlierDraw(const std::vector<DrawRecord>& records,
                                                std::int32_t position, bool sundayChecked,
                                                bool wednesdayChecked);
std::optional<NavigationStep> stepToLaterDraw(const std::vector<DrawRecord>& records,
                                              std::int32_t position, bool sundayChecked,
                                              bool wednesdayChecked);

}  // namespace lotto
