#pragma once
// The controls that decide how tips are generated: the check boxes and spinners of the
// tab "Berechnungs-Optionen", the number of tips beside "Tipps berechnen" and the run
// budget on the tab "Datenbank". The generator reads them when its rules apply.

#include <string>
#include <utility>
#include <vector>

#include "controls/controls.h"

namespace lotto {

struct GenerationOptions {
  TUpDown UpDown1{21, 279, 100};  // lowest Quersumme of a tip ("Quersumme von")
  TUpDown UpDown2{21, 279, 180};  // highest Quersumme of a tip ("bis")
  TCheckBox CheckBox2{true};      // prefer frequently drawn numbers
  TCheckBox CheckBox10{true};     // prefer the longest overdue numbers
  TCheckBox CheckBox14{true};     // shown, stored and restored; no rule reads it
  TCheckBox CheckBox3{true};      // at most UpDown3 numbers shared with other tips
  TUpDown UpDown3{0, 5, 3};
  TCheckBox CheckBox4{true};  // at most UpDown4 numbers of the last draw
  TUpDown UpDown4{0, 5, 0};
  TCheckBox CheckBox5{true};  // at most UpDown5 numbers of the draw before it
  TUpDown UpDown5{0, 5, 0};
  TCheckBox CheckBox8{true};    // force a pair of consecutive numbers
  TCheckBox CheckBox18{true};   // no run of three
  TCheckBox CheckBox1{false};   // prefer frequent pairs (and overdue numbers)
  TCheckBox CheckBox11{false};  // ... the rarest pairs
  TCheckBox CheckBox6{false};   // prefer frequent triples
  TCheckBox CheckBox12{false};  // ... the rarest triples
  TCheckBox CheckBox7{false};   // prefer frequent quadruples
  TCheckBox CheckBox13{false};  // ... the rarest quadruples
  TCheckBox CheckBox9{true};    // no tip matching UpDown6 numbers of a past draw
  TUpDown UpDown6{3, 6, 5};
  TCheckBox CheckBox15{false};     // only preferred numbers
  TCheckBox CheckBox20{false};     // show and edit the number list before drawing
  TUpDown UpDown8{1, 12, 12};      // number of tips to compute (tab "Lottotipp")
  TUpDown UpDown7{1, 10000, 100};  // "Max. Berechnungsläufe" in thousands (tab "Datenbank")

  // Every check box and spinner under the name of its widget in the window's form.
  std::vector<std::pair<std::string, TCheckBox*>> checkBoxes();
  std::vector<std::pair<std::string, TUpDown*>> spinners();
};

}  // namespace lotto
