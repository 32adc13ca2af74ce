#pragma once
// Scoring a tip against the draw in scoredDraw, and the fields that hold the outcome.

#include <array>
#include <cstdint>
#include <string_view>

#include "draws/draw_record.h"

namespace lotto {

using TipTexts = std::array<std::string_view, 6>;

// The main window's draw being scored against and the result of the last scoring.
struct ScoringFields {
  DrawNumbers scoredDraw{};
  // Per tip position 1..6: 0 no hit, 1 one of the six drawn numbers, 2 the Zusatzzahl.
  // [7] and [8] are only ever reset; [0] is unused.
  std::array<std::uint8_t, 9> hitKinds{};
  std::uint8_t hits = 0;       // hits among the six drawn numbers
  bool zusatzzahlHit = false;  // some tip number is the Zusatzzahl

  // Scores a tip given as the texts of its six fields. Each drawn position is compared
  // with each tip position in turn, a tip text being converted when it is compared; the
  // first text that is not a whole number ends the scoring quietly, with the fields
  // holding what was counted up to then. A number named twice counts twice.
  void scoreTip(const TipTexts& tip);
  // The same for a tip of six numbers, none of which can end the scoring.
  void scoreNumbers(const std::array<std::int32_t, 6>& tip);
};

}  // namespace lotto
