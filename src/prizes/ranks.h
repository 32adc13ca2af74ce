#pragma once
// The prize ranks of "6 aus 45". A tip's result in a draw is the number of its numbers
// among the six drawn (its hits) and whether the Zusatzzahl is one of its numbers; the
// rules of the draw's date turn that into a rank, 1 the highest, or into no prize.
//
//   draws before 8 September 2010      draws from 8 September 2010 on
//   1  six right                       1  six right
//   2  five right + Zusatzzahl         2  five right + Zusatzzahl
//   3  five right                      3  five right
//   4  four right (Zusatzzahl or not)  4  four right + Zusatzzahl
//   5  three right (Zusatzzahl or not) 5  four right
//                                      6  three right + Zusatzzahl
//                                      7  three right
//                                      8  the Zusatzzahl and none of the six right
//
// The Zusatzzahl never lowers a result: with it a tip ranks as well as without it or
// better (the chance engine relies on this).

#include <optional>
#include <string_view>

namespace lotto {

enum class PrizeRules {
  FiveRanks,   // draws before 8 September 2010
  EightRanks,  // draws from 8 September 2010 on
};

inline constexpr int kMostRanks = 8;

// 8 September 2010, the first draw day of the eight ranks.
double eightRanksStart();

// The rules a draw of this date is judged by.
PrizeRules rulesOfDate(double date);

// 5 or 8.
int rankCount(PrizeRules rules);

// The rank of a result, none for no prize. hits is 0..6 (anything else throws
// std::out_of_range); with six right the Zusatzzahl cannot be one of the tip's numbers
// and is not looked at.
std::optional<int> prizeRank(PrizeRules rules, int hits, bool zusatzzahlHit);

// "Rang 4 – Vierer mit Zusatzzahl", ..., "kein Gewinn" for none. A rank outside
// 1..rankCount(rules) throws std::out_of_range.
std::string_view rankLabel(PrizeRules rules, std::optional<int> rank);

}  // namespace lotto
