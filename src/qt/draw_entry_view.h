#pragma once

#include <QDialog>
#include <memory>

#include "draws/draw_entry.h"

namespace Ui {
class TForm3;
}

namespace lotto {

// The view of the entry dialog: shows the presets of TForm3 and hands the values back
// when it is closed with OK.
class DrawEntryView : public QDialog {
  Q_OBJECT
 public:
  DrawEntryView(TForm3& form, QWidget* parent = nullptr);
  ~DrawEntryView() override;

  // Shows the dialog modally: OK, or Abort for "Abbrechen", Cancel for the close box.
  ModalResult run();

 private:
  void copyToForm();

  std::unique_ptr<Ui::TForm3> ui_;
  TForm3& form_;
  ModalResult result_ = ModalResult::Cancel;
};

}  // namespace lotto
