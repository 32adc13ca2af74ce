// "Tipps in DB suchen" for eight tips over the bundled history (3672 draws), file read
// included, without a stop: the figure that matters is under 5 ms a search.

#include <benchmark/benchmark.h>

#include "app/main_window.h"
#include "draws/draw_file.h"
#include "platform/dates.h"
#include "support/fakes.h"
#include "support/fixtures.h"
#include "support/literal_search.h"

namespace {

class SearchWindow {
 public:
  SearchWindow() {
    lotto::writeDrawFile(dir_.file(lotto::kDrawFileName), dir_.file("tmp"),
                         lotto::testing::realHistory());
    fakes.clock.todayValue = lotto::dayNumber(2026, 12, 9);
    form.onFirstShow();
    for (int tip = 1; tip <= 8; ++tip) {
      for (int index = 1; index <= 6; ++index) {
        form.setTipField(tip, index, std::to_string(tip + 5 * (index - 1)));
      }
    }
  }

 private:
  lotto::testing::TempDir dir_;

 public:
  lotto::testing::FakeServices fakes;
  lotto::MainWindow form{fakes.services(), dir_.file("kalkuat")};
};

void search(benchmark::State& state) {
  SearchWindow window;
  for (auto _ : state) {
    window.fakes.ui.inputs = {"6"};
    window.form.searchHistoryForTips();
    benchmark::DoNotOptimize(window.form.chartTab.chart.bars.points.data());
  }
}

void searchStepByStep(benchmark::State& state) {
  SearchWindow window;
  for (auto _ : state) {
    window.fakes.ui.inputs = {"6"};
    lotto::testing::literalSearchHistoryForTips(window.form, window.fakes.ui);
  }
}

BENCHMARK(search)->Name("Tipps in DB suchen")->Unit(benchmark::kMillisecond);
BENCHMARK(searchStepByStep)
    ->Name("Tipps in DB suchen, Schritt für Schritt")
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
