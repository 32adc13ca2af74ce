#pragma once

#include <utility>
#include <vector>

#include "app/main_window.h"

class QCheckBox;
class QObject;
class QWidget;
class StepSpinBox;

namespace lotto {

// The option check boxes and spinners one tab holds, found by their names and bound to
// the generation options: a change by the user reaches the option at once, and a step of
// the run budget or the tip count recomputes the run budget.
class OptionControls {
 public:
  // `context` owns the connections; `syncing` tells when the view copies the state in.
  void bind(QWidget& tab, QObject& context, MainWindow& form, const bool& syncing);
  void syncFromModel();
  const std::vector<std::pair<QCheckBox*, CheckBox*>>& checkBoxes() const { return checkBoxes_; }

 private:
  std::vector<std::pair<QCheckBox*, CheckBox*>> checkBoxes_;
  std::vector<std::pair<StepSpinBox*, Spinner*>> spinners_;
};

}  // namespace lotto
