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

std::string formatShortDate(double date) {
  const CivilDate d = civilDate(date);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d", d.day, d.month, d.year);
  return buffer;
}

std::string formatMoney(long long cents) {
  const bool negative = cents < 0;
  const unsigned long long amount = negative ? 0ULL - static_cast<unsigned long long>(cents)
                                             : static_cast<unsigned long long>(cents);
  const std::string digits = std::to_string(amount / 100);
  std::string money = negative ? "-" : "";
  // Thousands are set apart by points: "1.234.567".
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) money += '.';
    money += digits[i];
  }
  char rest[8];
  std::snprintf(rest, sizeof rest, ",%02llu", amount % 100);
  return money.append(rest).append(" €");
}

}  // namespace lotto
