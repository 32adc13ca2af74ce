#pragma once
// The number selection dialog "Welche Zahlen für die Berechnung": the 45 numbers as check
// boxes with weights. In generator mode it shows the candidate pool as weights for editing
// ("&Rechnen"); in tip-edit mode a row's numbers, changed by hand or picked by a 25 ms
// random timer ("&Zufall"). It lives for the whole program run and keeps its state.

#include <array>
#include <cstdint>
#include <string>

#include "controls/controls.h"
#include "controls/tip_grid.h"
#include "generator/random.h"
#include "platform/clock.h"
#include "platform/user_interaction.h"

namespace lotto {

// The box of one of the numbers 1 .. 45.
struct NumberBox {
  bool checked = true;
  std::string weight;  // the weight as text; also the box's tooltip
  Colour background = Colour::ButtonFace;
};

class NumberDialog : public ModalDialog {
 public:
  static constexpr int kNumbers = 45;
  static constexpr int kTimerIntervalMs = 25;

  // `folder` (the program folder) is where the file dialogs open; it is read when they do.
  NumberDialog(RandomGenerator& random, UserInteraction& ui, Clock& clock,
               const std::string& folder);

  std::string caption = "Welche Zahlen für die Berechnung";
  std::string statusText;  // the status bar's one panel
  bool showHints = false;  // tooltips switched on for the application
  // pickedNumbers[1] .. pickedNumbers[26]: the numbers the timer picked, in picking order.
  std::array<std::int32_t, 27> pickedNumbers{};
  std::int32_t pickFrom = 1;       // the timer still picks from this position on
  bool stepDown = false;           // the next weight step is -1
  std::int32_t numbersToPick = 6;  // how many numbers the timer picks
  bool timerRunning = false;
  Button randomPickButton;  // "&Zufall", hidden at start; its caption counts the picks
  Button computeButton;     // "&Rechnen", over "OK"

  const NumberBox& box(int n) const { return boxes_[static_cast<std::size_t>(n - 1)]; }
  // A change of a box's checked state runs its click handling; the same state runs nothing.
  void setChecked(int n, bool checked);
  void setWeight(int n, std::string text) { boxOf(n).weight = std::move(text); }
  void resetColours();

  // ---- the user's input
  // A click on a box toggles it (and so runs its click handling).
  void clickBox(int n) { setChecked(n, !box(n).checked); }
  // A mouse button released over a box: the right one sets stepDown and runs the click
  // handling without toggling; any other button clears stepDown.
  void releaseOverBox(int n, bool rightButton);
  // Pointing at a box shows its weight in the status bar.
  void pointAtBox(int n) { statusText = statusOf(n); }
  // "Speichern der Liste" and "Laden der Liste". A file that cannot be a weight list is
  // refused with a message before any box changes.
  void saveWeightList();
  void loadWeightList();
  // "&Zufall": starts the timer, fixes one more number, or stops.
  void randomPick();
  // Every 25 ms while the timer is on: picks the numbers not yet fixed anew.
  void timerTick();
  // However the dialog closes.
  void onClose();

  // The tip edit of row `tip`: shows the row's numbers checked (up to the first field that
  // names no box), and on OK writes the checked numbers into the row's fields in order.
  void editTip(TipGrid& tips, int tip);

 private:
  NumberBox& boxOf(int n) { return boxes_[static_cast<std::size_t>(n - 1)]; }
  void clickHandling(int n);
  std::string statusOf(int n) const;
  void uncheckAllAndResetColours();

  FileDialogSpec weightListDialog() const;

  std::array<NumberBox, kNumbers> boxes_;
  RandomGenerator& random_;
  UserInteraction& ui_;
  Clock& clock_;
  const std::string& folder_;
};

}  // namespace lotto
