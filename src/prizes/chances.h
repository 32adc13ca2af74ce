#pragma once
// Exact chances of a set of tips in one draw. An outcome is a draw of six numbers from
// 1..45 together with a Zusatzzahl from the 39 numbers left: 8,145,060 draws, 317,657,340
// equally likely outcomes. For 1 to 12 tips the engine counts, over every outcome, the
// best rank any of the tips reaches, as whole numbers: nothing is sampled or rounded.
//
// The engine works for the game "6 from n" with numbers 1..n for any n from 7 to 45 (six
// drawn, the Zusatzzahl from the n - 6 left), the ranks judged as in "6 aus 45" under
// either rule set (the eight ranks unless asked otherwise). The program itself always
// asks for n = 45; the smaller games are there because they keep the same rules at a size
// where every outcome can be written out one by one and scored tip by tip, which the tests
// do to check the engine exactly, 12 tips included. For 45 that walk takes some 10 seconds
// for 12 tips, too long for a test; there the tests check what can be derived by hand,
// and the benchmark compares both on 12 tips.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "prizes/ranks.h"
#include "prizes/tips.h"

namespace lotto {

struct PrizeChances {
  PrizeRules rules = PrizeRules::EightRanks;
  int highestNumber = kHighestNumber;
  std::uint64_t outcomes = 0;  // every outcome: C(n, 6) * (n - 6)
  // [r - 1]: the outcomes in which the best rank reached is r; ranks beyond
  // rankCount(rules) stay 0.
  std::array<std::uint64_t, kMostRanks> bestRank{};
  std::uint64_t noPrize = 0;  // the outcomes in which no tip wins

  // The outcomes in which at least one tip reaches this rank or a better one.
  std::uint64_t reachingRank(int rank) const;

  friend bool operator==(const PrizeChances&, const PrizeChances&) = default;
};

// The engine. tips are 1 to kMostTips tips of six different numbers 1..highestNumber;
// identical tips count as one. An invalid tip throws AppError naming it, an empty list or
// one of more than 12 entries AppError too; highestNumber outside 7..45 throws
// std::invalid_argument.
PrizeChances prizeChances(const std::vector<Tip>& tips, PrizeRules rules = PrizeRules::EightRanks,
                          int highestNumber = kHighestNumber);

// The chances of one tip (any tip: they are all alike), from the counts of draws with
// each number of hits rather than by walking through the draws.
PrizeChances singleTipChances(PrizeRules rules = PrizeRules::EightRanks,
                              int highestNumber = kHighestNumber);

// x of the chance "1 : x" that at least one tip reaches this rank or a better one; none
// when no outcome does. A rank outside 1..rankCount(chances.rules) throws
// std::out_of_range.
std::optional<double> oneIn(const PrizeChances& chances, int rank);

struct Fraction {
  std::uint64_t numerator = 0;
  std::uint64_t denominator = 1;
  double value() const { return static_cast<double>(numerator) / static_cast<double>(denominator); }
  friend bool operator==(const Fraction&, const Fraction&) = default;
};

// The expected number of winning tips in one draw for tipCount tickets, in lowest terms:
// each ticket wins with the chance of a single tip, so this is tipCount times that chance.
// Identical tickets are counted each: they win together, and each wins.
Fraction expectedWinningTips(std::size_t tipCount, PrizeRules rules = PrizeRules::EightRanks,
                             int highestNumber = kHighestNumber);

}  // namespace lotto
