#include "app/main_window.h"

#include "app/settings.h"
#include "draws/draw_entry.h"
#include "draws/draw_file.h"
#include "draws/navigation.h"
#include "evaluation/complete_check.h"
#include "evaluation/history_search.h"
#include "generator/lucky_number.h"
#include "online/basket.h"
#include "output/tip_sheet.h"
#include "platform/errors.h"
#include "platform/program_folders.h"

namespace lotto {

TForm1::TForm1(Services services, std::string programFile)
    : Form7(Zufallsgenerator, services.ui, services.clock, Home),
      BKSForm(services.ui, services.http, Home, ServerEdit),
      services_(services),
      programFile_(std::move(programFile)) {
  SpeedButton8.Visible = false;  // the stop button shows only while a download runs
  OperatorLink.Caption = kOperatorAddress;
}

// ---- life cycle

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
  } catch (const AppError&) {
    // Without a readable key every value keeps its default.
  }
  readFirstSettingsGroup(*this, settings);
  sortieren = true;
  readSecondSettingsGroup(*this, settings);
  LaufMax = UpDown7.Position() * 1000;
  if (ProxyHostEdit.Text.empty()) ProxyPortEdit.Text = "80";
  try {
    settings.closeKey();
  } catch (const AppError&) {
  }

  ZahlenFile = kDrawFileName;
  const ProgramFolders folders = programFoldersFor(programFile_, kHelpPageName);
  Home = folders.data;
  ProgramFolder = folders.program;
  try {
    prepareDataFolder(folders, ZahlenFile);
  } catch (const AppError& failure) {
    services_.ui.showError("Der Datenordner " + Home +
                           " konnte nicht eingerichtet werden: " + failure.what());
  }
  Zufallsgenerator.Randomize(services_.clock.highResolutionCounter());
  // A link label shows its address and opens it; a local page is a path.
  UpdateLink.Caption = helpPagePath();
  aktDatum = DateTimePicker2.Date();
  DateTimePicker1.setDate(services_.clock.today());
  SpeedButton5Click();
  SpeedButton2Click();
  // The number selection dialog Form7 exists with the window, so that it is there also
  // when a missing draw file has ended this sequence early.
  BitBtn1Click();
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

// ---- tip grid and links

void TForm1::TipFieldExit() {
  if (sortieren) Komplettcheck();
}

void TForm1::LinkLabelClick(const TLabel& link) {
  services_.shell.openDocument(link.Caption);
}

void TForm1::ProductPageClick() {
  services_.shell.openDocument(UpdateLink.Caption);
}

// ---- evaluation

void TForm1::SpeedButton5Click() {
  checkTipsForChosenDate({.drawFile = drawFilePath(),
                          .show = *this,
                          .aktDatum = aktDatum,
                          .Zahl = Zahl,
                          .statisticsStart = DateTimePicker2,
                          .ui = services_.ui,
                          .completeCheck = [this] { Komplettcheck(); }});
}

int TForm1::Komplettcheck() {
  if (!sortieren) return 0;
  return runCompleteCheck(Tips, *this, services_.sound, ProgramFolder + SoundName);
}

// ---- tip generation

GeneratorParts TForm1::generatorParts() {
  return {.drawFile = drawFilePath(),
          .options = *this,
          .tips = Tips,
          .scoring = *this,
          .show = *this,
          .chart = *this,
          .aktDatum = aktDatum,
          .sortieren = sortieren,
          .Berechnunglaeuft = Berechnunglaeuft,
          .LaufMax = LaufMax,
          .status = StatusBar1.Panels[1],
          .progress = StatusBar1.Progress,
          .activePage = ActivePage,
          .random = Zufallsgenerator,
          .dialog = Form7,
          .ui = services_.ui,
          .commands = {.SpeedButton5Click = [this] { SpeedButton5Click(); },
                       .SpeedButton6Click = [this] { SpeedButton6Click(); },
                       .SpeedButton7Click = [this] { SpeedButton7Click(); },
                       .SpeedButton11Click = [this] { SpeedButton11Click(); },
                       .Komplettcheck = [this] { return Komplettcheck(); },
                       .Button5Click = [this] { Button5Click(); },
                       .Button2Click = [this] { Button2Click(); },
                       .Button3Click = [this] { Button3Click(); },
                       .Button4Click = [this] { Button4Click(); },
                       .SpeedButton2Click = [this] { SpeedButton2Click(); }}};
}

void TForm1::Label28Click() {
  runGenerator(generatorParts(), Generator);
}

void TForm1::SpeedButton13Click() {
  enterLuckyNumber({.random = Zufallsgenerator,
                    .status = StatusBar1.Panels[1],
                    .ui = services_.ui,
                    .clock = services_.clock,
                    .runGenerator = [this] { Label28Click(); }});
}

void TForm1::TippEditClick(int tip) {
  const int first = kTipRowNames[static_cast<std::size_t>(tip - 1)].firstEdit;
  Form7.Caption = std::to_string(tip) + ". Tipp";
  Form7.TippEdit(Tips, first, first + TipGrid::kNumbers - 1);
}

