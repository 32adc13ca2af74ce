#include "qt/script_chooser_view.h"

#include "platform/errors.h"
#include "qt/command_runner.h"
#include "qt/qt_platform.h"
#include "ui_scriptchooser.h"

namespace lotto {
namespace {

QString qs(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

ScriptChooserView::ScriptChooserView(ScriptChooser& form, QtUserInteraction& interaction,
                                     QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::ScriptChooserForm>()),
      form_(form),
      interaction_(interaction) {
  ui_->setupUi(this);
  setWindowTitle(qs(form_.caption));
  connect(ui_->browseButton, &QPushButton::clicked, this, [this] {
    copyToForm();
    runShowingFailures(interaction_, [this] { form_.browse(); });
    syncFromModel();
  });
  connect(ui_->okButton, &QPushButton::clicked, this, [this] {
    copyToForm();
    result_ = ModalResult::Ok;
    accept();
  });
  connect(ui_->cancelButton, &QPushButton::clicked, this, [this] {
    result_ = ModalResult::Cancel;
    reject();
  });
  syncFromModel();
}

ScriptChooserView::~ScriptChooserView() = default;

void ScriptChooserView::syncFromModel() {
  ui_->script->clear();
  for (const std::string& item : form_.script.items) ui_->script->addItem(qs(item));
  ui_->script->setEditText(qs(form_.script.text));
  ui_->zahl1->setText(qs(form_.zahl1.text));
  ui_->zahl2->setText(qs(form_.zahl2.text));
  ui_->login->setText(qs(form_.login.text));
  ui_->password->setText(qs(form_.password.text));
}

void ScriptChooserView::copyToForm() {
  form_.script.text = ui_->script->currentText().toStdString();
  form_.zahl1.text = ui_->zahl1->text().toStdString();
  form_.zahl2.text = ui_->zahl2->text().toStdString();
  form_.login.text = ui_->login->text().toStdString();
  form_.password.text = ui_->password->text().toStdString();
}

ModalResult ScriptChooserView::run() {
  result_ = ModalResult::Cancel;
  syncFromModel();
  exec();
  return result_;
}

}  // namespace lotto
