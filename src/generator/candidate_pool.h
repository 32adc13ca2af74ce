#pragma once
// The candidate pool: the ordered entries tip numbers are drawn from, each entry equally
// likely, so that a number's weight is its count of entries. It is built at the start of a
// generator run from the statistics the options switch on.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "chart/statistic_series.h"
#include "controls/controls.h"
#include "generator/number_dialog.h"
#include "generator/options.h"
#include "platform/user_interaction.h"

namespace lotto {

class CandidatePool {
 public:
  const std::vector<std::int32_t>& entries() const { return entries_; }
  std::int32_t count() const { return static_cast<std::int32_t>(entries_.size()); }
  std::int32_t at(std::int32_t position) const {
    return entries_[static_cast<std::size_t>(position)];
  }

  // How many entries equal n.
  std::int32_t countOf(std::int32_t n) const;
  // n appended k times at the end; nothing for k <= 0.
  void appendRepeatedly(std::int32_t n, std::int32_t k);
  // Every entry equal to one of the numbers removed; the rest keep their order.
  void removeAll(const std::array<std::int32_t, 7>& numbers);
  void clear() { entries_.clear(); }
  // The pool anew from the dialog: for n = 1 to 45, a checked box appends n as many times
  // as its weight says. A weight that is not a whole number fails (ConversionError); the
  // weights may add up to at most kMaxRebuiltEntries, so that no typed weight can fill the
  // memory. Returns the new count.
  std::int32_t rebuildFrom(const NumberDialog& dialog);

  static constexpr std::int64_t kMaxRebuiltEntries = 1'000'000;

 private:
  std::vector<std::int32_t> entries_;
};

// Round(max - (max - min) * tenths / 10) and Round(min + (max - min) * tenths / 10) for
// whole-numbered chart values, computed exactly with a half to the even neighbour.
std::int64_t lowerBoundOfFrequent(double minimum, double maximum, int tenths);
std::int64_t upperBoundOfRare(double minimum, double maximum, int tenths);

// What the pool build needs of the main window: its options and chart, its status text
// (panel 1) and tab, the dialog, and its statistic commands, which it runs as the user
// would (each fills the chart, which the pass reads back).
struct PoolBuildParts {
  const GenerationOptions& options;
  const StatisticSeries& chart;
  std::string& status;
  MainPage& activePage;
  NumberDialog& dialog;
  UserInteraction& ui;
  std::function<void()> overdueNumbers;   // showOverdueNumbers
  std::function<void()> pairs;            // showPairs
  std::function<void()> triples;          // showTriples
  std::function<void()> quadruples;       // showQuadruples
  std::function<void()> numberFrequency;  // showNumberFrequency
};

struct PoolBuild {
  bool abandoned = false;  // the dialog was closed without "&Rechnen" or OK
  int statisticsRun = 0;
};

// The preference passes in order, the block of all 45 numbers, the removal of the last two
// draws' numbers and, with editPoolBeforeDrawing, the hand-over to the dialog.
PoolBuild buildCandidatePool(const PoolBuildParts& parts, const std::array<std::int32_t, 7>& last,
                             const std::array<std::int32_t, 7>& secondLast, CandidatePool& pool);

}  // namespace lotto
