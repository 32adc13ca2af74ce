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

// One of the boxes CheckBox1 .. CheckBox45.
struct TNumberBox {
  bool Checked = true;
  std::string Weight;  // the weight as text; also the box's tooltip
  Colour Color = Colour::ButtonFace;
};

class TForm7 : public ModalDialog {
 public:
  static constexpr int kNumbers = 45;
  static constexpr int kTimerIntervalMs = 25;

  // `folder` (the program folder) is where the file dialogs open; it is read when they do.
  TForm7(RandomGenerator& random, UserInteraction& ui, Clock& clock, const std::string& folder);

  std::string Caption = "Welche Zahlen für die Berechnung";
  std::string StatusText;  // the status bar's one panel
  bool ShowHint = false;   // tooltips switched on for the application
  // Tippreihe[1] .. Tippreihe[26]: the numbers the timer picked, in picking order.
  std::array<std::int32_t, 27> Tippreihe{};
  std::int32_t Losgeht = 1;  // the timer still picks from this position on
  bool Minus = false;        // the next weight step is -1
  std::int32_t MaxTipp = 6;  // how many numbers the timer picks
  bool Timer1Enabled = false;
  TButton BitBtn4;  // "&Zufall", hidden at start; its caption counts the picks
  TButton BitBtn3;  // "&Rechnen", over "OK"

  const TNumberBox& box(int n) const { return boxes_[static_cast<std::size_t>(n - 1)]; }
  // A change of a box's checked state runs its click handling; the same state runs nothing.
  void setChecked(int n, bool checked);
  void setWeight(int n, std::string text) { boxOf(n).Weight = std::move(text); }
  void resetColours();

  // ---- the user's input
  // A click on a box toggles it (and so runs its click handling).
  void CheckBoxClick(int n) { setChecked(n, !box(n).Checked); }
  // A mouse button released over a box: the right one sets Minus and runs the click
  // handling without toggling; any other button clears Minus.
  void CheckBoxMouseUp(int n, bool rightButton);
  // Pointing at a box shows its weight in the status bar.
  void CheckBoxMouseMove(int n) { StatusText = statusOf(n); }
  // "Speichern der Liste" and "Laden der Liste". A file that cannot be a weight list is
  // refused with a message before any box changes.
  void SpeedButton1Click();
  void SpeedButton2Click();
  // "&Zufall": starts the timer, fixes one more number, or stops.
  void BitBtn4Click();
  // Every 25 ms while the timer is on: picks the numbers not yet fixed anew.
  void Timer1Timer();
  // However the dialog closes.
  void FormClose();

  // The tip edit of the row whose fields are "Edit" + Anfang .. "Edit" + ende: shows the
  // row's numbers checked, and on OK writes the checked numbers back into the row.
  void TippEdit(TipGrid& tips, int Anfang, int ende);

 private:
  TNumberBox& boxOf(int n) { return boxes_[static_cast<std::size_t>(n - 1)]; }
  void clickHandling(int n);
  std::string statusOf(int n) const;
  void uncheckAllAndResetColours();

  FileDialogSpec weightListDialog() const;

  std::array<TNumberBox, kNumbers> boxes_;
  RandomGenerator& random_;
  UserInteraction& ui_;
  Clock& clock_;
  const std::string& folder_;
};

}  // namespace lotto
