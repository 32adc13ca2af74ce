#pragma once

#include <QDialog>
#include <memory>

#include "online/click_script.h"

namespace Ui {
class ScriptChooserForm;
}

namespace lotto {

class QtUserInteraction;

// The view of the click-script chooser: the list of scripts, browse, the four parameters
// ("TEXT2", the portal password, masked).
class ScriptChooserView : public QDialog {
  Q_OBJECT
 public:
  ScriptChooserView(ScriptChooser& form, QtUserInteraction& interaction, QWidget* parent = nullptr);
  ~ScriptChooserView() override;

  // OK, or Cancel for "Abbrechen" and the close box.
  ModalResult run();
  void syncFromModel();

 private:
  void copyToForm();

  std::unique_ptr<Ui::ScriptChooserForm> ui_;
  ScriptChooser& form_;
  QtUserInteraction& interaction_;
  ModalResult result_ = ModalResult::Cancel;
};

}  // namespace lotto
