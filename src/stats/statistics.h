#pragma once
// The counts behind the statistics. Each runs over the draws in memory once, with fixed
// tables and no allocation per draw.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "draws/draw_record.h"

namespace lotto {

// The statistics count a draw dated on or after the start date whose weekday passes the
// counting form of the day filter.
struct StatisticsFilter {
  double startDate = 0;
  bool sunday = true;
  bool wednesday = true;
  bool passes(const DrawRecord& record) const;
};

// The six numbers and the Zusatzzahl of a counted draw index the count tables; a damaged
// record with a byte outside 1..45 stops the statistic with a message naming it.
void requireValidNumbers(const DrawRecord& record, std::size_t index);

// Round to the nearest whole number, a half to the even neighbour.
long long roundHalfEven(double value);
// The average Quersumme of a caption; 0 when no draw was counted.
long long averageQuersumme(double sum, int draws);

struct FrequencyCounts {
  std::array<int, 46> counts{};  // per number, the six numbers and the Zusatzzahl counted
  int draws = 0;
  double quersummeSum = 0;
};
FrequencyCounts countNumberFrequency(const std::vector<DrawRecord>& records,
                                     const StatisticsFilter& filter);

struct QuersummeCounts {
  std::array<int, 280> counts{};
  int smallest = 500;
  int largest = 0;
  int draws = 0;
  double quersummeSum = 0;
};
QuersummeCounts countQuersummen(const std::vector<DrawRecord>& records,
                                const StatisticsFilter& filter);

// Draws holding the neighbouring numbers k .. k+g-1, for every start k. The count is the
// one the tip-check rule gives for the tip k, .., k+g-1 with "0" in its other places: a
// group counts when its hits add up to exactly g, so a draw typed in by hand with a
// number twice is counted as the rule counts it.
struct GroupCounts {
  std::array<int, 46> counts{};  // by start number
  int draws = 0;
  int groups = 0;
  std::optional<std::size_t> lastCounted;  // index of the last draw counted
};
// Start numbers: 1..44 for pairs, 1..43 for triples and quadruples.
int lastGroupStart(int groupSize);
GroupCounts countNeighbourGroups(const std::vector<DrawRecord>& records,
                                 const StatisticsFilter& filter, int groupSize);

// Per number, 1 + the counted draws after the latest one that held it (as a number or as
// the Zusatzzahl); 1 + all counted draws for a number that never came.
std::array<int, 46> countOverdue(const std::vector<DrawRecord>& records,
                                 const StatisticsFilter& filter);

}  // namespace lotto
