#include "evaluation/complete_check.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "platform/convert.h"

namespace lotto {
namespace {

Colour colourOfHit(std::uint8_t hitKind) {
  switch (hitKind) {
    case 1:
      return Colour::Lime;
    case 2:
      return Colour::Yellow;
    default:
      return Colour::Window;
  }
}

// A row that holds a number more than once is no tip: its fields with that number stand
// out and the hit label says why, instead of a score.
void showRepeatedNumber(TipGrid& tips, int tip, int number) {
  const std::string text = std::to_string(number);
  for (int index = 1; index <= TipGrid::kNumbers; ++index) {
    if (tips.text(tip, index) == text) tips.setColour(tip, index, Colour::Red);
  }
  Label& label = tips.row(tip).hitLabel;
  label.caption = text + " mehrfach";
  label.colour = Colour::Red;
}

}  // namespace

int runCompleteCheck(TipGrid& tips, ScoringFields& scoring, SoundPlayer& sound,
                     const std::string& soundPath) {
  int best = 0;
  // Against numbers that are no possible draw nothing is scored: the tips stay plain.
  const bool drawValid = !drawProblem(scoring.scoredDraw);
  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    TipRow& row = tips.row(tip);

    std::array<std::uint8_t, 6> values{};
    bool complete = drawValid;
    for (int index = 1; index <= TipGrid::kNumbers && complete; ++index) {
      const auto value = tryToInteger(tips.text(tip, index));
      if (value) {
        values[static_cast<std::size_t>(index - 1)] = static_cast<std::uint8_t>(*value);
      } else {
        complete = false;
      }
    }

    const std::optional<int> repeated = tips.repeatedNumber(tip);
    if (!complete || repeated) {
      for (int index = 1; index <= TipGrid::kNumbers; ++index)
        tips.setColour(tip, index, Colour::Window);
      row.hitLabel.caption.clear();
      row.sumLabel.caption.clear();
      if (repeated) showRepeatedNumber(tips, tip, *repeated);
      if (tip == TipGrid::kTips) {
        scoring.hits = 0;
        scoring.zusatzzahlHit = false;
      }
      continue;
    }

    int sum = 0;
    for (const std::uint8_t v : values) sum += v;
    row.sumLabel.caption = std::to_string(sum);

    std::sort(values.begin(), values.end());
    std::array<std::string, 6> texts;
    for (int index = 1; index <= TipGrid::kNumbers; ++index) {
      tips.setText(tip, index, std::to_string(values[static_cast<std::size_t>(index - 1)]));
      texts[static_cast<std::size_t>(index - 1)] = tips.text(tip, index);
    }
    scoring.scoreTip({texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]});

    for (int index = 1; index <= TipGrid::kNumbers; ++index) {
      tips.setColour(tip, index, colourOfHit(scoring.hitKinds[static_cast<std::size_t>(index)]));
    }
    row.hitLabel.caption = std::to_string(scoring.hits);
    row.hitLabel.colour = scoring.hits >= 3 ? Colour::Red : Colour::Black;
    if (scoring.hits >= 3) sound.play(soundPath);
    if (scoring.zusatzzahlHit) row.hitLabel.caption += " + Z";

    best = std::max(best, static_cast<int>(scoring.hits));
  }
  return best;
}

}  // namespace lotto
