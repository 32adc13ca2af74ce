#include "qt/number_dialog_view.h"

#include <QMouseEvent>
#include <QStyle>

#include "platform/errors.h"
#include "qt/colours.h"
#include "qt/qt_platform.h"
#include "ui_numberdialog.h"

namespace lotto {

NumberDialogView::NumberDialogView(TForm7& form, QtUserInteraction& interaction, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TForm7>()), form_(form), interaction_(interaction) {
  ui_->setupUi(this);
  ui_->SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  ui_->SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
  for (int n = 1; n <= TForm7::kNumbers; ++n) {
    QCheckBox* box = findChild<QCheckBox*>(QString("CheckBox%1").arg(n));
    boxes_[static_cast<std::size_t>(n - 1)] = box;
    box->installEventFilter(this);
    // The keyboard's space bar toggles a box like a click.
    connect(box, &QCheckBox::clicked, this, [this, n] {
      form_.CheckBoxClick(n);
      syncFromModel();
    });
  }
  connect(ui_->BitBtn2, &QPushButton::clicked, this, [this] { closeWith(ModalResult::Abort); });
  connect(ui_->BitBtn1, &QPushButton::clicked, this, [this] { closeWith(ModalResult::Ok); });
  connect(ui_->BitBtn3, &QPushButton::clicked, this, [this] { closeWith(ModalResult::Retry); });
  connect(ui_->SpeedButton1, &QToolButton::clicked, this,
          [this] { act([this] { form_.SpeedButton1Click(); }); });
  connect(ui_->SpeedButton2, &QToolButton::clicked, this,
          [this] { act([this] { form_.SpeedButton2Click(); }); });
  connect(ui_->BitBtn4, &QPushButton::clicked, this,
          [this] { act([this] { form_.BitBtn4Click(); }); });
  timer_.setInterval(TForm7::kTimerIntervalMs);
  connect(&timer_, &QTimer::timeout, this, [this] { act([this] { form_.Timer1Timer(); }); });
  syncFromModel();
}

NumberDialogView::~NumberDialogView() = default;

void NumberDialogView::act(const std::function<void()>& command) {
  try {
    command();
  } catch (const AppError& error) {
    interaction_.showError(error.what());
  }
  syncFromModel();
}

void NumberDialogView::syncFromModel() {
  if (windowTitle() != QString::fromStdString(form_.Caption)) {
    setWindowTitle(QString::fromStdString(form_.Caption));
  }
  for (int n = 1; n <= TForm7::kNumbers; ++n) {
    QCheckBox* widget = boxes_[static_cast<std::size_t>(n - 1)];
    const TNumberBox& box = form_.box(n);
    if (widget->isChecked() != box.Checked) {
      const QSignalBlocker quiet(widget);
      widget->setChecked(box.Checked);
    }
    const QString weight = QString::fromStdString(box.Weight);
    if (widget->toolTip() != weight) widget->setToolTip(weight);
    QPalette palette = widget->palette();
    const QColor colour = toQColor(box.Color);
    if (palette.color(QPalette::Window) != colour) {
      palette.setColor(QPalette::Window, colour);
      widget->setPalette(palette);
    }
  }
  ui_->StatusBar1->setText(QString::fromStdString(form_.StatusText));
  ui_->BitBtn4->setVisible(form_.BitBtn4.Visible);
  ui_->BitBtn4->setText(QString::fromStdString(form_.BitBtn4.Caption));
  // "&Rechnen" lies over OK; the visible one takes the Enter key.
  ui_->BitBtn3->setVisible(form_.BitBtn3.Visible);
  ui_->BitBtn1->setVisible(!form_.BitBtn3.Visible);
  ui_->BitBtn3->setDefault(form_.BitBtn3.Visible);
  ui_->BitBtn1->setDefault(!form_.BitBtn3.Visible);
  if (form_.Timer1Enabled && !timer_.isActive()) timer_.start();
  if (!form_.Timer1Enabled && timer_.isActive()) timer_.stop();
}

int NumberDialogView::numberOf(QObject* watched) const {
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    if (boxes_[i] == watched) return static_cast<int>(i) + 1;
  }
  return 0;
}

bool NumberDialogView::eventFilter(QObject* watched, QEvent* event) {
  const int n = numberOf(watched);
  if (n == 0) return QDialog::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::Enter:
      form_.CheckBoxMouseMove(n);
      syncFromModel();
      break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      // The box does not toggle by itself: its click runs the dialog's handling.
      return true;
    case QEvent::MouseButtonRelease: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      const bool right = mouse->button() == Qt::RightButton;
      // A left click toggles the box, and its release then clears Minus.
      if (mouse->button() == Qt::LeftButton) form_.CheckBoxClick(n);
      form_.CheckBoxMouseUp(n, right);
      syncFromModel();
      return true;
    }
    default:
      break;
  }
  return QDialog::eventFilter(watched, event);
}

void NumberDialogView::closeWith(ModalResult result) {
  result_ = result;
  done(result == ModalResult::Ok ? QDialog::Accepted : QDialog::Rejected);
}

ModalResult NumberDialogView::run() {
  result_ = ModalResult::Cancel;  // the close box
  syncFromModel();
  exec();
  timer_.stop();
  form_.FormClose();
  return result_;
}

}  // namespace lotto
