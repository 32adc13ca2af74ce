// Each statistic on the bundled history (3672 draws), file read included, as the user
// starts it. The figure that matters is the time per run: it must stay under 2 ms.

#include <benchmark/benchmark.h>

#include "app/main_window.h"
#include "draws/draw_file.h"
#include "support/fakes.h"
#include "support/fixtures.h"

namespace {

using lotto::TForm1;

class HistoryWindow {
 public:
  HistoryWindow() {
    lotto::writeDrawFile(dir_.file(lotto::kDrawFileName), dir_.file("tmp"),
                         lotto::testing::realHistory());
    form.Home = dir_.path();
    form.ZahlenFile = lotto::kDrawFileName;
    for (int tip = 1; tip <= 12; ++tip) {
      for (int index = 1; index <= 6; ++index)
        form.TipFieldChange(tip, index, std::to_string(tip + 3 * index));
    }
  }

 private:
  lotto::testing::TempDir dir_;
  lotto::testing::FakeServices fakes_;

 public:
  TForm1 form{fakes_.services(), dir_.file("kalkuat")};
};

template <void (TForm1::*Command)()>
void runStatistic(benchmark::State& state) {
  HistoryWindow window;
  for (auto _ : state) {
    (window.form.*Command)();
    benchmark::DoNotOptimize(window.form.Chart1.Series2.Points.data());
  }
}

BENCHMARK(runStatistic<&TForm1::SpeedButton2Click>)
    ->Name("Zahlenverteilung")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(runStatistic<&TForm1::SpeedButton9Click>)
    ->Name("Quersummenverteilung")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(runStatistic<&TForm1::Button2Click>)->Name("Paare")->Unit(benchmark::kMicrosecond);
BENCHMARK(runStatistic<&TForm1::Button3Click>)->Name("Dreier")->Unit(benchmark::kMicrosecond);
BENCHMARK(runStatistic<&TForm1::Button4Click>)->Name("Vierer")->Unit(benchmark::kMicrosecond);
BENCHMARK(runStatistic<&TForm1::Button5Click>)->Name("Ausstehende")->Unit(benchmark::kMicrosecond);
BENCHMARK(runStatistic<&TForm1::Button6Click>)
    ->Name("Tippverteilung")
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
