#pragma once

#include <QList>
#include <QRectF>
#include <QWidget>

#include "chart/statistic_series.h"

class QAction;
class QCategoryAxis;
class QBarSeries;
class QBarSet;
class QChart;
class QChartView;
class QValueAxis;

// The bar chart of the "Diagramm" tab, drawn with Qt Charts from a StatisticSeries. The
// bottom axis labels every bar where the numbers fit and every 2nd, 5th, 10th, ... bar
// where they do not; a bar's tooltip says what it counts; the context menu saves the
// chart as a PNG picture.
class ChartView : public QWidget {
  Q_OBJECT
 public:
  explicit ChartView(QWidget* parent = nullptr);

  // Draws what the series holds; skips the work when it is unchanged.
  void showSeries(const lotto::StatisticSeries& series);
  // Writes the chart as drawn to `path` as PNG, whole or not at all.
  bool savePng(const QString& path) const;
  // The tooltip of bar `bar`.
  QString toolTipOf(int bar) const;

  // What is drawn, for the view tests.
  QBarSeries* barSeries() const { return series2_; }
  QBarSet* bars() const { return bars_; }
  QValueAxis* valueAxis() const { return valueAxis_; }
  QCategoryAxis* categoryAxis() const { return categoryAxis_; }
  QChart* chart() const { return chart_; }
  // The bottom axis labels as the scene draws them, left to right, with their boxes.
  struct DrawnLabel {
    QString text;
    QRectF box;
  };
  QList<DrawnLabel> drawnBottomLabels() const;

 signals:
  // "Diagramm speichern …" was chosen.
  void saveRequested();

 private:
  // Labels at the step that fits the plot's width.
  void placeLabels();

  QChart* chart_;
  QChartView* view_;
  QBarSeries* series1_;
  QBarSeries* series2_;
  QBarSet* bars_;
  QCategoryAxis* categoryAxis_;
  QValueAxis* valueAxis_;
  QAction* saveAction_;
  lotto::StatisticSeries shown_;
  int labelStep_ = 0;  // 0: no labels placed yet
  bool first_ = true;
};
