#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "qt/option_controls.h"
#include "qt/tab_view.h"

class QLabel;

namespace Ui {
class OptionsTabForm;
}

namespace lotto {

// The tab "Berechnungs-Optionen": the options of the tip generation.
class OptionsTabView : public TabView {
  Q_OBJECT
 public:
  OptionsTabView(MainWindow& form, CommandRunner runCommand, QWidget* parent = nullptr);
  ~OptionsTabView() override;

  void syncFromModel() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::unique_ptr<Ui::OptionsTabForm> ui_;
  OptionControls options_;
  // The text after a spinner in the gap of a caption, with the box it belongs to.
  std::vector<std::pair<QLabel*, QCheckBox*>> captionRests_;
};

}  // namespace lotto
