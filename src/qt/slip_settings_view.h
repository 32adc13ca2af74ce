#pragma once

#include <QDialog>
#include <memory>

#include "output/slip.h"

namespace Ui {
class SlipSettingsForm;
}

namespace lotto {

class QtUserInteraction;

// The view of the slip print settings: the day and Joker boxes recompute the cost shown.
class SlipSettingsView : public QDialog {
  Q_OBJECT
 public:
  SlipSettingsView(SlipSettingsDialog& form, QtUserInteraction& interaction,
                   QWidget* parent = nullptr);
  ~SlipSettingsView() override;

  // OK, Abort for "Abbrechen", Cancel for the close box.
  ModalResult run();
  void syncFromModel();

 private:
  std::unique_ptr<Ui::SlipSettingsForm> ui_;
  SlipSettingsDialog& form_;
  QtUserInteraction& interaction_;
  ModalResult result_ = ModalResult::Cancel;
  bool syncing_ = false;
};

}  // namespace lotto
