#include "evaluation/draw_choice.h"

namespace lotto {

DrawChoice chooseDrawByDate(const std::vector<DrawRecord>& records, double date) {
  DrawChoice choice;
  if (records.empty()) return choice;

  // The file is read from its first record until one is dated on or after the date.
  std::size_t last = 0;
  if (records[0].date >= date) {
    choice.shown = 0;
    choice.blanksAfterDate = 3;
  }
  while (last + 1 < records.size() && records[last].date < date) {
    ++last;
    if (records[last].date >= date) {
      choice.shown = last;
      choice.blanksAfterDate = 2;
    }
  }
  choice.position = static_cast<std::int32_t>(last);

  // Reaching the end shows the last record read, again if it was found just now.
  if (last + 1 == records.size() && records[last].date > 0) {
    choice.shown = last;
    choice.blanksAfterDate = 2;
  }
  return choice;
}

}  // namespace lotto
