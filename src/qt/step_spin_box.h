#pragma once

#include <QSpinBox>

// A spin box that tells a step of its arrows (or the arrow keys, or the wheel) apart
// from a value typed into its field.
class StepSpinBox : public QSpinBox {
  Q_OBJECT
 public:
  using QSpinBox::QSpinBox;

  void stepBy(int steps) override {
    QSpinBox::stepBy(steps);
    emit stepped();
  }

 signals:
  void stepped();
};
