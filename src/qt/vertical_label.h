#pragma once

#include <QLabel>

// A label whose text runs upwards, for the red banners beside the tip grid.
class VerticalLabel : public QLabel {
  Q_OBJECT
 public:
  explicit VerticalLabel(QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};
