// Any bytes given as a draw file are either refused as a damaged file or read, shown
// and scored without a fault, whatever the records hold.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "draws/draw_display.h"
#include "draws/draw_file.h"
#include "evaluation/draw_choice.h"
#include "evaluation/scoring.h"
#include "platform/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    const auto records = lotto::decodeDrawFile(bytes, "fuzz");
    if (lotto::encodeDrawFile(records) != bytes) __builtin_trap();
    for (const double date : {-1.0e9, 0.0, 31662.0, 46255.0, 1.0e9}) {
      const lotto::DrawChoice choice = lotto::chooseDrawByDate(records, date);
      if (!choice.shown) continue;
      if (*choice.shown >= records.size()) __builtin_trap();
      const auto& record = records[*choice.shown];
      lotto::ScoringFields scoring;
      scoring.Zahl = lotto::drawNumbersOf(record);
      (void)lotto::drawText(record.date, scoring.Zahl, choice.blanksAfterDate);
      (void)lotto::quersummeText(scoring.Zahl);
      scoring.Zettelcheck({"1", "2", "3", "44", "45", "0"});
      if (scoring.Gewinn > 36) __builtin_trap();
    }
  } catch (const lotto::InOutError&) {
    if (size % lotto::kDrawRecordSize == 0) __builtin_trap();
  }
  return 0;
}
