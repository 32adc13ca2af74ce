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
#include "qt/command_runner.h"
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

void setDate(QDateEdit* edit, const DateField& picker) {
  const QDate minimum = qDateOf(picker.minDate);
  if (edit->minimumDate() != minimum) edit->setMinimumDate(minimum);
  const QDate wanted = qDateOf(picker.date());
  if (edit->date() != wanted) edit->setDate(wanted);
}

}  // namespace

MainWindowView::MainWindowView(MainWindow& form, QtUserInteraction& interaction, QWidget* parent)
    : QMainWindow(parent),
      ui_(std::make_unique<Ui::MainWindowForm>()),
      form_(form),
      interaction_(interaction),
      guard_(new CommandGuard(this)) {
  ui_->setupUi(this);
  guard_->allow(ui_->stopButton);
  resize(WindowFrame::kDesignedWidth, WindowFrame::kDesignedHeight);

  // The status bar's two panels: the draw request state and the generator's progress.
  auto* panel0 = new QLabel(this);
  panel0->setObjectName("drawRequestStatus");
  panel0->setMinimumWidth(150);
  auto* panel1 = new QLabel(this);
  panel1->setObjectName("progressStatus");
  panel1->setMinimumWidth(50);
  ui_->statusBar->addWidget(panel0);
  ui_->statusBar->addWidget(panel1, 1);
  // How far a download or a generator run is; shown only while one runs.
  auto* progress = new QProgressBar(this);
  progress->setObjectName("progressBar");
  progress->setAccessibleName("Fortschritt");
  progress->setMaximumWidth(160);
  progress->setMaximumHeight(16);
  progress->setTextVisible(true);
  progress->hide();
  ui_->statusBar->addPermanentWidget(progress);

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
      {ui_->downloadButton, QStyle::SP_BrowserReload},
      {ui_->earlierDrawButton, QStyle::SP_ArrowLeft},
      {ui_->laterDrawButton, QStyle::SP_ArrowRight},
      {ui_->clearTipsButton, QStyle::SP_DialogDiscardButton},
      {ui_->saveTipsButton, QStyle::SP_DialogSaveButton},
      {ui_->loadTipsButton, QStyle::SP_DialogOpenButton},
      {ui_->checkChosenDateButton, QStyle::SP_DialogApplyButton},
      {ui_->stopButton, QStyle::SP_BrowserStop},
      {ui_->luckyNumberButton, QStyle::SP_DialogHelpButton},
  };
  for (const auto& [button, pixmap] : icons) button->setIcon(style()->standardIcon(pixmap));
}

void MainWindowView::bindTipGrid() {
  rows_.resize(TipGrid::kTips);
  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    RowWidgets& row = rows_[static_cast<std::size_t>(tip - 1)];
    row.rowLabel = findChild<QLabel*>(QString("tip%1Label").arg(tip));
    row.hitLabel = findChild<QLabel*>(QString("tip%1Hits").arg(tip));
    row.sumLabel = findChild<QLabel*>(QString("tip%1Quersumme").arg(tip));
    row.furtherLabel = findChild<QLabel*>(QString("tip%1Note").arg(tip));
    row.rowLabel->installEventFilter(this);

    for (int index = 1; index <= TipGrid::kNumbers; ++index) {
      auto* edit = findChild<QLineEdit*>(QString("tip%1Number%2").arg(tip).arg(index));
      fields_.push_back({edit, tip, index});
      edit->setAccessibleName(QString("Tipp %1, Zahl %2").arg(tip).arg(index));
      edit->installEventFilter(this);
      connect(edit, &QLineEdit::textEdited, this, [this, edit, tip, index](const QString& text) {
        form_.setTipField(tip, index, text.toStdString());
        // The cleaning rule may have changed what was typed ("46" becomes empty).
        const QString cleaned = qs(form_.tips.text(tip, index));
        if (edit->text() != cleaned) edit->setText(cleaned);
      });
    }
  }
}

