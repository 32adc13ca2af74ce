#pragma once
// The draw on show: its date, its place in the draw file and the controls that show it.
// Its numbers are the scoredDraw of the scoring fields, which the tips are scored against.

#include <cstddef>
#include <cstdint>

#include "controls/controls.h"
#include "draws/draw_record.h"

namespace lotto {

struct DrawOnShow {
  double shownDate = 0;            // date of the draw on show
  std::int32_t shownPosition = 0;  // its index in the draw file
  Label shownDrawText;             // the draw text on the tab "Datenbank"
  Label drawBarText;               // the same in the draw bar of the tab "Lottotipp"
  Label drawBarQuersumme{"Quersumme"};
  DateField chosenDate{dayNumber(1955, 10, 9), dayNumber(1986, 1, 1)};
  // The draw the texts show. Commands that score against other draws on the way (the group
  // searches, the history test of the generator) leave the scoring fields and shownDate
  // elsewhere; the window returns them to this draw when such a command ends.
  DrawRecord shownRecord{};
};

// What the draw text adds to a draw that is no possible draw (a damaged file, an older
// entry): it is shown, but marked, and no tip is scored against it.
inline constexpr const char* kInvalidDrawMark = "  (ungültig)";

// Shows record `index` of the draw file: shownDate, shownNumbers and scoredDraw, the draw
// text on shownDrawText (marked when the record is no possible draw) and the Quersumme on
// drawBarQuersumme. A record whose date no date field can hold (a damaged file) is
// refused with a message naming its place, and nothing changes.
void showRecord(DrawOnShow& show, DrawNumbers& scoredDraw, const DrawRecord& record,
                std::size_t index, int blanksAfterDate);

// "Die Ziehung vom So 05.01.25 (Datensatz 3 der Ziehungsdatei)", or without the date when
// the record's date is no date: how messages name a record of the draw file.
std::string recordPlace(const DrawRecord& record, std::size_t index);

// Throws AppError naming the record when its date cannot be shown.
void requireShowableDate(const DrawRecord& record, std::size_t index);

}  // namespace lotto
