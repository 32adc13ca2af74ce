#pragma once
// Typing a draw in by hand: the entry dialog, and where a new draw goes in the history.

#include <array>
#include <string>
#include <vector>

#include "controls/controls.h"
#include "draws/draw_record.h"
#include "platform/clock.h"
#include "platform/user_interaction.h"

namespace lotto {

// The entry dialog "Zahlen der Ziehung eingeben", made afresh for every entry.
class TForm3 : public ModalDialog {
 public:
  TForm3();

  std::string Caption = "Zahlen der Ziehung eingeben";
  TDateTimePicker DateTimePicker1;  // date of the draw
  // UpDown1 .. UpDown6 the six numbers, UpDown7 the Zusatzzahl ("Z:"), 1..45 each.
  std::array<TUpDown, 7> Numbers;
  TUpDown UpDown8{1, 10, 10};  // "S:", the record's spare byte; hidden while in use
  bool SpareVisible = true;

  // Presets from the newest stored draw (the spinners limit the values to their ranges).
  void presetFrom(const DrawRecord& newest);
  // Presets for an empty history: the given day, 45 everywhere and 10 for "S:".
  void presetEmpty(double today);

  // The draw as entered, its six numbers in ascending order (the Zusatzzahl apart).
  DrawRecord enteredDraw() const;
};

// The history with a new draw in date order: a stored draw of the same date is replaced,
// otherwise the new one lands before the first later draw (or at the end).
std::vector<DrawRecord> withDrawEntered(const std::vector<DrawRecord>& records,
                                        const DrawRecord& entered);

// The history without every draw of the given date.
std::vector<DrawRecord> withoutDrawsOf(const std::vector<DrawRecord>& records, double date);

// "Eingeben": the entry dialog opens with the newest stored draw (or, for an empty
// history, with today and 45 everywhere); the draw typed in is stored in date order, a
// draw of a stored date replacing it. Whether or not it is stored, aktDatum and
// DateTimePicker1 end on the newest stored date; the caller then checks the tips.
void enterDraw(const std::string& drawFile, double& aktDatum, TDateTimePicker& DateTimePicker1,
               UserInteraction& ui, Clock& clock);

// "Löschen": rewrites the draw file through tempFile without every draw of the date.
void removeDrawsOf(const std::string& drawFile, const std::string& tempFile, double date,
                   UserInteraction& ui);

}  // namespace lotto
