#pragma once
// The history test of the generator, passes: a candidate is refused when a draw
// on or after the start date of the statistics holds N or more of its numbers (N the value
// of pastDrawMatchSize). It scores draws as the tip check does and leaves the last draw it scored
// in scoredDraw and shownDate, its score in hitKinds, hits and zusatzzahlHit; it takes the start
// date into workingDate and empties the chart's series.
//
// The draw file is read once per generator run. A draw of six different numbers from 1 to
// 45 is a 64-bit mask, so its hits with a tip are the bits of one AND; any other record (a
// damaged file) is scored position by position as the tip check would.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "chart/statistic_series.h"
#include "controls/controls.h"
#include "draws/draw_file.h"
#include "draws/draw_on_show.h"
#include "evaluation/scoring.h"
#include "prizes/tips.h"

namespace lotto {

// The parts of the main window the history test reads and writes.
struct HistoryTestParts {
  std::string drawFile;
  const Spinner& matchSize;
  const DateField& statisticsStart;
  double& workingDate;
  DrawOnShow& show;  // shownDate
  ScoringFields& scoring;
  StatisticSeries& chart;
};

class HistoryTest {
 public:
  explicit HistoryTest(HistoryTestParts parts) : parts_(std::move(parts)) {}

  // True when no counted draw holds N or more of the tip's numbers. A missing draw file
  // throws its file error; a cut one E/A-Fehler 100 when the scan reaches the cut, after
  // the last whole record has been scored.
  bool passes(const Tip& tip);

 private:
  void prepare(double startDate);
  // The first counted draw holding N or more of the tip's numbers, or none.
  template <int N>
  std::optional<std::size_t> firstHit(std::uint64_t tipMask, const Tip& tip) const;
  std::optional<std::size_t> firstHitAnyN(int n, std::uint64_t tipMask, const Tip& tip) const;
  // The side effects of having scored the tip against record `index` last.
  void scoredLast(std::size_t index, const Tip& tip);

  HistoryTestParts parts_;
  std::optional<DrawHistory> history_;
  std::optional<double> countedFrom_;
  // The draws on or after the start date, in file order: their masks (0 for a record scored
  // position by position) and their indexes in the file.
  std::vector<std::uint64_t> masks_;
  std::vector<std::size_t> indexes_;
  // How many of each counted draw's six numbers are 0: the emptied candidate, six zeros,
  // scores six hits for each of them.
  std::vector<std::uint8_t> zeros_;
};

// Hits of a tip against a record as the tip check counts them: every pair (drawn position,
// tip position) with equal numbers.
int literalHits(const DrawRecord& record, const Tip& tip);

}  // namespace lotto
