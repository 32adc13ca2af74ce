#include "chart/statistic_series.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace lotto {

void StatisticSeries::beginStatistic() {
  bars.active = true;
  spareSeries.active = false;
  bars.points.clear();
  meaning = BarMeaning::None;
}

void StatisticSeries::fixValueRange(double minimum, double maximum) {
  valueAxis.minimum = 0;
  valueAxis.maximum = maximum;
  valueAxis.minimum = minimum;
  valueAxis.automatic = false;
}

double StatisticSeries::rangeMinimum() const {
  return valueAxis.automatic ? 0 : valueAxis.minimum;
}

double StatisticSeries::rangeMaximum() const {
  if (!valueAxis.automatic) return valueAxis.maximum;
  double largest = 0;
  for (const ChartPoint& point : bars.points) largest = std::max(largest, point.y);
  return largest;
}

namespace {

std::string whole(double value) {
  return std::to_string(static_cast<long long>(std::llround(value)));
}

std::string draws(double count) {
  return whole(count) + (std::llround(count) == 1 ? " Ziehung" : " Ziehungen");
}

std::string group(const char* word, int first, int size) {
  const int last = first + size - 1;
  if (last > 45) return std::string(word) + " ab " + std::to_string(first);
  return std::string(word) + " " + std::to_string(first) + "–" + std::to_string(last);
}

}  // namespace

std::string barDescription(const StatisticSeries& chart, std::size_t position) {
  if (position >= chart.bars.points.size()) return {};
  const ChartPoint& point = chart.bars.points[position];
  const int x = static_cast<int>(std::llround(point.x));
  switch (chart.meaning) {
    case BarMeaning::DrawsWithNumber:
      return "Zahl " + std::to_string(x) + ": " + draws(point.y);
    case BarMeaning::DrawsWithQuersumme:
      return "Quersumme " + std::to_string(x) + ": " + draws(point.y);
    case BarMeaning::DrawsWithPair:
      return group("Paar", x, 2) + ": " + draws(point.y);
    case BarMeaning::DrawsWithTriple:
      return group("Dreier", x, 3) + ": " + draws(point.y);
    case BarMeaning::DrawsWithQuadruple:
      return group("Vierer", x, 4) + ": " + draws(point.y);
    case BarMeaning::DrawsSinceNumber:
      return "Zahl " + std::to_string(x) + ": seit " + draws(point.y) + " nicht gezogen";
    case BarMeaning::TimesInTips:
      return "Zahl " + std::to_string(x) + ": " + whole(point.y) + "-mal in den Tipps";
    case BarMeaning::None:
      break;
  }
  return whole(point.x) + ": " + whole(point.y);
}

std::string chartFileName(const std::string& caption) {
  std::string name = caption.substr(0, std::min(caption.find("  "), caption.find_first_of("!?,:")));
  for (char& c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F ||
        std::string_view("/\\*\"<>|").find(c) != std::string_view::npos) {
      c = '_';
    }
  }
  while (!name.empty() && (name.back() == ' ' || name.back() == '.')) name.pop_back();
  while (!name.empty() && (name.front() == ' ' || name.front() == '.')) name.erase(0, 1);
  // At most 80 bytes, never cut inside a UTF-8 character.
  if (name.size() > 80) {
    std::size_t cut = 80;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    name.resize(cut);
  }
  return (name.empty() ? std::string("Diagramm") : name) + ".png";
}

}  // namespace lotto