void MainWindowView::bindCommands() {
  connect(ui_->clearTipsButton, &QAbstractButton::clicked, this,
          [this] { runCommand([this] { form_.clearUnmarkedTips(); }); });
  connect(ui_->checkChosenDateButton, &QAbstractButton::clicked, this,
          [this] { runCommand([this] { form_.checkTipsAgainstChosenDraw(); }); });
  connect(ui_->quitAction, &QAction::triggered, this, &QWidget::close);
  connect(ui_->updateDrawsAction, &QAction::triggered, this,
          [this] { runCommand([this] { form_.updateDraws(); }); });
  connect(ui_->sendToBasketAction, &QAction::triggered, this,
          [this] { runCommand([this] { form_.sendToBasket(); }); });
  connect(ui_->chart, &ChartView::saveRequested, this,
          [this] { runCommand([this] { saveChartPicture(); }); });
  // The stop button acts while the update run waits for the server: it is the one
  // control that does not start a command of its own.
  connect(ui_->stopButton, &QAbstractButton::clicked, this, [this] {
    form_.stopUpdate();
    syncFromModel();
  });

  // Each command with every control that starts it.
  const std::vector<std::pair<std::vector<QAbstractButton*>, void (MainWindow::*)()>> commands = {
      {{ui_->updateButton}, &MainWindow::updateDraws},
      {{ui_->generateButton}, &MainWindow::generateTips},
      {{ui_->saveTipsButton}, &MainWindow::saveTips},
      {{ui_->loadTipsButton}, &MainWindow::loadTips},
      {{ui_->tipSheetButton}, &MainWindow::printTipSheet},
      {{ui_->slipButton}, &MainWindow::printOnSlip},
      {{ui_->searchHistoryButton}, &MainWindow::searchHistoryForTips},
      {{ui_->basketButton}, &MainWindow::sendToBasket},
      {{ui_->clickScriptButton}, &MainWindow::startClickScript},
      {{ui_->luckyNumberButton}, &MainWindow::setLuckyNumber},
      {{ui_->downloadButton}, &MainWindow::updateDraws},
      {{ui_->earlierDrawButton}, &MainWindow::showEarlierDraw},
      {{ui_->laterDrawButton}, &MainWindow::showLaterDraw},
      {{ui_->chartFrequencyButton}, &MainWindow::showNumberFrequency},
      {{ui_->chartQuersummeButton}, &MainWindow::showQuersummeDistribution},
      {{ui_->pairsButton, ui_->chartPairsButton}, &MainWindow::showPairs},
      {{ui_->triplesButton, ui_->chartTriplesButton}, &MainWindow::showTriples},
      {{ui_->quadruplesButton, ui_->chartQuadruplesButton}, &MainWindow::showQuadruples},
      {{ui_->overdueButton, ui_->chartOverdueButton}, &MainWindow::showOverdueNumbers},
      {{ui_->tipDistributionButton}, &MainWindow::showTipDistribution},
  };
  for (const auto& [buttons, command] : commands) {
    for (QAbstractButton* button : buttons) {
      connect(button, &QAbstractButton::clicked, this,
              [this, command = command] { runCommand([this, command] { (form_.*command)(); }); });
    }
  }

  connect(ui_->sundayDraws, &QCheckBox::toggled, this, [this](bool checked) {
    if (!syncing_) form_.dayFilter.sundayDraws.checked = checked;
  });
  connect(ui_->wednesdayDraws, &QCheckBox::toggled, this, [this](bool checked) {
    if (!syncing_) form_.dayFilter.wednesdayDraws.checked = checked;
  });
  connect(ui_->chosenDate, &QDateEdit::dateChanged, this, [this](QDate date) {
    if (!syncing_) form_.drawOnShow.chosenDate.setDate(dayNumberOf(date));
  });
  connect(ui_->statisticsStart, &QDateEdit::dateChanged, this, [this](QDate date) {
    if (!syncing_) form_.chartTab.statisticsStart.setDate(dayNumberOf(date));
  });
  connect(ui_->proxyHost, &QLineEdit::textEdited, this, [this](const QString& text) {
    form_.internetOptions.proxyHost.text = text.toStdString();
  });
  connect(ui_->proxyPort, &QLineEdit::textEdited, this, [this](const QString& text) {
    form_.internetOptions.proxyPort.text = text.toStdString();
  });
  connect(ui_->server, &QLineEdit::textEdited, this,
          [this](const QString& text) { form_.internetOptions.server.text = text.toStdString(); });
  connect(ui_->tabs, &QTabWidget::currentChanged, this, [this](int index) {
    if (!syncing_) form_.frame.activePage = static_cast<MainPage>(index);
  });

  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    connect(findChild<QAbstractButton*>(QString("tip%1EditButton").arg(tip)),
            &QAbstractButton::clicked, this,
            [this, tip] { runCommand([this, tip] { form_.editTip(tip); }); });
  }
  connect(ui_->enterDrawButton, &QAbstractButton::clicked, this,
          [this] { runCommand([this] { form_.typeInDraw(); }); });
  connect(ui_->removeDrawButton, &QAbstractButton::clicked, this,
          [this] { runCommand([this] { form_.removeShownDraw(); }); });

  for (QLabel* link : {ui_->updateLink, ui_->operatorLink}) link->installEventFilter(this);
  for (QWidget* banner :
       {static_cast<QWidget*>(ui_->leftBanner), static_cast<QWidget*>(ui_->rightBanner)}) {
    banner->installEventFilter(this);
  }
  for (VerticalLabel* label : {ui_->leftBannerText, ui_->rightBannerText}) {
    connect(label, &VerticalLabel::clicked, this,
            [this] { runCommand([this] { form_.openProductPage(); }); });
  }
}

