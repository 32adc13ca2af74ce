#include "draws/navigation.h"

#include <algorithm>

namespace lotto {
namespace {

bool skipped(const DrawRecord& record, const DayFilter& days) {
  return skippedByDayFilter(record.date, days.sundayDraws.checked, days.wednesdayDraws.checked);
}

// Reading "up to index p" takes record p, or the last one when the file ends first; in a
// cut file reading past the last whole record meets the partial one instead.
bool readsCutRecord(const DrawHistory& history, std::int64_t p) {
  return history.cut && p >= static_cast<std::int64_t>(history.size());
}

std::size_t recordAt(const DrawHistory& history, std::int64_t p) {
  const auto last = static_cast<std::int64_t>(history.size()) - 1;
  return static_cast<std::size_t>(std::clamp<std::int64_t>(p, 0, last));
}

bool hasNothingToShow(const DrawHistory& history) {
  return history.records.empty() && !history.cut;
}

void showStep(const std::string& drawFile, DrawOnShow& show, DrawNumbers& scoredDraw,
              const std::function<void()>& completeCheck,
              std::optional<NavigationStep> (*step)(const DrawHistory&, std::int32_t,
                                                    const DayFilter&),
              const DayFilter& days) {
  const DrawHistory history = readDrawHistory(drawFile);
  const std::optional<NavigationStep> result = step(history, show.shownPosition, days);
  if (!result) return;
  if (result->shown) {
    showRecord(show, scoredDraw, history.records[*result->shown], *result->shown, 2);
    show.drawBarText.caption = show.shownDrawText.caption;
    show.chosenDate.setDate(show.shownDate);
  }
  show.shownPosition = result->position;
  if (result->failedAtCut) history.throwIfCut();
  // Once for the draw shown and once more for every draw passed over, each time against
  // the draw finally shown.
  for (int look = 0; look < result->looks; ++look) completeCheck();
}

}  // namespace

std::optional<NavigationStep> stepToEarlierDraw(const DrawHistory& history, std::int32_t position,
                                                const DayFilter& days) {
  if (hasNothingToShow(history)) return std::nullopt;
  NavigationStep step;
  std::int64_t p = position;
  while (true) {
    p = std::max<std::int64_t>(p - 1, 0);
    if (readsCutRecord(history, p)) {
      step.failedAtCut = true;
      break;
    }
    ++step.looks;
    step.shown = recordAt(history, p);  // shownPosition itself is not changed by the reading
    if (!skipped(history.records[*step.shown], days) ||
        static_cast<std::size_t>(step.looks) >= history.size()) {
      break;
    }
    if (p == 0) p += 2;  // turn round at the first record
  }
  step.position = static_cast<std::int32_t>(p);
  return step;
}

std::optional<NavigationStep> stepToLaterDraw(const DrawHistory& history, std::int32_t position,
                                              const DayFilter& days) {
  if (hasNothingToShow(history)) return std::nullopt;
  NavigationStep step;
  std::int64_t p = position;
  while (true) {
    if (readsCutRecord(history, p + 1)) {
      step.failedAtCut = true;
      ++p;
      break;
    }
    ++step.looks;
    step.shown = recordAt(history, p + 1);
    p = static_cast<std::int64_t>(*step.shown);
    if (!skipped(history.records[*step.shown], days) ||
        static_cast<std::size_t>(step.looks) >= history.size()) {
      break;
    }
    if (*step.shown + 1 == history.size()) p -= 2;  // turn round at the newest record
  }
  step.position = static_cast<std::int32_t>(p);
  return step;
}

void showDrawBefore(const std::string& drawFile, const DayFilter& days, DrawOnShow& show,
                    DrawNumbers& scoredDraw, const std::function<void()>& completeCheck) {
  showStep(drawFile, show, scoredDraw, completeCheck, &stepToEarlierDraw, days);
}

void showDrawAfter(const std::string& drawFile, const DayFilter& days, DrawOnShow& show,
                   DrawNumbers& scoredDraw, const std::function<void()>& completeCheck) {
  showStep(drawFile, show, scoredDraw, completeCheck, &stepToLaterDraw, days);
}

}  // namespace lotto
