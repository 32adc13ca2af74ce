#include "output/slip.h"

#include "platform/dates.h"
#include "platform/german.h"

namespace lotto {
namespace {

constexpr int kBoxColumnStep = 87;
constexpr int kBoxRowStep = 120;
constexpr int kNumberPitch = 15;

ReportText cross(std::string name, double x, double y) {
  ReportText text;
  text.name = std::move(name);
  text.x = x;
  text.y = y;
  text.text = "x";
  return text;
}

}  // namespace

std::string slipCost(int tips, bool sunday, bool wednesday, int jokers) {
  long long cents = 120LL * tips + 150LL * jokers;
  if (sunday && wednesday) cents *= 2;
  if (!sunday && !wednesday) cents = 0;
  return formatMoney(cents);
}

SlipSettingsDialog::SlipSettingsDialog() {
  updateCost();
}

void SlipSettingsDialog::setChecked(CheckBox& box, bool checked) {
  if (box.checked == checked) return;
  box.checked = checked;
  if (&box != &showPicture) updateCost();
}

int SlipSettingsDialog::jokers() const {
  return (joker1.checked ? 1 : 0) + (joker2.checked ? 1 : 0) + (joker3.checked ? 1 : 0);
}

void SlipSettingsDialog::updateCost() {
  cost.caption = slipCost(tipCount, sunday.checked, wednesday.checked, jokers());
}

ReportPage slipPage(const TipGrid& tips, int slipTop, int slipLeft,
                    const SlipSettingsDialog& settings, const SlipPrinting& size,
                    const std::string& picturePath) {
  ReportPage page;
  page.sheetWidthMm = size.sheetWidthMm;
  page.sheetHeightMm = size.sheetHeightMm;
  page.landscape = size.landscape;

  int nextBox = 1;
  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    int box = 0;
    if (tip > 1) {
      if (tips.text(tip, 1).empty()) continue;  // no box, no crosses
      box = nextBox++;
    }
    for (int index = 1; index <= TipGrid::kNumbers; ++index) {
      const std::string& text = tips.text(tip, index);
      if (text.empty()) continue;
      const int n = std::stoi(text);  // the grid holds 1..45 or nothing
      // Two boxes a column; in a box six numbers a line.
      const int x = slipLeft + kBoxColumnStep * (box / 2) + kNumberPitch * ((n - 1) % 6);
      const int y = slipTop + kBoxRowStep * (box % 2) + kNumberPitch * ((n - 1) / 6);
      page.texts.push_back(cross("Tipp " + std::to_string(tip) + ": " + text, x, y));
    }
  }

  const bool sunday = settings.sunday.checked;
  const bool wednesday = settings.wednesday.checked;
  if (sunday != wednesday) page.texts.push_back(cross("Samstag", slipLeft + 103, slipTop + 272));
  if (sunday && wednesday) page.texts.push_back(cross("Mittwoch", slipLeft + 118, slipTop + 272));
  if (settings.joker3.checked) page.texts.push_back(cross("Joker3", slipLeft + 305, slipTop + 300));
  if (settings.joker2.checked) page.texts.push_back(cross("Super6", slipLeft + 320, slipTop + 300));
  if (settings.joker1.checked)
    page.texts.push_back(cross("Spiel77Ja", slipLeft + 335, slipTop + 300));
  if (settings.jokers() == 0)
    page.texts.push_back(cross("Spiel77Nein", slipLeft + 350, slipTop + 300));

  if (settings.showPicture.checked && !picturePath.empty()) {
    page.picture = ReportPicture{picturePath, 0, 4, 793, 481};
  }
  return page;
}

void printSlip(const SlipParts& parts) {
  parts.tips.requireNoRepeatedNumbers("gedruckt");
  SlipSettingsDialog& dialog = parts.settings;
  dialog.topOffset.setValue(parts.printing.slipTop);
  dialog.leftOffset.setValue(parts.printing.slipLeft);
  // The next draw: from Thursday to Saturday the Sunday, from Sunday to Wednesday the
  // Wednesday.
  const int weekday = dayOfWeek(parts.clock.today());
  const bool toSunday = weekday >= 5;
  dialog.setChecked(dialog.sunday, toSunday);
  dialog.setChecked(dialog.wednesday, !toSunday);
  dialog.tipCount = 0;
  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    if (!parts.tips.text(tip, 1).empty()) ++dialog.tipCount;
  }
  dialog.updateCost();
  dialog.paperFormat = parts.printing.paperFormat;
  if (parts.ui.showModal(dialog) != ModalResult::Ok) return;

  parts.printing.paperFormat = dialog.paperFormat;
  if (parts.printing.paperFormat >= 0 &&
      parts.printing.paperFormat < static_cast<int>(kPaperFormats.size())) {
    const PaperFormat& paper = kPaperFormats[static_cast<std::size_t>(parts.printing.paperFormat)];
    parts.printing.landscape = paper.landscape;
    parts.printing.sheetWidthMm = paper.landscape ? paper.heightMm : paper.widthMm;
    parts.printing.sheetHeightMm = paper.landscape ? paper.widthMm : paper.heightMm;
  }
  parts.printing.slipTop = dialog.topOffset.value();
  parts.printing.slipLeft = dialog.leftOffset.value();
  const std::string picture =
      dialog.showPicture.checked && fileExists(parts.picturePath) ? parts.picturePath : "";
  parts.report.preview(slipPage(parts.tips, parts.printing.slipTop, parts.printing.slipLeft, dialog,
                                parts.printing, picture));
}

}  // namespace lotto
