#include "platform/german.h"

#include <array>
#include <cstdio>

#include "platform/dates.h"

namespace lotto {
namespace {

constexpr std::array<const char*, 7> kShortNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
constexpr std::array<const char*, 7> kLongNames = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                                   "Donnerstag", "Freitag", "Samstag"};

}  // namespace

std::string shortWeekdayName(int weekday) {
  return (weekday >= 1 && weekday <= 7) ? kShortNames[weekday - 1] : "";
}

std::string longWeekdayName(int weekday) {
  return (weekday >= 1 && weekday <= 7) ? kLongNames[weekday - 1] : "";
}

std::string formatDrawDate(double date) {
  const CivilDate d = civilDate(date);
  int yy = d.year % 100;
  if (yy < 0) yy += 100;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d.%02d.%02d", d.day, d.month, yy);
  return shortWeekdayName(dayOfWeek(date)) + " " + buffer;
}

}  // namespace lotto
