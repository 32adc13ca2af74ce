#include "stats/statistic_series.h"

#include <algorithm>

namespace lotto {

void StatisticSeries::beginStatistic() {
  Series2.Active = true;
  Series1.Active = false;
  Series2.Points.clear();
}

void StatisticSeries::fixValueRange(double minimum, double maximum) {
  LeftAxis.Minimum = 0;
  LeftAxis.Maximum = maximum;
  LeftAxis.Minimum = minimum;
  LeftAxis.Automatic = false;
}

double StatisticSeries::rangeMinimum() const {
  return LeftAxis.Automatic ? 0 : LeftAxis.Minimum;
}

double StatisticSeries::rangeMaximum() const {
  if (!LeftAxis.Automatic) return LeftAxis.Maximum;
  double largest = 0;
  for (const ChartPoint& point : Series2.Points) largest = std::max(largest, point.y);
  return largest;
}

}  // namespace lotto
