#include "platform/dates.h"

#include <cmath>
#include <cstdio>

namespace lotto {
namespace {

// Days from 1970-01-01 to the given civil date (H. Hinnant's algorithm).
long long daysFromCivil(long long y, long long m, long long d) {
  y -= m <= 2 ? 1 : 0;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

constexpr long long kUnixEpochDayNumber = 25569;  // 1970-01-01 counted from 1899-12-30

// Keeps absurd values of a damaged file inside a range the calendar arithmetic handles.
constexpr double kLargestDay = 1.0e9;

}  // namespace

double dayNumber(int year, int month, int day) {
  return static_cast<double>(daysFromCivil(year, month, day) + kUnixEpochDayNumber);
}

CivilDate civilDate(double date) {
  if (!std::isfinite(date)) date = 0;
  if (date > kLargestDay) date = kLargestDay;
  if (date < -kLargestDay) date = -kLargestDay;
  const long long z = static_cast<long long>(std::floor(date)) - kUnixEpochDayNumber + 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  const long long d = doy - (153 * mp + 2) / 5 + 1;
  const long long m = mp < 10 ? mp + 3 : mp - 9;
  const long long y = yoe + era * 400 + (m <= 2 ? 1 : 0);
  return CivilDate{static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

std::string compactDate(double date) {
  const CivilDate d = civilDate(date);
  char digits[32];
  std::snprintf(digits, sizeof digits, "%04d%02d%02d", d.year, d.month, d.day);
  return digits;
}

std::optional<std::int64_t> parseHttpDate(std::string_view text) {
  // IMF-fixdate: "Sun, 06 Nov 1994 08:49:37 GMT"
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  if (text.size() != 29 || text[3] != ',' || text[4] != ' ' || text[7] != ' ' || text[11] != ' ' ||
      text[16] != ' ' || text[19] != ':' || text[22] != ':' || text.substr(25) != " GMT") {
    return std::nullopt;
  }
  const auto number = [&text](std::size_t at, std::size_t length) -> std::optional<int> {
    int value = 0;
    for (std::size_t i = at; i < at + length; ++i) {
      if (text[i] < '0' || text[i] > '9') return std::nullopt;
      value = value * 10 + (text[i] - '0');
    }
    return value;
  };
  int month = 0;
  for (int m = 0; m < 12; ++m) {
    if (text.substr(8, 3) == kMonths[m]) month = m + 1;
  }
  const auto day = number(5, 2);
  const auto year = number(12, 4);
  const auto hour = number(17, 2);
  const auto minute = number(20, 2);
  const auto second = number(23, 2);
  if (month == 0 || !day || !year || !hour || !minute || !second || *hour > 23 || *minute > 59 ||
      *second > 60) {
    return std::nullopt;
  }
  const double date = dayNumber(*year, month, *day);
  if (civilDate(date) != CivilDate{*year, month, *day}) return std::nullopt;
  const auto days =
      static_cast<std::int64_t>(date) - static_cast<std::int64_t>(kUnixEpochDayNumber);
  return days * 86400 + std::int64_t{*hour} * 3600 + std::int64_t{*minute} * 60 + *second;
}

int dayOfWeek(double date) {
  if (!std::isfinite(date) || std::fabs(date) > kLargestDay) date = 0;
  // Day 0, 30 December 1899, was a Saturday (7).
  const long long day = static_cast<long long>(std::trunc(date));
  long long r = (day + 6) % 7;
  if (r < 0) r += 7;
  return static_cast<int>(r) + 1;
}

bool isShowableDate(double date) {
  // NaN fails both comparisons.
  return date >= kEarliestDate && date <= kLatestDate;
}

double roundToDay(double date) {
  return std::nearbyint(date);
}

}  // namespace lotto
