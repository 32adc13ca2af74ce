#pragma once
// Typing a draw in by hand: the entry dialog, and where a new draw goes in the history.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "controls/controls.h"
#include "draws/draw_record.h"
#include "platform/clock.h"
#include "platform/user_interaction.h"

namespace lotto {

// The entry dialog "Zahlen der Ziehung eingeben", made afresh for every entry.
class DrawEntryDialog : public ModalDialog {
 public:
  DrawEntryDialog();

  std::string caption = "Zahlen der Ziehung eingeben";
  DateField date;  // date of the draw
  // The six numbers, then the Zusatzzahl ("Z:"), 1..45 each.
  std::array<Spinner, 7> numbers;
  Spinner spare{1, 10, 10};  // "S:", the record's spare byte; hidden while in use
  bool spareVisible = true;
  double latestDate = kLatestDate;  // today: no draw is entered for a later day

  // Presets from the newest stored draw (the spinners limit the values to their ranges).
  void presetFrom(const DrawRecord& newest);
  // Presets for an empty history: the given day, 45 everywhere and 10 for "S:".
  void presetEmpty(double today);

  // The draw as entered, its six numbers in ascending order (the Zusatzzahl apart).
  DrawRecord enteredDraw() const;
  // Why what is entered can be no draw, as the message that says so: a number twice, a
  // Zusatzzahl among the six, a date after today. Nothing for a possible draw.
  std::optional<std::string> problem() const;
};

// The history with a new draw in date order: a stored draw of the same date is replaced,
// otherwise the new one lands before the first later draw (or at the end).
std::vector<DrawRecord> withDrawEntered(const std::vector<DrawRecord>& records,
                                        const DrawRecord& entered);

// The history without every draw of the given date.
std::vector<DrawRecord> withoutDrawsOf(const std::vector<DrawRecord>& records, double date);

// "Eingeben": the entry dialog opens with the newest stored draw (or, for an empty
// history, with today and 45 everywhere); the draw typed in is stored in date order, a
// draw of a stored date replacing it. What can be no draw is refused with its message
// and nothing is stored; before a draw on another day than Wednesday or Sunday is stored,
// and before a stored draw is replaced by another, the user is asked. Whether or not it is stored,
// workingDate and chosenDate end on the newest stored date; the caller then checks the tips.
void enterDraw(const std::string& drawFile, double& workingDate, DateField& chosenDate,
               UserInteraction& ui, Clock& clock);

// "Löschen": asks whether the draw of the date shall go ("Ziehung vom Mi 19.08.26
// löschen?") and on yes rewrites the draw file through tempFile without every draw of the
// date. A file that cannot be read whole fails before the question.
void removeDrawsOf(const std::string& drawFile, const std::string& tempFile, double date,
                   UserInteraction& ui);

}  // namespace lotto
