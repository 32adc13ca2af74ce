#pragma once
// Dates are day numbers counted from 30 December 1899 (day 0), held as double,
// exactly as the draw file stores them. Whole days carry no time of day.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lotto {

struct CivilDate {
  int year = 1899;
  int month = 12;
  int day = 30;
  friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// Day number of a calendar date (proleptic Gregorian calendar).
double dayNumber(int year, int month, int day);

// Calendar date of the whole day that contains the given day number.
CivilDate civilDate(double date);

// The date as eight digits, year, month, day: "20250108".
std::string compactDate(double date);

// An HTTP date ("Wed, 08 Jan 2025 10:00:00 GMT") in seconds since 1 January 1970 UTC;
// nothing for any other text.
std::optional<std::int64_t> parseHttpDate(std::string_view text);

// Weekday of the day that contains the given day number: 1 = Sunday ... 7 = Saturday.
int dayOfWeek(double date);

// Rounds to the nearest whole day, a half to the even day.
double roundToDay(double date);

// The dates a date field can hold: 1 January 100 to 31 December 9999. A damaged draw file
// can hold any double; such a date is never shown or converted to a calendar date.
inline constexpr double kEarliestDate = -657434;
inline constexpr double kLatestDate = 2958465;
bool isShowableDate(double date);

inline constexpr int kSunday = 1;
inline constexpr int kWednesday = 4;
inline constexpr int kSaturday = 7;

}  // namespace lotto
