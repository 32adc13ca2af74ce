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

}  // namespace lotto
