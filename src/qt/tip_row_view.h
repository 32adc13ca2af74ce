#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "qt/tab_view.h"

class QLineEdit;

namespace Ui {
class TipRowForm;
}

namespace lotto {

// One row of the tip grid: the row label (a click marks the tip), the six fields, the
// edit button and the result labels. The grid is twelve of these.
class TipRowView : public QWidget {
  Q_OBJECT
 public:
  TipRowView(int tip, MainWindow& form, CommandRunner runCommand, QWidget* parent = nullptr);
  ~TipRowView() override;

  void syncFromModel();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::unique_ptr<Ui::TipRowForm> ui_;
  const int tip_;
  MainWindow& form_;
  CommandRunner runCommand_;
  std::array<QLineEdit*, TipGrid::kNumbers> fields_{};
};

}  // namespace lotto
