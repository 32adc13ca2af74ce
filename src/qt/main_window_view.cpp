#include "qt/main_window_view.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateEdit>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <cmath>

#include "platform/errors.h"
#include "qt/chart_view.h"
#include "qt/colours.h"
#include "qt/command_guard.h"
#include "qt/date_convert.h"
#include "qt/qt_platform.h"
#include "qt/step_spin_box.h"
#include "qt/vertical_label.h"
#include "ui_mainwindow.h"

namespace lotto {
namespace {

QString qs(const std::string& text) {
  return QString::fromStdString(text);
}

void setTextIfChanged(QLabel* label, const std::string& text) {
  const QString wanted = qs(text);
  if (label->text() != wanted) label->setText(wanted);
}

void setTextColour(QLabel* label, Colour colour) {
  QPalette palette = label->palette();
  const QColor wanted = toQColor(colour);
  if (palette.color(QPalette::WindowText) != wanted) {
    palette.setColor(QPalette::WindowText, wanted);
    label->setPalette(palette);
  }
}

void setBackground(QLineEdit* edit, Colour colour) {
  QPalette palette = edit->palette();
  const QColor wanted = toQColor(colour);
  if (palette.color(QPalette::Base) != wanted) {
    palette.setColor(QPalette::Base, wanted);
    edit->setPalette(palette);
  }
}

void setDate(QDateEdit* edit, const TDateTimePicker& picker) {
  const QDate minimum = qDateOf(picker.MinDate);
  if (edit->minimumDate() != minimum) edit->setMinimumDate(minimum);
  const QDate wanted = qDateOf(picker.Date());
  if (edit->date() != wanted) edit->setDate(wanted);
}

}  // namespace

MainWindowView::MainWindowView(TForm1& form, QtUserInteraction& interaction, QWidget* parent)
    : QMainWindow(parent),
      ui_(std::make_unique<Ui::TForm1>()),
      form_(form),
      interaction_(interaction),
      guard_(new CommandGuard(this)) {
  ui_->setupUi(this);
  guard_->allow(ui_->SpeedButton8);
  resize(TForm1::kDesignedWidth, TForm1::kDesignedHeight);

  // The status bar's two panels: the draw request state and the generator's progress.
  auto* panel0 = new QLabel(this);
  panel0->setObjectName("StatusBar1Panel0");
  panel0->setMinimumWidth(150);
  auto* panel1 = new QLabel(this);
  panel1->setObjectName("StatusBar1Panel1");
  panel1->setMinimumWidth(50);
  ui_->StatusBar1->addWidget(panel0);
  ui_->StatusBar1->addWidget(panel1, 1);
  // How far a download or a generator run is; shown only while one runs.
  auto* progress = new QProgressBar(this);
  progress->setObjectName("StatusBar1Progress");
  progress->setAccessibleName("Fortschritt");
  progress->setMaximumWidth(160);
  progress->setMaximumHeight(16);
  progress->setTextVisible(true);
  progress->hide();
  ui_->StatusBar1->addPermanentWidget(progress);

  setStandardIcons();
  bindTipGrid();
  bindCommands();
  bindOptions();
  rememberDesignedSizes();

  interaction_.attach(
      this, [this] { syncFromModel(); },
      [this] {
        syncFromModel();
        repaint();
      });
  syncFromModel();
}

MainWindowView::~MainWindowView() = default;

void MainWindowView::setStandardIcons() {
  const std::pair<QToolButton*, QStyle::StandardPixmap> icons[] = {
      {ui_->SpeedButton10, QStyle::SP_BrowserReload},
      {ui_->SpeedButton6, QStyle::SP_ArrowLeft},
      {ui_->SpeedButton7, QStyle::SP_ArrowRight},
      {ui_->SpeedButton11, QStyle::SP_DialogDiscardButton},
      {ui_->SpeedButton15, QStyle::SP_DialogSaveButton},
      {ui_->SpeedButton16, QStyle::SP_DialogOpenButton},
      {ui_->SpeedButton5, QStyle::SP_DialogApplyButton},
      {ui_->SpeedButton8, QStyle::SP_BrowserStop},
      {ui_->SpeedButton13, QStyle::SP_DialogHelpButton},
  };
  for (const auto& [button, pixmap] : icons) button->setIcon(style()->standardIcon(pixmap));
}

void MainWindowView::bindTipGrid() {
  rows_.resize(TipGrid::kTips);
  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    const TipRowNames& names = kTipRowNames[static_cast<std::size_t>(tip - 1)];
    RowWidgets& row = rows_[static_cast<std::size_t>(tip - 1)];
    row.rowLabel = findChild<QLabel*>(QString("Label%1").arg(names.rowLabel));
    row.hitLabel = findChild<QLabel*>(QString("Label%1").arg(names.hitLabel));
    row.sumLabel = findChild<QLabel*>(QString("Label%1").arg(names.sumLabel));
    if (names.furtherLabel != 0) {
      row.furtherLabel = findChild<QLabel*>(QString("Label%1").arg(names.furtherLabel));
    }
    row.rowLabel->installEventFilter(this);

    for (int index = 1; index <= TipGrid::kNumbers; ++index) {
      auto* edit = findChild<QLineEdit*>(QString("Edit%1").arg(TipGrid::fieldNumber(tip, index)));
      fields_.push_back({edit, tip, index});
      edit->setAccessibleName(QString("Tipp %1, Zahl %2").arg(tip).arg(index));
      edit->installEventFilter(this);
      connect(edit, &QLineEdit::textEdited, this, [this, edit, tip, index](const QString& text) {
        form_.TipFieldChange(tip, index, text.toStdString());
        // The cleaning rule may have changed what was typed ("46" becomes empty).
        const QString cleaned = qs(form_.Tips.text(tip, index));
        if (edit->text() != cleaned) edit->setText(cleaned);
      });
    }
  }
}

