#pragma once

#include <memory>

#include "qt/option_controls.h"
#include "qt/tab_view.h"

class QAbstractButton;

namespace Ui {
class DrawsTabForm;
}

namespace lotto {

// The tab "Datenbank": the update with its stop button, the draw on show, the check for a
// chosen date, the entry and removal of draws, the group searches and the run budget.
class DrawsTabView : public TabView {
  Q_OBJECT
 public:
  DrawsTabView(MainWindow& form, CommandRunner runCommand, QWidget* parent = nullptr);
  ~DrawsTabView() override;

  void syncFromModel() override;
  // The stop button: the one control that acts while a command runs. It starts no command
  // of its own, so the frame binds it.
  QAbstractButton* stopButton() const;

 private:
  std::unique_ptr<Ui::DrawsTabForm> ui_;
  OptionControls options_;
};

}  // namespace lotto
