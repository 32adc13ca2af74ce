#pragma once
// Which draw is shown for a date: the first draw dated on or after it, else the newest.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "controls/controls.h"
#include "draws/draw_file.h"
#include "draws/draw_on_show.h"
#include "platform/user_interaction.h"

namespace lotto {

struct DrawChoice {
  // Index of the record to show, none for an empty file (or when the newest record of
  // a damaged file is not dated after day 0 and no record matched).
  std::optional<std::size_t> shown;
  // Blanks between the date and the numbers in the draw text: three when the first
  // record is shown and the file holds further records, two otherwise.
  int blanksAfterDate = 2;
  // The new shownPosition: index of the last record looked at.
  std::int32_t position = 0;
  // Every whole record of a cut file lies before the date, so the search reads on into
  // the partial record and fails there; `position` is where it had counted to.
  bool failedAtCut = false;
};

// `date` is the date asked for, already rounded to a whole day.
DrawChoice chooseDrawByDate(const DrawHistory& history, double date);

// The parts of the main window the tip check works on.
struct TipCheckParts {
  std::string drawFile;
  DrawOnShow& show;
  double& workingDate;
  DrawNumbers& scoredDraw;
  DateField& statisticsStart;  // statisticsStart
  UserInteraction& ui;
  std::function<void()> completeCheck;
};

// "Bewertung des Tipps für die Ziehung des gewählten Datums": shows the draw chosen for
// the date of chosenDate, puts the picker on its date and scores all tips against
// it. Without a draw file it only says so.
void checkTipsForChosenDate(const TipCheckParts& parts);

}  // namespace lotto
