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

MainWindow::MainWindow(Services services, std::string programFile)
    : numberDialog(random, services.ui, services.clock, files.dataFolder),
      scriptChooser(services.ui, services.http, files.dataFolder, internetOptions.server),
      services_(services),
      programFile_(std::move(programFile)) {
  buttons.stopButton.visible = false;  // the stop button shows only while a download runs
  internetOptions.operatorLink.caption = kOperatorAddress;
}

MainWindow::BackToShownDraw::~BackToShownDraw() {
  window_.scoring.scoredDraw = drawNumbersOf(window_.drawOnShow.shownRecord);
  window_.drawOnShow.shownDate = window_.drawOnShow.shownRecord.date;
}

// ---- life cycle

void MainWindow::onFirstShow() {
  files.soundName = "yippee.wav";
  state.runBudget = 100000;
  state.completeCheckEnabled = false;
  frame.scaledHeight = frame.height;
  state.generatorRunning = false;

  // The settings: the stored tips go through the cleaning rule while no check runs.
  SettingsStore& settings = services_.settings;
  try {
    settings.openKey(kSettingsKey);
  } catch (const AppError&) {
    // Without a readable key every value keeps its default.
  }
  readFirstSettingsGroup(*this, settings);
  state.completeCheckEnabled = true;
  readSecondSettingsGroup(*this, settings);
  state.runBudget = options.runBudgetThousands.value() * 1000;
  if (internetOptions.proxyHost.text.empty()) internetOptions.proxyPort.text = "80";
  try {
    settings.closeKey();
  } catch (const AppError&) {
  }

  files.drawFileName = kDrawFileName;
  const ProgramFolders folders = programFoldersFor(programFile_, kHelpPageName);
  files.dataFolder = folders.data;
  files.programFolder = folders.program;
  try {
    prepareDataFolder(folders, files.drawFileName);
  } catch (const AppError& failure) {
    services_.ui.showError("Der Datenordner " + files.dataFolder +
                           " konnte nicht eingerichtet werden: " + failure.what());
  }
  random.seedFromCounter(services_.clock.highResolutionCounter());
  // A link label shows its address and opens it; a local page is a path.
  internetOptions.updateLink.caption = helpPagePath();
  state.workingDate = chartTab.statisticsStart.date();
  drawOnShow.chosenDate.setDate(services_.clock.today());
  checkTipsAgainstChosenDraw();
  showNumberFrequency();
  // The number selection dialog numberDialog exists with the window, so that it is there also
  // when a missing draw file has ended this sequence early.
  updateDraws();
}

void MainWindow::onResize(int newWidth, int newHeight) {
  frame.width = newWidth;
  if (newHeight == frame.scaledHeight || frame.scaledHeight <= 0 || newHeight <= 0) {
    frame.height = newHeight;
    return;
  }
  frame.tabScale = frame.tabScale * newHeight / frame.scaledHeight;
  frame.height = newHeight;
  frame.scaledHeight = newHeight;
}

void MainWindow::onClose() {
  writeSettings(*this, services_.settings);
}

// ---- tip grid and links

void MainWindow::typeIntoTipField(int tip, int index, const std::string& text) {
  setTipField(tip, index, text);
  std::string& status = statusBar.panels[1];
  if (!text.empty() && tips.text(tip, index).empty()) {
    // A pasted text is named by its beginning only.
    std::size_t cut = std::min<std::size_t>(text.size(), 12);
    while (cut < text.size() && cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
      --cut;  // never inside a UTF-8 character
    }
    const std::string named = cut < text.size() ? text.substr(0, cut) + "…" : text;
    status = "„" + named + "“ ist keine Zahl von 1 bis 45: Tipp " + std::to_string(tip) +
             ", Zahl " + std::to_string(index) + " bleibt leer.";
    typingNote_ = status;
  } else if (!typingNote_.empty() && status == typingNote_) {
    status.clear();
    typingNote_.clear();
  }
}

void MainWindow::leaveTipField() {
  if (state.completeCheckEnabled) checkAllTips();
}

