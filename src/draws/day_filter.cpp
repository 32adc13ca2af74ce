#include "draws/day_filter.h"

#include "platform/dates.h"

namespace lotto {

bool countedByDayFilter(double date, bool sundayChecked, bool wednesdayChecked) {
  const int weekday = dayOfWeek(date);
  return (sundayChecked && weekday == kSunday) || (wednesdayChecked && weekday == kWednesday);
}

bool skippedByDayFilter(double date, bool sundayChecked, bool wednesdayChecked) {
  const int weekday = dayOfWeek(date);
  return (!sundayChecked && weekday == kSunday) || (!wednesdayChecked && weekday == kWednesday);
}

}  // namespace lotto
