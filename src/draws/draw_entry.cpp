#include "draws/draw_entry.h"

#include <algorithm>

#include "draws/draw_file.h"
#include "draws/draw_on_show.h"
#include "platform/dates.h"

namespace lotto {
namespace {

TUpDown numberSpinner() {
  return TUpDown(1, 45, 45);
}

}  // namespace

TForm3::TForm3()
    : DateTimePicker1(dayNumber(100, 1, 1), 0), Numbers{numberSpinner(), numberSpinner(),
                                                        numberSpinner(), numberSpinner(),
                                                        numberSpinner(), numberSpinner(),
                                                        numberSpinner()} {}

void TForm3::presetFrom(const DrawRecord& newest) {
  DateTimePicker1.setDate(newest.date);
  for (std::size_t i = 0; i < 7; ++i) Numbers[i].setPosition(newest.bytes[i]);
  UpDown8.setPosition(newest.spare());
  SpareVisible = false;
}

void TForm3::presetEmpty(double today) {
  DateTimePicker1.setDate(today);
  for (TUpDown& number : Numbers) number.setPosition(45);
  UpDown8.setPosition(10);
  SpareVisible = false;
}

DrawRecord TForm3::enteredDraw() const {
  DrawRecord record;
  record.date = DateTimePicker1.Date();
  for (std::size_t i = 0; i < 7; ++i)
    record.bytes[i] = static_cast<std::uint8_t>(Numbers[i].Position());
  record.bytes[7] = static_cast<std::uint8_t>(UpDown8.Position());
  std::sort(record.bytes.begin(), record.bytes.begin() + 6);
  return record;
}

std::vector<DrawRecord> withDrawEntered(const std::vector<DrawRecord>& records,
                                        const DrawRecord& entered) {
  std::vector<DrawRecord> result;
  result.reserve(records.size() + 1);
  bool written = false;
  for (const DrawRecord& record : records) {
    if (!written && record.date >= entered.date) {
      result.push_back(entered);
      written = true;
    }
    if (record.date != entered.date) result.push_back(record);
  }
  if (!written) result.push_back(entered);
  return result;
}

std::vector<DrawRecord> withoutDrawsOf(const std::vector<DrawRecord>& records, double date) {
  std::vector<DrawRecord> result;
  result.reserve(records.size());
  std::copy_if(records.begin(), records.end(), std::back_inserter(result),
               [date](const DrawRecord& record) { return record.date != date; });
  return result;
}

void enterDraw(const std::string& drawFile, double& aktDatum, TDateTimePicker& DateTimePicker1,
               UserInteraction& ui, Clock& clock) {
  const std::vector<DrawRecord> records = readDrawFile(drawFile);

  TForm3 dialog;
  if (records.empty()) {
    dialog.presetEmpty(clock.today());
  } else {
    // The dialog shows the newest draw's date, so it must be one.
    requireShowableDate(records.back(), records.size() - 1);
    aktDatum = records.back().date;
    dialog.presetFrom(records.back());
  }

  if (ui.showModal(dialog) == ModalResult::Ok) {
    const DrawRecord entered = dialog.enteredDraw();
    if (records.empty() || entered.date > roundToDay(aktDatum)) {
      // The newest draw goes to the end; the file keeps its order.
      appendDrawRecord(drawFile, entered);
      aktDatum = entered.date;
    } else {
      const std::vector<DrawRecord> rewritten = withDrawEntered(records, entered);
      writeDrawFile(drawFile, drawFile + "~", rewritten);
      aktDatum = rewritten.back().date;
    }
    DateTimePicker1.setDate(aktDatum);
  } else if (!records.empty()) {
    DateTimePicker1.setDate(aktDatum);
  }
}

void removeDrawsOf(const std::string& drawFile, const std::string& tempFile, double date,
                   UserInteraction& ui) {
  BusyCursor busy(ui);
  writeDrawFile(drawFile, tempFile, withoutDrawsOf(readDrawFile(drawFile), date));
}

}  // namespace lotto
