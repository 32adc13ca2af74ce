#include "evaluation/draw_choice.h"

#include "platform/dates.h"
#include "platform/file_io.h"

namespace lotto {

DrawChoice chooseDrawByDate(const DrawHistory& history, double date) {
  DrawChoice choice;
  const std::vector<DrawRecord>& records = history.records;
  if (records.empty()) {
    // A file of one partial record fails at its first read.
    choice.position = history.cut ? 1 : 0;
    choice.failedAtCut = history.cut;
    return choice;
  }

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

  if (last + 1 == records.size()) {
    if (history.cut) {
      // Only a search still before the date reads on into the partial record.
      if (records[last].date < date) {
        choice.failedAtCut = true;
        choice.position = static_cast<std::int32_t>(records.size());
      }
    } else if (records[last].date > 0) {
      // Reaching the end shows the last record read, again if it was found just now.
      choice.shown = last;
      choice.blanksAfterDate = 2;
    }
  }
  return choice;
}

void checkTipsForChosenDate(const TipCheckParts& parts) {
  if (!fileExists(parts.drawFile)) {
    parts.ui.showMessage("Lesen Sie zuerst du Daten der Ziehungen ein");
    return;
  }
  const DrawHistory history = readDrawHistory(parts.drawFile);
  DrawOnShow& show = parts.show;
  parts.workingDate = roundToDay(show.chosenDate.date());
  const DrawChoice choice = chooseDrawByDate(history, parts.workingDate);
  // The search ends on the record it shows, or stops at one whose date compares with
  // nothing: either way a date that is no date is named, not shown.
  if (!choice.failedAtCut && !history.records.empty()) {
    const auto last = static_cast<std::size_t>(choice.position);
    requireShowableDate(history.records[last], last);
  }
  if (choice.shown) {
    showRecord(show, parts.scoredDraw, history.records[*choice.shown], *choice.shown,
               choice.blanksAfterDate);
  }
  show.shownPosition = choice.position;
  if (choice.failedAtCut) history.throwIfCut();
  show.chosenDate.setDate(show.shownDate);
  if (parts.statisticsStart.date() > show.shownDate) {
    parts.statisticsStart.setDate(parts.statisticsStart.minDate);
  }
  show.drawBarText.caption = show.shownDrawText.caption;
  parts.completeCheck();
}

}  // namespace lotto
