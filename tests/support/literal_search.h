#pragma once
// "Tipps in DB suchen" written out step by step: every draw is shown and every tip scored
// with the text rule and labelled, draw by draw. The program's own search must leave the
// same window and ask the same questions.

#include "app/main_window.h"

namespace lotto::testing {

void literalSearchHistoryForTips(MainWindow& form, UserInteraction& ui);

}  // namespace lotto::testing
