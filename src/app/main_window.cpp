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
    : numberDialog(random, services.ui, services.clock, dataFolder),
      scriptChooser(services.ui, services.http, dataFolder, server),
      services_(services),
      programFile_(std::move(programFile)) {
  stopButton.visible = false;  // the stop button shows only while a download runs
  operatorLink.caption = kOperatorAddress;
}

// ---- life cycle

void MainWindow::onFirstShow() {
  soundName = "yippee.wav";
  runBudget = 100000;
  completeCheckEnabled = false;
  scaledHeight = height;
  generatorRunning = false;

  // The settings: the stored tips go through the cleaning rule while no check runs.
  SettingsStore& settings = services_.settings;
  try {
    settings.openKey(kSettingsKey);
  } catch (const AppError&) {
    // Without a readable key every value keeps its default.
  }
  readFirstSettingsGroup(*this, settings);
  completeCheckEnabled = true;
  readSecondSettingsGroup(*this, settings);
  runBudget = runBudgetThousands.value() * 1000;
  if (proxyHost.text.empty()) proxyPort.text = "80";
  try {
    settings.closeKey();
  } catch (const AppError&) {
  }

  drawFileName = kDrawFileName;
  const ProgramFolders folders = programFoldersFor(programFile_, kHelpPageName);
  dataFolder = folders.data;
  programFolder = folders.program;
  try {
    prepareDataFolder(folders, drawFileName);
  } catch (const AppError& failure) {
    services_.ui.showError("Der Datenordner " + dataFolder +
                           " konnte nicht eingerichtet werden: " + failure.what());
  }
  random.seedFromCounter(services_.clock.highResolutionCounter());
  // A link label shows its address and opens it; a local page is a path.
  updateLink.caption = helpPagePath();
  workingDate = statisticsStart.date();
  chosenDate.setDate(services_.clock.today());
  checkTipsAgainstChosenDraw();
  showNumberFrequency();
  // The number selection dialog numberDialog exists with the window, so that it is there also
  // when a missing draw file has ended this sequence early.
  updateDraws();
}

void MainWindow::onResize(int newWidth, int newHeight) {
  width = newWidth;
  if (newHeight == scaledHeight || scaledHeight <= 0 || newHeight <= 0) {
    height = newHeight;
    return;
  }
  tabScale = tabScale * newHeight / scaledHeight;
  height = newHeight;
  scaledHeight = newHeight;
}

void MainWindow::onClose() {
  writeSettings(*this, services_.settings);
}

// ---- tip grid and links

void MainWindow::leaveTipField() {
  if (completeCheckEnabled) checkAllTips();
}

void MainWindow::openLink(const Label& link) {
  services_.shell.openDocument(link.caption);
}

void MainWindow::openProductPage() {
  services_.shell.openDocument(updateLink.caption);
}

// ---- evaluation

void MainWindow::checkTipsAgainstChosenDraw() {
  checkTipsForChosenDate({.drawFile = drawFilePath(),
                          .show = *this,
                          .workingDate = workingDate,
                          .scoredDraw = scoredDraw,
                          .statisticsStart = statisticsStart,
                          .ui = services_.ui,
                          .completeCheck = [this] { checkAllTips(); }});
}

int MainWindow::checkAllTips() {
  if (!completeCheckEnabled) return 0;
  return runCompleteCheck(tips, *this, services_.sound, programFolder + soundName);
}

// ---- tip generation

