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

struct TBarSeries {
  bool Active = true;
  bool Marks = true;  // the value printed above each bar
  std::vector<ChartPoint> Points;
};

struct TValueAxis {
  double Minimum = 0;
  double Maximum = 0;
  bool Automatic = true;
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
  TBarSeries Series1;  // never filled; every statistic switches it off
  TBarSeries Series2;  // green; every statistic writes its result here
  TValueAxis LeftAxis;
  bool BottomAxisAutomatic = true;
  std::string Caption;  // title of the bottom axis
  BarMeaning Meaning = BarMeaning::None;

  // The start of every statistic: Series2 active and emptied, Series1 inactive, the bars
  // without words until the statistic names them.
  void beginStatistic();
  void addPoint(double x, double y) { Series2.Points.push_back({x, y}); }
  // A fixed value range, set as minimum 0, then the maximum, then the minimum, so that
  // the axis never holds a minimum above its maximum.
  void fixValueRange(double minimum, double maximum);
  void setAutomaticValueRange() { LeftAxis.Automatic = true; }

  // Read-back, as the tip generator uses it.
  std::size_t count() const { return Series2.Points.size(); }
  double y(std::size_t position) const { return Series2.Points[position].y; }
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
