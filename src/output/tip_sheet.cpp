#include "output/tip_sheet.h"

#include <cstdio>

#include "draws/draw_days.h"
#include "platform/convert.h"
#include "platform/dates.h"
#include "platform/file_io.h"
#include "platform/german.h"

namespace lotto {

std::string tipSheetContent(const TipGrid& tips, double lastEvaluated) {
  const double next = nextDrawDay(lastEvaluated);
  const CivilDate d = civilDate(next);
  char date[32];
  std::snprintf(date, sizeof date, "%02d.%02d.%02d", d.day, d.month, ((d.year % 100) + 100) % 100);
  std::string sheet = "Brunnholds Lotto-Tipp für " + longWeekdayName(dayOfWeek(next)) + " " + date +
                      "\r\n" + std::string(46, '~') + "\r\n\r\n";
  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    if (tips.text(tip, 1).empty()) continue;
    char label[16];
    std::snprintf(label, sizeof label, "%2d. Tipp: ", tip);
    std::string line = label;
    for (int index = 1; index <= TipGrid::kNumbers; ++index) {
      char number[16];
      std::snprintf(number, sizeof number, "%2d", toInteger(tips.text(tip, index)));
      if (index > 1) line += "   ";
      line += number;
    }
    sheet += line + "\r\n";
  }
  return sheet;
}

void showTipSheet(const TipGrid& tips, double lastEvaluated, const std::string& home,
                  Shell& shell) {
  tips.requireNoRepeatedNumbers("gedruckt");
  const std::string path = home + kTipSheetName;
  replaceFileAtomically(path, path + "~", tipSheetContent(tips, lastEvaluated));
  shell.openDocument(path);
}

}  // namespace lotto
