#include "app/main_window.h"

#include "app/settings.h"
#include "draws/draw_display.h"
#include "draws/draw_file.h"
#include "evaluation/complete_check.h"
#include "evaluation/draw_choice.h"
#include "platform/dates.h"
#include "platform/file_io.h"

namespace lotto {
namespace {

std::string folderOf(const std::string& file) {
  const std::size_t slash = file.find_last_of('/');
  return slash == std::string::npos ? std::string() : file.substr(0, slash + 1);
}

}  // namespace

TForm1::TForm1(Services services, std::string programFile)
    : DateTimePicker1(dayNumber(1955, 10, 9), dayNumber(1986, 1, 1)),
      DateTimePicker2(dayNumber(1986, 9, 7), dayNumber(1986, 9, 7)),
      services_(services),
      programFile_(std::move(programFile)) {
  // Commands whose handling is not built yet stay visible but disabled.
  for (TButton* button : {&SpeedButton10, &SpeedButton15, &SpeedButton16, &SpeedButton4,
                          &SpeedButton3, &SpeedButton12, &SpeedButton14, &BitBtn4, &SpeedButton13,
                          &Warenkorb, &BitBtn1, &Ziehungsdatenladen1, &Onlioneabgeben1}) {
    button->Enabled = false;
  }
  for (TButton& button : TippEditButtons) button.Enabled = false;
  SpeedButton8.Visible = false;  // the stop button shows only while a download runs
  OperatorLink.Caption = kOperatorAddress;
}

std::vector<std::pair<std::string, TButton*>> TForm1::commandControls() {
  std::vector<std::pair<std::string, TButton*>> controls = {
      {"SpeedButton10", &SpeedButton10},
      {"SpeedButton6", &SpeedButton6},
      {"SpeedButton7", &SpeedButton7},
      {"SpeedButton11", &SpeedButton11},
      {"SpeedButton15", &SpeedButton15},
      {"SpeedButton16", &SpeedButton16},
      {"SpeedButton4", &SpeedButton4},
      {"SpeedButton1", &SpeedButton1},
      {"SpeedButton3", &SpeedButton3},
      {"SpeedButton12", &SpeedButton12},
      {"SpeedButton14", &SpeedButton14},
      {"BitBtn4", &BitBtn4},
      {"SpeedButton13", &SpeedButton13},
      {"Warenkorb", &Warenkorb},
      {"SpeedButton5", &SpeedButton5},
      {"BitBtn1", &BitBtn1},
      {"SpeedButton8", &SpeedButton8},
      {"BitBtn6", &BitBtn6},
      {"BitBtn8", &BitBtn8},
      {"Button2", &Button2},
      {"Button3", &Button3},
      {"Button4", &Button4},
      {"Button5", &Button5},
      {"Ziehungsdatenladen1", &Ziehungsdatenladen1},
      {"Onlioneabgeben1", &Onlioneabgeben1},
      {"Benden1", &Benden1},
      {"SpeedButton2", &SpeedButton2},
      {"SpeedButton9", &SpeedButton9},
      {"SpeedButton19", &SpeedButton19},
      {"SpeedButton17", &SpeedButton17},
      {"SpeedButton18", &SpeedButton18},
      {"SpeedButton20", &SpeedButton20},
  };
  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    controls.emplace_back("Tipp" + std::to_string(tip) + "Edit",
                          &TippEditButtons[static_cast<std::size_t>(tip - 1)]);
  }
  return controls;
}

void TForm1::FormShow() {
  SoundName = "yippee.wav";
  LaufMax = 100000;
  sortieren = false;
  Groesse = Height;
  Berechnunglaeuft = false;

  // The settings: the stored tips go through the cleaning rule while no check runs.
  SettingsStore& settings = services_.settings;
  try {
    settings.openKey(kSettingsKey);
  } catch (const std::exception&) {
    // Without a readable key every value keeps its default.
  }
  readFirstSettingsGroup(*this, settings);
  sortieren = true;
  readSecondSettingsGroup(*this, settings);
  LaufMax = UpDown7.Position() * 1000;
  if (ProxyHostEdit.Text.empty()) ProxyPortEdit.Text = "80";
  try {
    settings.closeKey();
  } catch (const std::exception&) {
  }

  ZahlenFile = kDrawFileName;
  Home = folderOf(programFile_);
  if (Home.empty() || Home.back() != '/') Home += '/';
  UpdateLink.Caption = "file://" + helpPagePath();
  aktDatum = DateTimePicker2.Date();
  DateTimePicker1.setDate(services_.clock.today());
  SpeedButton5Click();
  SpeedButton2Click();
}

void TForm1::FormResize(int newWidth, int newHeight) {
  Width = newWidth;
  if (newHeight == Groesse || Groesse <= 0 || newHeight <= 0) {
    Height = newHeight;
    return;
  }
  TabScale = TabScale * newHeight / Groesse;
  Height = newHeight;
  Groesse = newHeight;
}

void TForm1::FormClose() {
  writeSettings(*this, services_.settings);
}

void TForm1::TipFieldExit() {
  if (sortieren) Komplettcheck();
}

void TForm1::LinkLabelClick(const TLabel& link) {
  services_.shell.openDocument(link.Caption);
}

void TForm1::ProductPageClick() {
  services_.shell.openDocument(UpdateLink.Caption);
}

void TForm1::showRecord(double date, const DrawNumbers& numbers, int blanksAfterDate) {
  Datum1 = date;
  Zahl = numbers;
  Label29.Caption = drawText(date, numbers, blanksAfterDate);
  Label13.Caption = quersummeText(numbers);
}

void TForm1::SpeedButton5Click() {
  const std::string path = drawFilePath();
  if (!fileExists(path)) {
    services_.ui.showMessage("Lesen Sie zuerst du Daten der Ziehungen ein");
    return;
  }
  const std::vector<DrawRecord> records = readDrawFile(path);
  aktDatum = roundToDay(DateTimePicker1.Date());
  const DrawChoice choice = chooseDrawByDate(records, aktDatum);
  if (choice.shown) {
    const DrawRecord& record = records[*choice.shown];
    showRecord(record.date, drawNumbersOf(record), choice.blanksAfterDate);
  }
  Position = choice.position;
  DateTimePicker1.setDate(Datum1);
  if (DateTimePicker2.Date() > Datum1) DateTimePicker2.setDate(DateTimePicker2.MinDate);
  Label35.Caption = Label29.Caption;
  Komplettcheck();
}

int TForm1::Komplettcheck() {
  if (!sortieren) return 0;
  return runCompleteCheck(Tips, *this, services_.sound, Home + SoundName);
}

}  // namespace lotto
