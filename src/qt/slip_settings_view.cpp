#include "qt/slip_settings_view.h"

#include "ui_slipsettings.h"

namespace lotto {

SlipSettingsView::SlipSettingsView(TForm5& form, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TForm5>()), form_(form) {
  ui_->setupUi(this);
  setWindowTitle(QString::fromStdString(form_.Caption));
  const std::pair<QCheckBox*, TCheckBox*> boxes[] = {
      {ui_->CheckBox1, &form_.CheckBox1}, {ui_->CheckBox2, &form_.CheckBox2},
      {ui_->CheckBox3, &form_.CheckBox3}, {ui_->CheckBox4, &form_.CheckBox4},
      {ui_->CheckBox6, &form_.CheckBox6}, {ui_->CheckBox5, &form_.CheckBox5}};
  for (const auto& [widget, box] : boxes) {
    connect(widget, &QCheckBox::toggled, this, [this, box = box](bool checked) {
      if (syncing_) return;
      form_.setChecked(*box, checked);
      syncFromModel();
    });
  }
  connect(ui_->UpDown1, &QSpinBox::valueChanged, this, [this](int value) {
    if (!syncing_) form_.UpDown1.setPosition(value);
  });
  connect(ui_->UpDown2, &QSpinBox::valueChanged, this, [this](int value) {
    if (!syncing_) form_.UpDown2.setPosition(value);
  });
  connect(ui_->ComboBox1, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!syncing_) form_.ComboBox1ItemIndex = index;
  });
  connect(ui_->BitBtn1, &QPushButton::clicked, this, [this] {
    result_ = ModalResult::Ok;
    accept();
  });
  connect(ui_->BitBtn2, &QPushButton::clicked, this, [this] {
    result_ = ModalResult::Abort;
    reject();
  });
  syncFromModel();
}

SlipSettingsView::~SlipSettingsView() = default;

void SlipSettingsView::syncFromModel() {
  syncing_ = true;
  ui_->CheckBox1->setChecked(form_.CheckBox1.Checked);
  ui_->CheckBox2->setChecked(form_.CheckBox2.Checked);
  ui_->CheckBox3->setChecked(form_.CheckBox3.Checked);
  ui_->CheckBox4->setChecked(form_.CheckBox4.Checked);
  ui_->CheckBox6->setChecked(form_.CheckBox6.Checked);
  ui_->CheckBox5->setChecked(form_.CheckBox5.Checked);
  ui_->UpDown1->setValue(form_.UpDown1.Position());
  ui_->UpDown2->setValue(form_.UpDown2.Position());
  ui_->Label4->setText(QString::fromStdString(form_.Label4.Caption));
  ui_->ComboBox1->setCurrentIndex(form_.ComboBox1ItemIndex);
  syncing_ = false;
}

ModalResult SlipSettingsView::run() {
  result_ = ModalResult::Cancel;
  syncFromModel();
  exec();
  return result_;
}

}  // namespace lotto
