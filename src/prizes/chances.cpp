#include "prizes/chances.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <utility>

#include "platform/errors.h"

namespace lotto {
namespace {

constexpr int kDrawn = 6;
constexpr int kLowestHighestNumber = kDrawn + 1;  // one number left for the Zusatzzahl

std::uint64_t binomial(int n, int k) {
  if (k < 0 || k > n) return 0;
  std::uint64_t result = 1;
  // After step i the result is C(n - k + i, i), a whole number at every step.
  for (int i = 1; i <= k; ++i) {
    result = result * static_cast<std::uint64_t>(n - k + i) / static_cast<std::uint64_t>(i);
  }
  return result;
}

void requireGame(int highestNumber) {
  if (highestNumber < kLowestHighestNumber || highestNumber > kHighestNumber) {
    throw std::invalid_argument("the chances are counted for 6 from 7 to 6 from 45 only");
  }
}

PrizeChances emptyChances(PrizeRules rules, int highestNumber) {
  PrizeChances chances;
  chances.rules = rules;
  chances.highestNumber = highestNumber;
  chances.outcomes =
      binomial(highestNumber, kDrawn) * static_cast<std::uint64_t>(highestNumber - kDrawn);
  return chances;
}

// The hit counts (bit h for h hits) at which a tip reaches one rank: whatever the
// Zusatzzahl is, or only when the Zusatzzahl is one of the tip's numbers.
struct RankCondition {
  unsigned anyZusatzzahl = 0;
  unsigned zusatzzahlInTip = 0;
};

std::array<RankCondition, kMostRanks> conditionsOf(PrizeRules rules) {
  std::array<RankCondition, kMostRanks> conditions{};
  for (int hits = 0; hits <= kDrawn; ++hits) {
    const auto without = prizeRank(rules, hits, false);
    const auto with = prizeRank(rules, hits, true);
    if (without) conditions[static_cast<std::size_t>(*without - 1)].anyZusatzzahl |= 1U << hits;
    if (with && with != without) {
      conditions[static_cast<std::size_t>(*with - 1)].zusatzzahlInTip |= 1U << hits;
    }
  }
  return conditions;
}

// What a draw asks for once the hit counts of its tips are known: the ranks, best first,
// that only the Zusatzzahlen in some tips reach (those in the tips with the hit counts
// named), then the rank every other Zusatzzahl reaches, none for no prize. There is one
// plan for each pattern of hit counts (bit h: a tip has h hits).
struct DrawPlan {
  std::size_t steps = 0;
  std::array<std::uint8_t, kMostRanks> rank{};                // rank - 1
  std::array<std::uint8_t, kMostRanks> hitsWithZusatzzahl{};  // bit h: tips with h hits
  std::optional<std::uint8_t> everyOther;                     // rank - 1
};

constexpr std::size_t kHitPatterns = std::size_t{1} << (kDrawn + 1);

std::array<DrawPlan, kHitPatterns> plansOf(PrizeRules rules) {
  const std::array<RankCondition, kMostRanks> conditions = conditionsOf(rules);
  const auto ranks = static_cast<std::uint8_t>(rankCount(rules));
  std::array<DrawPlan, kHitPatterns> plans{};
  for (std::size_t pattern = 0; pattern < kHitPatterns; ++pattern) {
    DrawPlan& plan = plans[pattern];
    for (std::uint8_t rank = 0; rank < ranks && !plan.everyOther; ++rank) {
      const RankCondition& condition = conditions[rank];
      if ((pattern & condition.anyZusatzzahl) != 0) {
        plan.everyOther = rank;
      } else if ((pattern & condition.zusatzzahlInTip) != 0) {
        plan.rank[plan.steps] = rank;
        plan.hitsWithZusatzzahl[plan.steps] =
            static_cast<std::uint8_t>(pattern & condition.zusatzzahlInTip);
        ++plan.steps;
      }
    }
  }
  return plans;
}

// Walks through every draw of six numbers, the numbers of a draw ascending, and counts the
// Zusatzzahlen of each draw by their effect rather than one by one.
//
// The hits of all tips travel together in one word, four bits per tip: adding the word of
// a number (a 1 in the field of each tip that holds it) as the walk takes the number
// gives every tip's hits at once.
//
// For a drawn set, a tip with h hits ranks prizeRank(h, false) whatever the Zusatzzahl is,
// and prizeRank(h, true) when the Zusatzzahl is one of its numbers not drawn. Since the
// Zusatzzahl never lowers a result, the ranks are taken best first: at each rank, the
// Zusatzzahlen not yet counted either all reach it (a tip reaches it without the
// Zusatzzahl) or those in the tips that reach it with the Zusatzzahl do, a popcount.
class OutcomeCounter {
 public:
  OutcomeCounter(const std::vector<std::uint64_t>& tipMasks, PrizeRules rules, int highestNumber)
      : tips_(tipMasks),
        plans_(plansOf(rules)),
        highestNumber_(highestNumber),
        zusatzzahlen_(static_cast<std::uint64_t>(highestNumber - kDrawn)) {
    for (std::size_t tip = 0; tip < tips_.size(); ++tip) {
      for (int number = 1; number <= highestNumber; ++number) {
        if ((tips_[tip] & bitOf(number)) != 0)
          hitWordOf_[static_cast<std::size_t>(number)] |= std::uint64_t{1} << (kHitBits * tip);
      }
    }
  }

  void countEveryDraw() { walk<kDrawn>(1, 0, 0); }

  void copyCountsTo(PrizeChances& chances) const {
    chances.bestRank = counts_;
    chances.noPrize = noPrize_;
  }

