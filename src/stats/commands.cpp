// Each statistic reads the draw file once and counts in memory. A record with a number
// outside 1..45 stops it with a message before the chart is touched; a cut file lets it
// begin (the chart is emptied, workingDate set) and fails where the counting reaches the
// partial record, before anything is plotted.

#include "stats/commands.h"

#include "draws/draw_file.h"
#include "platform/convert.h"
#include "stats/statistics.h"

namespace lotto {
namespace {

std::string averageCaption(const std::string& title, int draws, double sum) {
  return title + "     Ziehungen: " + std::to_string(draws) +
         "    Quersumme: " + std::to_string(averageQuersumme(sum, draws));
}

// Points 1..last of a table, with the fixed range from their smallest to their largest y.
template <std::size_t N>
void plotFixed(StatisticSeries& chart, const std::array<int, N>& counts, int last) {
  int smallest = counts[1];
  int largest = counts[1];
  for (int k = 1; k <= last; ++k) {
    const int y = counts[static_cast<std::size_t>(k)];
    chart.addPoint(k, y);
    smallest = std::min(smallest, y);
    largest = std::max(largest, y);
  }
  chart.fixValueRange(smallest, largest);
  chart.bottomAxisAutomatic = true;
}

StatisticsFilter filterOf(const StatisticParts& parts) {
  return StatisticsFilter{parts.chartTab.statisticsStart.date(), parts.days.sundayDraws.checked,
                          parts.days.wednesdayDraws.checked};
}

// The frame every statistic of the history shares: read the file, take the start date,
// count, begin the chart, do what the statistic does besides counting (`alongside`, on
// the records and the counts), and fail at the partial record of a cut file.
template <typename Count, typename Alongside>
auto countHistory(const StatisticParts& parts, Count&& count, Alongside&& alongside) {
  const DrawHistory history = readDrawHistory(parts.drawFile);
  parts.workingDate = parts.chartTab.statisticsStart.date();
  auto result = count(history.records, filterOf(parts));
  parts.chartTab.chart.beginStatistic();
  alongside(history.records, result);
  history.throwIfCut();
  return result;
}

template <typename Count>
auto countHistory(const StatisticParts& parts, Count&& count) {
  return countHistory(parts, count, [](const auto&, const auto&) {});
}

}  // namespace

void numberFrequency(const StatisticParts& parts) {
  BusyCursor busy(parts.ui);
  StatisticSeries& chart = parts.chartTab.chart;
  const FrequencyCounts result =
      countHistory(parts, countNumberFrequency, [&chart](const auto&, const auto&) {
        chart.spareSeries.marks = false;  // off for the rest of the run
        chart.bars.marks = false;
      });
  plotFixed(chart, result.counts, 45);
  chart.meaning = BarMeaning::DrawsWithNumber;
  chart.caption = averageCaption("Zahlenverteilung", result.draws, result.quersummeSum);
}

void quersummeDistribution(const StatisticParts& parts) {
  BusyCursor busy(parts.ui);
  StatisticSeries& chart = parts.chartTab.chart;
  const QuersummeCounts result = countHistory(parts, countQuersummen);
  if (result.draws > 0) {
    for (int q = result.smallest; q <= result.largest; ++q) {
      chart.addPoint(q, result.counts[static_cast<std::size_t>(q)]);
    }
  }
  chart.setAutomaticValueRange();
  chart.bottomAxisAutomatic = true;
  chart.meaning = BarMeaning::DrawsWithQuersumme;
  chart.caption = averageCaption("Quersummenverteilung", result.draws, result.quersummeSum);
}

void neighbourGroupSearch(const StatisticParts& parts, int groupSize, ScoringFields& scoring) {
  BusyCursor busy(parts.ui);
  StatisticSeries& chart = parts.chartTab.chart;
  const auto count = [groupSize](const std::vector<DrawRecord>& records,
                                 const StatisticsFilter& filter) {
    return countNeighbourGroups(records, filter, groupSize);
  };
  // The search leaves the last counted draw in scoredDraw and the score of its last group in
  // the scoring fields, exactly as scoring every group in turn would.
  const auto scoreLastGroup = [&scoring, groupSize](const std::vector<DrawRecord>& records,
                                                    const GroupCounts& result) {
    if (!result.lastCounted) return;
    scoring.scoredDraw = drawNumbersOf(records[*result.lastCounted]);
    const int k = lastGroupStart(groupSize);
    std::array<std::string, 6> texts;
    for (int position = 0; position < 6; ++position) {
      texts[static_cast<std::size_t>(position)] =
          position < groupSize ? std::to_string(k + position) : "0";
    }
    scoring.scoreTip({texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]});
  };
  const GroupCounts result = countHistory(parts, count, scoreLastGroup);

  if (groupSize == 4) {
    for (int k = 1; k <= 45; ++k) chart.addPoint(k, result.counts[static_cast<std::size_t>(k)]);
    chart.setAutomaticValueRange();
    chart.bottomAxisAutomatic = true;
  } else {
    plotFixed(chart, result.counts, lastGroupStart(groupSize));
  }
  chart.meaning = groupSize == 2   ? BarMeaning::DrawsWithPair
                  : groupSize == 3 ? BarMeaning::DrawsWithTriple
                                   : BarMeaning::DrawsWithQuadruple;
  const char* word = groupSize == 2 ? "Paare" : groupSize == 3 ? "Dreier" : "Vierer";
  chart.caption = "Bei " + std::to_string(result.draws) + " Ziehungen wurden " +
                  std::to_string(result.groups) + " " + word + " gefunden!";
}

void overdueNumbers(const StatisticParts& parts) {
  BusyCursor busy(parts.ui);
  StatisticSeries& chart = parts.chartTab.chart;
  const std::array<int, 46> counters = countHistory(parts, countOverdue);
  plotFixed(chart, counters, 45);
  chart.meaning = BarMeaning::DrawsSinceNumber;
  chart.caption = "Welche Zahl ist überfällig, wurde also seit wie vielen Ziehungen nicht gezogen?";
}

void tipDistribution(const TipGrid& tips, StatisticSeries& chart, UserInteraction& ui) {
  BusyCursor busy(ui);
  std::array<int, 46> counters{};
  chart.beginStatistic();
  // Counting ends at the first field that is not a number; the grid admits only 1..45.
  bool counting = true;
  for (int tip = 1; tip <= TipGrid::kTips && counting; ++tip) {
    if (tips.repeatedNumber(tip)) continue;  // no tip: its numbers do not count
    for (int index = 1; index <= TipGrid::kNumbers; ++index) {
      const auto number = tryToInteger(tips.text(tip, index));
      if (!number || *number < 0 || *number > 45) {
        counting = false;
        break;
      }
      ++counters[static_cast<std::size_t>(*number)];
    }
  }
  plotFixed(chart, counters, 45);
  chart.meaning = BarMeaning::TimesInTips;
  chart.caption = "Zahlenverteilung des Tippes";
}

}  // namespace lotto
