#pragma once
// The parts of the main window that belong to the window itself rather than to one
// subsystem: its frame, the fields the commands share, the tab "Internet-Optionen" and
// the command buttons.

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

  std::string Caption = "Brunnholds Lotto - Kalkulant für Österreich V2";
  int Width = kDesignedWidth;
  int Height = kDesignedHeight;
  enum class State { Normal, Minimized, Maximized };
  State WindowState = State::Normal;
  using Page = MainPage;
  Page ActivePage = Page::Lottotipp;
  // Factor by which the tab area (positions, sizes, fonts) is scaled against its design.
  double TabScale = 1.0;
};

// Fields of the main window that several commands share.
struct MainWindowFields {
  // The folder of the draw file and of everything the program writes, ending in a
  // separator: the program's folder, or the user's data folder for an installed copy.
  std::string Home;
  // The program's own files (help page, jingle, slip picture, notes), ending in a separator.
  std::string ProgramFolder;
  std::string ZahlenFile;  // "ZahlenAT.dat"
  double aktDatum = 0;     // working date
  bool sortieren = false;  // the complete check runs only while this is true
  bool Berechnunglaeuft = false;
  std::int32_t LaufMax = 100000;
  std::string SoundName;
  std::int32_t Groesse = 0;  // window height at the last rescale
  std::int32_t TippTop = 84;
  std::int32_t TippLeft = 29;
  std::int32_t Pageformat = 0;
  std::int32_t Land = 1;

  std::string drawFilePath() const { return Home + ZahlenFile; }
};

// The tab "Internet-Optionen": the proxy, the server and the link labels.
struct InternetOptions {
  static constexpr const char* kDefaultServer = "http://127.0.0.1:8045";

  TEdit ProxyHostEdit;
  TEdit ProxyPortEdit{"80"};
  // The server of the draws and the basket: "http://host:port" (a missing "http://" is
  // understood).
  TEdit ServerEdit{kDefaultServer};
  TLabel UpdateLink;    // the program's own help page
  TLabel OperatorLink;  // the lottery operator's web site
};

// Every button and menu item that starts a command, named like its control.
struct CommandButtons {
  // tab "Lottotipp": download, earlier and later draw, "Löschen aller Tipps", the rest
  TButton SpeedButton10, SpeedButton6, SpeedButton7, SpeedButton11;
  TButton SpeedButton15, SpeedButton16, SpeedButton4, SpeedButton1, SpeedButton3, SpeedButton12,
      SpeedButton14, BitBtn4, SpeedButton13, Warenkorb;
  std::array<TButton, 12> TippEditButtons;  // Tipp1Edit ... Tipp12Edit
  // tab "Datenbank": check for the date, download, stop, remove, enter, the four searches
  TButton SpeedButton5, BitBtn1, SpeedButton8, BitBtn6, BitBtn8, Button2, Button3, Button4, Button5;
  // tab "Diagramm": frequency, Quersumme, 2er, 3er, 4er, overdue
  TButton SpeedButton2, SpeedButton9, SpeedButton19, SpeedButton17, SpeedButton18, SpeedButton20;
  // menu
  TButton Ziehungsdatenladen1, Onlioneabgeben1, Benden1;

  // Every command control by its name, for the view to bind.
  std::vector<std::pair<std::string, TButton*>> commandControls();
};

}  // namespace lotto