 private:
  static constexpr unsigned kHitBits = 4;
  static constexpr std::uint64_t kHitField = (1U << kHitBits) - 1;
  static_assert(kHitBits * kMostTips <= 64 && kDrawn <= kHitField);

  template <int Left>
  void walk(int first, std::uint64_t drawMask, std::uint64_t hitWord) {
    for (int number = first; number <= highestNumber_ - Left + 1; ++number) {
      const std::uint64_t mask = drawMask | bitOf(number);
      const std::uint64_t hits = hitWord + hitWordOf_[static_cast<std::size_t>(number)];
      if constexpr (Left == 1) {
        countDraw(mask, hits);
      } else {
        walk<Left - 1>(number + 1, mask, hits);
      }
    }
  }

  void countDraw(std::uint64_t drawMask, std::uint64_t hitWord) {
    std::array<std::uint64_t, kDrawn + 1> tipsWithHits{};  // the numbers of the tips with h hits
    unsigned hitCounts = 0;                                // bit h: a tip has h hits
    for (std::size_t tip = 0; tip < tips_.size(); ++tip) {
      const auto hits = static_cast<unsigned>((hitWord >> (kHitBits * tip)) & kHitField);
      tipsWithHits[hits] |= tips_[tip];
      hitCounts |= 1U << hits;
    }
    const DrawPlan& plan = plans_[hitCounts];
    std::uint64_t left = zusatzzahlen_;
    std::uint64_t taken = drawMask;  // drawn, or counted at a better rank
    for (std::size_t step = 0; step < plan.steps; ++step) {
      std::uint64_t reaching = 0;
      for (unsigned h = plan.hitsWithZusatzzahl[step]; h != 0; h &= h - 1) {
        reaching |= tipsWithHits[static_cast<std::size_t>(std::countr_zero(h))];
      }
      reaching &= ~taken;
      const auto reached = static_cast<std::uint64_t>(std::popcount(reaching));
      counts_[plan.rank[step]] += reached;
      left -= reached;
      taken |= reaching;
    }
    (plan.everyOther ? counts_[*plan.everyOther] : noPrize_) += left;
  }

  std::vector<std::uint64_t> tips_;
  std::array<DrawPlan, kHitPatterns> plans_;
  int highestNumber_;
  std::uint64_t zusatzzahlen_;
  std::array<std::uint64_t, kHighestNumber + 1> hitWordOf_{};
  std::array<std::uint64_t, kMostRanks> counts_{};
  std::uint64_t noPrize_ = 0;
};

// Identical tips reach the same ranks in every outcome: one of them is enough.
std::vector<std::uint64_t> distinctMasks(const std::vector<Tip>& tips, int highestNumber) {
  if (tips.empty() || tips.size() > static_cast<std::size_t>(kMostTips)) {
    throw AppError("Die Gewinnchancen werden für 1 bis 12 Tipps berechnet.");
  }
  std::vector<std::uint64_t> masks = masksOfTips(tips, highestNumber);
  std::sort(masks.begin(), masks.end());
  masks.erase(std::unique(masks.begin(), masks.end()), masks.end());
  return masks;
}

}  // namespace

std::uint64_t PrizeChances::reachingRank(int rank) const {
  if (rank < 1 || rank > rankCount(rules)) throw std::out_of_range("no such prize rank");
  return std::accumulate(bestRank.begin(), bestRank.begin() + rank, std::uint64_t{0});
}

PrizeChances prizeChances(const std::vector<Tip>& tips, PrizeRules rules, int highestNumber) {
  requireGame(highestNumber);
  OutcomeCounter counter(distinctMasks(tips, highestNumber), rules, highestNumber);
  counter.countEveryDraw();
  PrizeChances chances = emptyChances(rules, highestNumber);
  counter.copyCountsTo(chances);
  return chances;
}

PrizeChances singleTipChances(PrizeRules rules, int highestNumber) {
  requireGame(highestNumber);
  PrizeChances chances = emptyChances(rules, highestNumber);
  const int others = highestNumber - kDrawn;  // the numbers not in the tip
  for (int hits = 0; hits <= kDrawn; ++hits) {
    const std::uint64_t draws = binomial(kDrawn, hits) * binomial(others, kDrawn - hits);
    if (draws == 0) continue;
    // The Zusatzzahl is one of the tip's numbers not drawn, or one of the others not drawn.
    const auto inTip = static_cast<std::uint64_t>(kDrawn - hits);
    const auto notInTip = static_cast<std::uint64_t>(others - (kDrawn - hits));
    for (const auto& [zusatzzahlHit, zusatzzahlen] :
         {std::pair{true, inTip}, std::pair{false, notInTip}}) {
      const auto rank = prizeRank(rules, hits, zusatzzahlHit);
      (rank ? chances.bestRank[static_cast<std::size_t>(*rank - 1)] : chances.noPrize) +=
          draws * zusatzzahlen;
    }
  }
  return chances;
}

std::optional<double> oneIn(const PrizeChances& chances, int rank) {
  const std::uint64_t reaching = chances.reachingRank(rank);
  if (reaching == 0) return std::nullopt;
  return static_cast<double>(chances.outcomes) / static_cast<double>(reaching);
}

Fraction expectedWinningTips(std::size_t tipCount, PrizeRules rules, int highestNumber) {
  const PrizeChances single = singleTipChances(rules, highestNumber);
  const std::uint64_t winning = single.outcomes - single.noPrize;
  const std::uint64_t common = std::gcd(winning, single.outcomes);
  Fraction expected{winning / common, single.outcomes / common};
  const std::uint64_t tips = tipCount;
  const std::uint64_t cancelled = std::gcd(tips, expected.denominator);
  expected.numerator *= tips / cancelled;
  expected.denominator /= cancelled;
  return expected;
}

}  // namespace lotto
