#include "qt/tips_tab_view.h"

#include <QMouseEvent>
#include <QStyle>

#include "qt/tip_row_view.h"
#include "qt/vertical_label.h"
#include "qt/widget_sync.h"
#include "ui_tipstab.h"

namespace lotto {

TipsTabView::TipsTabView(MainWindow& form, CommandRunner runCommand, QWidget* parent)
    : TabView(form, std::move(runCommand), parent), ui_(std::make_unique<Ui::TipsTabForm>()) {
  ui_->setupUi(this);
  const std::pair<QToolButton*, QStyle::StandardPixmap> icons[] = {
      {ui_->downloadButton, QStyle::SP_BrowserReload},
      {ui_->earlierDrawButton, QStyle::SP_ArrowLeft},
      {ui_->laterDrawButton, QStyle::SP_ArrowRight},
      {ui_->clearTipsButton, QStyle::SP_DialogDiscardButton},
      {ui_->saveTipsButton, QStyle::SP_DialogSaveButton},
      {ui_->loadTipsButton, QStyle::SP_DialogOpenButton},
      {ui_->luckyNumberButton, QStyle::SP_DialogHelpButton},
  };
  for (const auto& [button, pixmap] : icons) button->setIcon(style()->standardIcon(pixmap));

  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    auto* row = new TipRowView(
        tip, form_, [this](const std::function<void()>& command) { run(command); }, this);
    ui_->tipRows->addWidget(row);
    rows_.push_back(row);
  }

  runOnClick(ui_->downloadButton, &MainWindow::updateDraws);
  runOnClick(ui_->earlierDrawButton, &MainWindow::showEarlierDraw);
  runOnClick(ui_->laterDrawButton, &MainWindow::showLaterDraw);
  runOnClick(ui_->clearTipsButton, &MainWindow::clearUnmarkedTips);
  runOnClick(ui_->saveTipsButton, &MainWindow::saveTips);
  runOnClick(ui_->loadTipsButton, &MainWindow::loadTips);
  runOnClick(ui_->searchHistoryButton, &MainWindow::searchHistoryForTips);
  runOnClick(ui_->tipDistributionButton, &MainWindow::showTipDistribution);
  runOnClick(ui_->tipSheetButton, &MainWindow::printTipSheet);
  runOnClick(ui_->slipButton, &MainWindow::printOnSlip);
  runOnClick(ui_->clickScriptButton, &MainWindow::startClickScript);
  runOnClick(ui_->generateButton, &MainWindow::generateTips);
  runOnClick(ui_->luckyNumberButton, &MainWindow::setLuckyNumber);
  runOnClick(ui_->basketButton, &MainWindow::sendToBasket);

  connect(ui_->sundayDraws, &QCheckBox::toggled, this, [this](bool checked) {
    if (!syncing_) form_.dayFilter.sundayDraws.checked = checked;
  });
  connect(ui_->wednesdayDraws, &QCheckBox::toggled, this, [this](bool checked) {
    if (!syncing_) form_.dayFilter.wednesdayDraws.checked = checked;
  });
  for (QWidget* banner :
       {static_cast<QWidget*>(ui_->leftBanner), static_cast<QWidget*>(ui_->rightBanner)}) {
    banner->installEventFilter(this);
  }
  for (VerticalLabel* label : {ui_->leftBannerText, ui_->rightBannerText}) {
    connect(label, &VerticalLabel::clicked, this,
            [this] { run([this] { form_.openProductPage(); }); });
  }
  options_.bind(*this, *this, form_, syncing_);
}

TipsTabView::~TipsTabView() = default;

void TipsTabView::syncFromModel() {
  syncing_ = true;
  for (TipRowView* row : rows_) row->syncFromModel();
  setTextIfChanged(ui_->drawBarText, form_.drawOnShow.drawBarText.caption);
  setTextIfChanged(ui_->drawBarQuersumme, form_.drawOnShow.drawBarQuersumme.caption);
  ui_->sundayDraws->setChecked(form_.dayFilter.sundayDraws.checked);
  ui_->wednesdayDraws->setChecked(form_.dayFilter.wednesdayDraws.checked);
  options_.syncFromModel();
  syncing_ = false;
}

bool TipsTabView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
      (watched == ui_->leftBanner || watched == ui_->rightBanner)) {
    run([this] { form_.openProductPage(); });
    return true;
  }
  return TabView::eventFilter(watched, event);
}

}  // namespace lotto
