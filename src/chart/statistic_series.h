#pragma once
// What the chart holds: the bars of the last statistic, its value range and caption, and
// the state of the chart's two bar series. Every statistic writes it; the tip generator
// reads it back; the view only draws it.

#include <cstddef>
#include <string>
#include <vector>

namespace lotto {

struct ChartPoint {
  double x = 0;
  double y = 0;
  friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

struct BarSeries {
  bool active = true;
  bool marks = true;  // the value printed above each bar
  std::vector<ChartPoint> points;
};

struct ValueAxis {
  double minimum = 0;
  double maximum = 0;
  bool automatic = true;
};

// What a bar of the chart counts, for the words that describe it.
enum class BarMeaning {
  None,                // a chart without words: "x: y"
  DrawsWithNumber,     // x a number, y the draws that held it
  DrawsWithQuersumme,  // x a Quersumme, y the draws that had it
  DrawsWithPair,       // x the first number of a neighbour group of two, three or four
  DrawsWithTriple,
  DrawsWithQuadruple,
  DrawsSinceNumber,  // x a number, y the draws since it was last drawn
  TimesInTips,       // x a number, y how often the tips hold it
};

class StatisticSeries {
 public:
  BarSeries spareSeries;  // never filled; every statistic switches it off
  BarSeries bars;         // green; every statistic writes its result here
  ValueAxis valueAxis;
  bool bottomAxisAutomatic = true;
  std::string caption;  // title of the bottom axis
  BarMeaning meaning = BarMeaning::None;

  // The start of every statistic: bars active and emptied, spareSeries inactive, the bars
  // without words until the statistic names them.
  void beginStatistic();
  void addPoint(double x, double y) { bars.points.push_back({x, y}); }
  // A fixed value range, set as minimum 0, then the maximum, then the minimum, so that
  // the axis never holds a minimum above its maximum.
  void fixValueRange(double minimum, double maximum);
  void setAutomaticValueRange() { valueAxis.automatic = true; }

  // Read-back, as the tip generator uses it.
  std::size_t count() const { return bars.points.size(); }
  double y(std::size_t position) const { return bars.points[position].y; }
  // The range in force: the fixed one, or for an automatic range 0 .. largest y (0 .. 0
  // without points).
  double rangeMinimum() const;
  double rangeMaximum() const;
};

// The words for bar `position`, as its tooltip shows them: "Zahl 17: 582 Ziehungen".
std::string barDescription(const StatisticSeries& chart, std::size_t position);

// The file name proposed for a picture of the chart: the caption up to its first pause
// (two blanks, or one of "!?,:"), without characters a file name cannot hold, ".png".
std::string chartFileName(const std::string& caption);

}  // namespace lotto
