#pragma once
// The day filter of the check boxes "Sonntag Ziehungen" and "Mittwoch Ziehungen".
// Draws are held on Sundays and Wednesdays; a record on another weekday can only come
// from manual entry, and the two forms treat it differently.

#include "controls/controls.h"

namespace lotto {

// The two check boxes in the top panel of the tab "Lottotipp"; both checked at start and
// not kept in the settings.
struct DayFilter {
  CheckBox sundayDraws{true};     // "Sonntag Ziehungen"
  CheckBox wednesdayDraws{true};  // "Mittwoch Ziehungen"
};

// Counting form (statistics): a draw takes part only when its weekday's box is checked;
// a draw on any other weekday never takes part.
bool countedByDayFilter(double date, bool sundayChecked, bool wednesdayChecked);

// Skipping form (navigation): a draw is passed over only when its weekday's box is
// unchecked; a draw on any other weekday is always shown.
bool skippedByDayFilter(double date, bool sundayChecked, bool wednesdayChecked);

}  // namespace lotto
