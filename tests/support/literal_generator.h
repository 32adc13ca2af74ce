#pragma once
// "Tipps berechnen" written out step by step, the plain way: the history test reads the
// draw file at every call and scores every draw with the tip check's text rule, and the
// progress text is made for every candidate. The program's own run must leave exactly the
// same window; the tests compare both, and the benchmark measures the difference.

#include "app/main_window.h"

namespace lotto::testing {

void literalGenerateTips(MainWindow& form, UserInteraction& ui);

}  // namespace lotto::testing
