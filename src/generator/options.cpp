#include "generator/options.h"

namespace lotto {

std::vector<std::pair<std::string, CheckBox*>> GenerationOptions::checkBoxes() {
  return {{"preferFrequentPairs", &preferFrequentPairs},
          {"preferFrequentNumbers", &preferFrequentNumbers},
          {"limitOverlap", &limitOverlap},
          {"limitLastDraw", &limitLastDraw},
          {"limitSecondLastDraw", &limitSecondLastDraw},
          {"preferFrequentTriples", &preferFrequentTriples},
          {"preferFrequentQuadruples", &preferFrequentQuadruples},
          {"forcePair", &forcePair},
          {"rejectPastDrawMatches", &rejectPastDrawMatches},
          {"preferRareNumbers", &preferRareNumbers},
          {"preferRarePairs", &preferRarePairs},
          {"preferRareTriples", &preferRareTriples},
          {"preferRareQuadruples", &preferRareQuadruples},
          {"preferSeldomNumbers", &preferSeldomNumbers},
          {"onlyPreferredNumbers", &onlyPreferredNumbers},
          {"rejectRunOfThree", &rejectRunOfThree},
          {"editPoolBeforeDrawing", &editPoolBeforeDrawing}};
}

std::vector<std::pair<std::string, Spinner*>> GenerationOptions::spinners() {
  return {{"quersummeFrom", &quersummeFrom},
          {"quersummeTo", &quersummeTo},
          {"overlapLimit", &overlapLimit},
          {"lastDrawLimit", &lastDrawLimit},
          {"secondLastDrawLimit", &secondLastDrawLimit},
          {"pastDrawMatchSize", &pastDrawMatchSize},
          {"runBudgetThousands", &runBudgetThousands},
          {"tipCount", &tipCount}};
}

}  // namespace lotto
