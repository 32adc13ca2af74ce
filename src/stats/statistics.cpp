#include "stats/statistics.h"

#include <cmath>

#include "draws/day_filter.h"
#include "draws/draw_on_show.h"
#include "platform/errors.h"

namespace lotto {

bool StatisticsFilter::passes(const DrawRecord& record) const {
  return record.date >= startDate && countedByDayFilter(record.date, sunday, wednesday);
}

void requireValidNumbers(const DrawRecord& record, std::size_t index) {
  for (std::size_t i = 0; i < 7; ++i) {
    const int number = record.bytes[i];
    if (number < 1 || number > 45) {
      throw AppError(recordPlace(record, index) + " enthält die ungültige Zahl " +
                     std::to_string(number) +
                     ". Zeigen Sie diese Ziehung an und löschen Sie sie, dann stimmt die Statistik "
                     "wieder.");
    }
  }
}

namespace {

// Calls `count(record, index)` for every draw the statistics count, in file order, after
// making sure its numbers can index the count tables.
template <typename Count>
void forEachCountedDraw(const std::vector<DrawRecord>& records, const StatisticsFilter& filter,
                        Count&& count) {
  for (std::size_t index = 0; index < records.size(); ++index) {
    const DrawRecord& record = records[index];
    if (!filter.passes(record)) continue;
    requireValidNumbers(record, index);
    count(record, index);
  }
}

}  // namespace

long long roundHalfEven(double value) {
  return static_cast<long long>(std::nearbyint(value));
}

long long averageQuersumme(double sum, int draws) {
  return draws == 0 ? 0 : roundHalfEven(sum / draws);
}

FrequencyCounts countNumberFrequency(const std::vector<DrawRecord>& records,
                                     const StatisticsFilter& filter) {
  FrequencyCounts result;
  forEachCountedDraw(records, filter, [&](const DrawRecord& record, std::size_t /*index*/) {
    for (std::size_t i = 0; i < 7; ++i) ++result.counts[record.bytes[i]];
    ++result.draws;
    result.quersummeSum += quersumme(record);
  });
  return result;
}

QuersummeCounts countQuersummen(const std::vector<DrawRecord>& records,
                                const StatisticsFilter& filter) {
  QuersummeCounts result;
  forEachCountedDraw(records, filter, [&](const DrawRecord& record, std::size_t /*index*/) {
    const int q = quersumme(record);
    ++result.counts[static_cast<std::size_t>(q)];
    result.smallest = std::min(result.smallest, q);
    result.largest = std::max(result.largest, q);
    ++result.draws;
    result.quersummeSum += q;
  });
  return result;
}

int lastGroupStart(int groupSize) {
  return groupSize == 2 ? 44 : 43;
}

GroupCounts countNeighbourGroups(const std::vector<DrawRecord>& records,
                                 const StatisticsFilter& filter, int groupSize) {
  GroupCounts result;
  const int lastStart = lastGroupStart(groupSize);
  forEachCountedDraw(records, filter, [&](const DrawRecord& record, std::size_t index) {
    // How often each number stands among the six drawn numbers: the hits the tip-check
    // rule gives a tip number. Numbers run up to 46 (the quadruple starting at 43).
    std::array<int, 47> drawn{};
    for (std::size_t i = 0; i < 6; ++i) ++drawn[record.bytes[i]];
    int window = 0;
    for (int n = 1; n < groupSize; ++n) window += drawn[static_cast<std::size_t>(n)];
    for (int k = 1; k <= lastStart; ++k) {
      window += drawn[static_cast<std::size_t>(k + groupSize - 1)];
      if (window == groupSize) {
        ++result.counts[static_cast<std::size_t>(k)];
        ++result.groups;
      }
      window -= drawn[static_cast<std::size_t>(k)];
    }
    ++result.draws;
    result.lastCounted = index;
  });
  return result;
}

std::array<int, 46> countOverdue(const std::vector<DrawRecord>& records,
                                 const StatisticsFilter& filter) {
  std::array<int, 46> counters;
  counters.fill(1);
  forEachCountedDraw(records, filter, [&](const DrawRecord& record, std::size_t /*index*/) {
    for (int& counter : counters) ++counter;
    for (std::size_t i = 0; i < 7; ++i) counters[record.bytes[i]] = 1;
  });
  return counters;
}

}  // namespace lotto
