// The prize ranks of both rule sets, the exact chances of a set of tips against the
// outcomes written out one by one, and the backtest against a count written out step by
// step over the bundled history.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <numeric>
#include <random>

#include "draws/draw_file.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "prizes/backtest.h"
#include "prizes/chances.h"
#include "prizes/ranks.h"
#include "prizes/tips.h"
#include "support/fixtures.h"
#include "support/literal_chances.h"

namespace lotto {
namespace {

using testing::makeDraw;

constexpr std::uint64_t kOutcomes = 317'657'340;

// ---------------------------------------------------------------------------------------
// Ranks

TEST(PrizeRanks, EveryResultUnderBothRuleSets) {
  struct Case {
    int hits;
    bool zusatzzahlHit;
    std::optional<int> fiveRanks;
    std::optional<int> eightRanks;
  };
  const Case cases[] = {
      {6, false, 1, 1},
      {6, true, 1, 1},  // cannot happen: with six right the Zusatzzahl is no number of the tip
      {5, true, 2, 2},
      {5, false, 3, 3},
      {4, true, 4, 4},
      {4, false, 4, 5},
      {3, true, 5, 6},
      {3, false, 5, 7},
      {2, true, std::nullopt, std::nullopt},
      {2, false, std::nullopt, std::nullopt},
      {1, true, std::nullopt, std::nullopt},
      {1, false, std::nullopt, std::nullopt},
      {0, true, std::nullopt, 8},
      {0, false, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.hits << (c.zusatzzahlHit ? " + Z" : ""));
    EXPECT_EQ(prizeRank(PrizeRules::FiveRanks, c.hits, c.zusatzzahlHit), c.fiveRanks);
    EXPECT_EQ(prizeRank(PrizeRules::EightRanks, c.hits, c.zusatzzahlHit), c.eightRanks);
  }
  EXPECT_THROW(prizeRank(PrizeRules::EightRanks, 7, false), std::out_of_range);
  EXPECT_THROW(prizeRank(PrizeRules::FiveRanks, -1, true), std::out_of_range);
}

// The chance engine takes the ranks best first and relies on this.
TEST(PrizeRanks, TheZusatzzahlNeverLowersAResult) {
  const auto worth = [](std::optional<int> rank) { return rank.value_or(kMostRanks + 1); };
  for (const PrizeRules rules : {PrizeRules::FiveRanks, PrizeRules::EightRanks}) {
    for (int hits = 0; hits <= 6; ++hits) {
      EXPECT_LE(worth(prizeRank(rules, hits, true)), worth(prizeRank(rules, hits, false))) << hits;
    }
  }
}

TEST(PrizeRanks, EachDrawIsJudgedByTheRulesOfItsDate) {
  struct Case {
    CivilDate date;
    PrizeRules rules;
  };
  const Case cases[] = {
      {{1986, 9, 7}, PrizeRules::FiveRanks},   {{2010, 9, 5}, PrizeRules::FiveRanks},
      {{2010, 9, 7}, PrizeRules::FiveRanks},   {{2010, 9, 8}, PrizeRules::EightRanks},
      {{2010, 9, 12}, PrizeRules::EightRanks}, {{2026, 1, 4}, PrizeRules::EightRanks},
  };
  for (const Case& c : cases) {
    const double date = dayNumber(c.date.year, c.date.month, c.date.day);
    EXPECT_EQ(rulesOfDate(date), c.rules) << compactDate(date);
  }
  EXPECT_EQ(eightRanksStart(), dayNumber(2010, 9, 8));
  EXPECT_EQ(rankCount(PrizeRules::FiveRanks), 5);
  EXPECT_EQ(rankCount(PrizeRules::EightRanks), 8);
}

TEST(PrizeRanks, LabelsOfEachRank) {
  struct Case {
    PrizeRules rules;
    std::optional<int> rank;
    std::string_view label;
  };
  const Case cases[] = {
      {PrizeRules::FiveRanks, 1, "Rang 1 – Sechser"},
      {PrizeRules::FiveRanks, 2, "Rang 2 – Fünfer mit Zusatzzahl"},
      {PrizeRules::FiveRanks, 3, "Rang 3 – Fünfer"},
      {PrizeRules::FiveRanks, 4, "Rang 4 – Vierer"},
      {PrizeRules::FiveRanks, 5, "Rang 5 – Dreier"},
      {PrizeRules::FiveRanks, std::nullopt, "kein Gewinn"},
      {PrizeRules::EightRanks, 1, "Rang 1 – Sechser"},
      {PrizeRules::EightRanks, 2, "Rang 2 – Fünfer mit Zusatzzahl"},
      {PrizeRules::EightRanks, 3, "Rang 3 – Fünfer"},
      {PrizeRules::EightRanks, 4, "Rang 4 – Vierer mit Zusatzzahl"},
      {PrizeRules::EightRanks, 5, "Rang 5 – Vierer"},
      {PrizeRules::EightRanks, 6, "Rang 6 – Dreier mit Zusatzzahl"},
      {PrizeRules::EightRanks, 7, "Rang 7 – Dreier"},
      {PrizeRules::EightRanks, 8, "Rang 8 – Zusatzzahl"},
      {PrizeRules::EightRanks, std::nullopt, "kein Gewinn"},
  };
  for (const Case& c : cases) EXPECT_EQ(rankLabel(c.rules, c.rank), c.label);
  // The dash is an en dash in UTF-8.
  EXPECT_NE(rankLabel(PrizeRules::EightRanks, 1).find("\xE2\x80\x93"), std::string_view::npos);
  EXPECT_THROW(rankLabel(PrizeRules::FiveRanks, 6), std::out_of_range);
  EXPECT_THROW(rankLabel(PrizeRules::EightRanks, 9), std::out_of_range);
  EXPECT_THROW(rankLabel(PrizeRules::EightRanks, 0), std::out_of_range);
}

// ---------------------------------------------------------------------------------------
// Tips

TEST(PrizeTips, OnlySixDifferentNumbersFromTheGameAreATip) {
  struct Case {
    Tip tip;
    int highest;
    std::optional<std::uint64_t> mask;
  };
  const Case cases[] = {
      {{1, 2, 3, 4, 5, 6}, 45, 0b1111110},
      {{45, 1, 44, 2, 43, 3},
       45,
       bitOf(1) | bitOf(2) | bitOf(3) | bitOf(43) | bitOf(44) | bitOf(45)},
      {{0, 2, 3, 4, 5, 6}, 45, std::nullopt},
      {{1, 2, 3, 4, 5, 46}, 45, std::nullopt},
      {{1, 2, 3, 4, 5, -1}, 45, std::nullopt},
      {{7, 2, 3, 4, 5, 7}, 45, std::nullopt},
      {{1, 2, 3, 4, 5, 13}, 12, std::nullopt},
      {{1, 2, 3, 4, 5, 12}, 12, bitOf(1) | bitOf(2) | bitOf(3) | bitOf(4) | bitOf(5) | bitOf(12)},
  };
  for (const Case& c : cases) EXPECT_EQ(maskOfTip(c.tip, c.highest), c.mask) << c.tip[5];
}

TEST(PrizeTips, AnInvalidTipIsNamed) {
  try {
    masksOfTips({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 5}});
    FAIL() << "no error";
  } catch (const AppError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Tipp 2 ist kein gültiger Tipp: Er braucht sechs verschiedene Zahlen von 1 bis 45.");
  }
}

// ---------------------------------------------------------------------------------------
// Chances

// A fixed, ordinary set of twelve tips: spread out, a few of them sharing numbers.
const std::vector<Tip> kTwelveTips = {
    {3, 11, 19, 25, 33, 41}, {1, 7, 14, 22, 30, 45},   {2, 9, 17, 28, 36, 44},
    {5, 12, 20, 27, 35, 42}, {4, 13, 21, 29, 37, 43},  {6, 10, 18, 26, 34, 40},
    {8, 15, 23, 31, 38, 39}, {16, 24, 32, 33, 44, 45}, {1, 2, 3, 4, 5, 6},
    {7, 8, 9, 10, 11, 12},   {13, 17, 21, 25, 29, 33}, {6, 16, 26, 36, 40, 41},
};

std::uint64_t sumOf(const PrizeChances& chances) {
  return std::accumulate(chances.bestRank.begin(), chances.bestRank.end(), chances.noPrize);
}

// count different tips of the game 6 from highest, drawn with a fixed seed.
std::vector<Tip> randomTips(int highest, std::size_t count, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<int> numbers(static_cast<std::size_t>(highest));
  std::iota(numbers.begin(), numbers.end(), 1);
  std::vector<Tip> tips;
  while (tips.size() < count) {
    std::shuffle(numbers.begin(), numbers.end(), random);
    Tip tip;
    std::copy_n(numbers.begin(), tip.size(), tip.begin());
    std::sort(tip.begin(), tip.end());
    if (std::find(tips.begin(), tips.end(), tip) == tips.end()) tips.push_back(tip);
  }
  return tips;
}

// The same tips with every number n replaced by map[n].
std::vector<Tip> relabelled(const std::vector<Tip>& tips, const std::vector<int>& map) {
  std::vector<Tip> result = tips;
  for (Tip& tip : result) {
    for (auto& number : tip) number = map[static_cast<std::size_t>(number)];
  }
  return result;
}

TEST(PrizeChances, OneTipOfTheEightRanks) {
  const std::array<std::uint64_t, 8> known = {39,      234,     8'892,     22'230,
                                              411'255, 548'340, 6'580'080, 19'575'738};
  const PrizeChances single = singleTipChances();
  EXPECT_EQ(single.bestRank, known);
  EXPECT_EQ(single.outcomes, kOutcomes);
  EXPECT_EQ(sumOf(single), kOutcomes);
  // Every tip has the same chances, the engine counts them as the formula does.
  for (const Tip& tip : std::vector<Tip>{{1, 2, 3, 4, 5, 6},
                                         {40, 41, 42, 43, 44, 45},
                                         {3, 11, 19, 25, 33, 41},
                                         {45, 7, 1, 30, 22, 14}}) {
    EXPECT_EQ(prizeChances({tip}), single) << tip[0];
  }
  EXPECT_EQ(*oneIn(single, 1), 8'145'060.0);
  EXPECT_NEAR(*oneIn(single, 8), 11.70, 0.005);
}

TEST(PrizeChances, OneTipOfTheFiveRanks) {
  // Four right and three right win with or without the Zusatzzahl: 22,230 + 411,255 and
  // 548,340 + 6,580,080 of the eight-rank counts; the Zusatzzahl alone wins nothing.
  const std::array<std::uint64_t, 8> known = {39, 234, 8'892, 433'485, 7'128'420, 0, 0, 0};
  const PrizeChances single = singleTipChances(PrizeRules::FiveRanks);
  EXPECT_EQ(single.bestRank, known);
  EXPECT_EQ(single.noPrize, kOutcomes - 7'571'070);
  EXPECT_EQ(prizeChances({{2, 9, 17, 28, 36, 44}}, PrizeRules::FiveRanks), single);
}

// Tips without a common number cannot both reach rank 6 or better in one outcome, nor can
// one reach it while another does better: a tip with four or more right leaves the others
// two at most, and one with three right and the Zusatzzahl leaves the others three right
// without it at most. So up to rank 6 the best-rank counts are those of one tip times the
// number of tips; the ranks below add up to what is left.
TEST(PrizeChances, TipsWithoutCommonNumbers) {
  const std::vector<Tip> seven = {{1, 2, 3, 4, 5, 6},       {7, 8, 9, 10, 11, 12},
                                  {13, 14, 15, 16, 17, 18}, {19, 20, 21, 22, 23, 24},
                                  {25, 26, 27, 28, 29, 30}, {31, 32, 33, 34, 35, 36},
                                  {37, 38, 39, 40, 41, 42}};
  const PrizeChances single = singleTipChances();
  for (const std::size_t count : {std::size_t{2}, std::size_t{7}}) {
    const PrizeChances chances = prizeChances({seven.begin(), seven.begin() + count});
    for (std::size_t rank = 0; rank < 6; ++rank) {
      EXPECT_EQ(chances.bestRank[rank], count * single.bestRank[rank]) << count << " " << rank;
    }
    EXPECT_EQ(sumOf(chances), kOutcomes);
    EXPECT_EQ(*oneIn(chances, 1), 8'145'060.0 / static_cast<double>(count));
  }
}

TEST(PrizeChances, TwelveTipsAddUpToEveryOutcome) {
  const PrizeChances chances = prizeChances(kTwelveTips);
  EXPECT_EQ(chances.outcomes, kOutcomes);
  EXPECT_EQ(sumOf(chances), kOutcomes);
  // Twelve tips reach each rank or better at least as often as one of them, at most
  // twelve times as often.
  const PrizeChances single = singleTipChances();
  for (int rank = 1; rank <= 8; ++rank) {
    EXPECT_GT(chances.reachingRank(rank), single.reachingRank(rank)) << rank;
    EXPECT_LE(chances.reachingRank(rank), 12 * single.reachingRank(rank)) << rank;
  }
}

// Which numbers the tips hold matters only by how they overlap: renaming the numbers of
// the game (mirrored, or shuffled with a fixed seed) leaves every count as it was.
TEST(PrizeChances, RenamingTheNumbersChangesNothing) {
  const PrizeChances chances = prizeChances(kTwelveTips);
  std::vector<int> mirror(46);
  for (int n = 1; n <= 45; ++n) mirror[static_cast<std::size_t>(n)] = 46 - n;
  std::vector<int> shuffled(46);
  std::iota(shuffled.begin(), shuffled.end(), 0);
  std::shuffle(shuffled.begin() + 1, shuffled.end(), std::mt19937(2010));
  EXPECT_EQ(prizeChances(relabelled(kTwelveTips, mirror)), chances);
  EXPECT_EQ(prizeChances(relabelled(kTwelveTips, shuffled)), chances);
}

TEST(PrizeChances, IdenticalTipsCountOnceAndOrderDoesNotMatter) {
  const std::vector<Tip> five(kTwelveTips.begin(), kTwelveTips.begin() + 5);
  std::vector<Tip> repeated = {five[3], five[0], five[4], five[3], five[1], five[2], five[0]};
  // The same tip with its numbers in another order is the same tip.
  repeated.push_back({five[1][5], five[1][4], five[1][3], five[1][2], five[1][1], five[1][0]});
  EXPECT_EQ(prizeChances(repeated), prizeChances(five));
}

// The engine against every outcome written out, on games small enough for that: 6 from 7
// (seven tips are all there are) up to 6 from 24, one to twelve tips, both rule sets.
TEST(PrizeChances, EqualEveryOutcomeWrittenOutInSmallerGames) {
  struct Case {
    int highest;
    std::size_t tips;
    unsigned seed;
  };
  const Case cases[] = {{7, 1, 1},    {7, 7, 2},   {8, 12, 3},   {9, 12, 4},  {10, 5, 5},
                        {12, 2, 6},   {12, 12, 7}, {13, 12, 8},  {15, 3, 9},  {15, 12, 10},
                        {18, 12, 11}, {20, 1, 12}, {20, 12, 13}, {24, 12, 14}};
  for (const Case& c : cases) {
    const std::vector<Tip> tips = randomTips(c.highest, c.tips, c.seed);
    for (const PrizeRules rules : {PrizeRules::FiveRanks, PrizeRules::EightRanks}) {
      SCOPED_TRACE(::testing::Message() << "6 from " << c.highest << ", " << c.tips << " tips, "
                                        << rankCount(rules) << " ranks");
      const PrizeChances written = testing::literalPrizeChances(tips, rules, c.highest);
      const PrizeChances counted = prizeChances(tips, rules, c.highest);
      EXPECT_EQ(counted, written);
      EXPECT_EQ(sumOf(counted), counted.outcomes);
      if (c.tips == 1) {
        EXPECT_EQ(counted, singleTipChances(rules, c.highest));
      }
    }
  }
}

// Tips that overlap as much as tips can: sharing five numbers, or four, in a small game
// where most outcomes let several tips win at once.
TEST(PrizeChances, EqualEveryOutcomeWrittenOutForCloseTips) {
  const std::vector<Tip> close = {
      {1, 2, 3, 4, 5, 6},  {1, 2, 3, 4, 5, 7},    {1, 2, 3, 4, 8, 9},    {1, 2, 3, 10, 11, 12},
      {2, 3, 4, 5, 6, 13}, {7, 8, 9, 10, 11, 12}, {1, 5, 9, 13, 14, 15}, {6, 7, 8, 13, 14, 15}};
  for (const PrizeRules rules : {PrizeRules::FiveRanks, PrizeRules::EightRanks}) {
    EXPECT_EQ(prizeChances(close, rules, 15), testing::literalPrizeChances(close, rules, 15))
        << rankCount(rules);
  }
}

TEST(PrizeChances, MoreTipsNeverReachARankLessOften) {
  const std::vector<Tip> tips = randomTips(20, 12, 99);
  PrizeChances before = prizeChances({tips[0]}, PrizeRules::EightRanks, 20);
  for (std::size_t count = 2; count <= tips.size(); ++count) {
    const PrizeChances after =
        prizeChances({tips.begin(), tips.begin() + count}, PrizeRules::EightRanks, 20);
    for (int rank = 1; rank <= 8; ++rank) {
      EXPECT_GE(after.reachingRank(rank), before.reachingRank(rank)) << count << " " << rank;
    }
    EXPECT_LT(after.noPrize, before.noPrize) << count;
    before = after;
  }
}

TEST(PrizeChances, ExpectedWinningTipsPerDraw) {
  constexpr std::uint64_t kWinning = kOutcomes - 290'510'532;  // one tip, any of the 8 ranks
  for (const std::size_t tips : {std::size_t{1}, std::size_t{2}, std::size_t{12}}) {
    const Fraction expected = expectedWinningTips(tips);
    // tips * winning / outcomes, exactly and in lowest terms
    EXPECT_EQ(expected.numerator * kOutcomes, tips * kWinning * expected.denominator) << tips;
    EXPECT_EQ(std::gcd(expected.numerator, expected.denominator), 1U) << tips;
    EXPECT_NEAR(expected.value(), static_cast<double>(tips) / 11.7014, 1e-4) << tips;
  }
  EXPECT_EQ(expectedWinningTips(0), (Fraction{0, 1}));
  const Fraction fiveRanks = expectedWinningTips(1, PrizeRules::FiveRanks);
  EXPECT_EQ(fiveRanks.numerator * kOutcomes, 7'571'070 * fiveRanks.denominator);
}

TEST(PrizeChances, RefusesWhatIsNoSetOfTips) {
  EXPECT_THROW(prizeChances({}), AppError);
  EXPECT_THROW(prizeChances(std::vector<Tip>(13, Tip{1, 2, 3, 4, 5, 6})), AppError);
  EXPECT_THROW(prizeChances({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 46}}), AppError);
  EXPECT_THROW(prizeChances({{1, 2, 3, 4, 5, 20}}, PrizeRules::EightRanks, 19), AppError);
  EXPECT_THROW(prizeChances({{1, 2, 3, 4, 5, 6}}, PrizeRules::EightRanks, 6),
               std::invalid_argument);
  EXPECT_THROW(prizeChances({{1, 2, 3, 4, 5, 6}}, PrizeRules::EightRanks, 46),
               std::invalid_argument);
  EXPECT_THROW(oneIn(singleTipChances(PrizeRules::FiveRanks), 6), std::out_of_range);
  EXPECT_THROW(singleTipChances().reachingRank(0), std::out_of_range);
  EXPECT_EQ(oneIn(PrizeChances{}, 8), std::nullopt);  // nothing counted, no chance to give
}

