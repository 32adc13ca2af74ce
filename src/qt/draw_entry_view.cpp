#include "qt/draw_entry_view.h"

#include "qt/command_runner.h"
#include "qt/date_convert.h"
#include "qt/qt_platform.h"
#include "ui_drawentry.h"

namespace lotto {

DrawEntryView::DrawEntryView(DrawEntryDialog& form, QtUserInteraction& interaction, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::DrawEntryForm>()),
      form_(form),
      interaction_(interaction) {
  ui_->setupUi(this);
  setWindowTitle(QString::fromStdString(form_.caption));
  ui_->date->setMinimumDate(qDateOf(form_.date.minDate));
  ui_->date->setDate(qDateOf(form_.date.date()));
  QSpinBox* numbers[] = {ui_->number1, ui_->number2, ui_->number3,   ui_->number4,
                         ui_->number5, ui_->number6, ui_->zusatzzahl};
  for (std::size_t i = 0; i < 7; ++i) numbers[i]->setValue(form_.numbers[i].value());
  ui_->spare->setValue(form_.spare.value());
  ui_->spareCaption->setVisible(form_.spareVisible);
  ui_->spare->setVisible(form_.spareVisible);

  connect(ui_->cancelButton, &QPushButton::clicked, this, [this] {
    result_ = ModalResult::Abort;
    reject();
  });
  // What can be no draw is refused here, with the typed values kept for mending.
  connect(ui_->okButton, &QPushButton::clicked, this, [this] {
    copyToForm();
    if (const auto problem = form_.problem()) {
      interaction_.showError(*problem);
      return;
    }
    result_ = ModalResult::Ok;
    accept();
  });
}

DrawEntryView::~DrawEntryView() = default;

void DrawEntryView::copyToForm() {
  form_.date.setDate(dayNumberOf(ui_->date->date()));
  const QSpinBox* numbers[] = {ui_->number1, ui_->number2, ui_->number3,   ui_->number4,
                               ui_->number5, ui_->number6, ui_->zusatzzahl};
  for (std::size_t i = 0; i < 7; ++i) form_.numbers[i].setValue(numbers[i]->value());
  form_.spare.setValue(ui_->spare->value());
}

ModalResult DrawEntryView::run() {
  result_ = ModalResult::Cancel;
  exec();
  return result_;
}

}  // namespace lotto
