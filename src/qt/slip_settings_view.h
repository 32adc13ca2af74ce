#pragma once

#include <QDialog>
#include <memory>

#include "output/slip.h"

namespace Ui {
class TForm5;
}

namespace lotto {

// The view of the slip print settings: the day and Joker boxes recompute the cost shown.
class SlipSettingsView : public QDialog {
  Q_OBJECT
 public:
  SlipSettingsView(TForm5& form, QWidget* parent = nullptr);
  ~SlipSettingsView() override;

  // OK, Abort for "Abbrechen", Cancel for the close box.
  ModalResult run();
  void syncFromModel();

 private:
  std::unique_ptr<Ui::TForm5> ui_;
  TForm5& form_;
  ModalResult result_ = ModalResult::Cancel;
  bool syncing_ = false;
};

}  // namespace lotto
