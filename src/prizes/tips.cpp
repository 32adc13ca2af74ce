#include "prizes/tips.h"

#include <string>

#include "platform/errors.h"

namespace lotto {

std::optional<std::uint64_t> maskOfTip(const Tip& tip, int highest) {
  std::uint64_t mask = 0;
  for (const std::int32_t number : tip) {
    if (number < 1 || number > highest || (mask & bitOf(number)) != 0) return std::nullopt;
    mask |= bitOf(number);
  }
  return mask;
}

std::vector<std::uint64_t> masksOfTips(const std::vector<Tip>& tips, int highest) {
  std::vector<std::uint64_t> masks;
  masks.reserve(tips.size());
  for (const Tip& tip : tips) {
    const auto mask = maskOfTip(tip, highest);
    if (!mask) {
      throw AppError("Tipp " + std::to_string(masks.size() + 1) +
                     " ist kein gültiger Tipp: Er braucht sechs verschiedene Zahlen von 1 bis " +
                     std::to_string(highest) + ".");
    }
    masks.push_back(*mask);
  }
  return masks;
}

}  // namespace lotto
