#pragma once

#include <QDialog>
#include <memory>

#include "draws/draw_entry.h"

namespace Ui {
class DrawEntryForm;
}

namespace lotto {

class QtUserInteraction;

// The view of the entry dialog: shows the presets of DrawEntryDialog and hands the values back
// when it is closed with OK.
class DrawEntryView : public QDialog {
  Q_OBJECT
 public:
  DrawEntryView(DrawEntryDialog& form, QtUserInteraction& interaction, QWidget* parent = nullptr);
  ~DrawEntryView() override;

  // Shows the dialog modally: OK, or Abort for "Abbrechen", Cancel for the close box.
  ModalResult run();

 private:
  void copyToForm();

  std::unique_ptr<Ui::DrawEntryForm> ui_;
  DrawEntryDialog& form_;
  QtUserInteraction& interaction_;
  ModalResult result_ = ModalResult::Cancel;
};

}  // namespace lotto
