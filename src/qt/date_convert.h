#pragma once

#include <QDate>
#include <cmath>

namespace lotto {

// The program counts days from 30 December 1899, which is Julian day 2415019.
inline constexpr qint64 kJulianDayOfDayZero = 2415019;

inline QDate qDateOf(double dayNumber) {
  return QDate::fromJulianDay(static_cast<qint64>(std::floor(dayNumber)) + kJulianDayOfDayZero);
}

inline double dayNumberOf(QDate date) {
  return static_cast<double>(date.toJulianDay() - kJulianDayOfDayZero);
}

}  // namespace lotto