void MainWindowView::bindCommands() {
  connect(ui_->SpeedButton11, &QAbstractButton::clicked, this,
          [this] { runCommand([this] { form_.SpeedButton11Click(); }); });
  connect(ui_->SpeedButton5, &QAbstractButton::clicked, this,
          [this] { runCommand([this] { form_.SpeedButton5Click(); }); });
  connect(ui_->Benden1, &QAction::triggered, this, &QWidget::close);
  connect(ui_->Ziehungsdatenladen1, &QAction::triggered, this,
          [this] { runCommand([this] { form_.Ziehungsdatenladen1Click(); }); });
  connect(ui_->Onlioneabgeben1, &QAction::triggered, this,
          [this] { runCommand([this] { form_.Onlioneabgeben1Click(); }); });
  connect(ui_->Chart1, &ChartView::saveRequested, this,
          [this] { runCommand([this] { saveChartPicture(); }); });
  // The stop button acts while the update run waits for the server: it is the one
  // control that does not start a command of its own.
  connect(ui_->SpeedButton8, &QAbstractButton::clicked, this, [this] {
    form_.SpeedButton8Click();
    syncFromModel();
  });

  // Each command with every control that starts it.
  const std::vector<std::pair<std::vector<QAbstractButton*>, void (TForm1::*)()>> commands = {
      {{ui_->BitBtn1}, &TForm1::BitBtn1Click},
      {{ui_->BitBtn4}, &TForm1::BitBtn4Click},
      {{ui_->SpeedButton15}, &TForm1::SpeedButton15Click},
      {{ui_->SpeedButton16}, &TForm1::SpeedButton16Click},
      {{ui_->SpeedButton3}, &TForm1::SpeedButton3Click},
      {{ui_->SpeedButton12}, &TForm1::SpeedButton12Click},
      {{ui_->SpeedButton4}, &TForm1::SpeedButton4Click},
      {{ui_->Warenkorb}, &TForm1::WarenkorbClick},
      {{ui_->SpeedButton14}, &TForm1::AutoWebScript},
      {{ui_->SpeedButton13}, &TForm1::SpeedButton13Click},
      {{ui_->SpeedButton10}, &TForm1::SpeedButton10Click},
      {{ui_->SpeedButton6}, &TForm1::SpeedButton6Click},
      {{ui_->SpeedButton7}, &TForm1::SpeedButton7Click},
      {{ui_->SpeedButton2}, &TForm1::SpeedButton2Click},
      {{ui_->SpeedButton9}, &TForm1::SpeedButton9Click},
      {{ui_->Button2, ui_->SpeedButton19}, &TForm1::Button2Click},
      {{ui_->Button3, ui_->SpeedButton17}, &TForm1::Button3Click},
      {{ui_->Button4, ui_->SpeedButton18}, &TForm1::Button4Click},
      {{ui_->Button5, ui_->SpeedButton20}, &TForm1::Button5Click},
      {{ui_->SpeedButton1}, &TForm1::Button6Click},
  };
  for (const auto& [buttons, command] : commands) {
    for (QAbstractButton* button : buttons) {
      connect(button, &QAbstractButton::clicked, this,
              [this, command = command] { runCommand([this, command] { (form_.*command)(); }); });
    }
  }

  connect(ui_->CheckBox16, &QCheckBox::toggled, this, [this](bool checked) {
    if (!syncing_) form_.CheckBox16.Checked = checked;
  });
  connect(ui_->CheckBox17, &QCheckBox::toggled, this, [this](bool checked) {
    if (!syncing_) form_.CheckBox17.Checked = checked;
  });
  connect(ui_->DateTimePicker1, &QDateEdit::dateChanged, this, [this](QDate date) {
    if (!syncing_) form_.DateTimePicker1.setDate(dayNumberOf(date));
  });
  connect(ui_->DateTimePicker2, &QDateEdit::dateChanged, this, [this](QDate date) {
    if (!syncing_) form_.DateTimePicker2.setDate(dayNumberOf(date));
  });
  connect(ui_->ProxyHostEdit, &QLineEdit::textEdited, this,
          [this](const QString& text) { form_.ProxyHostEdit.Text = text.toStdString(); });
  connect(ui_->ProxyPortEdit, &QLineEdit::textEdited, this,
          [this](const QString& text) { form_.ProxyPortEdit.Text = text.toStdString(); });
  connect(ui_->ServerEdit, &QLineEdit::textEdited, this,
          [this](const QString& text) { form_.ServerEdit.Text = text.toStdString(); });
  connect(ui_->PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
    if (!syncing_) form_.ActivePage = static_cast<TForm1::Page>(index);
  });

  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    connect(findChild<QAbstractButton*>(QString("Tipp%1Edit").arg(tip)), &QAbstractButton::clicked,
            this, [this, tip] { runCommand([this, tip] { form_.TippEditClick(tip); }); });
  }
  connect(ui_->BitBtn8, &QAbstractButton::clicked, this,
          [this] { runCommand([this] { form_.BitBtn8Click(); }); });
  connect(ui_->BitBtn6, &QAbstractButton::clicked, this,
          [this] { runCommand([this] { form_.BitBtn6Click(); }); });

  for (QLabel* link : {ui_->UpdateLink, ui_->OperatorLink}) link->installEventFilter(this);
  for (QWidget* banner : {static_cast<QWidget*>(ui_->Panel8), static_cast<QWidget*>(ui_->Panel9)}) {
    banner->installEventFilter(this);
  }
  for (VerticalLabel* label : {ui_->Label43, ui_->Label44}) {
    connect(label, &VerticalLabel::clicked, this,
            [this] { runCommand([this] { form_.ProductPageClick(); }); });
  }
}

