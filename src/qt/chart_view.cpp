#include "qt/chart_view.h"

#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QFontMetricsF>
#include <QGraphicsTextItem>
#include <QSaveFile>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

QString number(double value) {
  return QString::number(value, 'f', 0);
}

// 1, 2, 5, 10, 20, 50, ...: the first step whose labels have room.
int labelStepFor(double barWidth, double labelWidth) {
  if (barWidth <= 0) return 1;
  for (int decade = 1;; decade *= 10) {
    for (const int factor : {1, 2, 5}) {
      const int step = factor * decade;
      if (step * barWidth >= labelWidth || step >= 100000) return step;
    }
  }
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
      valueAxis_(new QValueAxis),
      saveAction_(new QAction("Diagramm speichern …", this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setContextMenuPolicy(Qt::ActionsContextMenu);
  view_->addAction(saveAction_);
  view_->setAccessibleName("Diagramm");
  saveAction_->setObjectName("SaveChart");
  connect(saveAction_, &QAction::triggered, this, &ChartView::saveRequested);

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

  connect(chart_, &QChart::plotAreaChanged, this, [this] { placeLabels(); });
  connect(bars_, &QBarSet::hovered, this, [this](bool status, int index) {
    if (status) {
      QToolTip::showText(QCursor::pos(), toolTipOf(index), view_);
    } else {
      QToolTip::hideText();
    }
  });
}

void ChartView::showSeries(const lotto::StatisticSeries& series) {
  series1_->setVisible(series.spareSeries.active);
  series2_->setVisible(series.bars.active);
  series1_->setLabelsVisible(series.spareSeries.marks);
  series2_->setLabelsVisible(series.bars.marks);
  // The axis title is rich text: the caption's runs of blanks must survive.
  const QString title =
      QString::fromStdString(series.caption).toHtmlEscaped().replace(' ', "&nbsp;");
  if (categoryAxis_->titleText() != title) categoryAxis_->setTitleText(title);

  const bool pointsChanged = first_ || shown_.bars.points != series.bars.points;
  shown_ = series;
  if (pointsChanged) {
    first_ = false;
    QList<qreal> values;
    for (const lotto::ChartPoint& point : shown_.bars.points) values << point.y;
    bars_->remove(0, bars_->count());
    bars_->append(values);
    const int count = static_cast<int>(shown_.bars.points.size());
    categoryAxis_->setRange(-0.5, std::max(count, 1) - 0.5);
    labelStep_ = 0;
    placeLabels();
  }

  // A range without height (no points, or all values equal) is drawn one unit high.
  const double minimum = series.rangeMinimum();
  const double maximum = std::max(series.rangeMaximum(), minimum + 1);
  if (valueAxis_->min() != minimum || valueAxis_->max() != maximum)
    valueAxis_->setRange(minimum, maximum);
}

void ChartView::placeLabels() {
  const std::vector<lotto::ChartPoint>& points = shown_.bars.points;
  const int count = static_cast<int>(points.size());
  // Bar i stands at i on the axis; its label is the x value. A label needs the room of
  // its widest number and a gap.
  double labelWidth = 0;
  const QFontMetricsF metrics(categoryAxis_->labelsFont());
  for (const lotto::ChartPoint& point : points) {
    labelWidth = std::max(labelWidth, metrics.horizontalAdvance(number(point.x)));
  }
  labelWidth += metrics.horizontalAdvance("00") / 2 + 6;
  const double barWidth = count > 0 ? chart_->plotArea().width() / count : 0;
  const int step = labelStepFor(barWidth, labelWidth);
  if (step == labelStep_) return;
  labelStep_ = step;

  for (const QString& label : categoryAxis_->categoriesLabels()) categoryAxis_->remove(label);
  for (int i = 0; i < count; ++i) {
    const auto x = static_cast<long long>(std::llround(points[static_cast<std::size_t>(i)].x));
    if (x % step == 0) categoryAxis_->append(number(static_cast<double>(x)), i);
  }
}

QString ChartView::toolTipOf(int bar) const {
  if (bar < 0) return {};
  return QString::fromStdString(lotto::barDescription(shown_, static_cast<std::size_t>(bar)));
}

bool ChartView::savePng(const QString& path) const {
  const QPixmap picture = view_->grab();
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (!picture.save(&file, "PNG")) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

QList<ChartView::DrawnLabel> ChartView::drawnBottomLabels() const {
  const QRectF plot = chart_->plotArea();
  const double lineHeight = QFontMetricsF(categoryAxis_->labelsFont()).height();
  QList<DrawnLabel> found;
  for (QGraphicsItem* item : chart_->scene()->items()) {
    auto* text = dynamic_cast<QGraphicsTextItem*>(item);
    if (text == nullptr || !text->isVisible() || text->toPlainText().isEmpty()) continue;
    const QRectF box = text->sceneBoundingRect();
    // The labels sit just below the plot, between its sides; the left axis's lowest label
    // lies beside the plot, the axis title below the labels.
    if (box.center().y() < plot.bottom() || box.center().y() > plot.bottom() + 2 * lineHeight ||
        box.center().x() < plot.left() || box.center().x() > plot.right()) {
      continue;
    }
    found.append({text->toPlainText(), box});
  }
  std::sort(found.begin(), found.end(), [](const DrawnLabel& a, const DrawnLabel& b) {
    return a.box.center().x() < b.box.center().x();
  });
  return found;
}
