#pragma once
// Printing the tips as crosses into the boxes of the paper play slip: the settings dialog
// "Druckeinstellungen für den Lottoschein" and the slip's layout on one report page.

#include <array>
#include <string>

#include "controls/controls.h"
#include "controls/tip_grid.h"
#include "platform/clock.h"
#include "platform/file_io.h"
#include "platform/report_page.h"
#include "platform/user_interaction.h"

namespace lotto {

inline constexpr const char* kSlipPictureName = "schein.jpg";

// The paper formats of the slip print, by index.
struct PaperFormat {
  const char* entry;
  double widthMm;  // the page as laid out
  double heightMm;
  bool landscape;
};
inline constexpr std::array<PaperFormat, 4> kPaperFormats = {{
    {"A4", 210, 297, false},
    {"A4 Quer", 297, 210, true},
    {"A5 Quer", 210, 148, true},
    {"16x12", 160, 120, true},
}};

// "10,20 €": the cost of the slip for t tips: 1,20 € a tip, 1,50 € a Joker game, twice for
// both draw days, nothing without a draw day.
std::string slipCost(int tips, bool sunday, bool wednesday, int jokers);

// The print settings dialog; it lives for the run, and the click-scripts read its boxes.
class SlipSettingsDialog : public ModalDialog {
 public:
  SlipSettingsDialog();

  std::string caption = "Druckeinstellungen für den Lottoschein";
  CheckBox sunday;                // "Sonntag"
  CheckBox wednesday;             // "Mittwoch"
  CheckBox joker1;                // "Joker"
  CheckBox joker2;                // "Joker 2"
  CheckBox joker3;                // "Joker 3"
  CheckBox showPicture;           // "Schein zum Test mit anzeigen"
  Spinner topOffset{0, 100, 0};   // "Oben:"
  Spinner leftOffset{0, 100, 0};  // "Links"
  Label cost;                     // the cost
  int paperFormat = 0;            // the paper format, -1 for none
  int tipCount = 0;               // the number of tips the cost is for

  // A change of a day or Joker box recomputes the cost.
  void setChecked(CheckBox& box, bool checked);
  void updateCost();
  int jokers() const;
};

// What printing remembers: the page size of the last print (when no paper is chosen the
// page keeps it; before the first print A4 portrait).
struct SlipPrinting {
  std::int32_t slipTop = 84;   // the crosses' offset from the top, in report units
  std::int32_t slipLeft = 29;  // and from the left
  std::int32_t paperFormat = 0;
  double sheetWidthMm = 210;
  double sheetHeightMm = 297;
  bool landscape = false;
};

// The page the slip's layout gives: the crosses of the tips, the day and Joker marks and,
// for a test print, the slip picture (`picturePath` empty for none).
ReportPage slipPage(const TipGrid& tips, int slipTop, int slipLeft,
                    const SlipSettingsDialog& settings, const SlipPrinting& size,
                    const std::string& picturePath);

struct SlipParts {
  const TipGrid& tips;
  SlipSettingsDialog& settings;
  SlipPrinting& printing;
  std::string picturePath;  // the slip picture beside the program
  UserInteraction& ui;
  Clock& clock;
  ReportPreview& report;
};

// "auf Tippschein drucken" (printOnSlip).
void printSlip(const SlipParts& parts);

}  // namespace lotto
