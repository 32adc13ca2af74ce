#pragma once
// The main window: a composition of its parts, each a type of its own that the subsystem
// owning it defines, and the window's commands as thin handlers that call the subsystems
// with the parts they work on. The parts are bases, so the window's fields and controls
// keep their names (form.Zahl, form.Label29, form.CheckBox16). The Qt view only copies
// this state into widgets and forwards the user's input.

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

class TForm1 : public WindowFrame,
               public MainWindowFields,
               public DrawOnShow,     // Datum1, Position, Label29, Label35, Label13, ...
               public ScoringFields,  // Zahl, Treffer, Gewinn, Zusatz
               public DayFilter,      // CheckBox16, CheckBox17
               public ChartTab,       // DateTimePicker2, Chart1
               public GenerationOptions,
               public InternetOptions,
               public CommandButtons {
 public:
  static constexpr const char* kApplicationTitle = "Brunnholds Lotto-Kalkulant Oesterreich";
  static constexpr const char* kOperatorAddress = "https://www.lotterien.at";
  static constexpr const char* kHelpPageName = "Hilfe.html";

  // `programFile` is the path of the running program; its folder becomes Home.
  TForm1(Services services, std::string programFile);

  TipGrid Tips;
  TStatusBar StatusBar1;
  DrawDownload Download;
  // The program's one random generator, and the number selection dialog that uses it.
  RandomGenerator Zufallsgenerator;
  TForm7 Form7;
  GeneratorState Generator;  // what the last generator run left
  // The slip print settings, which live for the run, and the page size of the last print.
  TForm5 Form5;
  SlipPrinting Slip;
  // The click-script chooser, which lives for the run and keeps its fields.
  TBKSForm BKSForm;

  // ---- life cycle
  // Runs once when the window is first shown.
  void FormShow();
  // The tab area is rescaled by newHeight / Groesse whenever the height changes.
  void FormResize(int newWidth, int newHeight);
  // Closing the window writes the settings.
  void FormClose();

  // ---- spinners whose steps recompute the run budget LaufMax
  // A step of "Max. Berechnungsläufe" or of the number of tips: LaufMax := UpDown7 x 1000.
  // A value typed into the field counts from the next step or the next start.
  void UpDown7Click() { LaufMax = UpDown7.Position() * 1000; }
  void UpDown8Click() { LaufMax = UpDown7.Position() * 1000; }

  // ---- tip grid
  // A change of field `index` of tip `tip`, by typing or by program code.
  void TipFieldChange(int tip, int index, const std::string& text) {
    Tips.setText(tip, index, text);
  }
  // Leaving a tip field: the complete check runs while sortieren is true.
  void TipFieldExit();
  // A click on a tip's row label toggles its mark.
  void TipLabelClick(int tip) { Tips.toggleMark(tip); }
  // "Löschen aller Tipps".
  void SpeedButton11Click() { Tips.clearUnmarked(); }

  // ---- links
  void LinkLabelClick(const TLabel& link);
  // The two banners.
  void ProductPageClick();

  // ---- evaluation
  // Shows the draw of the date in DateTimePicker1 (the first one on or after it, else the
  // newest) and scores all tips against it.
  void SpeedButton5Click();
  // Scores, sorts and colours all twelve tips; does nothing while sortieren is false.
  int Komplettcheck();

  // ---- tip generation
  // "Tipps berechnen" (the handler of BitBtn4).
  void Label28Click();
  void BitBtn4Click() { Label28Click(); }
  // The lucky number.
  void SpeedButton13Click();
  // The "..." of row `tip`: the number dialog with the row's numbers.
  void TippEditClick(int tip);

  // ---- tip files and printing
  void SpeedButton15Click();  // "Speichern des Tipps"
  void SpeedButton16Click();  // "Laden des Tipps"
  void SpeedButton14Click();  // the automatic save into "Tipps"
  void BitBtn7Click();        // "Tipp drucken": the text sheet
  void SpeedButton3Click() { BitBtn7Click(); }
  void SpeedButton12Click();  // "auf Tippschein drucken"
  // "Tipps in DB suchen".
  void SpeedButton4Click();

  // ---- online play
  // "Warenkorb" and the menu item "Online abgeben": the tips into the broker's basket.
  void WarenkorbClick();
  void Onlioneabgeben1Click() { WarenkorbClick(); }
  // "Netzlaufmat" (the button SpeedButton14): the tips to the automation program.
  void AutoWebScript();

  // ---- draw history
  // "Datenbank aktualisieren": fetches every draw after the newest stored one, then
  // checks the tips against the newest draw. The download button of the draw bar and the
  // menu item "Ziehungen aktualisieren" run the same.
  void BitBtn1Click();
  void SpeedButton10Click() { BitBtn1Click(); }
  void Ziehungsdatenladen1Click() { BitBtn1Click(); }
  // The stop button: the update run ends before its next request.
  void SpeedButton8Click() { SpeedButton8.Visible = false; }
  void BitBtn8Click();  // "Eingeben": type a draw in
  void BitBtn6Click();  // "Löschen": remove the draw on show

  // ---- navigation
  // Earlier and later draw, passing over the draws the day filter excludes.
  void SpeedButton6Click();
  void SpeedButton7Click();

  // ---- statistics (each reads the draw file once and fills Chart1)
  void SpeedButton2Click();  // number frequency
  void SpeedButton9Click();  // Quersumme distribution
  void Button2Click();       // pairs
  void Button3Click();       // triples
  void Button4Click();       // quadruples
  void Button5Click();       // overdue numbers
  void Button6Click();       // distribution of the numbers in the tips

  std::string helpPagePath() const { return ProgramFolder + kHelpPageName; }
  // The parts the update run works on.
  DownloadParts downloadParts();

 private:
  StatisticParts statisticParts();
  GeneratorParts generatorParts();
  TipFileParts tipFileParts();
  void groupSearch(int groupSize);

  Services services_;
  std::string programFile_;
};

}  // namespace lotto
