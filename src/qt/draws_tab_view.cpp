#include "qt/draws_tab_view.h"

#include <QStyle>

#include "qt/widget_sync.h"
#include "ui_drawstab.h"

namespace lotto {

DrawsTabView::DrawsTabView(MainWindow& form, CommandRunner runCommand, QWidget* parent)
    : TabView(form, std::move(runCommand), parent), ui_(std::make_unique<Ui::DrawsTabForm>()) {
  ui_->setupUi(this);
  ui_->checkChosenDateButton->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
  ui_->stopButton->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));

  runOnClick(ui_->updateButton, &MainWindow::updateDraws);
  runOnClick(ui_->checkChosenDateButton, &MainWindow::checkTipsAgainstChosenDraw);
  runOnClick(ui_->enterDrawButton, &MainWindow::typeInDraw);
  runOnClick(ui_->removeDrawButton, &MainWindow::removeShownDraw);
  runOnClick(ui_->pairsButton, &MainWindow::showPairs);
  runOnClick(ui_->triplesButton, &MainWindow::showTriples);
  runOnClick(ui_->quadruplesButton, &MainWindow::showQuadruples);
  runOnClick(ui_->overdueButton, &MainWindow::showOverdueNumbers);
  connect(ui_->chosenDate, &QDateEdit::dateChanged, this, [this](QDate date) {
    if (!syncing_) form_.drawOnShow.chosenDate.setDate(dayNumberOf(date));
  });
  options_.bind(*this, *this, form_, syncing_);
}

DrawsTabView::~DrawsTabView() = default;

QAbstractButton* DrawsTabView::stopButton() const {
  return ui_->stopButton;
}

void DrawsTabView::syncFromModel() {
  syncing_ = true;
  setTextIfChanged(ui_->shownDrawText, form_.drawOnShow.shownDrawText.caption);
  setDate(ui_->chosenDate, form_.drawOnShow.chosenDate);
  options_.syncFromModel();
  syncing_ = false;
}

}  // namespace lotto
