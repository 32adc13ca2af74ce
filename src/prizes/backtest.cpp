#include "prizes/backtest.h"

#include <bit>
#include <utility>

#include "draws/draw_file.h"
#include "prizes/chances.h"

namespace lotto {
namespace {

struct DrawMasks {
  std::uint64_t numbers = 0;
  std::uint64_t zusatzzahl = 0;
};

// The record's numbers and Zusatzzahl as masks; none when they are no valid draw.
std::optional<DrawMasks> masksOfDraw(const DrawRecord& record) {
  DrawMasks draw;
  for (int i = 1; i <= 6; ++i) {
    const int number = record.number(i);
    if (number < 1 || number > kHighestNumber || (draw.numbers & bitOf(number)) != 0) {
      return std::nullopt;
    }
    draw.numbers |= bitOf(number);
  }
  const int zusatzzahl = record.zusatzzahl();
  if (zusatzzahl < 1 || zusatzzahl > kHighestNumber || (draw.numbers & bitOf(zusatzzahl)) != 0) {
    return std::nullopt;
  }
  draw.zusatzzahl = bitOf(zusatzzahl);
  return draw;
}

// How good a prize is across the rule sets: the outcomes in which a single tip reaches
// its rank or a better one under its rules, fewer being better.
class PrizeOrder {
 public:
  PrizeOrder()
      : fiveRanks_(singleTipChances(PrizeRules::FiveRanks)),
        eightRanks_(singleTipChances(PrizeRules::EightRanks)) {}

  // Whether the prize is better than the best so far, the earlier draw among equal ones.
  bool better(const BestPrize& prize, const std::optional<BestPrize>& best) const {
    if (!best) return true;
    const std::uint64_t candidate = reaching(prize);
    const std::uint64_t current = reaching(*best);
    return candidate < current || (candidate == current && prize.date < best->date);
  }

 private:
  std::uint64_t reaching(const BestPrize& prize) const {
    const PrizeChances& chances = prize.rules == PrizeRules::FiveRanks ? fiveRanks_ : eightRanks_;
    return chances.reachingRank(prize.rank);
  }

  PrizeChances fiveRanks_;
  PrizeChances eightRanks_;
};

class Backtest {
 public:
  explicit Backtest(const std::vector<Tip>& tips) : tips_(masksOfTips(tips)) {
    result_.bestOfTip.resize(tips_.size());
  }

  void judge(const DrawRecord& record) {
    const std::optional<DrawMasks> draw = masksOfDraw(record);
    if (!draw) {
      ++result_.invalidDraws;
      return;
    }
    const PrizeRules rules = rulesOfDate(record.date);
    BacktestPeriod& period =
        rules == PrizeRules::FiveRanks ? result_.fiveRanks : result_.eightRanks;
    ++period.draws;
    for (std::size_t tip = 0; tip < tips_.size(); ++tip) {
      const int hits = std::popcount(tips_[tip] & draw->numbers);
      const bool zusatzzahlHit = (tips_[tip] & draw->zusatzzahl) != 0;
      const std::optional<int> rank = prizeRank(rules, hits, zusatzzahlHit);
      if (!rank) continue;
      ++period.rankReached[static_cast<std::size_t>(*rank - 1)];
      const BestPrize prize{*rank, rules, record.date};
      std::optional<BestPrize>& best = result_.bestOfTip[tip];
      if (order_.better(prize, best)) best = prize;
    }
  }

  BacktestResult result() && { return std::move(result_); }

 private:
  std::vector<std::uint64_t> tips_;
  PrizeOrder order_;
  BacktestResult result_;
};

}  // namespace

BacktestResult backtest(const std::vector<Tip>& tips, const std::vector<DrawRecord>& records,
                        double start) {
  Backtest test(tips);
  for (const DrawRecord& record : records) {
    if (record.date >= start) test.judge(record);
  }
  return std::move(test).result();
}

BacktestResult backtestDrawFile(const std::string& drawFile, const std::vector<Tip>& tips,
                                double start) {
  const DrawHistory history = readDrawHistory(drawFile);
  history.throwIfCut();
  return backtest(tips, history.records, start);
}

}  // namespace lotto
