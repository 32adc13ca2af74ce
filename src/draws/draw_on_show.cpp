#include "draws/draw_on_show.h"

#include "draws/draw_display.h"
#include "platform/errors.h"
#include "platform/german.h"

namespace lotto {

std::string recordPlace(const DrawRecord& record, std::size_t index) {
  const std::string place = "Datensatz " + std::to_string(index + 1) + " der Ziehungsdatei";
  if (!isShowableDate(record.date)) return "Der " + place;
  return "Die Ziehung vom " + formatDrawDate(record.date) + " (" + place + ")";
}

void requireShowableDate(const DrawRecord& record, std::size_t index) {
  if (isShowableDate(record.date)) return;
  throw AppError(recordPlace(record, index) +
                 " hat kein gültiges Datum; die Ziehungsdatei ist beschädigt.");
}

void showRecord(DrawOnShow& show, DrawNumbers& scoredDraw, const DrawRecord& record,
                std::size_t index, int blanksAfterDate) {
  requireShowableDate(record, index);
  show.shownDate = record.date;
  scoredDraw = drawNumbersOf(record);
  show.shownRecord = record;
  show.shownDrawText.caption = drawText(record.date, scoredDraw, blanksAfterDate);
  if (!isValidDraw(record)) show.shownDrawText.caption += kInvalidDrawMark;
  show.drawBarQuersumme.caption = quersummeText(scoredDraw);
}

}  // namespace lotto
