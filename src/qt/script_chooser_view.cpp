#include "qt/script_chooser_view.h"

#include "platform/errors.h"
#include "qt/qt_platform.h"
#include "ui_scriptchooser.h"

namespace lotto {
namespace {

QString qs(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

ScriptChooserView::ScriptChooserView(TBKSForm& form, QtUserInteraction& interaction,
                                     QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::TBKSForm>()),
      form_(form),
      interaction_(interaction) {
  ui_->setupUi(this);
  setWindowTitle(qs(form_.Caption));
  connect(ui_->BitBtn1, &QPushButton::clicked, this, [this] {
    copyToForm();
    try {
      form_.BitBtn1Click();
    } catch (const AppError& error) {
      interaction_.showError(error.what());
    }
    syncFromModel();
  });
  connect(ui_->BitBtn2, &QPushButton::clicked, this, [this] {
    copyToForm();
    result_ = ModalResult::Ok;
    accept();
  });
  connect(ui_->BitBtn3, &QPushButton::clicked, this, [this] {
    result_ = ModalResult::Cancel;
    reject();
  });
  syncFromModel();
}

ScriptChooserView::~ScriptChooserView() = default;

void ScriptChooserView::syncFromModel() {
  ui_->LabeledEdit1->clear();
  for (const std::string& item : form_.LabeledEdit1.Items) ui_->LabeledEdit1->addItem(qs(item));
  ui_->LabeledEdit1->setEditText(qs(form_.LabeledEdit1.Text));
  ui_->LabeledEdit2->setText(qs(form_.LabeledEdit2.Text));
  ui_->LabeledEdit3->setText(qs(form_.LabeledEdit3.Text));
  ui_->LabeledEdit4->setText(qs(form_.LabeledEdit4.Text));
  ui_->LabeledEdit5->setText(qs(form_.LabeledEdit5.Text));
}

void ScriptChooserView::copyToForm() {
  form_.LabeledEdit1.Text = ui_->LabeledEdit1->currentText().toStdString();
  form_.LabeledEdit2.Text = ui_->LabeledEdit2->text().toStdString();
  form_.LabeledEdit3.Text = ui_->LabeledEdit3->text().toStdString();
  form_.LabeledEdit4.Text = ui_->LabeledEdit4->text().toStdString();
  form_.LabeledEdit5.Text = ui_->LabeledEdit5->text().toStdString();
}

ModalResult ScriptChooserView::run() {
  result_ = ModalResult::Cancel;
  syncFromModel();
  exec();
  return result_;
}

}  // namespace lotto
