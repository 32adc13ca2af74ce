#include "support/literal_search.h"

#include "draws/draw_display.h"
#include "draws/draw_file.h"
#include "platform/convert.h"
#include "platform/german.h"

namespace lotto::testing {

void literalSearchHistoryForTips(MainWindow& form, UserInteraction& ui) {
  const int threshold =
      toInteger(ui.inputText("Bei wie vielen Zahlen Übereinstimmung stoppen?", "Tipp-Test", "6"));
  const DrawHistory history = readDrawHistory(form.files.drawFilePath());
  form.state.workingDate = form.chartTab.statisticsStart.date();
  form.chartTab.chart.beginStatistic();
  for (std::size_t i = 0; i < history.records.size(); ++i) {
    const DrawRecord& record = history.records[i];
    if (record.date < form.state.workingDate || !isValidDraw(record)) continue;
    form.drawOnShow.shownDate = record.date;
    form.drawOnShow.shownRecord = record;
    form.drawOnShow.shownPosition = static_cast<std::int32_t>(i);
    form.drawOnShow.chosenDate.setDate(record.date);
    form.scoring.scoredDraw = drawNumbersOf(record);
    form.drawOnShow.shownDrawText.caption = drawText(record.date, form.scoring.scoredDraw, 2);
    form.drawOnShow.drawBarQuersumme.caption = quersummeText(form.scoring.scoredDraw);
    form.drawOnShow.drawBarText.caption = form.drawOnShow.shownDrawText.caption;
    for (int tip = 1; tip <= 8; ++tip) {
      if (form.tips.repeatedNumber(tip)) continue;
      form.scoring.scoreTip({form.tips.text(tip, 1), form.tips.text(tip, 2), form.tips.text(tip, 3),
                             form.tips.text(tip, 4), form.tips.text(tip, 5),
                             form.tips.text(tip, 6)});
      Label& label = form.tips.row(tip).hitLabel;
      label.caption = std::to_string(form.scoring.hits);
      label.colour = form.scoring.hits >= 3 ? Colour::Red : Colour::Black;
      if (form.scoring.zusatzzahlHit) label.caption += " + Z";
      if (form.scoring.hits >= threshold) {
        form.checkAllTips();
        if (!ui.askYesNo("Weiter?", "Ein Treffer am: " + formatShortDate(record.date))) return;
      }
    }
  }
  history.throwIfCut();
  for (int x = 0; x <= 9; ++x) form.chartTab.chart.addPoint(x, 0);
}

}  // namespace lotto::testing