void MainWindowView::bindOptions() {
  for (auto& [name, box] : form_.checkBoxes()) {
    auto* widget = findChild<QCheckBox*>(qs(name));
    checkBoxes_.push_back({widget, box});
    connect(widget, &QCheckBox::toggled, this, [this, box = box](bool checked) {
      if (!syncing_) box->Checked = checked;
    });
    // The text after a spinner in the gap of a caption toggles its box like the box's own text.
    if (auto* rest = findChild<QLabel*>(qs(name + "Rest"))) {
      captionRests_.push_back({rest, widget});
      rest->installEventFilter(this);
    }
  }
  for (auto& [name, spinner] : form_.spinners()) {
    auto* widget = findChild<StepSpinBox*>(qs(name));
    spinners_.push_back({widget, spinner});
    connect(widget, &QSpinBox::valueChanged, this, [this, spinner = spinner](int value) {
      if (!syncing_) spinner->setPosition(value);
    });
    if (spinner == &form_.UpDown7) {
      connect(widget, &StepSpinBox::stepped, this, [this] { form_.UpDown7Click(); });
    }
    if (spinner == &form_.UpDown8) {
      connect(widget, &StepSpinBox::stepped, this, [this] { form_.UpDown8Click(); });
    }
  }
}

void MainWindowView::rememberDesignedSizes() {
  QList<QWidget*> widgets = ui_->PageControl1->findChildren<QWidget*>();
  widgets.prepend(ui_->PageControl1);
  for (QWidget* widget : widgets) {
    scaled_.push_back(
        {widget, widget->font().pointSizeF(), widget->minimumSize(), widget->maximumSize()});
  }
}