// ---------------------------------------------------------------------------------------
// Backtest

// Where a prize stands among the prizes of both rule sets, 0 the best: what was hit
// decides, so four right counts the same in both periods.
//   five ranks:  1 six, 2 five + Z, 3 five, 4 four, 5 three
//   eight ranks: 1 six, 2 five + Z, 3 five, 4 four + Z, 5 four, 6 three + Z, 7 three, 8 Z
int placeOf(const BestPrize& prize) {
  constexpr std::array<int, 5> kFiveRankPlaces = {0, 1, 2, 4, 6};
  constexpr std::array<int, 8> kEightRankPlaces = {0, 1, 2, 3, 4, 5, 6, 7};
  const auto index = static_cast<std::size_t>(prize.rank - 1);
  return prize.rules == PrizeRules::FiveRanks ? kFiveRankPlaces.at(index)
                                              : kEightRankPlaces.at(index);
}

bool isDraw(const DrawRecord& record) {
  for (int i = 1; i <= 7; ++i) {
    const int number = i <= 6 ? record.number(i) : record.zusatzzahl();
    if (number < 1 || number > 45) return false;
    for (int j = 1; j < i; ++j) {
      if (record.number(j) == number) return false;
    }
  }
  return true;
}

// The backtest written out step by step: each record from the start date on, each tip's
// numbers compared one by one with the six numbers and the Zusatzzahl.
BacktestResult literalBacktest(const std::vector<Tip>& tips, const std::vector<DrawRecord>& records,
                               double start) {
  BacktestResult result;
  result.bestOfTip.resize(tips.size());
  for (const DrawRecord& record : records) {
    if (!(record.date >= start)) continue;
    if (!isDraw(record)) {
      ++result.invalidDraws;
      continue;
    }
    const bool eightRanks = record.date >= dayNumber(2010, 9, 8);
    const PrizeRules rules = eightRanks ? PrizeRules::EightRanks : PrizeRules::FiveRanks;
    BacktestPeriod& period = eightRanks ? result.eightRanks : result.fiveRanks;
    ++period.draws;
    for (std::size_t tip = 0; tip < tips.size(); ++tip) {
      int hits = 0;
      bool zusatzzahlHit = false;
      for (const int number : tips[tip]) {
        for (int i = 1; i <= 6; ++i) hits += record.number(i) == number ? 1 : 0;
        if (record.zusatzzahl() == number) zusatzzahlHit = true;
      }
      const std::optional<int> rank = prizeRank(rules, hits, zusatzzahlHit);
      if (!rank) continue;
      ++period.rankReached[static_cast<std::size_t>(*rank - 1)];
      const BestPrize prize{*rank, rules, record.date};
      std::optional<BestPrize>& best = result.bestOfTip[tip];
      if (!best || placeOf(prize) < placeOf(*best) ||
          (placeOf(prize) == placeOf(*best) && prize.date < best->date)) {
        best = prize;
      }
    }
  }
  return result;
}

