#include "qt/chart_tab_view.h"

#include "platform/errors.h"
#include "qt/chart_view.h"
#include "qt/qt_platform.h"
#include "qt/widget_sync.h"
#include "ui_charttab.h"

namespace lotto {

ChartTabView::ChartTabView(MainWindow& form, CommandRunner runCommand,
                           QtUserInteraction& interaction, QWidget* parent)
    : TabView(form, std::move(runCommand), parent),
      ui_(std::make_unique<Ui::ChartTabForm>()),
      interaction_(interaction) {
  ui_->setupUi(this);
  runOnClick(ui_->chartFrequencyButton, &MainWindow::showNumberFrequency);
  runOnClick(ui_->chartQuersummeButton, &MainWindow::showQuersummeDistribution);
  runOnClick(ui_->chartPairsButton, &MainWindow::showPairs);
  runOnClick(ui_->chartTriplesButton, &MainWindow::showTriples);
  runOnClick(ui_->chartQuadruplesButton, &MainWindow::showQuadruples);
  runOnClick(ui_->chartOverdueButton, &MainWindow::showOverdueNumbers);
  connect(ui_->statisticsStart, &QDateEdit::dateChanged, this, [this](QDate date) {
    if (!syncing_) form_.chartTab.statisticsStart.setDate(dayNumberOf(date));
  });
  connect(ui_->chart, &ChartView::saveRequested, this,
          [this] { run([this] { saveChartPicture(); }); });
}

ChartTabView::~ChartTabView() = default;

void ChartTabView::syncFromModel() {
  syncing_ = true;
  setDate(ui_->statisticsStart, form_.chartTab.statisticsStart);
  ui_->chart->showSeries(form_.chartTab.chart);
  syncing_ = false;
}

void ChartTabView::saveChartPicture() {
  const auto chosen =
      interaction_.saveFile({"PNG-Bild|*.png", "png", chartFileName(form_.chartTab.chart.caption),
                             form_.files.dataFolder});
  if (!chosen) return;
  if (!ui_->chart->savePng(QString::fromStdString(chosen->path))) {
    throw AppError("Das Diagramm konnte nicht gespeichert werden: " + chosen->path);
  }
}

}  // namespace lotto
