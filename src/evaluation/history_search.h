#pragma once
// "Tipps in DB suchen": tips 1 to 8 are scored against every draw from the start date of
// the statistics on; at each draw where a tip reaches the number of hits the user chose,
// the tips are checked against that draw and the user is asked whether to go on.

#include <functional>
#include <string>

#include "chart/chart_tab.h"
#include "controls/tip_grid.h"
#include "draws/draw_on_show.h"
#include "evaluation/scoring.h"
#include "platform/user_interaction.h"

namespace lotto {

struct HistorySearchParts {
  std::string drawFile;
  TipGrid& tips;
  DrawOnShow& show;  // the draw shown at a stop and at the end
  ScoringFields& scoring;
  ChartTab& chartTab;
  double& workingDate;
  UserInteraction& ui;
  std::function<void()> completeCheck;  // checkAllTips
};

// searchHistoryForTips. The draw file is read once; a tip of six different numbers is scored
// against a draw of six different numbers with a 64-bit mask, any other tip or record
// with the tip check's rule. The window shows what the search shows draw by draw; its
// labels are made only where the user sees them: at a stop and at the end.
void searchTipsInHistory(const HistorySearchParts& parts);

// Shows a draw examined by the search: its texts and Quersumme, its place (from which the
// earlier and later draw step) and its date in the date field.
void showExaminedDraw(DrawOnShow& show, DrawNumbers& scoredDraw, const DrawRecord& record,
                      std::size_t index);

}  // namespace lotto
