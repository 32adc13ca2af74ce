// "Tipps berechnen" on the bundled history (3672 draws) with a fixed seed, as the user
// starts it: the draw on show, the pool with its statistics, every row, the final check.
// The figures that matter: the default run under 2 ms; the worst case (history test with
// N = 3 and a budget of 10,000,000 runs, all spent on row 1) under 1 s; and the same worst
// case written out step by step, at 1/100 of the budget, for the ratio.

#include <benchmark/benchmark.h>

#include "app/main_window.h"
#include "draws/draw_file.h"
#include "platform/dates.h"
#include "support/fakes.h"
#include "support/fixtures.h"
#include "support/literal_generator.h"

namespace {

class BundledWindow {
 public:
  BundledWindow() {
    lotto::writeDrawFile(dir_.file(lotto::kDrawFileName), dir_.file("tmp"),
                         lotto::testing::realHistory());
    fakes.clock.todayValue = lotto::dayNumber(2026, 12, 9);
    form.onFirstShow();
    // The program makes some 30 pictures a second; a run of milliseconds makes none.
    fakes.ui.picturesDue = false;
  }
  void worstCase(int thousands) {
    form.options.rejectPastDrawMatches.checked = true;
    form.options.pastDrawMatchSize.setValue(3);
    form.options.runBudgetThousands.setValue(thousands);
    form.runBudgetStepped();
  }

 private:
  lotto::testing::TempDir dir_;

 public:
  lotto::testing::FakeServices fakes;
  lotto::MainWindow form{fakes.services(), dir_.file("kalkuat")};
};

void defaultOptions(benchmark::State& state) {
  BundledWindow window;
  for (auto _ : state) {
    window.form.random.setSeed(1);
    window.form.generateTips();
    benchmark::DoNotOptimize(window.form.lastRun.counter);
  }
  state.counters["runs"] = window.form.lastRun.counter;
}

void worstCase(benchmark::State& state) {
  BundledWindow window;
  window.worstCase(10000);
  for (auto _ : state) {
    window.form.random.setSeed(1);
    window.form.generateTips();
  }
  state.counters["runs"] = window.form.lastRun.counter;
}

void worstCaseStepByStep(benchmark::State& state) {
  BundledWindow window;
  window.worstCase(100);
  for (auto _ : state) {
    window.form.random.setSeed(1);
    lotto::testing::literalGenerateTips(window.form, window.fakes.ui);
  }
  state.counters["runs"] = window.form.lastRun.counter;
}

BENCHMARK(defaultOptions)->Name("Tipps berechnen")->Unit(benchmark::kMillisecond);
BENCHMARK(worstCase)
    ->Name("Schlimmster Fall: 10000000 Läufe")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(worstCaseStepByStep)
    ->Name("Schlimmster Fall Schritt für Schritt: 100000 Läufe")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
