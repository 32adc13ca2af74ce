#pragma once
// The backtest: how a list of tips would have done in the stored draws from a start date
// on, each draw judged by the rules of its date.
//
// Every tip counts, identical ones too: two identical tickets win twice. A record that is
// no valid draw (its six numbers not six different numbers 1..45, or its Zusatzzahl not
// one of the 39 others) is passed over and counted, so that the caller can report it.
//
// A tip's best prize over both rule sets is the one with the smallest chance for a single
// tip to reach that rank or a better one under the rules of its own draw. That puts the
// prizes in the order of what was hit: four right counts the same in either period (old
// rank 4, new rank 5), and so does three right (old 5, new 7), while four right with the
// Zusatzzahl (new 4) is better than four right, and three right with the Zusatzzahl
// (new 6) better than three right. Among equal prizes the earliest draw counts.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "draws/draw_record.h"
#include "prizes/ranks.h"
#include "prizes/tips.h"

namespace lotto {

// The draws of one rule set.
struct BacktestPeriod {
  PrizeRules rules = PrizeRules::EightRanks;
  std::size_t draws = 0;
  // [r - 1]: how often a tip reached rank r, every tip in every draw counted.
  std::array<std::uint64_t, kMostRanks> rankReached{};

  friend bool operator==(const BacktestPeriod&, const BacktestPeriod&) = default;
};

struct BestPrize {
  int rank = 0;
  PrizeRules rules = PrizeRules::EightRanks;  // the rules of the draw it was won in
  double date = 0;

  friend bool operator==(const BestPrize&, const BestPrize&) = default;
};

struct BacktestResult {
  BacktestPeriod fiveRanks{PrizeRules::FiveRanks};    // draws until 7 September 2010
  BacktestPeriod eightRanks{PrizeRules::EightRanks};  // draws from 8 September 2010 on
  // One entry per tip, in the order of the tips; none when the tip never won.
  std::vector<std::optional<BestPrize>> bestOfTip;
  std::size_t invalidDraws = 0;  // records from the start date on passed over

  friend bool operator==(const BacktestResult&, const BacktestResult&) = default;
};

// The records whose date is start or later (record.date >= start), in any order. Every tip
// must be six different numbers 1..45: an invalid one throws AppError naming it.
BacktestResult backtest(const std::vector<Tip>& tips, const std::vector<DrawRecord>& records,
                        double start);

// The same over the draw file, read once. The backtest reads every record to the end, so a
// cut file fails with E/A-Fehler 100, as a missing one with E/A-Fehler 2.
BacktestResult backtestDrawFile(const std::string& drawFile, const std::vector<Tip>& tips,
                                double start);

}  // namespace lotto
