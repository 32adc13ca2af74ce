#include "controls/tip_grid.h"

#include "platform/convert.h"
#include "platform/errors.h"

namespace lotto {

std::string cleanTipText(std::string_view text) {
  const auto value = tryToInteger(text);
  if (!value || *value < 1 || *value > 45) return {};
  return std::to_string(*value);
}

TipGrid::TipGrid() {
  for (int tip = 1; tip <= kTips; ++tip) {
    row(tip).rowLabel.caption = std::to_string(tip) + ". Tipp";
  }
}

void TipGrid::setText(int tip, int index, std::string_view text) {
  field(tip, index).text = cleanTipText(text);
}

void TipGrid::toggleMark(int tip) {
  Label& label = row(tip).rowLabel;
  label.colour = label.colour == Colour::WindowText ? Colour::Red : Colour::WindowText;
}

std::optional<int> TipGrid::repeatedNumber(int tip) const {
  std::array<bool, 46> seen{};
  for (int index = 1; index <= kNumbers; ++index) {
    const auto number = tryToInteger(text(tip, index));
    if (!number || *number < 1 || *number > 45) continue;
    if (seen[static_cast<std::size_t>(*number)]) return *number;
    seen[static_cast<std::size_t>(*number)] = true;
  }
  return std::nullopt;
}

void TipGrid::requireNoRepeatedNumbers(const std::string& notDone) const {
  for (int tip = 1; tip <= kTips; ++tip) {
    if (const auto number = repeatedNumber(tip)) {
      throw AppError("Der " + std::to_string(tip) + ". Tipp enthält die Zahl " +
                     std::to_string(*number) +
                     " mehrfach; ein Tipp braucht sechs verschiedene Zahlen. Es wurde nichts " +
                     notDone + ".");
    }
  }
}

void TipGrid::clearUnmarked() {
  for (int tip = 1; tip <= kTips; ++tip) {
    if (isMarked(tip)) continue;
    for (int index = 1; index <= kNumbers; ++index) setText(tip, index, "");
    row(tip).hitLabel.caption.clear();
    row(tip).sumLabel.caption.clear();
  }
}

}  // namespace lotto
