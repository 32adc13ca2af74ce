#include "qt/number_dialog_view.h"

#include <QMouseEvent>
#include <QStyle>

#include "platform/errors.h"
#include "qt/colours.h"
#include "qt/command_runner.h"
#include "qt/qt_platform.h"
#include "ui_numberdialog.h"

namespace lotto {

NumberDialogView::NumberDialogView(NumberDialog& form, QtUserInteraction& interaction,
                                   QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::NumberDialogForm>()),
      form_(form),
      interaction_(interaction) {
  ui_->setupUi(this);
  ui_->saveListButton->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  ui_->loadListButton->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
  for (int n = 1; n <= NumberDialog::kNumbers; ++n) {
    QCheckBox* box = findChild<QCheckBox*>(QString("number%1").arg(n));
    boxes_[static_cast<std::size_t>(n - 1)] = box;
    box->installEventFilter(this);
    // The keyboard's space bar toggles a box like a click.
    connect(box, &QCheckBox::clicked, this, [this, n] { act([this, n] { form_.clickBox(n); }); });
  }
  connect(ui_->cancelButton, &QPushButton::clicked, this,
          [this] { closeWith(ModalResult::Abort); });
  connect(ui_->okButton, &QPushButton::clicked, this, [this] { closeWith(ModalResult::Ok); });
  connect(ui_->computeButton, &QPushButton::clicked, this,
          [this] { closeWith(ModalResult::Retry); });
  connect(ui_->saveListButton, &QToolButton::clicked, this,
          [this] { act([this] { form_.saveWeightList(); }); });
  connect(ui_->loadListButton, &QToolButton::clicked, this,
          [this] { act([this] { form_.loadWeightList(); }); });
  connect(ui_->randomPickButton, &QPushButton::clicked, this,
          [this] { act([this] { form_.randomPick(); }); });
  timer_.setInterval(NumberDialog::kTimerIntervalMs);
  connect(&timer_, &QTimer::timeout, this, [this] { act([this] { form_.timerTick(); }); });
  syncFromModel();
}

NumberDialogView::~NumberDialogView() = default;

void NumberDialogView::act(const std::function<void()>& command) {
  runShowingFailures(interaction_, command);
  syncFromModel();
}

void NumberDialogView::syncFromModel() {
  if (windowTitle() != QString::fromStdString(form_.caption)) {
    setWindowTitle(QString::fromStdString(form_.caption));
  }
  for (int n = 1; n <= NumberDialog::kNumbers; ++n) {
    QCheckBox* widget = boxes_[static_cast<std::size_t>(n - 1)];
    const NumberBox& box = form_.box(n);
    if (widget->isChecked() != box.checked) {
      const QSignalBlocker quiet(widget);
      widget->setChecked(box.checked);
    }
    const QString weight = QString::fromStdString(box.weight);
    if (widget->toolTip() != weight) widget->setToolTip(weight);
    QPalette palette = widget->palette();
    const QColor colour = toQColor(box.background);
    if (palette.color(QPalette::Window) != colour) {
      palette.setColor(QPalette::Window, colour);
      widget->setPalette(palette);
    }
  }
  ui_->statusText->setText(QString::fromStdString(form_.statusText));
  ui_->randomPickButton->setVisible(form_.randomPickButton.visible);
  ui_->randomPickButton->setText(QString::fromStdString(form_.randomPickButton.caption));
  // "&Rechnen" lies over OK; the visible one takes the Enter key.
  ui_->computeButton->setVisible(form_.computeButton.visible);
  ui_->okButton->setVisible(!form_.computeButton.visible);
  ui_->computeButton->setDefault(form_.computeButton.visible);
  ui_->okButton->setDefault(!form_.computeButton.visible);
  if (form_.timerRunning && !timer_.isActive()) timer_.start();
  if (!form_.timerRunning && timer_.isActive()) timer_.stop();
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
      act([this, n] { form_.pointAtBox(n); });
      break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      // The box does not toggle by itself: its click runs the dialog's handling.
      return true;
    case QEvent::MouseButtonRelease: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      const bool right = mouse->button() == Qt::RightButton;
      // A left click toggles the box, and its release then clears stepDown.
      act([this, n, right, left = mouse->button() == Qt::LeftButton] {
        if (left) form_.clickBox(n);
        form_.releaseOverBox(n, right);
      });
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
  form_.onClose();
  return result_;
}

}  // namespace lotto
