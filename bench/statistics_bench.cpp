// Each statistic on the bundled history (3672 draws), file read included, as the user
// starts it. The figure that matters is the time per run: it must stay under 2 ms.

#include <benchmark/benchmark.h>

#include "app/main_window.h"
#include "draws/draw_file.h"
#include "support/fakes.h"
#include "support/fixtures.h"

namespace {

using lotto::MainWindow;

class HistoryWindow {
 public:
  HistoryWindow() {
    lotto::writeDrawFile(dir_.file(lotto::kDrawFileName), dir_.file("tmp"),
                         lotto::testing::realHistory());
    form.files.dataFolder = dir_.path();
    form.files.drawFileName = lotto::kDrawFileName;
    for (int tip = 1; tip <= 12; ++tip) {
      for (int index = 1; index <= 6; ++index)
        form.setTipField(tip, index, std::to_string(tip + 3 * index));
    }
  }

 private:
  lotto::testing::TempDir dir_;
  lotto::testing::FakeServices fakes_;

 public:
  MainWindow form{fakes_.services(), dir_.file("kalkuat")};
};

template <void (MainWindow::*Command)()>
void runStatistic(benchmark::State& state) {
  HistoryWindow window;
  for (auto _ : state) {
    (window.form.*Command)();
    benchmark::DoNotOptimize(window.form.chartTab.chart.bars.points.data());
  }
}

BENCHMARK(runStatistic<&MainWindow::showNumberFrequency>)
    ->Name("Zahlenverteilung")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(runStatistic<&MainWindow::showQuersummeDistribution>)
    ->Name("Quersummenverteilung")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(runStatistic<&MainWindow::showPairs>)->Name("Paare")->Unit(benchmark::kMicrosecond);
BENCHMARK(runStatistic<&MainWindow::showTriples>)->Name("Dreier")->Unit(benchmark::kMicrosecond);
BENCHMARK(runStatistic<&MainWindow::showQuadruples>)->Name("Vierer")->Unit(benchmark::kMicrosecond);
BENCHMARK(runStatistic<&MainWindow::showOverdueNumbers>)
    ->Name("Ausstehende")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(runStatistic<&MainWindow::showTipDistribution>)
    ->Name("Tippverteilung")
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
