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

  // The first number that stands more than once in the fields of tip `tip`: such a row is
  // no tip. It is shown as one that is not valid and never scored, counted, printed,
  // exported or handed over, but it can be edited as any other.
  std::optional<int> repeatedNumber(int tip) const;
  // Throws AppError naming the first row that holds a number more than once, with the
  // words of what was not done ("gespeichert", "gedruckt", ...).
  void requireNoRepeatedNumbers(const std::string& notDone) const;

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
