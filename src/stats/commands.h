#pragma once
// The statistic commands. Each reads the draw file once and leaves its result in the
// chart: the bars, the value range and the caption.

#include <string>

#include "chart/chart_tab.h"
#include "controls/controls.h"
#include "controls/tip_grid.h"
#include "draws/day_filter.h"
#include "evaluation/scoring.h"
#include "platform/user_interaction.h"

namespace lotto {

// The parts of the main window a statistic of the draw history works on.
struct StatisticParts {
  std::string drawFile;
  const DayFilter& days;
  ChartTab& chartTab;
  double& workingDate;  // receives the start date
  UserInteraction& ui;
};

// "Häufigkeit der gezogenen Zahlen" (showNumberFrequency).
void numberFrequency(const StatisticParts& parts);
// "Verteilung der Quersumme der Ziehungen" (showQuersummeDistribution).
void quersummeDistribution(const StatisticParts& parts);
// Pairs, triples or quadruples of neighbouring numbers (groupSize 2, 3, 4). The search
// leaves the last counted draw in scoredDraw and the score of its last group in `scoring`.
void neighbourGroupSearch(const StatisticParts& parts, int groupSize, ScoringFields& scoring);
// For every number, the counted draws since it last came.
void overdueNumbers(const StatisticParts& parts);
// "Tippverteilung": how often each number stands in the tips.
void tipDistribution(const TipGrid& tips, StatisticSeries& chart, UserInteraction& ui);

}  // namespace lotto
