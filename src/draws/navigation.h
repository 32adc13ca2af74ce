#pragma once
// Stepping to the previous or next draw, passing over draws that the day filter's
// skipping form excludes and turning round at either end of the history.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "draws/day_filter.h"
#include "draws/draw_file.h"
#include "draws/draw_on_show.h"

namespace lotto {

struct NavigationStep {
  // Index of the record finally shown; none when the first look already failed.
  std::optional<std::size_t> shown;
  std::int32_t position = 0;  // the new shownPosition
  int looks = 0;              // records looked at; the complete check runs once for each
  // A look reached the partial record at the end of a cut file: the command fails there,
  // with the record of the look before it on show.
  bool failedAtCut = false;
};

// Both return nothing for an empty history. When no draw passes the filter, or the
// passing ones cannot be reached, they stop after as many looks as there are records,
// with the record of the last look on show.
std::optional<NavigationStep> stepToEarlierDraw(const DrawHistory& history, std::int32_t position,
                                                const DayFilter& days);
std::optional<NavigationStep> stepToLaterDraw(const DrawHistory& history, std::int32_t position,
                                              const DayFilter& days);

// The earlier-draw and later-draw commands: read the draw file, show the draw stepped to
// and run the complete check once for every draw looked at, each time against the draw
// finally shown. The draw bar and the date picker follow the draw on show.
void showDrawBefore(const std::string& drawFile, const DayFilter& days, DrawOnShow& show,
                    DrawNumbers& scoredDraw, const std::function<void()>& completeCheck);
void showDrawAfter(const std::string& drawFile, const DayFilter& days, DrawOnShow& show,
                   DrawNumbers& scoredDraw, const std::function<void()>& completeCheck);

}  // namespace lotto
