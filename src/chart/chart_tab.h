#pragma once
// The tab "Diagramm": the start date of every statistic and the chart they fill.

#include "chart/statistic_series.h"
#include "controls/controls.h"
#include "platform/dates.h"

namespace lotto {

struct ChartTab {
  DateField statisticsStart{dayNumber(1986, 9, 7), dayNumber(1986, 9, 7)};
  StatisticSeries chart;
};

}  // namespace lotto
