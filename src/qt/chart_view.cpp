#include "qt/chart_view.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

namespace {

QString number(double value) {
  return QString::number(value, 'f', 0);
}

}  // namespace

ChartView::ChartView(QWidget* parent)
    : QWidget(parent),
      chart_(new QChart),
      view_(new QChartView(chart_, this)),
      series1_(new QBarSeries),
      series2_(new QBarSeries),
      bars_(new QBarSet(QString())),
      categoryAxis_(new QCategoryAxis),
      valueAxis_(new QValueAxis) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  view_->setRenderHint(QPainter::Antialiasing);

  chart_->legend()->hide();
  chart_->setMargins(QMargins(4, 4, 4, 4));
  bars_->setColor(QColor(0x00, 0x80, 0x00));
  bars_->setBorderColor(QColor(0x00, 0x60, 0x00));
  series2_->append(bars_);
  series2_->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
  series2_->setBarWidth(0.8);
  series1_->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
  chart_->addSeries(series1_);
  chart_->addSeries(series2_);
  chart_->addAxis(categoryAxis_, Qt::AlignBottom);
  chart_->addAxis(valueAxis_, Qt::AlignLeft);
  for (QBarSeries* series : {series1_, series2_}) {
    series->attachAxis(categoryAxis_);
    series->attachAxis(valueAxis_);
  }
  valueAxis_->setLabelFormat("%d");
  categoryAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  categoryAxis_->setGridLineVisible(false);
}

void ChartView::showSeries(const lotto::StatisticSeries& series) {
  series1_->setVisible(series.Series1.Active);
  series2_->setVisible(series.Series2.Active);
  series1_->setLabelsVisible(series.Series1.Marks);
  series2_->setLabelsVisible(series.Series2.Marks);
  // The axis title is rich text: the caption's runs of blanks must survive.
  const QString title =
      QString::fromStdString(series.Caption).toHtmlEscaped().replace(' ', "&nbsp;");
  if (categoryAxis_->titleText() != title) categoryAxis_->setTitleText(title);

  if (first_ || shownPoints_ != series.Series2.Points) {
    first_ = false;
    shownPoints_ = series.Series2.Points;
    QList<qreal> values;
    for (const lotto::ChartPoint& point : shownPoints_) values << point.y;
    bars_->remove(0, bars_->count());
    bars_->append(values);

    // Bar i stands at i on the axis; its label is the x value. With many bars only every
    // fifth or tenth is labelled, so the labels stay readable.
    for (const QString& label : categoryAxis_->categoriesLabels()) categoryAxis_->remove(label);
    const int count = static_cast<int>(shownPoints_.size());
    const int step = count > 100 ? 10 : count > 50 ? 5 : 1;
    for (int i = 0; i < count; ++i) {
      const double x = shownPoints_[static_cast<std::size_t>(i)].x;
      if (static_cast<long long>(x) % step == 0) categoryAxis_->append(number(x), i);
    }
    categoryAxis_->setRange(-0.5, std::max(count, 1) - 0.5);
  }

  // A range without height (no points, or all values equal) is drawn one unit high.
  const double minimum = series.rangeMinimum();
  const double maximum = std::max(series.rangeMaximum(), minimum + 1);
  if (valueAxis_->min() != minimum || valueAxis_->max() != maximum)
    valueAxis_->setRange(minimum, maximum);
}
