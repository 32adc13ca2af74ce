#include "generator/number_dialog.h"

#include "generator/weight_list.h"
#include "platform/convert.h"
#include "platform/dates.h"
#include "platform/file_io.h"

namespace lotto {

NumberDialog::NumberDialog(RandomGenerator& random, UserInteraction& ui, Clock& clock,
                           const std::string& folder)
    : random_(random), ui_(ui), clock_(clock), folder_(folder) {
  randomPickButton.visible = false;
  randomPickButton.caption = "&Zufall";
  computeButton.caption = "&Rechnen";
}

void NumberDialog::setChecked(int n, bool checked) {
  if (box(n).checked == checked) return;
  boxOf(n).checked = checked;
  clickHandling(n);
}

void NumberDialog::clickHandling(int n) {
  NumberBox& b = boxOf(n);
  const int step = stepDown ? -1 : 1;
  bool converted = true;
  if (b.checked) {
    if (const auto weight = tryToInteger(b.weight)) {
      b.weight = std::to_string(static_cast<std::int64_t>(*weight) + step);
    } else {
      converted = false;
    }
  }
  if (converted) {
    if (const auto weight = tryToInteger(b.weight)) {
      if (*weight < 0) b.weight = "0";
    } else {
      converted = false;
    }
  }
  if (!converted) b.weight = "0";
  if (b.weight == "0") setChecked(n, false);
  showHints = true;
  statusText = statusOf(n);
}

std::string NumberDialog::statusOf(int n) const {
  return "Die Zahl " + std::to_string(n) + " geht mit der Gewichtung " + box(n).weight +
         " in die Berechnung ein";
}

void NumberDialog::releaseOverBox(int n, bool rightButton) {
  if (!rightButton) {
    stepDown = false;
    return;
  }
  stepDown = true;
  clickHandling(n);
}

void NumberDialog::resetColours() {
  for (NumberBox& b : boxes_) b.background = Colour::InfoBackground;
}

void NumberDialog::uncheckAllAndResetColours() {
  for (int n = 1; n <= kNumbers; ++n) setChecked(n, false);
  resetColours();
}

FileDialogSpec NumberDialog::weightListDialog() const {
  return {kWeightListFilter, kWeightListExtension, compactDate(clock_.today()) + ".blw", folder_};
}

void NumberDialog::saveWeightList() {
  const auto chosen = ui_.saveFile(weightListDialog());
  if (!chosen) return;
  std::array<std::string, 45> lines;
  for (int n = 1; n <= kNumbers; ++n) {
    NumberBox& b = boxOf(n);
    if (!b.checked) continue;
    if (b.weight.empty()) b.weight = "1";
    lines[static_cast<std::size_t>(n - 1)] = b.weight;
  }
  replaceFileAtomically(chosen->path, chosen->path + "~", formatWeightList(lines));
}

void NumberDialog::loadWeightList() {
  const auto chosen = ui_.openFile(weightListDialog());
  if (!chosen) return;
  // Refused input changes no box.
  const std::array<std::string, 45> lines = parseWeightList(readWholeFile(chosen->path));
  for (int n = 1; n <= kNumbers; ++n) {
    const std::string& line = lines[static_cast<std::size_t>(n - 1)];
    if (!line.empty()) {
      setChecked(n, true);
      setWeight(n, line);
    } else {
      setChecked(n, false);
      setWeight(n, "1");
    }
  }
}

void NumberDialog::randomPick() {
  if (timerRunning && pickFrom >= numbersToPick) {
    timerRunning = false;
    randomPickButton.caption = "Zufall";
    pickFrom = 1;
  } else if (timerRunning) {
    ++pickFrom;
  } else {
    timerRunning = true;
    uncheckAllAndResetColours();
    pickedNumbers.fill(0);
    pickFrom = 1;
  }
}

void NumberDialog::timerTick() {
  randomPickButton.caption = std::to_string(pickFrom) + " Stopp";
  uncheckAllAndResetColours();
  for (std::int32_t i = 1; i <= pickFrom - 1; ++i) {
    const std::int32_t n = pickedNumbers[static_cast<std::size_t>(i)];
    if (n < 1 || n > kNumbers) continue;
    setChecked(n, true);
    boxOf(n).background = Colour::Yellow;
  }
  for (std::int32_t i = pickFrom; i <= numbersToPick;) {
    const std::int32_t a = random_.next(45) + 1;
    pickedNumbers[static_cast<std::size_t>(i)] = a;
    if (box(a).checked) continue;  // drawn again for the same place
    setChecked(a, true);
    boxOf(a).background = Colour::Yellow;
    ++i;
  }
}

void NumberDialog::onClose() {
  timerRunning = false;
  randomPickButton.caption = "Zufall";
  pickFrom = 1;
}

void NumberDialog::editTip(TipGrid& tips, int tip) {
  computeButton.visible = false;
  randomPickButton.visible = true;
  numbersToPick = 6;
  uncheckAllAndResetColours();
  for (int index = 1; index <= TipGrid::kNumbers; ++index) {
    const auto n = tryToInteger(tips.text(tip, index));
    if (!n || *n < 1 || *n > kNumbers) break;  // a text that names no box
    setChecked(*n, true);
    boxOf(*n).background = Colour::Yellow;
  }
  // The buttons come back however the dialog ends.
  struct Restore {
    NumberDialog& form;
    ~Restore() {
      form.computeButton.visible = true;
      form.randomPickButton.visible = false;
      form.resetColours();
    }
  } restore{*this};
  if (ui_.showModal(*this) != ModalResult::Ok) return;
  int index = 1;
  for (int n = 1; n <= kNumbers && index <= TipGrid::kNumbers; ++n) {
    if (box(n).checked) tips.setText(tip, index++, std::to_string(n));
  }
}

}  // namespace lotto
