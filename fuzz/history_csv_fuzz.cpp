// Any text given as a draw history either converts or is refused with a message naming
// a line; nothing else may happen.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "draws/history_csv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const auto records = lotto::parseHistoryCsv(text, 1);
    for (std::size_t i = 1; i < records.size(); ++i) {
      if (!(records[i - 1].date < records[i].date)) __builtin_trap();
    }
    for (const auto& record : records) {
      for (int i = 1; i <= 6; ++i) {
        if (record.number(i) < 1 || record.number(i) > 45) __builtin_trap();
      }
    }
  } catch (const lotto::HistoryCsvError& error) {
    if (error.line() < 1) __builtin_trap();
  }
  return 0;
}
