#include "qt/option_controls.h"

#include <QCheckBox>

#include "qt/step_spin_box.h"
#include "qt/widget_sync.h"

namespace lotto {

void OptionControls::bind(QWidget& tab, QObject& context, MainWindow& form, const bool& syncing) {
  for (auto& [name, box] : form.options.checkBoxes()) {
    auto* widget = tab.findChild<QCheckBox*>(qs(name));
    if (widget == nullptr) continue;  // on another tab
    checkBoxes_.push_back({widget, box});
    QObject::connect(widget, &QCheckBox::toggled, &context, [&syncing, box = box](bool checked) {
      if (!syncing) box->checked = checked;
    });
  }
  for (auto& [name, spinner] : form.options.spinners()) {
    auto* widget = tab.findChild<StepSpinBox*>(qs(name));
    if (widget == nullptr) continue;
    spinners_.push_back({widget, spinner});
    QObject::connect(widget, &QSpinBox::valueChanged, &context,
                     [&syncing, spinner = spinner](int value) {
                       if (!syncing) spinner->setValue(value);
                     });
    if (spinner == &form.options.runBudgetThousands) {
      QObject::connect(widget, &StepSpinBox::stepped, &context,
                       [&form] { form.runBudgetStepped(); });
    }
    if (spinner == &form.options.tipCount) {
      QObject::connect(widget, &StepSpinBox::stepped, &context,
                       [&form] { form.tipCountStepped(); });
    }
  }
}

void OptionControls::syncFromModel() {
  for (const auto& [widget, box] : checkBoxes_) widget->setChecked(box->checked);
  for (const auto& [widget, spinner] : spinners_) {
    widget->setRange(spinner->minimum, spinner->maximum);
    if (widget->value() != spinner->value()) widget->setValue(spinner->value());
  }
}

}  // namespace lotto