void MainWindowView::bindOptions() {
  for (auto& [name, box] : form_.options.checkBoxes()) {
    auto* widget = findChild<QCheckBox*>(qs(name));
    checkBoxes_.push_back({widget, box});
    connect(widget, &QCheckBox::toggled, this, [this, box = box](bool checked) {
      if (!syncing_) box->checked = checked;
    });
    // The text after a spinner in the gap of a caption toggles its box like the box's own text.
    if (auto* rest = findChild<QLabel*>(qs(name + "Rest"))) {
      captionRests_.push_back({rest, widget});
      rest->installEventFilter(this);
    }
  }
  for (auto& [name, spinner] : form_.options.spinners()) {
    auto* widget = findChild<StepSpinBox*>(qs(name));
    spinners_.push_back({widget, spinner});
    connect(widget, &QSpinBox::valueChanged, this, [this, spinner = spinner](int value) {
      if (!syncing_) spinner->setValue(value);
    });
    if (spinner == &form_.options.runBudgetThousands) {
      connect(widget, &StepSpinBox::stepped, this, [this] { form_.runBudgetStepped(); });
    }
    if (spinner == &form_.options.tipCount) {
      connect(widget, &StepSpinBox::stepped, this, [this] { form_.tipCountStepped(); });
    }
  }
}

void MainWindowView::rememberDesignedSizes() {
  QList<QWidget*> widgets = ui_->tabs->findChildren<QWidget*>();
  widgets.prepend(ui_->tabs);
  for (QWidget* widget : widgets) {
    scaled_.push_back(
        {widget, widget->font().pointSizeF(), widget->minimumSize(), widget->maximumSize()});
  }
}

void MainWindowView::applyScale() {
  if (appliedScale_ == form_.frame.tabScale) return;
  appliedScale_ = form_.frame.tabScale;
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

void MainWindowView::showProgress(const ProgressBar& bar) {
  auto* widget = findChild<QProgressBar*>("progressBar");
  // The bar works in whole thousandths, so that a budget past the int range still shows.
  constexpr int kSteps = 1000;
  const int value = bar.maximum > 0
                        ? static_cast<int>(std::clamp<std::int64_t>(bar.position, 0, bar.maximum) *
                                           kSteps / bar.maximum)
                        : 0;
  if (widget->maximum() != kSteps) widget->setRange(0, kSteps);
  if (widget->value() != value) widget->setValue(value);
  if (widget->isHidden() == bar.visible) widget->setVisible(bar.visible);
}

void MainWindowView::saveChartPicture() {
  const auto chosen =
      interaction_.saveFile({"PNG-Bild|*.png", "png", chartFileName(form_.chartTab.chart.caption),
                             form_.files.dataFolder});
  if (!chosen) return;
  if (!ui_->chart->savePng(QString::fromStdString(chosen->path))) {
    throw AppError("Das Diagramm konnte nicht gespeichert werden: " + chosen->path);
  }
}

void MainWindowView::runCommand(const std::function<void()>& command) {
  if (guard_->running()) return;
  runShowingFailures(interaction_, [this, &command] { guard_->run(command); });
  syncFromModel();
}

bool MainWindowView::commandRunning() const {
  return guard_->running();
}

void MainWindowView::syncTipGrid() {
  for (const FieldWidget& field : fields_) {
    const QString wanted = qs(form_.tips.text(field.tip, field.index));
    if (field.edit->text() != wanted) field.edit->setText(wanted);
    setBackground(field.edit, form_.tips.colour(field.tip, field.index));
  }
  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    const TipRow& row = form_.tips.row(tip);
    RowWidgets& widgets = rows_[static_cast<std::size_t>(tip - 1)];
    setTextIfChanged(widgets.rowLabel, row.rowLabel.caption);
    setTextColour(widgets.rowLabel, row.rowLabel.colour);
    setTextIfChanged(widgets.hitLabel, row.hitLabel.caption);
    setTextColour(widgets.hitLabel, row.hitLabel.colour);
    setTextIfChanged(widgets.sumLabel, row.sumLabel.caption);
    if (widgets.furtherLabel != nullptr)
      setTextIfChanged(widgets.furtherLabel, row.furtherLabel.caption);
  }
}

