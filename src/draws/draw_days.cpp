#include "draws/draw_days.h"

#include <cmath>

#include "platform/dates.h"

namespace lotto {

double nextDrawDay(double date) {
  double day = std::floor(date);
  // A week holds both draw days; the bound also keeps a date that is no date from looping.
  for (int step = 0; step < 7; ++step) {
    ++day;
    if (dayOfWeek(day) == kSunday || dayOfWeek(day) == kWednesday) break;
  }
  return day;
}

}  // namespace lotto
