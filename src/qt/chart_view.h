#pragma once

#include <QWidget>

#include "stats/statistic_series.h"

class QCategoryAxis;
class QBarSeries;
class QBarSet;
class QChart;
class QChartView;
class QValueAxis;

// The bar chart of the "Diagramm" tab, drawn with Qt Charts from a StatisticSeries.
class ChartView : public QWidget {
  Q_OBJECT
 public:
  explicit ChartView(QWidget* parent = nullptr);

  // Draws what the series holds; skips the work when it is unchanged.
  void showSeries(const lotto::StatisticSeries& series);

  // What is drawn, for the view tests.
  QBarSeries* barSeries() const { return series2_; }
  QValueAxis* valueAxis() const { return valueAxis_; }
  QCategoryAxis* categoryAxis() const { return categoryAxis_; }

 private:
  QChart* chart_;
  QChartView* view_;
  QBarSeries* series1_;
  QBarSeries* series2_;
  QBarSet* bars_;
  QCategoryAxis* categoryAxis_;
  QValueAxis* valueAxis_;
  std::vector<lotto::ChartPoint> shownPoints_;
  bool first_ = true;
};
