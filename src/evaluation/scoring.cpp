#include "evaluation/scoring.h"

#include <optional>

#include "platform/convert.h"

namespace lotto {

void ScoringFields::Zettelcheck(const TipTexts& tip) {
  Gewinn = 0;
  Zusatz = false;
  Treffer.fill(0);

  std::array<std::optional<std::int32_t>, 6> numbers;
  for (std::size_t k = 0; k < 6; ++k) numbers[k] = tryStrToInt(tip[k]);

  for (std::size_t i = 1; i <= 6; ++i) {
    for (std::size_t k = 1; k <= 6; ++k) {
      const auto& number = numbers[k - 1];
      if (!number) return;
      if (*number == Zahl[i]) {
        Treffer[k] = 1;
        ++Gewinn;
      }
    }
  }
  for (std::size_t k = 1; k <= 6; ++k) {
    if (*numbers[k - 1] == Zahl[7]) {
      Treffer[k] = 2;
      Zusatz = true;
    }
  }
}

void ScoringFields::score(const std::array<std::int32_t, 6>& tip) {
  Gewinn = 0;
  Zusatz = false;
  Treffer.fill(0);
  for (std::size_t i = 1; i <= 6; ++i) {
    for (std::size_t k = 1; k <= 6; ++k) {
      if (tip[k - 1] == Zahl[i]) {
        Treffer[k] = 1;
        ++Gewinn;
      }
    }
  }
  for (std::size_t k = 1; k <= 6; ++k) {
    if (tip[k - 1] == Zahl[7]) {
      Treffer[k] = 2;
      Zusatz = true;
    }
  }
}

}  // namespace lotto
