#include "qt/tip_row_view.h"

#include <QFocusEvent>
#include <QMouseEvent>

#include "qt/widget_sync.h"
#include "ui_tiprow.h"

namespace lotto {

TipRowView::TipRowView(int tip, MainWindow& form, CommandRunner runCommand, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::TipRowForm>()),
      tip_(tip),
      form_(form),
      runCommand_(std::move(runCommand)) {
  ui_->setupUi(this);
  // Every widget of the grid has a name of its own in the window: "tip3Number1".
  const QString prefix = QString("tip%1").arg(tip);
  setObjectName(prefix + "Row");
  ui_->rowLabel->setObjectName(prefix + "Label");
  ui_->editButton->setObjectName(prefix + "EditButton");
  ui_->hits->setObjectName(prefix + "Hits");
  ui_->quersumme->setObjectName(prefix + "Quersumme");
  ui_->note->setObjectName(prefix + "Note");
  // The labels of all rows are as wide as the widest, so that the fields stand in columns.
  ui_->rowLabel->setMinimumWidth(ui_->rowLabel->fontMetrics().horizontalAdvance("12. Tipp") + 2);
  const QString editText = QString("%1. Tipp über die Zahlenauswahl bearbeiten").arg(tip);
  ui_->editButton->setToolTip(editText);
  ui_->editButton->setAccessibleName(editText);
  ui_->rowLabel->installEventFilter(this);

  fields_ = {ui_->number1, ui_->number2, ui_->number3, ui_->number4, ui_->number5, ui_->number6};
  for (int index = 1; index <= TipGrid::kNumbers; ++index) {
    QLineEdit* edit = fields_[static_cast<std::size_t>(index - 1)];
    edit->setObjectName(prefix + QString("Number%1").arg(index));
    edit->setAccessibleName(QString("Tipp %1, Zahl %2").arg(tip).arg(index));
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this, edit, index](const QString& text) {
      runCommand_([this, index, typed = text.toStdString()] {
        form_.typeIntoTipField(tip_, index, typed);
      });
      // The cleaning rule may have changed what was typed ("46" becomes empty).
      setTextIfChanged(edit, form_.tips.text(tip_, index));
    });
  }
  connect(ui_->editButton, &QAbstractButton::clicked, this,
          [this] { runCommand_([this] { form_.editTip(tip_); }); });
}

TipRowView::~TipRowView() = default;

void TipRowView::syncFromModel() {
  for (int index = 1; index <= TipGrid::kNumbers; ++index) {
    QLineEdit* edit = fields_[static_cast<std::size_t>(index - 1)];
    setTextIfChanged(edit, form_.tips.text(tip_, index));
    setBackground(edit, form_.tips.colour(tip_, index));
  }
  const TipRow& row = form_.tips.row(tip_);
  setTextIfChanged(ui_->rowLabel, row.rowLabel.caption);
  setTextColour(ui_->rowLabel, row.rowLabel.colour);
  setTextIfChanged(ui_->hits, row.hitLabel.caption);
  setTextColour(ui_->hits, row.hitLabel.colour);
  setTextIfChanged(ui_->quersumme, row.sumLabel.caption);
  setTextIfChanged(ui_->note, row.furtherLabel.caption);
}

bool TipRowView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    // Leaving a tip field; switching to another program or opening a menu is no leave.
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
        std::find(fields_.begin(), fields_.end(), watched) != fields_.end()) {
      runCommand_([this] { form_.leaveTipField(); });
    }
  } else if (event->type() == QEvent::MouseButtonRelease && watched == ui_->rowLabel &&
             static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    runCommand_([this] { form_.toggleTipMark(tip_); });
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace lotto
