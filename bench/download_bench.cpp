// The update run for a gap of one year (104 draw days) from the project's draw server on
// loopback into a copy of the bundled history, as the user starts it: every request, every
// append and the check at the end. The figure that matters is the time per run: under 1 s.

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "app/main_window.h"
#include "draws/draw_file.h"
#include "platform/dates.h"
#include "qt/core/qt_http_client.h"
#include "support/draw_server_process.h"
#include "support/fakes.h"
#include "support/fixtures.h"

namespace {

void oneYearGap(benchmark::State& state) {
  lotto::testing::DrawServerProcess server(lotto::testing::historyCsvPath());
  std::vector<lotto::DrawRecord> history = lotto::testing::realHistory();
  std::erase_if(history, [](const lotto::DrawRecord& record) {
    return record.date > lotto::dayNumber(2025, 8, 20);
  });

  lotto::testing::TempDir dir;
  lotto::QtHttpClient http;
  lotto::testing::FakeServices fakes;
  fakes.httpInUse = &http;
  fakes.clock.todayValue = lotto::dayNumber(2026, 12, 9);
  lotto::MainWindow form(fakes.services(), dir.file("kalkuat"));
  form.files.dataFolder = dir.path();
  form.files.drawFileName = lotto::kDrawFileName;
  form.files.soundName = "yippee.wav";
  form.state.completeCheckEnabled = true;
  form.internetOptions.server.text = server.address();

  std::size_t fetched = 0;
  for (auto _ : state) {
    state.PauseTiming();
    lotto::writeDrawFile(dir.file(lotto::kDrawFileName), dir.file("tmp"), history);
    state.ResumeTiming();
    form.updateDraws();
    state.PauseTiming();
    fetched = lotto::readDrawFile(dir.file(lotto::kDrawFileName)).size() - history.size();
    if (!fakes.ui.errors.empty()) state.SkipWithError(fakes.ui.errors.front().c_str());
    state.ResumeTiming();
  }
  state.counters["draws"] = static_cast<double>(fetched);
}
BENCHMARK(oneYearGap)->Name("Jahr nachladen")->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