// ---- tip files and printing

TipFileParts TForm1::tipFileParts() {
  return {.tips = Tips,
          .DateTimePicker1 = DateTimePicker1,
          .home = Home,
          .ui = services_.ui,
          .clock = services_.clock};
}

void TForm1::SpeedButton15Click() {
  saveTipsWithDialog(tipFileParts());
}

void TForm1::SpeedButton16Click() {
  loadTipsWithDialog(tipFileParts(), [this] { SpeedButton11Click(); });
  SpeedButton5Click();
}

void TForm1::SpeedButton14Click() {
  saveTipsAutomatically(tipFileParts());
}

void TForm1::BitBtn7Click() {
  showTipSheet(Tips, Datum1, Home, services_.shell);
}

void TForm1::SpeedButton12Click() {
  printSlip({.tips = Tips,
             .TippTop = TippTop,
             .TippLeft = TippLeft,
             .Pageformat = Pageformat,
             .settings = Form5,
             .size = Slip,
             .picturePath = ProgramFolder + kSlipPictureName,
             .ui = services_.ui,
             .clock = services_.clock,
             .report = services_.report});
}

void TForm1::SpeedButton4Click() {
  searchTipsInHistory({.drawFile = drawFilePath(),
                       .tips = Tips,
                       .show = *this,
                       .scoring = *this,
                       .chart = *this,
                       .aktDatum = aktDatum,
                       .ui = services_.ui,
                       .completeCheck = [this] { Komplettcheck(); }});
}

// ---- online play

void TForm1::WarenkorbClick() {
  handOverToBasket({.tips = Tips,
                    .tipCount = UpDown8.Position(),
                    .server = ServerEdit,
                    .proxyHost = ProxyHostEdit,
                    .proxyPort = ProxyPortEdit,
                    .home = Home,
                    .status = StatusBar1.Panels[1],
                    .http = services_.http,
                    .shell = services_.shell});
}

void TForm1::AutoWebScript() {
  runClickScript({.saveTips = [this] { return saveTipsAutomatically(tipFileParts()); },
                  .tips = Tips,
                  .slip = Form5,
                  .chooser = BKSForm,
                  .home = Home,
                  .programFolder = ProgramFolder,
                  .settings = services_.settings,
                  .ui = services_.ui,
                  .shell = services_.shell,
                  .clock = services_.clock});
}

// ---- draw history

DownloadParts TForm1::downloadParts() {
  return {.drawFile = drawFilePath(),
          .server = ServerEdit,
          .proxyHost = ProxyHostEdit,
          .proxyPort = ProxyPortEdit,
          .show = *this,
          .aktDatum = aktDatum,
          .BitBtn1 = BitBtn1,
          .SpeedButton10 = SpeedButton10,
          .SpeedButton8 = SpeedButton8,
          .status = StatusBar1.Panels[0],
          .progress = StatusBar1.Progress,
          .run = Download,
          .ui = services_.ui,
          .http = services_.http,
          .clock = services_.clock};
}

void TForm1::BitBtn1Click() {
  BusyCursor busy(services_.ui);
  downloadDraws(downloadParts());
  // The date asked for lies after the newest stored draw: the check shows the newest.
  SpeedButton5Click();
  Gewinn = static_cast<std::uint8_t>(Komplettcheck());
}

void TForm1::BitBtn8Click() {
  enterDraw(drawFilePath(), aktDatum, DateTimePicker1, services_.ui, services_.clock);
  SpeedButton5Click();
}

void TForm1::BitBtn6Click() {
  removeDrawsOf(drawFilePath(), Home + "Zahlen.da~", Datum1, services_.ui);
  SpeedButton5Click();
}

// ---- navigation

void TForm1::SpeedButton6Click() {
  showEarlierDraw(drawFilePath(), *this, *this, Zahl, [this] { Komplettcheck(); });
}

void TForm1::SpeedButton7Click() {
  showLaterDraw(drawFilePath(), *this, *this, Zahl, [this] { Komplettcheck(); });
}

// ---- statistics

StatisticParts TForm1::statisticParts() {
  return {.drawFile = drawFilePath(),
          .days = *this,
          .chart = *this,
          .aktDatum = aktDatum,
          .ui = services_.ui};
}

void TForm1::SpeedButton2Click() {
  numberFrequency(statisticParts());
}

void TForm1::SpeedButton9Click() {
  quersummeDistribution(statisticParts());
}

void TForm1::groupSearch(int groupSize) {
  neighbourGroupSearch(statisticParts(), groupSize, *this);
  ActivePage = Page::Diagramm;
}

void TForm1::Button2Click() {
  groupSearch(2);
}
void TForm1::Button3Click() {
  groupSearch(3);
}
void TForm1::Button4Click() {
  groupSearch(4);
}

void TForm1::Button5Click() {
  overdueNumbers(statisticParts());
  ActivePage = Page::Diagramm;
}

void TForm1::Button6Click() {
  tipDistribution(Tips, Chart1, services_.ui);
  ActivePage = Page::Diagramm;
}

}  // namespace lotto
