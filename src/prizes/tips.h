#pragma once
// Tips as the prize ranks, the chances and the backtest take them: six numbers in any
// order, held for counting as a 64-bit mask with bit n set for number n.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace lotto {

using Tip = std::array<std::int32_t, 6>;

inline constexpr int kHighestNumber = 45;
inline constexpr int kMostTips = 12;

inline constexpr std::uint64_t bitOf(int number) {
  return std::uint64_t{1} << number;
}

// The tip's mask when it is six different numbers 1..highest, none otherwise.
std::optional<std::uint64_t> maskOfTip(const Tip& tip, int highest = kHighestNumber);

// The masks of tips that must all be valid, in their order. A tip that is not six different
// numbers 1..highest throws AppError naming it (tips counted from 1).
std::vector<std::uint64_t> masksOfTips(const std::vector<Tip>& tips, int highest = kHighestNumber);

}  // namespace lotto
