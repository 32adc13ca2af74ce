#include "support/literal_search.h"

#include "draws/draw_display.h"
#include "draws/draw_file.h"
#include "platform/convert.h"
#include "platform/german.h"

namespace lotto::testing {

void literalSearchHistoryForTips(MainWindow& form, UserInteraction& ui) {
  const int threshold =
      toInteger(ui.inputText("Bei wie vielen Zahlen Übereinstimmung stoppen?", "Tipp-Test", "6"));
  const DrawHistory history = readDrawHistory(form.drawFilePath());
  form.workingDate = form.statisticsStart.date();
  form.chart.beginStatistic();
  for (std::size_t i = 0; i < history.records.size(); ++i) {
    const DrawRecord& record = history.records[i];
    if (record.date < form.workingDate) continue;
    form.shownDate = record.date;
    form.scoredDraw = drawNumbersOf(record);
    form.shownDrawText.caption = drawText(record.date, form.scoredDraw, 2);
    form.drawBarQuersumme.caption = quersummeText(form.scoredDraw);
    form.drawBarText.caption = form.shownDrawText.caption;
    for (int tip = 1; tip <= 8; ++tip) {
      form.scoreTip({form.tips.text(tip, 1), form.tips.text(tip, 2), form.tips.text(tip, 3),
                     form.tips.text(tip, 4), form.tips.text(tip, 5), form.tips.text(tip, 6)});
      Label& label = form.tips.row(tip).hitLabel;
      label.caption = std::to_string(form.hits);
      label.colour = form.hits >= 3 ? Colour::Red : Colour::Black;
      if (form.zusatzzahlHit) label.caption += " + Z";
      if (form.hits >= threshold) {
        form.checkAllTips();
        if (!ui.askYesNo("Weiter?", "Ein Treffer am: " + formatShortDate(record.date))) return;
      }
    }
  }
  history.throwIfCut();
  for (int x = 0; x <= 9; ++x) form.chart.addPoint(x, 0);
}

}  // namespace lotto::testing
