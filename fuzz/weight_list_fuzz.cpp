// Any bytes given as a weight list: refused with a message, or loaded into the number
// dialog line by line; the pool rebuilt from it then holds at most its limit of entries,
// each a number 1..45, or the rebuild stops with one of the program's own messages.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "generator/candidate_pool.h"
#include "generator/number_dialog.h"
#include "generator/weight_list.h"
#include "platform/errors.h"
#include "support/fakes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::array<std::string, 45> lines;
  try {
    lines = lotto::parseWeightList(bytes);
  } catch (const lotto::WeightListError&) {
    return 0;
  }
  lotto::testing::FakeServices fakes;
  lotto::RandomGenerator random;
  const std::string folder = "/tmp/";
  lotto::NumberDialog dialog(random, fakes.ui, fakes.clock, folder);
  for (int n = 1; n <= 45; ++n) {
    const std::string& line = lines[static_cast<std::size_t>(n - 1)];
    dialog.setChecked(n, !line.empty());
    dialog.setWeight(n, line.empty() ? "1" : line);
    dialog.clickBox(n);  // the click handling converts what it finds
    dialog.clickBox(n);
  }
  lotto::CandidatePool pool;
  try {
    pool.rebuildFrom(dialog);
  } catch (const lotto::AppError&) {
    return 0;
  }
  if (pool.count() > lotto::CandidatePool::kMaxRebuiltEntries) __builtin_trap();
  for (const std::int32_t entry : pool.entries()) {
    if (entry < 1 || entry > 45) __builtin_trap();
  }
  // What loads can be written back in the code page and read again.
  const auto again = lotto::parseWeightList(lotto::formatWeightList(lines));
  (void)again;
  return 0;
}
