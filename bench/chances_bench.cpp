// The chance engine for twelve tips over all 317,657,340 outcomes (it must stay under 1 s
// on one core, and is meant to stay under 0.25 s), the same outcomes written out one by
// one for comparison (run once: it takes some seconds, and it fails the run when it
// counts otherwise than the engine), and the backtest of twelve tips over the bundled
// history, in memory and with the draw file read.

#include <benchmark/benchmark.h>

#include <vector>

#include "draws/draw_file.h"
#include "prizes/backtest.h"
#include "prizes/chances.h"
#include "support/fixtures.h"
#include "support/literal_chances.h"

namespace {

using lotto::Tip;

// Twelve tips as a player fills a slip: spread over the field, some sharing numbers.
const std::vector<Tip> kTwelveTips = {
    {3, 11, 19, 25, 33, 41}, {1, 7, 14, 22, 30, 45},   {2, 9, 17, 28, 36, 44},
    {5, 12, 20, 27, 35, 42}, {4, 13, 21, 29, 37, 43},  {6, 10, 18, 26, 34, 40},
    {8, 15, 23, 31, 38, 39}, {16, 24, 32, 33, 44, 45}, {1, 2, 3, 4, 5, 6},
    {7, 8, 9, 10, 11, 12},   {13, 17, 21, 25, 29, 33}, {6, 16, 26, 36, 40, 41},
};

void chances(benchmark::State& state) {
  const std::vector<Tip> tips(kTwelveTips.begin(),
                              kTwelveTips.begin() + static_cast<std::ptrdiff_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(lotto::prizeChances(tips));
}

void chancesStepByStep(benchmark::State& state) {
  const lotto::PrizeChances counted = lotto::prizeChances(kTwelveTips);
  for (auto _ : state) {
    const lotto::PrizeChances written = lotto::testing::literalPrizeChances(
        kTwelveTips, lotto::PrizeRules::EightRanks, lotto::kHighestNumber);
    if (!(written == counted)) state.SkipWithError("the engine counts otherwise");
  }
}

void backtest(benchmark::State& state) {
  const std::vector<lotto::DrawRecord> history = lotto::testing::realHistory();
  for (auto _ : state) benchmark::DoNotOptimize(lotto::backtest(kTwelveTips, history, 0));
}

void backtestDrawFile(benchmark::State& state) {
  lotto::testing::TempDir dir;
  const std::string path = dir.file(lotto::kDrawFileName);
  lotto::testing::writeRecords(path, lotto::testing::realHistory());
  for (auto _ : state) benchmark::DoNotOptimize(lotto::backtestDrawFile(path, kTwelveTips, 0));
}

BENCHMARK(chances)->Name("Gewinnchancen")->Arg(1)->Arg(12)->Unit(benchmark::kMillisecond);
BENCHMARK(chancesStepByStep)
    ->Name("Gewinnchancen, 12 Tipps, Schritt für Schritt")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(backtest)->Name("Backtest, 12 Tipps, ganze Historie")->Unit(benchmark::kMicrosecond);
BENCHMARK(backtestDrawFile)
    ->Name("Backtest, 12 Tipps, mit Lesen der Ziehungsdatei")
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
