#include "qt/slip_settings_view.h"

#include "qt/command_runner.h"
#include "qt/qt_platform.h"
#include "ui_slipsettings.h"

namespace lotto {

SlipSettingsView::SlipSettingsView(SlipSettingsDialog& form, QtUserInteraction& interaction,
                                   QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::SlipSettingsForm>()),
      form_(form),
      interaction_(interaction) {
  ui_->setupUi(this);
  setWindowTitle(QString::fromStdString(form_.caption));
  const std::pair<QCheckBox*, CheckBox*> boxes[] = {
      {ui_->sunday, &form_.sunday}, {ui_->wednesday, &form_.wednesday},
      {ui_->joker1, &form_.joker1}, {ui_->joker2, &form_.joker2},
      {ui_->joker3, &form_.joker3}, {ui_->showPicture, &form_.showPicture}};
  for (const auto& [widget, box] : boxes) {
    connect(widget, &QCheckBox::toggled, this, [this, box = box](bool checked) {
      if (syncing_) return;
      runShowingFailures(interaction_, [this, box, checked] { form_.setChecked(*box, checked); });
      syncFromModel();
    });
  }
  connect(ui_->topOffset, &QSpinBox::valueChanged, this, [this](int value) {
    if (!syncing_) form_.topOffset.setValue(value);
  });
  connect(ui_->leftOffset, &QSpinBox::valueChanged, this, [this](int value) {
    if (!syncing_) form_.leftOffset.setValue(value);
  });
  connect(ui_->paperFormat, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!syncing_) form_.paperFormat = index;
  });
  connect(ui_->okButton, &QPushButton::clicked, this, [this] {
    result_ = ModalResult::Ok;
    accept();
  });
  connect(ui_->cancelButton, &QPushButton::clicked, this, [this] {
    result_ = ModalResult::Abort;
    reject();
  });
  syncFromModel();
}

SlipSettingsView::~SlipSettingsView() = default;

void SlipSettingsView::syncFromModel() {
  syncing_ = true;
  ui_->sunday->setChecked(form_.sunday.checked);
  ui_->wednesday->setChecked(form_.wednesday.checked);
  ui_->joker1->setChecked(form_.joker1.checked);
  ui_->joker2->setChecked(form_.joker2.checked);
  ui_->joker3->setChecked(form_.joker3.checked);
  ui_->showPicture->setChecked(form_.showPicture.checked);
  ui_->topOffset->setValue(form_.topOffset.value());
  ui_->leftOffset->setValue(form_.leftOffset.value());
  ui_->cost->setText(QString::fromStdString(form_.cost.caption));
  ui_->paperFormat->setCurrentIndex(form_.paperFormat);
  syncing_ = false;
}

ModalResult SlipSettingsView::run() {
  result_ = ModalResult::Cancel;
  syncFromModel();
  exec();
  return result_;
}

}  // namespace lotto
