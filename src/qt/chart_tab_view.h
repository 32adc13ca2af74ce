#pragma once

#include <memory>

#include "qt/tab_view.h"

namespace Ui {
class ChartTabForm;
}

namespace lotto {

class QtUserInteraction;

// The tab "Diagramm": the statistics' buttons, their start date and the chart, which
// saves itself as a picture from its context menu.
class ChartTabView : public TabView {
  Q_OBJECT
 public:
  ChartTabView(MainWindow& form, CommandRunner runCommand, QtUserInteraction& interaction,
               QWidget* parent = nullptr);
  ~ChartTabView() override;

  void syncFromModel() override;

 private:
  // "Diagramm speichern …": the chart as a PNG file the user names.
  void saveChartPicture();

  std::unique_ptr<Ui::ChartTabForm> ui_;
  QtUserInteraction& interaction_;
};

}  // namespace lotto
