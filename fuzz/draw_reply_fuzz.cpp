// Whatever a draw server replies, the update run stores only whole draws of numbers 1..45
// after the newest one, says what went wrong in one of the program's own messages, and
// leaves the window usable. The first byte picks the status line, the rest is the body.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/main_window.h"
#include "draws/draw_file.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "support/fakes.h"
#include "temp_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const char* const kStatus[] = {"HTTP/1.1 200 OK", "HTTP/1.1 204 No Content",
                                        "HTTP/1.1 203 Non-Authoritative Information"};
  const std::string status = kStatus[data[0] % 3];
  const std::string body(reinterpret_cast<const char*>(data + 1), size - 1);

  lotto::DrawRecord newest;
  newest.date = lotto::dayNumber(2025, 1, 5);
  newest.bytes = {1, 2, 3, 4, 5, 6, 7, 9};
  const std::string path = fuzzFolder() + lotto::kDrawFileName;
  lotto::writeDrawFile(path, path + "~", {newest});

  lotto::testing::FakeServices fakes;
  fakes.clock.todayValue = lotto::dayNumber(2025, 1, 20);
  int requests = 0;
  fakes.http.server = [&](const std::string&) {
    ++requests;
    if (requests == 1) return lotto::HttpReply{status, 200, body, ""};
    return lotto::testing::FakeHttpClient::ok(body);
  };
  lotto::MainWindow form(fakes.services(), fuzzFolder() + "kalkuat");
  form.files.dataFolder = fuzzFolder();
  form.files.drawFileName = lotto::kDrawFileName;
  form.files.soundName = "yippee.wav";
  form.state.completeCheckEnabled = true;
  try {
    form.updateDraws();
  } catch (const lotto::AppError&) {
    // A message for the user.
  }
  if (!form.buttons.updateButton.enabled || form.buttons.stopButton.visible) __builtin_trap();
  if (requests > 5) __builtin_trap();  // at most the draw days up to today

  const auto records = lotto::readDrawFile(path);
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (i > 0 && !(records[i - 1].date < records[i].date)) __builtin_trap();
    for (std::size_t b = 0; b < 7; ++b) {
      if (records[i].bytes[b] < 1 || records[i].bytes[b] > 45) __builtin_trap();
    }
    if (records[i].spare() != 9) __builtin_trap();
  }
  return 0;
}