void MainWindow::openLink(const Label& link) {
  services_.shell.openDocument(link.caption);
}

void MainWindow::openProductPage() {
  services_.shell.openDocument(internetOptions.updateLink.caption);
}

// ---- evaluation

void MainWindow::checkTipsAgainstChosenDraw() {
  checkTipsForChosenDate({.drawFile = files.drawFilePath(),
                          .show = drawOnShow,
                          .workingDate = state.workingDate,
                          .scoredDraw = scoring.scoredDraw,
                          .statisticsStart = chartTab.statisticsStart,
                          .ui = services_.ui,
                          .completeCheck = [this] { checkAllTips(); }});
}

int MainWindow::checkAllTips() {
  if (!state.completeCheckEnabled) return 0;
  return runCompleteCheck(tips, scoring, services_.sound, files.programFolder + files.soundName);
}

// ---- tip generation

GeneratorParts MainWindow::generatorParts() {
  return {.drawFile = files.drawFilePath(),
          .options = options,
          .tips = tips,
          .scoring = scoring,
          .show = drawOnShow,
          .chartTab = chartTab,
          .workingDate = state.workingDate,
          .completeCheckEnabled = state.completeCheckEnabled,
          .generatorRunning = state.generatorRunning,
          .runBudget = state.runBudget,
          .status = statusBar.panels[1],
          .progress = statusBar.progress,
          .activePage = frame.activePage,
          .random = random,
          .dialog = numberDialog,
          .ui = services_.ui,
          .commands = {.checkTipsAgainstChosenDraw = [this] { checkTipsAgainstChosenDraw(); },
                       .showEarlierDraw = [this] { showEarlierDraw(); },
                       .showLaterDraw = [this] { showLaterDraw(); },
                       .clearUnmarkedTips = [this] { clearUnmarkedTips(); },
                       .checkAllTips = [this] { return checkAllTips(); },
                       .showOverdueNumbers = [this] { showOverdueNumbers(); },
                       .showPairs = [this] { showPairs(); },
                       .showTriples = [this] { showTriples(); },
                       .showQuadruples = [this] { showQuadruples(); },
                       .showNumberFrequency = [this] { showNumberFrequency(); }}};
}

void MainWindow::generateTips() {
  const BackToShownDraw back(*this);
  runGenerator(generatorParts(), lastRun);
}

void MainWindow::setLuckyNumber() {
  enterLuckyNumber({.random = random,
                    .status = statusBar.panels[1],
                    .ui = services_.ui,
                    .clock = services_.clock,
                    .runGenerator = [this] { generateTips(); }});
}

void MainWindow::editTip(int tip) {
  numberDialog.caption = std::to_string(tip) + ". Tipp";
  numberDialog.editTip(tips, tip);
}

// ---- tip files and printing

TipFileParts MainWindow::tipFileParts() {
  return {.tips = tips,
          .chosenDate = drawOnShow.chosenDate,
          .home = files.dataFolder,
          .ui = services_.ui,
          .clock = services_.clock};
}

void MainWindow::saveTips() {
  saveTipsWithDialog(tipFileParts());
}

void MainWindow::loadTips() {
  loadTipsWithDialog(tipFileParts(), [this] { clearUnmarkedTips(); });
  checkTipsAgainstChosenDraw();
}

void MainWindow::saveTipsForNextDraw() {
  saveTipsAutomatically(tipFileParts());
}

void MainWindow::printTipSheet() {
  showTipSheet(tips, drawOnShow.shownDate, files.dataFolder, services_.shell);
}

void MainWindow::printOnSlip() {
  printSlip({.tips = tips,
             .settings = slipSettings,
             .printing = slipPrinting,
             .picturePath = files.programFolder + kSlipPictureName,
             .ui = services_.ui,
             .clock = services_.clock,
             .report = services_.report});
}

void MainWindow::searchHistoryForTips() {
  searchTipsInHistory({.drawFile = files.drawFilePath(),
                       .tips = tips,
                       .show = drawOnShow,
                       .scoring = scoring,
                       .chartTab = chartTab,
                       .workingDate = state.workingDate,
                       .ui = services_.ui,
                       .completeCheck = [this] { checkAllTips(); }});
}

