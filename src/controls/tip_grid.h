#pragma once
// The twelve tips of six numbers each. A field is empty or holds a whole number 1..45
// written without leading zeros; the cleaning rule runs on every change, so nothing else
// ever stands in a field. A tip whose row label is red is marked and survives
// "Löschen aller Tipps".

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "controls/controls.h"

namespace lotto {

// What the cleaning rule makes of a typed text: "07" -> "7", "46", "0", "x" -> "".
std::string cleanTipText(std::string_view text);

// Control numbers of one tip row ("Edit1", "Label28", ...). 0 = the row has no such label.
struct TipRowNames {
  int firstEdit;     // EditN holds number 1, EditN+5 number 6
  int rowLabel;      // "1. Tipp" ... "12. Tipp"
  int hitLabel;      // hits, cleared with the tip
  int sumLabel;      // Quersumme, cleared with the tip
  int furtherLabel;  // further result label, never cleared
};

inline constexpr std::array<TipRowNames, 12> kTipRowNames = {{
    {1, 28, 22, 36, 15},
    {7, 30, 23, 37, 16},
    {13, 31, 24, 38, 17},
    {19, 32, 25, 39, 18},
    {25, 33, 26, 40, 0},
    {31, 34, 27, 41, 19},
    {43, 46, 45, 49, 0},
    {49, 48, 47, 50, 0},
    {56, 62, 65, 67, 0},
    {62, 61, 66, 68, 59},
    {68, 63, 69, 71, 60},
    {74, 64, 70, 72, 0},
}};

struct TipRow {
  std::array<TextField, 6> fields;
  Label rowLabel;
  Label hitLabel;
  Label sumLabel;
  Label furtherLabel;
};

class TipGrid {
 public:
  static constexpr int kTips = 12;
  static constexpr int kNumbers = 6;

  TipGrid();

  // Number of the edit field ("Edit" + number) of number `index` (1..6) of tip `tip` (1..12).
  static int fieldNumber(int tip, int index);
  // The tip and index of an edit field number, if it belongs to the grid.
  struct Cell {
    int tip;
    int index;
  };
  static std::optional<Cell> cellOfField(int fieldNumber);

  const std::string& text(int tip, int index) const { return field(tip, index).text; }
  // Every change goes through the cleaning rule; setting the same text changes nothing.
  void setText(int tip, int index, std::string_view text);

  Colour colour(int tip, int index) const { return field(tip, index).background; }
  void setColour(int tip, int index, Colour colour) { field(tip, index).background = colour; }

  TipRow& row(int tip) { return rows_[static_cast<std::size_t>(tip - 1)]; }
  const TipRow& row(int tip) const { return rows_[static_cast<std::size_t>(tip - 1)]; }

  bool isMarked(int tip) const { return row(tip).rowLabel.colour == Colour::Red; }
  // A click on the row label: normal text colour <-> red.
  void toggleMark(int tip);

  // Empties every unmarked tip and its hit and Quersumme labels.
  void clearUnmarked();

 private:
  TextField& field(int tip, int index) {
    return row(tip).fields[static_cast<std::size_t>(index - 1)];
  }
  const TextField& field(int tip, int index) const {
    return row(tip).fields[static_cast<std::size_t>(index - 1)];
  }

  std::array<TipRow, kTips> rows_;
};

}  // namespace lotto
