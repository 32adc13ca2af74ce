#include "generator/number_dialog.h"

#include "generator/weight_list.h"
#include "platform/convert.h"
#include "platform/dates.h"
#include "platform/file_io.h"

namespace lotto {

TForm7::TForm7(RandomGenerator& random, UserInteraction& ui, Clock& clock,
               const std::string& folder)
    : random_(random), ui_(ui), clock_(clock), folder_(folder) {
  BitBtn4.Visible = false;
  BitBtn4.Caption = "&Zufall";
  BitBtn3.Caption = "&Rechnen";
}

void TForm7::setChecked(int n, bool checked) {
  if (box(n).Checked == checked) return;
  boxOf(n).Checked = checked;
  clickHandling(n);
}

void TForm7::clickHandling(int n) {
  TNumberBox& b = boxOf(n);
  const int step = Minus ? -1 : 1;
  bool converted = true;
  if (b.Checked) {
    if (const auto weight = tryStrToInt(b.Weight)) {
      b.Weight = std::to_string(static_cast<std::int64_t>(*weight) + step);
    } else {
      converted = false;
    }
  }
  if (converted) {
    if (const auto weight = tryStrToInt(b.Weight)) {
      if (*weight < 0) b.Weight = "0";
    } else {
      converted = false;
    }
  }
  if (!converted) b.Weight = "0";
  if (b.Weight == "0") setChecked(n, false);
  ShowHint = true;
  StatusText = statusOf(n);
}

std::string TForm7::statusOf(int n) const {
  return "Die Zahl " + std::to_string(n) + " geht mit der Gewichtung " + box(n).Weight +
         " in die Berechnung ein";
}

void TForm7::CheckBoxMouseUp(int n, bool rightButton) {
  if (!rightButton) {
    Minus = false;
    return;
  }
  Minus = true;
  clickHandling(n);
}

void TForm7::resetColours() {
  for (TNumberBox& b : boxes_) b.Color = Colour::InfoBackground;
}

void TForm7::uncheckAllAndResetColours() {
  for (int n = 1; n <= kNumbers; ++n) setChecked(n, false);
  resetColours();
}

FileDialogSpec TForm7::weightListDialog() const {
  return {kWeightListFilter, kWeightListExtension, compactDate(clock_.today()) + ".blw", folder_};
}

void TForm7::SpeedButton1Click() {
  const auto chosen = ui_.saveFile(weightListDialog());
  if (!chosen) return;
  std::array<std::string, 45> lines;
  for (int n = 1; n <= kNumbers; ++n) {
    TNumberBox& b = boxOf(n);
    if (!b.Checked) continue;
    if (b.Weight.empty()) b.Weight = "1";
    lines[static_cast<std::size_t>(n - 1)] = b.Weight;
  }
  replaceFileAtomically(chosen->path, chosen->path + "~", formatWeightList(lines));
}

void TForm7::SpeedButton2Click() {
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

void TForm7::BitBtn4Click() {
  if (Timer1Enabled && Losgeht >= MaxTipp) {
    Timer1Enabled = false;
    BitBtn4.Caption = "Zufall";
    Losgeht = 1;
  } else if (Timer1Enabled) {
    ++Losgeht;
  } else {
    Timer1Enabled = true;
    uncheckAllAndResetColours();
    Tippreihe.fill(0);
    Losgeht = 1;
  }
}

void TForm7::Timer1Timer() {
  BitBtn4.Caption = std::to_string(Losgeht) + " Stopp";
  uncheckAllAndResetColours();
  for (std::int32_t i = 1; i <= Losgeht - 1; ++i) {
    const std::int32_t n = Tippreihe[static_cast<std::size_t>(i)];
    if (n < 1 || n > kNumbers) continue;
    setChecked(n, true);
    boxOf(n).Color = Colour::Yellow;
  }
  for (std::int32_t i = Losgeht; i <= MaxTipp;) {
    const std::int32_t a = random_.Random(45) + 1;
    Tippreihe[static_cast<std::size_t>(i)] = a;
    if (box(a).Checked) continue;  // drawn again for the same place
    setChecked(a, true);
    boxOf(a).Color = Colour::Yellow;
    ++i;
  }
}

void TForm7::FormClose() {
  Timer1Enabled = false;
  BitBtn4.Caption = "Zufall";
  Losgeht = 1;
}

void TForm7::TippEdit(TipGrid& tips, int Anfang, int ende) {
  BitBtn3.Visible = false;
  BitBtn4.Visible = true;
  MaxTipp = 6;
  uncheckAllAndResetColours();
  for (int j = Anfang; j <= ende; ++j) {
    const auto cell = TipGrid::cellOfField(j);
    const auto n = cell ? tryStrToInt(tips.text(cell->tip, cell->index)) : std::nullopt;
    if (!n || *n < 1 || *n > kNumbers) break;  // a text that names no box
    setChecked(*n, true);
    boxOf(*n).Color = Colour::Yellow;
  }
  // The buttons come back however the dialog ends.
  struct Restore {
    TForm7& form;
    ~Restore() {
      form.BitBtn3.Visible = true;
      form.BitBtn4.Visible = false;
      form.resetColours();
    }
  } restore{*this};
  if (ui_.showModal(*this) != ModalResult::Ok) return;
  int j = Anfang;
  for (int n = 1; n <= kNumbers; ++n) {
    if (!box(n).Checked || j > ende) continue;
    if (const auto cell = TipGrid::cellOfField(j)) {
      tips.setText(cell->tip, cell->index, std::to_string(n));
    }
    ++j;
  }
}

}  // namespace lotto
