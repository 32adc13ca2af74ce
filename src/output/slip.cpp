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

TForm5::TForm5() {
  CheckBox1Click();
}

void TForm5::setChecked(TCheckBox& box, bool checked) {
  if (box.Checked == checked) return;
  box.Checked = checked;
  if (&box != &CheckBox5) CheckBox1Click();
}

int TForm5::jokers() const {
  return (CheckBox3.Checked ? 1 : 0) + (CheckBox4.Checked ? 1 : 0) + (CheckBox6.Checked ? 1 : 0);
}

void TForm5::CheckBox1Click() {
  Label4.Caption = slipCost(Tipp, CheckBox1.Checked, CheckBox2.Checked, jokers());
}

ReportPage slipPage(const TipGrid& tips, int TippTop, int TippLeft, const TForm5& settings,
                    const SlipPrinting& size, const std::string& picturePath) {
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
      page.texts.push_back(
          cross("Tipp " + std::to_string(tip) + ": " + text,
                TippLeft + kBoxColumnStep * (box / 2) + kNumberPitch * ((n - 1) % 6),
                TippTop + kBoxRowStep * (box % 2) + kNumberPitch * ((n - 1) / 6)));
    }
  }

  const bool sunday = settings.CheckBox1.Checked;
  const bool wednesday = settings.CheckBox2.Checked;
  if (sunday != wednesday) page.texts.push_back(cross("Samstag", TippLeft + 103, TippTop + 272));
  if (sunday && wednesday) page.texts.push_back(cross("Mittwoch", TippLeft + 118, TippTop + 272));
  if (settings.CheckBox6.Checked)
    page.texts.push_back(cross("QRLabel37", TippLeft + 305, TippTop + 300));
  if (settings.CheckBox4.Checked)
    page.texts.push_back(cross("Super6", TippLeft + 320, TippTop + 300));
  if (settings.CheckBox3.Checked)
    page.texts.push_back(cross("Spiel77Ja", TippLeft + 335, TippTop + 300));
  if (settings.jokers() == 0)
    page.texts.push_back(cross("Spiel77Nein", TippLeft + 350, TippTop + 300));

  if (settings.CheckBox5.Checked && !picturePath.empty()) {
    page.picture = ReportPicture{picturePath, 0, 4, 793, 481};
  }
  return page;
}

void printSlip(const SlipParts& parts) {
  TForm5& dialog = parts.settings;
  dialog.UpDown1.setPosition(parts.TippTop);
  dialog.UpDown2.setPosition(parts.TippLeft);
  // The next draw: from Thursday to Saturday the Sunday, from Sunday to Wednesday the
  // Wednesday.
  const int weekday = dayOfWeek(parts.clock.today());
  const bool toSunday = weekday >= 5;
  dialog.setChecked(dialog.CheckBox1, toSunday);
  dialog.setChecked(dialog.CheckBox2, !toSunday);
  dialog.Tipp = 0;
  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    if (!parts.tips.text(tip, 1).empty()) ++dialog.Tipp;
  }
  dialog.CheckBox1Click();
  dialog.ComboBox1ItemIndex = parts.Pageformat;
  if (parts.ui.showModal(dialog) != ModalResult::Ok) return;

  parts.Pageformat = dialog.ComboBox1ItemIndex;
  if (parts.Pageformat >= 0 && parts.Pageformat < static_cast<int>(kPaperFormats.size())) {
    const PaperFormat& paper = kPaperFormats[static_cast<std::size_t>(parts.Pageformat)];
    parts.size.landscape = paper.landscape;
    parts.size.sheetWidthMm = paper.landscape ? paper.heightMm : paper.widthMm;
    parts.size.sheetHeightMm = paper.landscape ? paper.widthMm : paper.heightMm;
  }
  parts.TippTop = dialog.UpDown1.Position();
  parts.TippLeft = dialog.UpDown2.Position();
  const std::string picture =
      dialog.CheckBox5.Checked && fileExists(parts.picturePath) ? parts.picturePath : "";
  parts.report.preview(
      slipPage(parts.tips, parts.TippTop, parts.TippLeft, dialog, parts.size, picture));
}

}  // namespace lotto