void MainWindowView::applyScale() {
  if (appliedScale_ == form_.TabScale) return;
  appliedScale_ = form_.TabScale;
  const auto scaleSize = [this](QSize size) {
    const auto scale = [this](int value) {
      return value >= QWIDGETSIZE_MAX ? value
                                      : static_cast<int>(std::lround(value * appliedScale_));
    };
    return QSize(scale(size.width()), scale(size.height()));
  };
  for (const ScaledWidget& entry : scaled_) {
    QFont font = entry.widget->font();
    if (entry.pointSize > 0) font.setPointSizeF(entry.pointSize * appliedScale_);
    entry.widget->setFont(font);
    entry.widget->setMinimumSize(scaleSize(entry.minimumSize));
    entry.widget->setMaximumSize(scaleSize(entry.maximumSize));
  }
}

void MainWindowView::showProgress(const TProgressBar& bar) {
  auto* widget = findChild<QProgressBar*>("StatusBar1Progress");
  // The bar works in whole thousandths, so that a budget past the int range still shows.
  constexpr int kSteps = 1000;
  const int value =
      bar.Max > 0
          ? static_cast<int>(std::clamp<std::int64_t>(bar.Position, 0, bar.Max) * kSteps / bar.Max)
          : 0;
  if (widget->maximum() != kSteps) widget->setRange(0, kSteps);
  if (widget->value() != value) widget->setValue(value);
  if (widget->isHidden() == bar.Visible) widget->setVisible(bar.Visible);
}

void MainWindowView::saveChartPicture() {
  const auto chosen = interaction_.saveFile(
      {"PNG-Bild|*.png", "png", chartFileName(form_.Chart1.Caption), form_.Home});
  if (!chosen) return;
  if (!ui_->Chart1->savePng(QString::fromStdString(chosen->path))) {
    throw AppError("Das Diagramm konnte nicht gespeichert werden: " + chosen->path);
  }
}

void MainWindowView::runCommand(const std::function<void()>& command) {
  if (guard_->running()) return;
  // The one place that shows what escapes a command. The program's own failures carry
  // the text the user reads; anything else is a fault of the program itself.
  try {
    guard_->run(command);
  } catch (const AppError& error) {
    interaction_.showError(error.what());
  } catch (const std::exception& error) {
    interaction_.showError(std::string("Interner Fehler des Programms: ") + error.what());
  } catch (...) {
    interaction_.showError("Interner Fehler des Programms");
  }
  syncFromModel();
}

bool MainWindowView::commandRunning() const {
  return guard_->running();
}

void MainWindowView::syncTipGrid() {
  for (const FieldWidget& field : fields_) {
    const QString wanted = qs(form_.Tips.text(field.tip, field.index));
    if (field.edit->text() != wanted) field.edit->setText(wanted);
    setBackground(field.edit, form_.Tips.colour(field.tip, field.index));
  }
  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    const TipRow& row = form_.Tips.row(tip);
    RowWidgets& widgets = rows_[static_cast<std::size_t>(tip - 1)];
    setTextIfChanged(widgets.rowLabel, row.rowLabel.Caption);
    setTextColour(widgets.rowLabel, row.rowLabel.FontColour);
    setTextIfChanged(widgets.hitLabel, row.hitLabel.Caption);
    setTextColour(widgets.hitLabel, row.hitLabel.FontColour);
    setTextIfChanged(widgets.sumLabel, row.sumLabel.Caption);
    if (widgets.furtherLabel != nullptr)
      setTextIfChanged(widgets.furtherLabel, row.furtherLabel.Caption);
  }
}

