// Any bytes given as a draw file: the whole records decode and encode back to the same
// bytes, and every command of the window that reads the file either works or stops with
// one of the program's own messages. No date that is no date ever reaches a date field,
// and nothing undefined runs on the way (the targets are built with the sanitizers).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/main_window.h"
#include "draws/draw_file.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/file_io.h"
#include "support/fakes.h"
#include "temp_folder.h"

namespace {

void trapUnlessShowable(double date) {
  if (!lotto::isShowableDate(date)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const lotto::DrawHistory history = lotto::decodeDrawFile(bytes, "fuzz");
  const std::size_t whole = size / lotto::kDrawRecordSize * lotto::kDrawRecordSize;
  if (lotto::encodeDrawFile(history.records) != bytes.substr(0, whole)) __builtin_trap();
  if (history.cut != (whole != size)) __builtin_trap();

  const std::string path = fuzzFolder() + lotto::kDrawFileName;
  lotto::replaceFileAtomically(path, path + ".new", bytes);

  lotto::testing::FakeServices fakes;
  lotto::MainWindow form(fakes.services(), fuzzFolder() + "kalkuat");
  form.files.dataFolder = fuzzFolder();
  form.files.drawFileName = lotto::kDrawFileName;
  form.files.soundName = "yippee.wav";
  form.state.completeCheckEnabled = true;
  for (int index = 1; index <= 6; ++index) form.setTipField(1, index, std::to_string(index * 7));

  const auto run = [&form](void (lotto::MainWindow::*command)()) {
    try {
      (form.*command)();
    } catch (const lotto::AppError&) {
      // A message for the user; the window goes on.
    }
    trapUnlessShowable(form.drawOnShow.chosenDate.date());
    trapUnlessShowable(form.chartTab.statisticsStart.date());
    if (form.drawOnShow.shownDate != 0) trapUnlessShowable(form.drawOnShow.shownDate);
  };
  for (const double asked : {-1.0e9, 0.0, 31662.0, 46255.0, 1.0e9}) {
    form.drawOnShow.chosenDate.setDate(asked);
    run(&lotto::MainWindow::checkTipsAgainstChosenDraw);
    run(&lotto::MainWindow::showEarlierDraw);
    run(&lotto::MainWindow::showLaterDraw);
  }
  for (auto command :
       {&lotto::MainWindow::showNumberFrequency, &lotto::MainWindow::showQuersummeDistribution,
        &lotto::MainWindow::showPairs, &lotto::MainWindow::showTriples,
        &lotto::MainWindow::showQuadruples, &lotto::MainWindow::showOverdueNumbers,
        &lotto::MainWindow::typeInDraw, &lotto::MainWindow::removeShownDraw}) {
    run(command);
  }
  if (form.scoring.hits > 36) __builtin_trap();
  return 0;
}
