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
  lotto::TForm1 form(fakes.services(), fuzzFolder() + "kalkuat");
  form.Home = fuzzFolder();
  form.ZahlenFile = lotto::kDrawFileName;
  form.SoundName = "yippee.wav";
  form.sortieren = true;
  for (int index = 1; index <= 6; ++index) form.TipFieldChange(1, index, std::to_string(index * 7));

  const auto run = [&form](void (lotto::TForm1::*command)()) {
    try {
      (form.*command)();
    } catch (const lotto::AppError&) {
      // A message for the user; the window goes on.
    }
    trapUnlessShowable(form.DateTimePicker1.Date());
    trapUnlessShowable(form.DateTimePicker2.Date());
    if (form.Datum1 != 0) trapUnlessShowable(form.Datum1);
  };
  for (const double asked : {-1.0e9, 0.0, 31662.0, 46255.0, 1.0e9}) {
    form.DateTimePicker1.setDate(asked);
    run(&lotto::TForm1::SpeedButton5Click);
    run(&lotto::TForm1::SpeedButton6Click);
    run(&lotto::TForm1::SpeedButton7Click);
  }
  for (auto command :
       {&lotto::TForm1::SpeedButton2Click, &lotto::TForm1::SpeedButton9Click,
        &lotto::TForm1::Button2Click, &lotto::TForm1::Button3Click, &lotto::TForm1::Button4Click,
        &lotto::TForm1::Button5Click, &lotto::TForm1::BitBtn8Click, &lotto::TForm1::BitBtn6Click}) {
    run(command);
  }
  if (form.Gewinn > 36) __builtin_trap();
  return 0;
}
