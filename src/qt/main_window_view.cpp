#include "qt/main_window_view.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QTabWidget>
#include <cmath>

#include "qt/chart_tab_view.h"
#include "qt/command_guard.h"
#include "qt/command_runner.h"
#include "qt/draws_tab_view.h"
#include "qt/internet_tab_view.h"
#include "qt/options_tab_view.h"
#include "qt/qt_platform.h"
#include "qt/tips_tab_view.h"
#include "qt/widget_sync.h"
#include "ui_mainwindow.h"

namespace lotto {

MainWindowView::MainWindowView(MainWindow& form, QtUserInteraction& interaction, QWidget* parent)
    : QMainWindow(parent),
      ui_(std::make_unique<Ui::MainWindowForm>()),
      form_(form),
      interaction_(interaction),
      guard_(new CommandGuard(this)) {
  ui_->setupUi(this);
  resize(WindowFrame::kDesignedWidth, WindowFrame::kDesignedHeight);
  addTabs();
  addStatusPanels();
  bindMenu();
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

void MainWindowView::addTabs() {
  const CommandRunner run = [this](const std::function<void()>& command) { runCommand(command); };
  auto* draws = new DrawsTabView(form_, run, ui_->tabs);
  // In the order of MainPage.
  tabs_ = {new TipsTabView(form_, run, ui_->tabs), new OptionsTabView(form_, run, ui_->tabs),
           new ChartTabView(form_, run, interaction_, ui_->tabs), draws,
           new InternetTabView(form_, run, ui_->tabs)};
  for (TabView* tab : tabs_) ui_->tabs->addTab(tab, tab->windowTitle());
  connect(ui_->tabs, &QTabWidget::currentChanged, this, [this](int index) {
    if (!syncing_) form_.frame.activePage = static_cast<MainPage>(index);
  });
  // The stop button acts while the update run waits for the server: it is the one
  // control that does not start a command of its own.
  guard_->allow(draws->stopButton());
  connect(draws->stopButton(), &QAbstractButton::clicked, this, [this] {
    form_.stopUpdate();
    syncFromModel();
  });
}

void MainWindowView::addStatusPanels() {
  // The status bar's two panels: the draw request state and the generator's progress.
  auto* panel0 = new QLabel(this);
  panel0->setObjectName("drawRequestStatus");
  panel0->setMinimumWidth(150);
  auto* panel1 = new QLabel(this);
  panel1->setObjectName("progressStatus");
  panel1->setMinimumWidth(50);
  // What the panels say can carry outside text (a typed text, a server's words): plain text.
  panel0->setTextFormat(Qt::PlainText);
  panel1->setTextFormat(Qt::PlainText);
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
}

void MainWindowView::bindMenu() {
  connect(ui_->quitAction, &QAction::triggered, this, &QWidget::close);
  connect(ui_->updateDrawsAction, &QAction::triggered, this,
          [this] { runCommand([this] { form_.updateDraws(); }); });
  connect(ui_->sendToBasketAction, &QAction::triggered, this,
          [this] { runCommand([this] { form_.sendToBasket(); }); });
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

void MainWindowView::runCommand(const std::function<void()>& command) {
  if (guard_->running()) return;
  runShowingFailures(interaction_, [this, &command] { guard_->run(command); });
  syncFromModel();
}

bool MainWindowView::commandRunning() const {
  return guard_->running();
}

// Every command control of the window, found by its name on whichever tab it stands.
void MainWindowView::syncCommandControls() {
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
}

void MainWindowView::syncFromModel() {
  syncing_ = true;
  if (windowTitle() != qs(form_.frame.caption)) setWindowTitle(qs(form_.frame.caption));
  applyScale();
  for (TabView* tab : tabs_) tab->syncFromModel();
  syncCommandControls();
  setTextIfChanged(findChild<QLabel*>("drawRequestStatus"), form_.statusBar.panels[0]);
  setTextIfChanged(findChild<QLabel*>("progressStatus"), form_.statusBar.panels[1]);
  showProgress(form_.statusBar.progress);
  if (form_.frame.windowState == WindowFrame::State::Normal && windowState() == Qt::WindowNoState &&
      size() != QSize(form_.frame.width, form_.frame.height)) {
    resize(form_.frame.width, form_.frame.height);
  }
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

}  // namespace lotto
