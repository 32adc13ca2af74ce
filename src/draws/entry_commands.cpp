// "Eingeben" and "Löschen" on the "Datenbank" tab. Both rewrite the draw file through a
// temporary file that replaces the old one only when it is complete.

#include "app/main_window.h"
#include "draws/draw_entry.h"
#include "draws/draw_file.h"
#include "platform/dates.h"

namespace lotto {

void TForm1::BitBtn8Click() {
  const std::string path = drawFilePath();
  const std::vector<DrawRecord> records = readDrawFile(path);

  TForm3 dialog;
  if (records.empty()) {
    dialog.presetEmpty(services_.clock.today());
  } else {
    aktDatum = records.back().date;
    dialog.presetFrom(records.back());
  }

  if (services_.ui.showModal(dialog) == ModalResult::Ok) {
    const DrawRecord entered = dialog.enteredDraw();
    if (records.empty() || entered.date > roundToDay(aktDatum)) {
      // The newest draw goes to the end; the file keeps its order.
      appendDrawRecord(path, entered);
      aktDatum = entered.date;
    } else {
      const std::vector<DrawRecord> rewritten = withDrawEntered(records, entered);
      writeDrawFile(path, path + "~", rewritten);
      aktDatum = rewritten.back().date;
    }
    DateTimePicker1.setDate(aktDatum);
  } else if (!records.empty()) {
    DateTimePicker1.setDate(aktDatum);
  }
  SpeedButton5Click();
}

void TForm1::BitBtn6Click() {
  {
    BusyCursor busy(services_.ui);
    const std::string path = drawFilePath();
    const std::vector<DrawRecord> records = readDrawFile(path);
    writeDrawFile(path, Home + "Zahlen.da~", withoutDrawsOf(records, Datum1));
  }
  SpeedButton5Click();
}

}  // namespace lotto
