#pragma once
// The parts of the main window that belong to the window itself rather than to one
// subsystem: its frame, its files, the state the commands share, the tab
// "Internet-Optionen" and the command buttons.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "controls/controls.h"

namespace lotto {

// The window's caption, size, state, visible tab and the scale of its tab area.
struct WindowFrame {
  static constexpr int kDesignedWidth = 560;
  static constexpr int kDesignedHeight = 500;

  std::string caption = "Brunnholds Lotto - Kalkulant für Österreich V2";
  int width = kDesignedWidth;
  int height = kDesignedHeight;
  enum class State { Normal, Minimized, Maximized };
  State windowState = State::Normal;
  using Page = MainPage;
  Page activePage = Page::Tips;
  // Factor by which the tab area (positions, sizes, fonts) is scaled against its design.
  double tabScale = 1.0;
  std::int32_t scaledHeight = 0;  // window height at the last rescale
};

// Where the window finds its files.
struct ProgramFiles {
  // The folder of the draw file and of everything the program writes, ending in a
  // separator: the program's folder, or the user's data folder for an installed copy.
  std::string dataFolder;
  // The program's own files (help page, jingle, slip picture, notes), ending in a separator.
  std::string programFolder;
  std::string drawFileName;  // "ZahlenAT.dat"
  std::string soundName;     // the jingle for three or more hits

  std::string drawFilePath() const { return dataFolder + drawFileName; }
};

// The fields several commands share.
struct CommandState {
  double workingDate = 0;             // the date the last command worked from
  bool completeCheckEnabled = false;  // the complete check runs only while this is true
  bool generatorRunning = false;
  std::int32_t runBudget = 100000;  // the generator's runs: the budget spinner x 1000
  std::int32_t country = 1;         // stored and restored; no rule reads it
};

// The tab "Internet-Optionen": the proxy, the server and the link labels.
struct InternetOptions {
  static constexpr const char* kDefaultServer = "http://127.0.0.1:8045";

  TextField proxyHost;
  TextField proxyPort{"80"};
  // The server of the draws and the basket: "http://host:port" (a missing "http://" is
  // understood).
  TextField server{kDefaultServer};
  Label updateLink;    // the program's own help page
  Label operatorLink;  // the lottery operator's web site
};

// Every button and menu item that starts a command, named like its control.
struct CommandButtons {
  // tab "Lottotipp": download, earlier and later draw, "Löschen aller Tipps", the rest
  Button downloadButton, earlierDrawButton, laterDrawButton, clearTipsButton;
  Button saveTipsButton, loadTipsButton, searchHistoryButton, tipDistributionButton, tipSheetButton,
      slipButton, clickScriptButton, generateButton, luckyNumberButton, basketButton;
  std::array<Button, 12> editTipButtons;  // Tipp1Edit ... Tipp12Edit
  // tab "Datenbank": check for the date, download, stop, remove, enter, the four searches
  Button checkChosenDateButton, updateButton, stopButton, removeDrawButton, enterDrawButton,
      pairsButton, triplesButton, quadruplesButton, overdueButton;
  // tab "Diagramm": frequency, Quersumme, 2er, 3er, 4er, overdue
  Button chartFrequencyButton, chartQuersummeButton, chartPairsButton, chartTriplesButton,
      chartQuadruplesButton, chartOverdueButton;
  // menu
  Button updateDrawsAction, sendToBasketAction, quitAction;

  // Every command control by its name, for the view to bind.
  std::vector<std::pair<std::string, Button*>> commandControls();
};

}  // namespace lotto
