#pragma once
// Fixed German (Austrian) conventions for dates and weekdays, so that what the program
// shows never depends on the machine's locale.

#include <string>

namespace lotto {

// "So" ... "Sa" for weekday 1 (Sunday) ... 7 (Saturday).
std::string shortWeekdayName(int weekday);
// "Sonntag" ... "Samstag".
std::string longWeekdayName(int weekday);

// "So 05.01.25": short weekday, day, month, two-digit year.
std::string formatDrawDate(double date);
// "05.01.2025": the short date.
std::string formatShortDate(double date);
// "10,20 €", "1.234,50 €": an amount of cents as money.
std::string formatMoney(long long cents);

}  // namespace lotto
