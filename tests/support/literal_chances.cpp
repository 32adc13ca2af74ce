#include "support/literal_chances.h"

#include <algorithm>
#include <array>

namespace lotto::testing {
namespace {

constexpr int kDrawn = 6;

using Draw = std::array<int, kDrawn>;

// The next draw in ascending order of its numbers, false after the last one.
bool nextDraw(Draw& draw, int highestNumber) {
  for (int i = kDrawn - 1; i >= 0; --i) {
    const auto at = static_cast<std::size_t>(i);
    if (draw[at] < highestNumber - (kDrawn - 1 - i)) {
      ++draw[at];
      for (auto j = at + 1; j < draw.size(); ++j) draw[j] = draw[j - 1] + 1;
      return true;
    }
  }
  return false;
}

bool holds(const Draw& draw, int number) {
  return std::find(draw.begin(), draw.end(), number) != draw.end();
}

// A tip's numbers as a table of which numbers it holds.
using Holding = std::array<bool, kHighestNumber + 1>;

Holding holdingOf(const Tip& tip) {
  Holding holding{};
  for (const int number : tip) holding[static_cast<std::size_t>(number)] = true;
  return holding;
}

int hitsOf(const Holding& tip, const Draw& draw) {
  int hits = 0;
  for (const int number : draw) hits += tip[static_cast<std::size_t>(number)] ? 1 : 0;
  return hits;
}

bool better(std::optional<int> rank, std::optional<int> than) {
  return rank && (!than || *rank < *than);
}

}  // namespace

PrizeChances literalPrizeChances(const std::vector<Tip>& tips, PrizeRules rules,
                                 int highestNumber) {
  std::vector<Holding> holdings;
  holdings.reserve(tips.size());
  for (const Tip& tip : tips) holdings.push_back(holdingOf(tip));
  PrizeChances chances;
  chances.rules = rules;
  chances.highestNumber = highestNumber;
  std::vector<int> hits(holdings.size());
  Draw draw = {1, 2, 3, 4, 5, 6};
  do {
    for (std::size_t tip = 0; tip < holdings.size(); ++tip) hits[tip] = hitsOf(holdings[tip], draw);
    for (int zusatzzahl = 1; zusatzzahl <= highestNumber; ++zusatzzahl) {
      if (holds(draw, zusatzzahl)) continue;
      ++chances.outcomes;
      std::optional<int> best;
      for (std::size_t tip = 0; tip < holdings.size(); ++tip) {
        const bool zusatzzahlHit = holdings[tip][static_cast<std::size_t>(zusatzzahl)];
        const std::optional<int> rank = prizeRank(rules, hits[tip], zusatzzahlHit);
        if (better(rank, best)) best = rank;
      }
      (best ? chances.bestRank[static_cast<std::size_t>(*best - 1)] : chances.noPrize) += 1;
    }
  } while (nextDraw(draw, highestNumber));
  return chances;
}

}  // namespace lotto::testing
