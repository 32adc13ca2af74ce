#pragma once
// The tip file (".blt"): one line per tip whose first field is filled, the six fields
// joined by commas, CR LF after each line. The portal export (".pcs") for the Win2Day
// portal: tagged lines with one "<lottoTipp>" per tip. Both are written whole or not at
// all: a failure leaves no part of a file and keeps an existing file of that name.

#include <functional>
#include <string>
#include <string_view>

#include "controls/controls.h"
#include "controls/tip_grid.h"
#include "platform/clock.h"
#include "platform/user_interaction.h"

namespace lotto {

inline constexpr const char* kTipFileSaveFilter = "Tippdatei|*.blt|Win2Day-Datei|*.pcs";
inline constexpr const char* kTipFileLoadFilter = "Tippdatei|*.blt";
inline constexpr const char* kTipFileExtension = "blt";
inline constexpr const char* kTipFolder = "Tipps";
// A tip file is a few hundred bytes; anything over this is no tip file.
inline constexpr std::size_t kLargestTipFile = std::size_t{1} << 20;

// The draw date the file names carry: after a Sunday or a Wednesday evaluation date three
// days on, after a Saturday four; on any other weekday today. Rounded to a whole day.
double tipFileDate(double evaluationDate, double today);
// "20240522.blt"
std::string tipFileName(double date);

std::string tipFileContent(const TipGrid& tips);
// Throws ConversionError for a tip whose first field is filled and another empty.
std::string portalExportContent(const TipGrid& tips);
// Splits the lines of a tip file into the twelve tips through the grid's cleaning rule;
// lines past the twelfth are not read, missing lines leave their tips empty. LF and CR LF
// end a line.
void fillFromTipFile(TipGrid& tips, std::string_view bytes);

struct TipFileParts {
  TipGrid& tips;
  const DateField& chosenDate;  // the evaluation date
  std::string home;             // the program folder, ending in '/'
  UserInteraction& ui;
  Clock& clock;
};

// "Speichern des Tipps": the save dialog with both file types; the chosen type decides the
// content.
void saveTipsWithDialog(const TipFileParts& parts);
// "Laden des Tipps": the open dialog; a chosen file replaces the tips (the clearing of the
// unmarked rows first). False when the user cancelled. The caller then checks the tips.
bool loadTipsWithDialog(const TipFileParts& parts, const std::function<void()>& clearing);
// The automatic save into the folder "Tipps" under the next draw date; returns the path.
std::string saveTipsAutomatically(const TipFileParts& parts);

}  // namespace lotto
