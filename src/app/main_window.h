#pragma once
// The main window: its parts as named members, each a type of its own that the subsystem
// owning it defines, and the window's commands as thin handlers that pass the subsystems
// the parts they work on by name (form.scoring.scoredDraw, form.drawOnShow.shownDrawText,
// form.dayFilter.sundayDraws). The Qt views only copy this state into widgets and forward
// the user's input.

#include <string>

#include "app/window_parts.h"
#include "controls/controls.h"
#include "controls/tip_grid.h"
#include "draws/day_filter.h"
#include "draws/download.h"
#include "draws/draw_on_show.h"
#include "evaluation/draw_choice.h"
#include "evaluation/scoring.h"
#include "generator/generator_run.h"
#include "generator/number_dialog.h"
#include "generator/options.h"
#include "generator/random.h"
#include "online/click_script.h"
#include "output/slip.h"
#include "output/tip_file.h"
#include "platform/services.h"
#include "stats/commands.h"

namespace lotto {

class MainWindow {
 public:
  static constexpr const char* kApplicationTitle = "Brunnholds Lotto-Kalkulant Oesterreich";
  static constexpr const char* kOperatorAddress = "https://www.lotterien.at";
  static constexpr const char* kHelpPageName = "Hilfe.html";

  // `programFile` is the path of the running program; its folder becomes dataFolder.
  MainWindow(Services services, std::string programFile);

  // ---- the window's parts
  WindowFrame frame;
  ProgramFiles files;
  CommandState state;
  DrawOnShow drawOnShow;
  ScoringFields scoring;  // the draw the tips are scored against and the last score
  DayFilter dayFilter;
  ChartTab chartTab;
  GenerationOptions options;
  InternetOptions internetOptions;
  CommandButtons buttons;
  TipGrid tips;
  StatusBar statusBar;
  DrawDownload download;
  // The program's one random generator, and the number selection dialog that uses it.
  RandomGenerator random;
  NumberDialog numberDialog;
  GeneratorState lastRun;  // what the last generator run left
  // The slip print settings, which live for the run, and the page size of the last print.
  SlipSettingsDialog slipSettings;
  SlipPrinting slipPrinting;
  // The click-script chooser, which lives for the run and keeps its fields.
  ScriptChooser scriptChooser;

  // ---- life cycle
  // Runs once when the window is first shown.
  void onFirstShow();
  // The tab area is rescaled by newHeight / scaledHeight whenever the height changes.
  void onResize(int newWidth, int newHeight);
  // Closing the window writes the settings.
  void onClose();

  // ---- spinners whose steps recompute the run budget runBudget
  // A step of "Max. Berechnungsläufe" or of the number of tips: runBudget := runBudgetThousands x
  // 1000. A value typed into the field counts from the next step or the next start.
  void runBudgetStepped() { state.runBudget = options.runBudgetThousands.value() * 1000; }
  void tipCountStepped() { state.runBudget = options.runBudgetThousands.value() * 1000; }

  // ---- tip grid
  // A change of field `index` of tip `tip`, by typing or by program code.
  void setTipField(int tip, int index, const std::string& text) { tips.setText(tip, index, text); }
  // The user typed into a field: as setTipField, and a text the field refuses ("46",
  // letters) is named in the status bar, so that nothing vanishes without a word.
  void typeIntoTipField(int tip, int index, const std::string& text);
  // Leaving a tip field: the complete check runs while completeCheckEnabled is true.
  void leaveTipField();
  // A click on a tip's row label toggles its mark.
  void toggleTipMark(int tip) { tips.toggleMark(tip); }
  // "Löschen aller Tipps".
  void clearUnmarkedTips() { tips.clearUnmarked(); }

  // ---- links
  void openLink(const Label& link);
  // The two banners.
  void openProductPage();

  // ---- evaluation
  // Shows the draw of the date in chosenDate (the first one on or after it, else the
  // newest) and scores all tips against it.
  void checkTipsAgainstChosenDraw();
  // Scores, sorts and colours all twelve tips; does nothing while completeCheckEnabled is false.
  int checkAllTips();

  // ---- tip generation
  // "Tipps berechnen" (the handler of generateButton).
  void generateTips();
  // The lucky number.
  void setLuckyNumber();
  // The "..." of row `tip`: the number dialog with the row's numbers.
  void editTip(int tip);

  // ---- tip files and printing
  void saveTips();             // "Speichern des Tipps"
  void loadTips();             // "Laden des Tipps"
  void saveTipsForNextDraw();  // the automatic save into "Tipps"
  void printTipSheet();        // "Tipp drucken": the text sheet
  void printOnSlip();          // "auf Tippschein drucken"
  // "Tipps in DB suchen".
  void searchHistoryForTips();

  // ---- online play
  // "Warenkorb" and the menu item "Online abgeben": the tips into the broker's basket.
  void sendToBasket();
  // "Netzlaufmat" (the button clickScriptButton): the tips to the automation program.
  void startClickScript();

  // ---- draw history
  // "Datenbank aktualisieren": fetches every draw after the newest stored one, then
  // checks the tips against the newest draw. The download button of the draw bar and the
  // menu item "Ziehungen aktualisieren" run the same.
  void updateDraws();
  // The stop button: the update run ends before its next request.
  void stopUpdate() { buttons.stopButton.visible = false; }
  void typeInDraw();       // "Eingeben": type a draw in
  void removeShownDraw();  // "Löschen": remove the draw on show

  // ---- navigation
  // Earlier and later draw, passing over the draws the day filter excludes.
  void showEarlierDraw();
  void showLaterDraw();

  // ---- statistics (each reads the draw file once and fills chart)
  void showNumberFrequency();        // number frequency
  void showQuersummeDistribution();  // Quersumme distribution
  void showPairs();                  // pairs
  void showTriples();                // triples
  void showQuadruples();             // quadruples
  void showOverdueNumbers();         // overdue numbers
  void showTipDistribution();        // distribution of the numbers in the tips

  std::string helpPagePath() const { return files.programFolder + kHelpPageName; }
  // The parts the update run works on.
  DownloadParts downloadParts();

 private:
  // However the command it guards ends, the tips are scored against the draw the window
  // shows again: a group search or a generator run scores other draws on the way.
  class BackToShownDraw {
   public:
    explicit BackToShownDraw(MainWindow& window) : window_(window) {}
    BackToShownDraw(const BackToShownDraw&) = delete;
    BackToShownDraw& operator=(const BackToShownDraw&) = delete;
    ~BackToShownDraw();

   private:
    MainWindow& window_;
  };

  StatisticParts statisticParts();
  GeneratorParts generatorParts();
  TipFileParts tipFileParts();
  void groupSearch(int groupSize);

  Services services_;
  std::string programFile_;
  std::string typingNote_;  // the status text that names the last refused typing
};

}  // namespace lotto
