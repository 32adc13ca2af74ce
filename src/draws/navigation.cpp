#include "draws/navigation.h"

#include <algorithm>

#include "draws/day_filter.h"

namespace lotto {
namespace {

// The record read when reading "up to index position": the last one if the file ends
// first.
std::size_t recordAt(const std::vector<DrawRecord>& records, std::int64_t position) {
  const auto last = static_cast<std::int64_t>(records.size()) - 1;
  return static_cast<std::size_t>(std::clamp<std::int64_t>(position, 0, last));
}

}  // namespace

std::optional<NavigationStep> stepToEarlierDraw(const std::vector<DrawRecord>& records,
                                                std::int32_t position, bool sundayChecked,
                                                bool wednesdayChecked) {
  if (records.empty()) return std::nullopt;
  NavigationStep step;
  std::int64_t p = position;
  while (true) {
    ++step.looks;
    p = std::max<std::int64_t>(p - 1, 0);
    step.shown = recordAt(records, p);  // Position itself is not changed by the reading
    const bool skipped =
        skippedByDayFilter(records[step.shown].date, sundayChecked, wednesdayChecked);
    if (!skipped || static_cast<std::size_t>(step.looks) >= records.size()) break;
    if (p == 0) p += 2;  // turn round at the first record
  }
  step.position = static_cast<std::int32_t>(p);
  return step;
}

std::optional<NavigationStep> stepToLaterDraw(const std::vector<DrawRecord>& records,
                                              std::int32_t position, bool sundayChecked,
                                              bool wednesdayChecked) {
  if (records.empty()) return std::nullopt;
  NavigationStep step;
  std::int64_t p = position;
  while (true) {
    ++step.looks;
    step.shown = recordAt(records, p + 1);
    p = static_cast<std::int64_t>(step.shown);
    const bool skipped =
        skippedByDayFilter(records[step.shown].date, sundayChecked, wednesdayChecked);
    if (!skipped || static_cast<std::size_t>(step.looks) >= records.size()) break;
    if (step.shown + 1 == records.size()) p -= 2;  // turn round at the newest record
  }
  step.position = static_cast<std::int32_t>(p);
  return step;
}

}  // namespace lotto
