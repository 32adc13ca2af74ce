#pragma once

#include <QDialog>
#include <QTimer>
#include <array>
#include <memory>

#include "generator/number_dialog.h"

class QCheckBox;

namespace Ui {
class NumberDialogForm;
}

namespace lotto {

class QtUserInteraction;

// The view of the number selection dialog: the 45 boxes with their weights as tooltips and
// their colours, the status text, the buttons, and the 25 ms timer of the random pick,
// which calls the headless tick. A click on a box runs the headless click handling (the
// box does not toggle by itself); a right-button release steps the weight down.
class NumberDialogView : public QDialog {
  Q_OBJECT
 public:
  NumberDialogView(NumberDialog& form, QtUserInteraction& interaction, QWidget* parent = nullptr);
  ~NumberDialogView() override;

  // Shows the dialog modally: OK, Retry for "&Rechnen", Abort for "Abbrechen", Cancel for
  // the close box.
  ModalResult run();
  void syncFromModel();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int numberOf(QObject* watched) const;
  // Runs a command of the dialog and shows what escapes it.
  void act(const std::function<void()>& command);
  void closeWith(ModalResult result);

  std::unique_ptr<Ui::NumberDialogForm> ui_;
  NumberDialog& form_;
  QtUserInteraction& interaction_;
  std::array<QCheckBox*, NumberDialog::kNumbers> boxes_{};
  QTimer timer_;
  ModalResult result_ = ModalResult::Cancel;
};

}  // namespace lotto
