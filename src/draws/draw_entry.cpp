#include "draws/draw_entry.h"

#include <algorithm>

#include "draws/draw_file.h"
#include "draws/draw_on_show.h"
#include "platform/dates.h"
#include "platform/german.h"

namespace lotto {
namespace {

std::string shownNumbers(const DrawRecord& record) {
  std::string text;
  for (int i = 1; i <= 6; ++i) text += std::to_string(record.number(i)) + " ";
  return text + "Z:" + std::to_string(record.zusatzzahl());
}

// What the entry asks before it stores: a draw that can be none is refused, one on another
// day than Wednesday or Sunday and one that replaces another stored draw take a yes.
bool mayStore(const DrawEntryDialog& dialog, const std::vector<DrawRecord>& records,
              UserInteraction& ui) {
  if (const auto problem = dialog.problem()) {
    ui.showError(*problem);
    return false;
  }
  const DrawRecord entered = dialog.enteredDraw();
  const int weekday = dayOfWeek(entered.date);
  if (weekday != kSunday && weekday != kWednesday &&
      !ui.askYesNo("Ziehung eingeben",
                   "Der " + formatShortDate(entered.date) + " ist ein " + longWeekdayName(weekday) +
                       ", kein Ziehungstag (Mittwoch oder Sonntag). Die Ziehung trotzdem "
                       "speichern?")) {
    return false;
  }
  for (const DrawRecord& stored : records) {
    if (stored.date != entered.date) continue;
    DrawRecord comparable = stored;
    std::sort(comparable.bytes.begin(), comparable.bytes.begin() + 6);
    comparable.bytes[7] = entered.bytes[7];
    if (comparable == entered) return false;  // stored already as it is
    if (!ui.askYesNo("Ziehung eingeben", "Am " + formatDrawDate(entered.date) +
                                             " ist schon die Ziehung " + shownNumbers(stored) +
                                             " gespeichert. Durch " + shownNumbers(entered) +
                                             " ersetzen?")) {
      return false;
    }
  }
  return true;
}

Spinner numberSpinner() {
  return Spinner(1, 45, 45);
}

}  // namespace

DrawEntryDialog::DrawEntryDialog()
    : date(dayNumber(100, 1, 1), 0), numbers{numberSpinner(), numberSpinner(), numberSpinner(),
                                             numberSpinner(), numberSpinner(), numberSpinner(),
                                             numberSpinner()} {}

void DrawEntryDialog::presetFrom(const DrawRecord& newest) {
  date.setDate(newest.date);
  for (std::size_t i = 0; i < 7; ++i) numbers[i].setValue(newest.bytes[i]);
  spare.setValue(newest.spare());
  spareVisible = false;
}

void DrawEntryDialog::presetEmpty(double today) {
  date.setDate(today);
  for (Spinner& number : numbers) number.setValue(45);
  spare.setValue(10);
  spareVisible = false;
}

DrawRecord DrawEntryDialog::enteredDraw() const {
  DrawRecord record;
  record.date = date.date();
  for (std::size_t i = 0; i < 7; ++i)
    record.bytes[i] = static_cast<std::uint8_t>(numbers[i].value());
  record.bytes[7] = static_cast<std::uint8_t>(spare.value());
  std::sort(record.bytes.begin(), record.bytes.begin() + 6);
  return record;
}

std::optional<std::string> DrawEntryDialog::problem() const {
  const DrawRecord entered = enteredDraw();
  if (const auto problem = drawProblem(drawNumbersOf(entered))) {
    return "Die Ziehung kann nicht gespeichert werden: " + *problem + ".";
  }
  if (roundToDay(entered.date) > roundToDay(latestDate)) {
    return "Die Ziehung kann nicht gespeichert werden: der " + formatShortDate(entered.date) +
           " liegt nach dem heutigen Tag.";
  }
  return std::nullopt;
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

void enterDraw(const std::string& drawFile, double& workingDate, DateField& chosenDate,
               UserInteraction& ui, Clock& clock) {
  const std::vector<DrawRecord> records = readDrawFile(drawFile);

  DrawEntryDialog dialog;
  if (records.empty()) {
    dialog.presetEmpty(clock.today());
  } else {
    // The dialog shows the newest draw's date, so it must be one.
    requireShowableDate(records.back(), records.size() - 1);
    workingDate = records.back().date;
    dialog.presetFrom(records.back());
  }

  dialog.latestDate = clock.today();
  if (ui.showModal(dialog) == ModalResult::Ok && mayStore(dialog, records, ui)) {
    const DrawRecord entered = dialog.enteredDraw();
    if (records.empty() || entered.date > roundToDay(workingDate)) {
      // The newest draw goes to the end; the file keeps its order.
      appendDrawRecord(drawFile, entered);
      workingDate = entered.date;
    } else {
      const std::vector<DrawRecord> rewritten = withDrawEntered(records, entered);
      writeDrawFile(drawFile, drawFile + "~", rewritten);
      workingDate = rewritten.back().date;
    }
    chosenDate.setDate(workingDate);
  } else if (!records.empty()) {
    chosenDate.setDate(workingDate);
  }
}

void removeDrawsOf(const std::string& drawFile, const std::string& tempFile, double date,
                   UserInteraction& ui) {
  const std::vector<DrawRecord> records = readDrawFile(drawFile);
  if (!ui.askYesNo("Ziehung löschen", "Ziehung vom " + formatDrawDate(date) + " löschen?")) return;
  BusyCursor busy(ui);
  writeDrawFile(drawFile, tempFile, withoutDrawsOf(records, date));
}

}  // namespace lotto
