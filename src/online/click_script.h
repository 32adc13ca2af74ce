#pragma once
// The click-script automation ("Netzlaufmat"): the tips are saved, a click-script of the
// folder "Script" is chosen and brought up to date from the script server, its
// placeholders are filled with the tips and the slip's play options, the filled script is
// saved in "Tipps", and the automation program Netzlauf is started on it.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "controls/controls.h"
#include "controls/tip_grid.h"
#include "output/slip.h"
#include "platform/clock.h"
#include "platform/http_client.h"
#include "platform/settings_store.h"
#include "platform/shell.h"
#include "platform/user_interaction.h"

namespace lotto {

inline constexpr const char* kScriptFolder = "Script";
inline constexpr const char* kAutomationKey = "Brunnhold\\Netzlenker\\Settings";
inline constexpr const char* kAutomationProgram = "Netzlauf";
inline constexpr const char* kScriptFilter = "Brunnholds Click Script|*.bks";
inline constexpr const char* kAutomationNotes = "README.md";

// An editable drop-down list: its entries and the text in its field.
struct ComboBox {
  std::vector<std::string> items;
  std::string text;
};

// The chooser "Script für Zahlenübergabe auswählen!"; it lives for the run and keeps its
// fields.
class ScriptChooser : public ModalDialog {
 public:
  // `home` and `server` are read when the dialog acts.
  ScriptChooser(UserInteraction& ui, HttpClient& http, const std::string& home,
                const TextField& server);

  std::string caption = "Script für Zahlenübergabe auswählen!";
  ComboBox script;             // the script files found
  TextField zahl1{"0"};        // "ZAHL1"
  TextField zahl2{"0"};        // "ZAHL2"
  TextField login{"Login"};    // "TEXT1": the portal login
  TextField password{"Wort"};  // "TEXT2": the portal password, shown masked

  // When shown: the "*.bks" files of the folder "Script" (any letter case), the text kept
  // or, without one, the last file found.
  void onShow();
  // Browse: an open dialog in the folder "Script".
  void browse();
  // After OK: the chosen script anew from the script server when the server's copy is
  // newer; any failure is passed over and the local file used as it is.
  void refreshFromServer();
  // However it closed: an empty ZAHL1 or ZAHL2 becomes "0".
  void onClose();

 private:
  UserInteraction& ui_;
  HttpClient& http_;
  const std::string& home_;
  const TextField& server_;
};

// The script's text with every placeholder replaced, in this order: "[Zi_j]" (number i of
// tip j) for j = 1..12 and i = 1..6, "[TIPPDATEI]", "[MELDUNGFERTIG]", "[MI]", "[SA]",
// "[MISA]", "[GLUECK]", "[SPIEL77]", "[SUPER6]". The script is bytes; the replacements are
// UTF-8.
std::string fillClickScript(std::string script, const TipGrid& tips, const std::string& tipFile,
                            const SlipSettingsDialog& slip);

// "/scripts/" + the name, encoded as one path segment, + ".txt" below the server's address.
std::string scriptUrl(const std::string& server, const std::string& fileName);

struct ClickScriptParts {
  std::function<std::string()> saveTips;  // the automatic save; returns the file's path
  const TipGrid& tips;
  const SlipSettingsDialog& slip;
  ScriptChooser& chooser;
  std::string home;
  std::string programFolder;  // where the notes on the automation program lie
  SettingsStore& settings;
  UserInteraction& ui;
  Shell& shell;
  Clock& clock;
};

// startClickScript.
void runClickScript(const ClickScriptParts& parts);

}  // namespace lotto