void MainWindowView::syncFromModel() {
  syncing_ = true;
  if (windowTitle() != qs(form_.frame.caption)) setWindowTitle(qs(form_.frame.caption));
  applyScale();
  syncTipGrid();

  setTextIfChanged(ui_->drawBarText, form_.drawOnShow.drawBarText.caption);
  setTextIfChanged(ui_->drawBarQuersumme, form_.drawOnShow.drawBarQuersumme.caption);
  setTextIfChanged(ui_->shownDrawText, form_.drawOnShow.shownDrawText.caption);
  ui_->sundayDraws->setChecked(form_.dayFilter.sundayDraws.checked);
  ui_->wednesdayDraws->setChecked(form_.dayFilter.wednesdayDraws.checked);
  setDate(ui_->chosenDate, form_.drawOnShow.chosenDate);
  setDate(ui_->statisticsStart, form_.chartTab.statisticsStart);
  setTextIfChanged(ui_->updateLink, form_.internetOptions.updateLink.caption);
  setTextIfChanged(ui_->operatorLink, form_.internetOptions.operatorLink.caption);
  for (const auto& [edit, text] : {std::pair{ui_->proxyHost, &form_.internetOptions.proxyHost.text},
                                   std::pair{ui_->proxyPort, &form_.internetOptions.proxyPort.text},
                                   std::pair{ui_->server, &form_.internetOptions.server.text}}) {
    if (edit->text() != qs(*text)) edit->setText(qs(*text));
  }

  for (auto& [name, control] : form_.buttons.commandControls()) {
    const QString objectName = qs(name);
    if (auto* widget = findChild<QWidget*>(objectName)) {
      widget->setEnabled(control->enabled);
      widget->setVisible(control->visible);
    } else if (auto* action = findChild<QAction*>(objectName)) {
      action->setEnabled(control->enabled);
      action->setVisible(control->visible);
    }
  }

  setTextIfChanged(findChild<QLabel*>("drawRequestStatus"), form_.statusBar.panels[0]);
  setTextIfChanged(findChild<QLabel*>("progressStatus"), form_.statusBar.panels[1]);
  showProgress(form_.statusBar.progress);
  for (const auto& [widget, box] : checkBoxes_) widget->setChecked(box->checked);
  for (const auto& [widget, spinner] : spinners_) {
    widget->setRange(spinner->minimum, spinner->maximum);
    if (widget->value() != spinner->value()) widget->setValue(spinner->value());
  }
  if (form_.frame.windowState == WindowFrame::State::Normal && windowState() == Qt::WindowNoState &&
      size() != QSize(form_.frame.width, form_.frame.height)) {
    resize(form_.frame.width, form_.frame.height);
  }
  ui_->chart->showSeries(form_.chartTab.chart);
  ui_->tabs->setCurrentIndex(static_cast<int>(form_.frame.activePage));
  syncing_ = false;
}

void MainWindowView::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  form_.onResize(width(), height());
  runCommand([this] { form_.onFirstShow(); });
}

void MainWindowView::closeEvent(QCloseEvent* event) {
  if (guard_->running()) {
    event->ignore();  // not while a command runs; the user closes it again afterwards
    return;
  }
  noteWindowState();
  runCommand([this] { form_.onClose(); });
  QMainWindow::closeEvent(event);
}

void MainWindowView::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) noteWindowState();
  QMainWindow::changeEvent(event);
}

void MainWindowView::noteWindowState() {
  if (isMinimized()) {
    form_.frame.windowState = WindowFrame::State::Minimized;
  } else if (isMaximized() || isFullScreen()) {
    form_.frame.windowState = WindowFrame::State::Maximized;
  } else {
    form_.frame.windowState = WindowFrame::State::Normal;
  }
}

void MainWindowView::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  form_.onResize(width(), height());
  applyScale();
}

bool MainWindowView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    // Leaving a tip field; switching to another program or opening a menu is no leave.
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      for (const FieldWidget& field : fields_) {
        if (field.edit == watched) {
          runCommand([this] { form_.leaveTipField(); });
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
        runCommand([this, tip] { form_.toggleTipMark(tip); });
        return true;
      }
    }
    if (watched == ui_->updateLink) {
      runCommand([this] { form_.openLink(form_.internetOptions.updateLink); });
      return true;
    }
    if (watched == ui_->operatorLink) {
      runCommand([this] { form_.openLink(form_.internetOptions.operatorLink); });
      return true;
    }
    if (watched == ui_->leftBanner || watched == ui_->rightBanner) {
      runCommand([this] { form_.openProductPage(); });
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace lotto
