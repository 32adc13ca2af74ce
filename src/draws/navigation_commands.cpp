// The earlier-draw and later-draw commands of the main window.

#include "app/main_window.h"
#include "draws/draw_file.h"
#include "draws/navigation.h"

namespace lotto {

void TForm1::SpeedButton6Click() {
  const std::vector<DrawRecord> records = readDrawFile(drawFilePath());
  if (const auto step =
          stepToEarlierDraw(records, Position, CheckBox16.Checked, CheckBox17.Checked)) {
    showNavigationStep(records, *step);
  }
}

void TForm1::SpeedButton7Click() {
  const std::vector<DrawRecord> records = readDrawFile(drawFilePath());
  if (const auto step =
          stepToLaterDraw(records, Position, CheckBox16.Checked, CheckBox17.Checked)) {
    showNavigationStep(records, *step);
  }
}

void TForm1::showNavigationStep(const std::vector<DrawRecord>& records,
                                const NavigationStep& step) {
  const DrawRecord& record = records[step.shown];
  showRecord(record.date, drawNumbersOf(record), 2);
  Position = step.position;
  Label35.Caption = Label29.Caption;
  DateTimePicker1.setDate(Datum1);
  // Once for the draw shown and once more for every draw passed over, each time against
  // the draw finally shown.
  for (int look = 0; look < step.looks; ++look) Komplettcheck();
}

}  // namespace lotto
