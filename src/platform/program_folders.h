#pragma once
// Where the program finds its own files and where it keeps the files it writes.

#include <string>

namespace lotto {

// The user's data folder of the program, below the XDG data home.
inline constexpr const char* kUserDataSubfolder = "Brunnhold/KalkuAT/";

struct ProgramFolders {
  // The program's own files: its help page, jingle, slip picture, notes and the bundled
  // draw history. Ends in a separator.
  std::string program;
  // Where the draw file lives and everything the program writes goes: the tip files, the
  // click scripts, the text sheet, the server's message page. Ends in a separator.
  std::string data;
  // `data` is the user's data folder, not the program's own.
  bool userData = false;
};

// The folders of the program at `programFile`. A copy run from its build folder, or from
// any folder it may write, keeps everything beside itself. An installed copy (its own
// files, marked by `markerFile`, in the installed data folder relative to its program
// folder) and a copy in a folder it cannot write keep their data in the user's data
// folder.
ProgramFolders programFoldersFor(const std::string& programFile, const std::string& markerFile);

// "$XDG_DATA_HOME/Brunnhold/KalkuAT/" for an absolute XDG_DATA_HOME, else
// "$HOME/.local/share/Brunnhold/KalkuAT/"; the values are those of the environment (null
// when unset). Without a home of either kind, the home of the user's account.
std::string userDataFolder(const char* xdgDataHome, const char* home);

// Makes a user's data folder ready: created with its parents when missing, and the
// bundled draw file `drawFileName` copied into it, whole, when it has none; an existing
// draw file is never replaced. Nothing to do for a copy that keeps its data beside
// itself. Throws InOutError.
void prepareDataFolder(const ProgramFolders& folders, const std::string& drawFileName);

}  // namespace lotto