void MainWindowView::syncFromModel() {
  syncing_ = true;
  if (windowTitle() != qs(form_.Caption)) setWindowTitle(qs(form_.Caption));
  applyScale();
  syncTipGrid();

  setTextIfChanged(ui_->Label35, form_.Label35.Caption);
  setTextIfChanged(ui_->Label13, form_.Label13.Caption);
  setTextIfChanged(ui_->Label29, form_.Label29.Caption);
  ui_->CheckBox16->setChecked(form_.CheckBox16.Checked);
  ui_->CheckBox17->setChecked(form_.CheckBox17.Checked);
  setDate(ui_->DateTimePicker1, form_.DateTimePicker1);
  setDate(ui_->DateTimePicker2, form_.DateTimePicker2);
  setTextIfChanged(ui_->UpdateLink, form_.UpdateLink.Caption);
  setTextIfChanged(ui_->OperatorLink, form_.OperatorLink.Caption);
  for (const auto& [edit, text] : {std::pair{ui_->ProxyHostEdit, &form_.ProxyHostEdit.Text},
                                   std::pair{ui_->ProxyPortEdit, &form_.ProxyPortEdit.Text},
                                   std::pair{ui_->ServerEdit, &form_.ServerEdit.Text}}) {
    if (edit->text() != qs(*text)) edit->setText(qs(*text));
  }

  for (auto& [name, control] : form_.commandControls()) {
    const QString objectName = qs(name);
    if (auto* widget = findChild<QWidget*>(objectName)) {
      widget->setEnabled(control->Enabled);
      widget->setVisible(control->Visible);
    } else if (auto* action = findChild<QAction*>(objectName)) {
      action->setEnabled(control->Enabled);
      action->setVisible(control->Visible);
    }
  }

  setTextIfChanged(findChild<QLabel*>("StatusBar1Panel0"), form_.StatusBar1.Panels[0]);
  setTextIfChanged(findChild<QLabel*>("StatusBar1Panel1"), form_.StatusBar1.Panels[1]);
  showProgress(form_.StatusBar1.Progress);
  for (const auto& [widget, box] : checkBoxes_) widget->setChecked(box->Checked);
  for (const auto& [widget, spinner] : spinners_) {
    widget->setRange(spinner->Min, spinner->Max);
    if (widget->value() != spinner->Position()) widget->setValue(spinner->Position());
  }
  if (form_.WindowState == TForm1::State::Normal && windowState() == Qt::WindowNoState &&
      size() != QSize(form_.Width, form_.Height)) {
    resize(form_.Width, form_.Height);
  }
  ui_->Chart1->showSeries(form_.Chart1);
  ui_->PageControl1->setCurrentIndex(static_cast<int>(form_.ActivePage));
  syncing_ = false;
}

void MainWindowView::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  form_.FormResize(width(), height());
  runCommand([this] { form_.FormShow(); });
}

void MainWindowView::closeEvent(QCloseEvent* event) {
  if (guard_->running()) {
    event->ignore();  // not while a command runs; the user closes it again afterwards
    return;
  }
  noteWindowState();
  runCommand([this] { form_.FormClose(); });
  QMainWindow::closeEvent(event);
}

void MainWindowView::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) noteWindowState();
  QMainWindow::changeEvent(event);
}

void MainWindowView::noteWindowState() {
  if (isMinimized()) {
    form_.WindowState = TForm1::State::Minimized;
  } else if (isMaximized() || isFullScreen()) {
    form_.WindowState = TForm1::State::Maximized;
  } else {
    form_.WindowState = TForm1::State::Normal;
  }
}

void MainWindowView::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  form_.FormResize(width(), height());
  applyScale();
}

bool MainWindowView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    // Leaving a tip field; switching to another program or opening a menu is no leave.
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      for (const FieldWidget& field : fields_) {
        if (field.edit == watched) {
          runCommand([this] { form_.TipFieldExit(); });
          break;
        }
      }
    }
  } else if (event->type() == QEvent::MouseButtonRelease &&
             static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    for (const auto& [rest, box] : captionRests_) {
      if (rest == watched && box->isEnabled()) {
        box->click();
        return true;
      }
    }
    for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
      if (rows_[static_cast<std::size_t>(tip - 1)].rowLabel == watched) {
        runCommand([this, tip] { form_.TipLabelClick(tip); });
        return true;
      }
    }
    if (watched == ui_->UpdateLink) {
      runCommand([this] { form_.LinkLabelClick(form_.UpdateLink); });
      return true;
    }
    if (watched == ui_->OperatorLink) {
      runCommand([this] { form_.LinkLabelClick(form_.OperatorLink); });
      return true;
    }
    if (watched == ui_->Panel8 || watched == ui_->Panel9) {
      runCommand([this] { form_.ProductPageClick(); });
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace lotto
