#pragma once
// The state a generator run leaves, as lines in the form of the reference runs in
// tests/fixtures/generator: the rows, the status text, the counter, the pool, the options,
// the draw fields and dates. Tests compare such lines with the fixtures and with each other.

#include <string>
#include <vector>

#include "app/main_window.h"

namespace lotto::testing {

// The lines of "# Result" but the trace lines.
std::vector<std::string> generatorReport(const MainWindow& form);
// The trace lines: the last two draws and every accepted candidate.
std::vector<std::string> generatorTrace(const MainWindow& form);

// "2026-08-21"
std::string isoDate(double date);

}  // namespace lotto::testing