// ---- online play

void MainWindow::sendToBasket() {
  handOverToBasket({.tips = tips,
                    .tipCount = options.tipCount.value(),
                    .server = internetOptions.server,
                    .proxyHost = internetOptions.proxyHost,
                    .proxyPort = internetOptions.proxyPort,
                    .home = files.dataFolder,
                    .status = statusBar.panels[1],
                    .http = services_.http,
                    .shell = services_.shell});
}

void MainWindow::startClickScript() {
  runClickScript({.saveTips = [this] { return saveTipsAutomatically(tipFileParts()); },
                  .tips = tips,
                  .slip = slipSettings,
                  .chooser = scriptChooser,
                  .home = files.dataFolder,
                  .programFolder = files.programFolder,
                  .settings = services_.settings,
                  .ui = services_.ui,
                  .shell = services_.shell,
                  .clock = services_.clock});
}

// ---- draw history

DownloadParts MainWindow::downloadParts() {
  return {.drawFile = files.drawFilePath(),
          .server = internetOptions.server,
          .proxyHost = internetOptions.proxyHost,
          .proxyPort = internetOptions.proxyPort,
          .show = drawOnShow,
          .workingDate = state.workingDate,
          .updateButton = buttons.updateButton,
          .downloadButton = buttons.downloadButton,
          .stopButton = buttons.stopButton,
          .status = statusBar.panels[0],
          .progress = statusBar.progress,
          .run = download,
          .ui = services_.ui,
          .http = services_.http,
          .clock = services_.clock};
}

void MainWindow::updateDraws() {
  BusyCursor busy(services_.ui);
  downloadDraws(downloadParts());
  // The date asked for lies after the newest stored draw: the check shows the newest.
  checkTipsAgainstChosenDraw();
  scoring.hits = static_cast<std::uint8_t>(checkAllTips());
}

void MainWindow::typeInDraw() {
  enterDraw(files.drawFilePath(), state.workingDate, drawOnShow.chosenDate, services_.ui,
            services_.clock);
  checkTipsAgainstChosenDraw();
}

void MainWindow::removeShownDraw() {
  removeDrawsOf(files.drawFilePath(), files.dataFolder + "Zahlen.da~", drawOnShow.shownDate,
                services_.ui);
  checkTipsAgainstChosenDraw();
}

// ---- navigation

void MainWindow::showEarlierDraw() {
  showDrawBefore(files.drawFilePath(), dayFilter, drawOnShow, scoring.scoredDraw,
                 [this] { checkAllTips(); });
}

void MainWindow::showLaterDraw() {
  showDrawAfter(files.drawFilePath(), dayFilter, drawOnShow, scoring.scoredDraw,
                [this] { checkAllTips(); });
}

// ---- statistics

StatisticParts MainWindow::statisticParts() {
  return {.drawFile = files.drawFilePath(),
          .days = dayFilter,
          .chartTab = chartTab,
          .workingDate = state.workingDate,
          .ui = services_.ui};
}

void MainWindow::showNumberFrequency() {
  numberFrequency(statisticParts());
}

void MainWindow::showQuersummeDistribution() {
  quersummeDistribution(statisticParts());
}

void MainWindow::groupSearch(int groupSize) {
  neighbourGroupSearch(statisticParts(), groupSize, scoring);
  frame.activePage = MainPage::Chart;
}

void MainWindow::showPairs() {
  const BackToShownDraw back(*this);
  groupSearch(2);
}
void MainWindow::showTriples() {
  const BackToShownDraw back(*this);
  groupSearch(3);
}
void MainWindow::showQuadruples() {
  const BackToShownDraw back(*this);
  groupSearch(4);
}

void MainWindow::showOverdueNumbers() {
  overdueNumbers(statisticParts());
  frame.activePage = MainPage::Chart;
}

void MainWindow::showTipDistribution() {
  tipDistribution(tips, chartTab.chart, services_.ui);
  frame.activePage = MainPage::Chart;
}

}  // namespace lotto
