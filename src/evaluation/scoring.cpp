#include "evaluation/scoring.h"

#include <optional>

#include "platform/convert.h"

namespace lotto {

void ScoringFields::scoreTip(const TipTexts& tip) {
  hits = 0;
  zusatzzahlHit = false;
  hitKinds.fill(0);

  std::array<std::optional<std::int32_t>, 6> numbers;
  for (std::size_t k = 0; k < 6; ++k) numbers[k] = tryToInteger(tip[k]);

  for (std::size_t i = 1; i <= 6; ++i) {
    for (std::size_t k = 1; k <= 6; ++k) {
      const auto& number = numbers[k - 1];
      if (!number) return;
      if (*number == scoredDraw[i]) {
        hitKinds[k] = 1;
        ++hits;
      }
    }
  }
  for (std::size_t k = 1; k <= 6; ++k) {
    if (*numbers[k - 1] == scoredDraw[7]) {
      hitKinds[k] = 2;
      zusatzzahlHit = true;
    }
  }
}

void ScoringFields::scoreNumbers(const std::array<std::int32_t, 6>& tip) {
  hits = 0;
  zusatzzahlHit = false;
  hitKinds.fill(0);
  for (std::size_t i = 1; i <= 6; ++i) {
    for (std::size_t k = 1; k <= 6; ++k) {
      if (tip[k - 1] == scoredDraw[i]) {
        hitKinds[k] = 1;
        ++hits;
      }
    }
  }
  for (std::size_t k = 1; k <= 6; ++k) {
    if (tip[k - 1] == scoredDraw[7]) {
      hitKinds[k] = 2;
      zusatzzahlHit = true;
    }
  }
}

}  // namespace lotto
