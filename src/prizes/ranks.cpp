#include "prizes/ranks.h"

#include <array>
#include <stdexcept>

#include "platform/dates.h"

namespace lotto {
namespace {

constexpr std::string_view kNoPrize = "kein Gewinn";

constexpr std::array<std::string_view, 5> kFiveRankLabels = {
    "Rang 1 – Sechser", "Rang 2 – Fünfer mit Zusatzzahl", "Rang 3 – Fünfer", "Rang 4 – Vierer",
    "Rang 5 – Dreier"};

constexpr std::array<std::string_view, 8> kEightRankLabels = {
    "Rang 1 – Sechser", "Rang 2 – Fünfer mit Zusatzzahl",
    "Rang 3 – Fünfer",  "Rang 4 – Vierer mit Zusatzzahl",
    "Rang 5 – Vierer",  "Rang 6 – Dreier mit Zusatzzahl",
    "Rang 7 – Dreier",  "Rang 8 – Zusatzzahl"};

// The rank of each result: for each number of hits, {the rank without the Zusatzzahl
// among the tip's numbers, the rank with it}. One or two right win nothing, with the
// Zusatzzahl or without.
using RankTable = std::array<std::array<std::optional<int>, 2>, 7>;
constexpr std::optional<int> kNone = std::nullopt;

constexpr RankTable kFiveRanks = {{
    {kNone, kNone},  // none right
    {kNone, kNone},
    {kNone, kNone},
    {5, 5},  // three right
    {4, 4},  // four right
    {3, 2},  // five right
    {1, 1},  // six right
}};

constexpr RankTable kEightRanks = {{
    {kNone, 8},  // none right
    {kNone, kNone},
    {kNone, kNone},
    {7, 6},  // three right
    {5, 4},  // four right
    {3, 2},  // five right
    {1, 1},  // six right
}};

}  // namespace

double eightRanksStart() {
  static const double start = dayNumber(2010, 9, 8);
  return start;
}

PrizeRules rulesOfDate(double date) {
  return date < eightRanksStart() ? PrizeRules::FiveRanks : PrizeRules::EightRanks;
}

int rankCount(PrizeRules rules) {
  return rules == PrizeRules::FiveRanks ? 5 : 8;
}

std::optional<int> prizeRank(PrizeRules rules, int hits, bool zusatzzahlHit) {
  if (hits < 0 || hits > 6) throw std::out_of_range("a tip has 0 to 6 hits");
  const RankTable& ranks = rules == PrizeRules::FiveRanks ? kFiveRanks : kEightRanks;
  return ranks[static_cast<std::size_t>(hits)][zusatzzahlHit ? 1 : 0];
}

std::string_view rankLabel(PrizeRules rules, std::optional<int> rank) {
  if (!rank) return kNoPrize;
  if (*rank < 1 || *rank > rankCount(rules)) throw std::out_of_range("no such prize rank");
  const auto index = static_cast<std::size_t>(*rank - 1);
  return rules == PrizeRules::FiveRanks ? kFiveRankLabels[index] : kEightRankLabels[index];
}

}  // namespace lotto
