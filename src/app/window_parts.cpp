#include "app/window_parts.h"

#include "controls/tip_grid.h"

namespace lotto {

std::vector<std::pair<std::string, Button*>> CommandButtons::commandControls() {
  std::vector<std::pair<std::string, Button*>> controls = {
      {"downloadButton", &downloadButton},
      {"earlierDrawButton", &earlierDrawButton},
      {"laterDrawButton", &laterDrawButton},
      {"clearTipsButton", &clearTipsButton},
      {"saveTipsButton", &saveTipsButton},
      {"loadTipsButton", &loadTipsButton},
      {"searchHistoryButton", &searchHistoryButton},
      {"tipDistributionButton", &tipDistributionButton},
      {"tipSheetButton", &tipSheetButton},
      {"slipButton", &slipButton},
      {"clickScriptButton", &clickScriptButton},
      {"generateButton", &generateButton},
      {"luckyNumberButton", &luckyNumberButton},
      {"basketButton", &basketButton},
      {"checkChosenDateButton", &checkChosenDateButton},
      {"updateButton", &updateButton},
      {"stopButton", &stopButton},
      {"removeDrawButton", &removeDrawButton},
      {"enterDrawButton", &enterDrawButton},
      {"pairsButton", &pairsButton},
      {"triplesButton", &triplesButton},
      {"quadruplesButton", &quadruplesButton},
      {"overdueButton", &overdueButton},
      {"updateDrawsAction", &updateDrawsAction},
      {"sendToBasketAction", &sendToBasketAction},
      {"quitAction", &quitAction},
      {"chartFrequencyButton", &chartFrequencyButton},
      {"chartQuersummeButton", &chartQuersummeButton},
      {"chartPairsButton", &chartPairsButton},
      {"chartTriplesButton", &chartTriplesButton},
      {"chartQuadruplesButton", &chartQuadruplesButton},
      {"chartOverdueButton", &chartOverdueButton},
  };
  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    controls.emplace_back("tip" + std::to_string(tip) + "EditButton",
                          &editTipButtons[static_cast<std::size_t>(tip - 1)]);
  }
  return controls;
}

}  // namespace lotto
