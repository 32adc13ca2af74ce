#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

#include "app/main_window.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class StepSpinBox;

namespace Ui {
class MainWindowForm;
}

namespace lotto {

class CommandGuard;
class QtUserInteraction;

// The view of the main window: copies the state of MainWindow into the widgets after every
// command and forwards the user's input to it. It holds no rule of the program.
class MainWindowView : public QMainWindow {
  Q_OBJECT

 public:
  MainWindowView(MainWindow& form, QtUserInteraction& ui, QWidget* parent = nullptr);
  ~MainWindowView() override;

  // Copies the state of the headless window into the widgets.
  void syncFromModel();
  // Runs a command of the headless window, shows what escapes it in an error box and
  // shows the state it leaves. While a command runs no other one starts: the window takes
  // no input but the stop button's.
  void runCommand(const std::function<void()>& command);
  bool commandRunning() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct FieldWidget {
    QLineEdit* edit;
    int tip;
    int index;
  };
  struct RowWidgets {
    QLabel* rowLabel = nullptr;
    QLabel* hitLabel = nullptr;
    QLabel* sumLabel = nullptr;
    QLabel* furtherLabel = nullptr;
  };
  struct ScaledWidget {
    QWidget* widget;
    qreal pointSize;
    QSize minimumSize;
    QSize maximumSize;
  };

  void setStandardIcons();
  void bindTipGrid();
  void bindCommands();
  void bindOptions();
  void noteWindowState();
  void rememberDesignedSizes();
  void applyScale();
  void syncTipGrid();
  // "Diagramm speichern …": the chart as a PNG file the user names.
  void saveChartPicture();
  void showProgress(const ProgressBar& bar);

  std::unique_ptr<Ui::MainWindowForm> ui_;
  MainWindow& form_;
  QtUserInteraction& interaction_;
  CommandGuard* guard_;
  std::vector<FieldWidget> fields_;
  std::vector<RowWidgets> rows_;
  std::vector<ScaledWidget> scaled_;
  std::vector<std::pair<QCheckBox*, CheckBox*>> checkBoxes_;
  std::vector<std::pair<QLabel*, QCheckBox*>> captionRests_;
  std::vector<std::pair<StepSpinBox*, Spinner*>> spinners_;
  double appliedScale_ = 1.0;
  bool syncing_ = false;
  bool shown_ = false;
};

}  // namespace lotto
