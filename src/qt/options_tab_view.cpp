#include "qt/options_tab_view.h"

#include <QCheckBox>
#include <QMouseEvent>

#include "qt/widget_sync.h"
#include "ui_optionstab.h"

namespace lotto {

OptionsTabView::OptionsTabView(MainWindow& form, CommandRunner runCommand, QWidget* parent)
    : TabView(form, std::move(runCommand), parent), ui_(std::make_unique<Ui::OptionsTabForm>()) {
  ui_->setupUi(this);
  options_.bind(*this, *this, form_, syncing_);
  // The text after a spinner toggles its box like the box's own text.
  for (const auto& [widget, box] : options_.checkBoxes()) {
    if (auto* rest = findChild<QLabel*>(widget->objectName() + "Rest")) {
      captionRests_.push_back({rest, widget});
      rest->installEventFilter(this);
    }
  }
}

OptionsTabView::~OptionsTabView() = default;

void OptionsTabView::syncFromModel() {
  syncing_ = true;
  options_.syncFromModel();
  syncing_ = false;
}

bool OptionsTabView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    for (const auto& [rest, box] : captionRests_) {
      if (rest == watched && box->isEnabled()) {
        box->click();
        return true;
      }
    }
  }
  return TabView::eventFilter(watched, event);
}

}  // namespace lotto