GeneratorParts MainWindow::generatorParts() {
  return {.drawFile = drawFilePath(),
          .options = *this,
          .tips = tips,
          .scoring = *this,
          .show = *this,
          .chartTab = *this,
          .workingDate = workingDate,
          .completeCheckEnabled = completeCheckEnabled,
          .generatorRunning = generatorRunning,
          .runBudget = runBudget,
          .status = statusBar.panels[1],
          .progress = statusBar.progress,
          .activePage = activePage,
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
          .chosenDate = chosenDate,
          .home = dataFolder,
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
  showTipSheet(tips, shownDate, dataFolder, services_.shell);
}

void MainWindow::printOnSlip() {
  printSlip({.tips = tips,
             .slipTop = slipTop,
             .slipLeft = slipLeft,
             .paperFormat = paperFormat,
             .settings = slipSettings,
             .size = slipSize,
             .picturePath = programFolder + kSlipPictureName,
             .ui = services_.ui,
             .clock = services_.clock,
             .report = services_.report});
}

void MainWindow::searchHistoryForTips() {
  searchTipsInHistory({.drawFile = drawFilePath(),
                       .tips = tips,
                       .show = *this,
                       .scoring = *this,
                       .chartTab = *this,
                       .workingDate = workingDate,
                       .ui = services_.ui,
                       .completeCheck = [this] { checkAllTips(); }});
}

// ---- online play

void MainWindow::sendToBasket() {
  handOverToBasket({.tips = tips,
                    .tipCount = tipCount.value(),
                    .server = server,
                    .proxyHost = proxyHost,
                    .proxyPort = proxyPort,
                    .home = dataFolder,
                    .status = statusBar.panels[1],
                    .http = services_.http,
                    .shell = services_.shell});
}

void MainWindow::startClickScript() {
  runClickScript({.saveTips = [this] { return saveTipsAutomatically(tipFileParts()); },
                  .tips = tips,
                  .slip = slipSettings,
                  .chooser = scriptChooser,
                  .home = dataFolder,
                  .programFolder = programFolder,
                  .settings = services_.settings,
                  .ui = services_.ui,
                  .shell = services_.shell,
                  .clock = services_.clock});
}

// ---- draw history

DownloadParts MainWindow::downloadParts() {
  return {.drawFile = drawFilePath(),
          .server = server,
          .proxyHost = proxyHost,
          .proxyPort = proxyPort,
          .show = *this,
          .workingDate = workingDate,
          .updateButton = updateButton,
          .downloadButton = downloadButton,
          .stopButton = stopButton,
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
  hits = static_cast<std::uint8_t>(checkAllTips());
}

void MainWindow::typeInDraw() {
  enterDraw(drawFilePath(), workingDate, chosenDate, services_.ui, services_.clock);
  checkTipsAgainstChosenDraw();
}

void MainWindow::removeShownDraw() {
  removeDrawsOf(drawFilePath(), dataFolder + "Zahlen.da~", shownDate, services_.ui);
  checkTipsAgainstChosenDraw();
}

// ---- navigation

void MainWindow::showEarlierDraw() {
  showDrawBefore(drawFilePath(), *this, *this, scoredDraw, [this] { checkAllTips(); });
}

void MainWindow::showLaterDraw() {
  showDrawAfter(drawFilePath(), *this, *this, scoredDraw, [this] { checkAllTips(); });
}

// ---- statistics

StatisticParts MainWindow::statisticParts() {
  return {.drawFile = drawFilePath(),
          .days = *this,
          .chartTab = *this,
          .workingDate = workingDate,
          .ui = services_.ui};
}

void MainWindow::showNumberFrequency() {
  numberFrequency(statisticParts());
}

void MainWindow::showQuersummeDistribution() {
  quersummeDistribution(statisticParts());
}

void MainWindow::groupSearch(int groupSize) {
  neighbourGroupSearch(statisticParts(), groupSize, *this);
  activePage = Page::Chart;
}

void MainWindow::showPairs() {
  groupSearch(2);
}
void MainWindow::showTriples() {
  groupSearch(3);
}
void MainWindow::showQuadruples() {
  groupSearch(4);
}

void MainWindow::showOverdueNumbers() {
  overdueNumbers(statisticParts());
  activePage = Page::Chart;
}

void MainWindow::showTipDistribution() {
  tipDistribution(tips, chart, services_.ui);
  activePage = Page::Chart;
}

}  // namespace lotto
