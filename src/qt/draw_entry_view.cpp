#include "qt/draw_entry_view.h"

#include "qt/date_convert.h"
#include "ui_drawentry.h"

namespace lotto {

DrawEntryView::DrawEntryView(TForm3& form, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TForm3>()), form_(form) {
  ui_->setupUi(this);
  setWindowTitle(QString::fromStdString(form_.Caption));
  ui_->DateTimePicker1->setMinimumDate(qDateOf(form_.DateTimePicker1.MinDate));
  ui_->DateTimePicker1->setDate(qDateOf(form_.DateTimePicker1.Date()));
  QSpinBox* numbers[] = {ui_->UpDown1, ui_->UpDown2, ui_->UpDown3, ui_->UpDown4,
                         ui_->UpDown5, ui_->UpDown6, ui_->UpDown7};
  for (std::size_t i = 0; i < 7; ++i) numbers[i]->setValue(form_.Numbers[i].Position());
  ui_->UpDown8->setValue(form_.UpDown8.Position());
  ui_->Label2->setVisible(form_.SpareVisible);
  ui_->UpDown8->setVisible(form_.SpareVisible);

  connect(ui_->BitBtn1, &QPushButton::clicked, this, [this] {
    result_ = ModalResult::Abort;
    reject();
  });
  connect(ui_->BitBtn2, &QPushButton::clicked, this, [this] {
    copyToForm();
    result_ = ModalResult::Ok;
    accept();
  });
}

DrawEntryView::~DrawEntryView() = default;

void DrawEntryView::copyToForm() {
  form_.DateTimePicker1.setDate(dayNumberOf(ui_->DateTimePicker1->date()));
  const QSpinBox* numbers[] = {ui_->UpDown1, ui_->UpDown2, ui_->UpDown3, ui_->UpDown4,
                               ui_->UpDown5, ui_->UpDown6, ui_->UpDown7};
  for (std::size_t i = 0; i < 7; ++i) form_.Numbers[i].setPosition(numbers[i]->value());
  form_.UpDown8.setPosition(ui_->UpDown8->value());
}

ModalResult DrawEntryView::run() {
  result_ = ModalResult::Cancel;
  exec();
  return result_;
}

}  // namespace lotto
