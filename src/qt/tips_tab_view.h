#pragma once

#include <memory>
#include <vector>

#include "qt/option_controls.h"
#include "qt/tab_view.h"

namespace Ui {
class TipsTabForm;
}

namespace lotto {

class TipRowView;

// The tab "Lottotipp": the draw bar, the twelve tip rows, the tip commands, the banners
// and the bottom bar with the number of tips and "Tipps berechnen".
class TipsTabView : public TabView {
  Q_OBJECT
 public:
  TipsTabView(MainWindow& form, CommandRunner runCommand, QWidget* parent = nullptr);
  ~TipsTabView() override;

  void syncFromModel() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::unique_ptr<Ui::TipsTabForm> ui_;
  std::vector<TipRowView*> rows_;
  OptionControls options_;
};

}  // namespace lotto
