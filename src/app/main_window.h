#pragma once
// The main window: the state of all its controls, the fields shared by the commands,
// and the commands themselves. The Qt view only copies this state into widgets and
// forwards the user's input.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/controls.h"
#include "app/tip_grid.h"
#include "draws/draw_record.h"
#include "evaluation/scoring.h"
#include "generator/options.h"
#include "platform/services.h"
#include "stats/statistic_series.h"
#include "stats/statistics.h"

namespace lotto {

struct NavigationStep;

class TForm1 : public ScoringFields, public GenerationOptions {
 public:
  static constexpr int kDesignedWidth = 560;
  static constexpr int kDesignedHeight = 500;

  static constexpr const char* kApplicationTitle = "Brunnholds Lotto-Kalkulant Oesterreich";
  static constexpr const char* kOperatorAddress = "https://www.lotterien.at";
  static constexpr const char* kHelpPageName = "Hilfe.html";

  // `programFile` is the path of the running program; its folder becomes Home.
  TForm1(Services services, std::string programFile);

  // ---- window
  std::string Caption = "Brunnholds Lotto - Kalkulant für Österreich V2";
  int Width = kDesignedWidth;
  int Height = kDesignedHeight;
  enum class State { Normal, Minimized, Maximized };
  State WindowState = State::Normal;
  enum class Page { Lottotipp, BerechnungsOptionen, Diagramm, Datenbank, InternetOptionen };
  Page ActivePage = Page::Lottotipp;
  // Factor by which the tab area (positions, sizes, fonts) is scaled against its design.
  double TabScale = 1.0;

  // ---- fields shared by the commands (Zahl, Treffer, Gewinn, Zusatz: ScoringFields;
  // the option controls: GenerationOptions)
  std::string Home;           // program folder, ending in a separator
  std::string ZahlenFile;     // "ZahlenAT.dat"
  double aktDatum = 0;        // working date
  double Datum1 = 0;          // date of the draw on show
  std::int32_t Position = 0;  // index of the draw on show in the draw file
  bool sortieren = false;     // the complete check runs only while this is true
  bool Berechnunglaeuft = false;
  std::int32_t LaufMax = 100000;
  std::string SoundName;
  std::int32_t Groesse = 0;  // window height at the last rescale
  std::int32_t TippTop = 84;
  std::int32_t TippLeft = 29;
  std::int32_t Pageformat = 0;
  std::int32_t Land = 1;

  // ---- tab "Lottotipp"
  TipGrid Tips;
  TLabel Label35;                                     // draw text in the draw bar
  TLabel Label13{"Quersumme"};                        // Quersumme of the draw on show
  TCheckBox CheckBox16{true};                         // "Sonntag Ziehungen"
  TCheckBox CheckBox17{true};                         // "Mittwoch Ziehungen"
  TButton SpeedButton10, SpeedButton6, SpeedButton7;  // download, earlier, later draw
  TButton SpeedButton11;                              // "Löschen aller Tipps"
  TButton SpeedButton15, SpeedButton16, SpeedButton4, SpeedButton1, SpeedButton3, SpeedButton12,
      SpeedButton14, BitBtn4, SpeedButton13, Warenkorb;
  std::array<TButton, 12> TippEditButtons;  // Tipp1Edit ... Tipp12Edit

  // ---- tab "Datenbank"
  TLabel Label29;                   // draw text
  TDateTimePicker DateTimePicker1;  // the date asked for
  TButton SpeedButton5;             // check the tips for that date
  TButton BitBtn1, SpeedButton8, BitBtn6, BitBtn8, Button2, Button3, Button4, Button5;

  // ---- tab "Diagramm"
  TButton SpeedButton2, SpeedButton9;  // number frequency, Quersumme distribution
  TButton SpeedButton19, SpeedButton17, SpeedButton18, SpeedButton20;  // 2er, 3er, 4er, overdue
  TDateTimePicker DateTimePicker2;  // start date of the statistics
  StatisticSeries Chart1;

  // ---- tab "Internet-Optionen"
  TEdit ProxyHostEdit;
  TEdit ProxyPortEdit{"80"};
  TLabel UpdateLink;    // the program's own help page
  TLabel OperatorLink;  // the lottery operator's web site

  // ---- menu and status bar
  TButton Ziehungsdatenladen1, Onlioneabgeben1, Benden1;
  TStatusBar StatusBar1;

  // Every command control by its name, for the view to bind.
  std::vector<std::pair<std::string, TButton*>> commandControls();

  // ---- life cycle
  // Runs once when the window is first shown.
  void FormShow();
  // The tab area is rescaled by newHeight / Groesse whenever the height changes.
  void FormResize(int newWidth, int newHeight);
  // Closing the window writes the settings.
  void FormClose();

  // ---- spinners whose steps recompute the run budget LaufMax
  // A step of "Max.Berechnungsläufe" or of the number of tips: LaufMax := UpDown7 x 1000.
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

  // ---- draw history
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

  std::string drawFilePath() const { return Home + ZahlenFile; }
  std::string helpPagePath() const { return Home + kHelpPageName; }

 private:
  void showRecord(double date, const DrawNumbers& numbers, int blanksAfterDate);
  void showNavigationStep(const std::vector<DrawRecord>& records, const NavigationStep& step);
  StatisticsFilter statisticsFilter() const;
  std::vector<DrawRecord> readForStatistic();
  void groupSearch(int groupSize, const std::string& groupWord);

  Services services_;
  std::string programFile_;
};

}  // namespace lotto
