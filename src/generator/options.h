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
  Spinner quersummeFrom{21, 279, 100};   // lowest Quersumme of a tip ("Quersumme von")
  Spinner quersummeTo{21, 279, 180};     // highest Quersumme of a tip ("bis")
  CheckBox preferFrequentNumbers{true};  // prefer frequently drawn numbers
  CheckBox preferRareNumbers{true};      // prefer the longest overdue numbers
  CheckBox preferSeldomNumbers{true};    // shown, stored and restored; no rule reads it
  CheckBox limitOverlap{true};           // at most overlapLimit numbers shared with other tips
  Spinner overlapLimit{0, 5, 3};
  CheckBox limitLastDraw{true};  // at most lastDrawLimit numbers of the last draw
  Spinner lastDrawLimit{0, 5, 0};
  CheckBox limitSecondLastDraw{true};  // at most secondLastDrawLimit numbers of the draw before it
  Spinner secondLastDrawLimit{0, 5, 0};
  CheckBox forcePair{true};                  // force a pair of consecutive numbers
  CheckBox rejectRunOfThree{true};           // no run of three
  CheckBox preferFrequentPairs{false};       // prefer frequent pairs (and overdue numbers)
  CheckBox preferRarePairs{false};           // ... the rarest pairs
  CheckBox preferFrequentTriples{false};     // prefer frequent triples
  CheckBox preferRareTriples{false};         // ... the rarest triples
  CheckBox preferFrequentQuadruples{false};  // prefer frequent quadruples
  CheckBox preferRareQuadruples{false};      // ... the rarest quadruples
  CheckBox rejectPastDrawMatches{true};  // no tip matching pastDrawMatchSize numbers of a past draw
  Spinner pastDrawMatchSize{3, 6, 5};
  CheckBox onlyPreferredNumbers{false};   // only preferred numbers
  CheckBox editPoolBeforeDrawing{false};  // show and edit the number list before drawing
  Spinner tipCount{1, 12, 12};            // number of tips to compute (tab "Lottotipp")
  Spinner runBudgetThousands{1, 10000,
                             100};  // "Max. Berechnungsläufe" in thousands (tab "Datenbank")

  // Every check box and spinner under the name of its widget in the window's form.
  std::vector<std::pair<std::string, CheckBox*>> checkBoxes();
  std::vector<std::pair<std::string, Spinner*>> spinners();
};

}  // namespace lotto
