// Any bytes given as a tip file: the twelve tips are filled through the grid's cleaning
// rule without a fault, every field holds a whole number 1..45 or nothing, and the tips
// saved again load back to the same grid.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "controls/tip_grid.h"
#include "output/tip_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  lotto::TipGrid tips;
  lotto::fillFromTipFile(tips, bytes);
  for (int tip = 1; tip <= lotto::TipGrid::kTips; ++tip) {
    for (int index = 1; index <= lotto::TipGrid::kNumbers; ++index) {
      const std::string& text = tips.text(tip, index);
      if (lotto::cleanTipText(text) != text) __builtin_trap();
    }
  }
  // Saved, the tips with a first field come back in order; the others are gone.
  lotto::TipGrid again;
  lotto::fillFromTipFile(again, lotto::tipFileContent(tips));
  int line = 1;
  for (int tip = 1; tip <= lotto::TipGrid::kTips; ++tip) {
    if (tips.text(tip, 1).empty()) continue;
    for (int index = 1; index <= lotto::TipGrid::kNumbers; ++index) {
      if (again.text(line, index) != tips.text(tip, index)) __builtin_trap();
    }
    ++line;
  }
  return 0;
}
