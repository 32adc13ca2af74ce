#include "support/literal_search.h"

#include "draws/draw_display.h"
#include "draws/draw_file.h"
#include "platform/convert.h"
#include "platform/german.h"

namespace lotto::testing {

void literalSpeedButton4Click(TForm1& form, UserInteraction& ui) {
  const int threshold =
      StrToInt(ui.inputText("Bei wie vielen Zahlen Übereinstimmung stoppen?", "Tipp-Test", "6"));
  const DrawHistory history = readDrawHistory(form.drawFilePath());
  form.aktDatum = form.DateTimePicker2.Date();
  form.Chart1.beginStatistic();
  for (std::size_t i = 0; i < history.records.size(); ++i) {
    const DrawRecord& record = history.records[i];
    if (record.date < form.aktDatum) continue;
    form.Datum1 = record.date;
    form.Zahl = drawNumbersOf(record);
    form.Label29.Caption = drawText(record.date, form.Zahl, 2);
    form.Label13.Caption = quersummeText(form.Zahl);
    form.Label35.Caption = form.Label29.Caption;
    for (int tip = 1; tip <= 8; ++tip) {
      form.Zettelcheck({form.Tips.text(tip, 1), form.Tips.text(tip, 2), form.Tips.text(tip, 3),
                        form.Tips.text(tip, 4), form.Tips.text(tip, 5), form.Tips.text(tip, 6)});
      TLabel& label = form.Tips.row(tip).hitLabel;
      label.Caption = std::to_string(form.Gewinn);
      label.FontColour = form.Gewinn >= 3 ? Colour::Red : Colour::Black;
      if (form.Zusatz) label.Caption += " + Z";
      if (form.Gewinn >= threshold) {
        form.Komplettcheck();
        if (!ui.askYesNo("Weiter?", "Ein Treffer am: " + formatShortDate(record.date))) return;
      }
    }
  }
  history.throwIfCut();
  for (int x = 0; x <= 9; ++x) form.Chart1.addPoint(x, 0);
}

}  // namespace lotto::testing