const std::vector<DrawRecord>& history() {
  static const std::vector<DrawRecord> records = testing::realHistory();
  return records;
}

// The first draw of the history, the first of the eight ranks, and tips near them.
const std::vector<Tip> kHistoryTips = {
    {1, 20, 22, 24, 27, 40},  // 7 September 1986
    {4, 30, 31, 32, 34, 38},  // 8 September 2010
    {4, 30, 31, 32, 34, 33},  // five right and the Zusatzzahl on 8 September 2010
    {1, 2, 3, 4, 5, 6},      {7, 14, 21, 28, 35, 42}, {3, 11, 19, 25, 33, 41},
};

TEST(Backtest, EqualsTheCountWrittenOutOverTheHistory) {
  std::vector<Tip> withRepeats = kTwelveTips;
  withRepeats[11] = withRepeats[0];  // two identical tickets
  withRepeats[10] = kHistoryTips[1];
  struct Case {
    const char* name;
    std::vector<Tip> tips;
    CivilDate start;
  };
  const Case cases[] = {
      {"history tips, all draws", kHistoryTips, {1986, 1, 1}},
      {"history tips from the last five-rank draw", kHistoryTips, {2010, 9, 5}},
      {"history tips from the first eight-rank draw", kHistoryTips, {2010, 9, 8}},
      {"history tips from the day after", kHistoryTips, {2010, 9, 9}},
      {"twelve tips with repeats, all draws", withRepeats, {1986, 9, 7}},
      {"twelve tips with repeats, since 2020", withRepeats, {2020, 1, 1}},
      {"one tip, after the last draw", {kHistoryTips[5]}, {2100, 1, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const double start = dayNumber(c.start.year, c.start.month, c.start.day);
    const BacktestResult result = backtest(c.tips, history(), start);
    EXPECT_EQ(result, literalBacktest(c.tips, history(), start));
    const auto judged = static_cast<std::size_t>(
        std::count_if(history().begin(), history().end(),
                      [start](const DrawRecord& record) { return record.date >= start; }));
    EXPECT_EQ(result.fiveRanks.draws + result.eightRanks.draws + result.invalidDraws, judged);
    EXPECT_EQ(result.bestOfTip.size(), c.tips.size());
  }
}

TEST(Backtest, WinsOfTheHistoryAreFoundWhereTheyHappened) {
  const BacktestResult result = backtest(kHistoryTips, history(), dayNumber(1986, 1, 1));
  EXPECT_EQ(result.bestOfTip[0], (BestPrize{1, PrizeRules::FiveRanks, dayNumber(1986, 9, 7)}));
  EXPECT_EQ(result.bestOfTip[1], (BestPrize{1, PrizeRules::EightRanks, dayNumber(2010, 9, 8)}));
  ASSERT_TRUE(result.bestOfTip[2]);
  EXPECT_LE(result.bestOfTip[2]->rank, 2);
  EXPECT_GE(result.fiveRanks.rankReached[0], 1U);
  EXPECT_GE(result.eightRanks.rankReached[0], 1U);
  // 7 September 1986 to 5 September 2010 is the part of the history that no longer grows.
  EXPECT_EQ(result.fiveRanks.draws, 1928U);
  EXPECT_EQ(result.eightRanks.draws, history().size() - 1928);
  EXPECT_EQ(result.invalidDraws, 0U);
}

TEST(Backtest, IdenticalTipsWinEachTime) {
  const Tip a = kTwelveTips[0];
  const Tip b = kTwelveTips[5];
  const double start = dayNumber(1986, 1, 1);
  const BacktestResult once = backtest({a}, history(), start);
  const BacktestResult other = backtest({b}, history(), start);
  const BacktestResult twice = backtest({a, b, a}, history(), start);
  for (const auto period : {&BacktestResult::fiveRanks, &BacktestResult::eightRanks}) {
    for (std::size_t rank = 0; rank < kMostRanks; ++rank) {
      EXPECT_EQ((twice.*period).rankReached[rank],
                2 * (once.*period).rankReached[rank] + (other.*period).rankReached[rank]);
    }
    EXPECT_EQ((twice.*period).draws, (once.*period).draws);
  }
  EXPECT_EQ(twice.bestOfTip,
            (std::vector{once.bestOfTip[0], other.bestOfTip[0], once.bestOfTip[0]}));
  EXPECT_GT(once.eightRanks.rankReached[6], 0U);  // the tip did win something
}

TEST(Backtest, TheSameResultOnEitherSideOf8September2010) {
  // tip 1..6; four right with the Zusatzzahl, and the Zusatzzahl alone
  const std::vector<DrawRecord> records = {makeDraw(2010, 9, 7, {1, 2, 3, 4, 10, 11}, 5),
                                           makeDraw(2010, 9, 8, {1, 2, 3, 4, 10, 11}, 5),
                                           makeDraw(2010, 9, 7, {7, 8, 9, 10, 11, 12}, 6),
                                           makeDraw(2010, 9, 8, {7, 8, 9, 10, 11, 12}, 6)};
  const BacktestResult result = backtest({{1, 2, 3, 4, 5, 6}}, records, 0);
  EXPECT_EQ(result.fiveRanks.draws, 2U);
  EXPECT_EQ(result.eightRanks.draws, 2U);
  EXPECT_EQ(result.fiveRanks.rankReached, (std::array<std::uint64_t, 8>{0, 0, 0, 1, 0, 0, 0, 0}));
  EXPECT_EQ(result.eightRanks.rankReached, (std::array<std::uint64_t, 8>{0, 0, 0, 1, 0, 0, 0, 1}));
  EXPECT_EQ(result.bestOfTip[0], (BestPrize{4, PrizeRules::EightRanks, dayNumber(2010, 9, 8)}));
}

TEST(Backtest, BestPrizeAcrossBothRuleSets) {
  const Tip tip = {1, 2, 3, 4, 5, 6};
  const DrawRecord fourRight2005 = makeDraw(2005, 3, 6, {1, 2, 3, 4, 20, 21}, 30);
  const DrawRecord fourRightZ2005 = makeDraw(2005, 3, 9, {1, 2, 3, 4, 20, 21}, 5);
  const DrawRecord threeRight2005 = makeDraw(2005, 3, 13, {1, 2, 3, 20, 21, 22}, 30);
  const DrawRecord fourRight2015 = makeDraw(2015, 3, 8, {1, 2, 3, 4, 20, 21}, 30);
  const DrawRecord fourRightZ2015 = makeDraw(2015, 3, 11, {1, 2, 3, 4, 20, 21}, 5);
  const DrawRecord threeRightZ2015 = makeDraw(2015, 3, 15, {1, 2, 3, 20, 21, 22}, 5);
  const DrawRecord threeRight2015 = makeDraw(2015, 3, 18, {1, 2, 3, 20, 21, 22}, 30);
  const DrawRecord zusatzzahl2015 = makeDraw(2015, 3, 22, {10, 11, 12, 20, 21, 22}, 5);
  struct Case {
    const char* name;
    std::vector<DrawRecord> records;
    BestPrize best;
  };
  const Case cases[] = {
      {"four right counts the same in both: the earlier",
       {fourRight2015, fourRight2005},
       {4, PrizeRules::FiveRanks, fourRight2005.date}},
      {"old rank 4 with the Zusatzzahl is a four right too",
       {fourRightZ2005, fourRight2015},
       {4, PrizeRules::FiveRanks, fourRightZ2005.date}},
      {"four right with the Zusatzzahl beats four right",
       {fourRight2005, fourRightZ2015},
       {4, PrizeRules::EightRanks, fourRightZ2015.date}},
      {"three right with the Zusatzzahl beats three right",
       {threeRight2005, threeRightZ2015},
       {6, PrizeRules::EightRanks, threeRightZ2015.date}},
      {"three right counts the same in both: the earlier",
       {threeRight2015, threeRight2005},
       {5, PrizeRules::FiveRanks, threeRight2005.date}},
      {"any three right beats the Zusatzzahl alone",
       {zusatzzahl2015, threeRight2005},
       {5, PrizeRules::FiveRanks, threeRight2005.date}},
      {"four right beats three right with the Zusatzzahl",
       {threeRightZ2015, fourRight2005},
       {4, PrizeRules::FiveRanks, fourRight2005.date}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(backtest({tip}, c.records, 0).bestOfTip[0], c.best) << c.name;
    EXPECT_EQ(literalBacktest({tip}, c.records, 0).bestOfTip[0], c.best) << c.name;
  }
}

TEST(Backtest, RecordsThatAreNoDrawArePassedOverAndCounted) {
  const DrawRecord valid = makeDraw(2015, 3, 8, {1, 2, 3, 4, 5, 6}, 7);
  const std::vector<DrawRecord> invalid = {
      makeDraw(2015, 3, 11, {0, 2, 3, 4, 5, 6}, 7), makeDraw(2015, 3, 15, {1, 2, 3, 4, 5, 46}, 7),
      makeDraw(2015, 3, 18, {1, 2, 3, 4, 5, 5}, 7), makeDraw(2015, 3, 22, {1, 2, 3, 4, 5, 6}, 6),
      makeDraw(2015, 3, 25, {1, 2, 3, 4, 5, 6}, 0), makeDraw(2015, 3, 29, {1, 2, 3, 4, 5, 6}, 46),
      makeDraw(2015, 4, 1, {0, 0, 0, 0, 0, 0}, 0),
  };
  std::vector<DrawRecord> records = {makeDraw(2001, 1, 3, {0, 0, 0, 0, 0, 0}, 0), valid};
  records.insert(records.end(), invalid.begin(), invalid.end());
  const BacktestResult result = backtest({{1, 2, 3, 4, 5, 6}}, records, dayNumber(2015, 1, 1));
  EXPECT_EQ(result.invalidDraws, invalid.size());  // the one before the start is not looked at
  EXPECT_EQ(result.eightRanks.draws, 1U);
  EXPECT_EQ(result.fiveRanks.draws, 0U);
  EXPECT_EQ(result.eightRanks.rankReached[0], 1U);
  EXPECT_EQ(result, literalBacktest({{1, 2, 3, 4, 5, 6}}, records, dayNumber(2015, 1, 1)));
}

TEST(Backtest, RefusesAnInvalidTip) {
  EXPECT_THROW(backtest({{1, 2, 3, 4, 5, 6}, {1, 1, 2, 3, 4, 5}}, history(), 0), AppError);
}

TEST(Backtest, ReadsTheDrawFileAndRefusesACutOne) {
  testing::TempDir dir;
  const std::string path = dir.file(kDrawFileName);
  const std::vector<Tip> tips(kHistoryTips.begin(), kHistoryTips.begin() + 3);
  const double start = dayNumber(2000, 1, 1);
  try {
    backtestDrawFile(path, tips, start);
    FAIL() << "no error";
  } catch (const InOutError& error) {
    EXPECT_EQ(error.code(), kIoFileNotFound);
  }
  testing::writeRecords(path, history());
  EXPECT_EQ(backtestDrawFile(path, tips, start), backtest(tips, history(), start));
  {
    std::ofstream cut(path, std::ios::binary | std::ios::app);
    cut.write("\x01\x02\x03", 3);
  }
  try {
    backtestDrawFile(path, tips, start);
    FAIL() << "no error";
  } catch (const InOutError& error) {
    EXPECT_EQ(error.code(), kIoReadPastEnd);
  }
}

}  // namespace
}  // namespace lotto
