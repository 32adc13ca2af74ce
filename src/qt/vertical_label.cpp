#include "qt/vertical_label.h"

#include <QMouseEvent>
#include <QPainter>

VerticalLabel::VerticalLabel(QWidget* parent) : QLabel(parent) {}

QSize VerticalLabel::sizeHint() const {
  const QSize horizontal = QLabel::sizeHint();
  return {horizontal.height(), horizontal.width()};
}

QSize VerticalLabel::minimumSizeHint() const {
  return {fontMetrics().height(), 0};
}

void VerticalLabel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.translate(0, height());
  painter.rotate(-90);
  painter.drawText(QRect(0, 0, height(), width()), Qt::AlignCenter, text());
}

void VerticalLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
  QLabel::mouseReleaseEvent(event);
}
