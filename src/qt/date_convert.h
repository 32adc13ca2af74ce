#pragma once

#include <QDate>
#include <algorithm>
#include <cmath>

#include "platform/dates.h"

namespace lotto {

// The program counts days from 30 December 1899, which is Julian day 2415019.
inline constexpr qint64 kJulianDayOfDayZero = 2415019;

// The headless windows hold only dates from 1 January 100 to 31 December 9999 in their
// date fields; anything else is kept inside that range rather than converted blindly.
inline QDate qDateOf(double dayNumber) {
  if (!std::isfinite(dayNumber)) dayNumber = 0;
  const double day = std::clamp(std::floor(dayNumber), kEarliestDate, kLatestDate);
  return QDate::fromJulianDay(static_cast<qint64>(day) + kJulianDayOfDayZero);
}

inline double dayNumberOf(QDate date) {
  return static_cast<double>(date.toJulianDay() - kJulianDayOfDayZero);
}

}  // namespace lotto
